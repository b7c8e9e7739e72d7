#include "catalogue/AuthorPage.h"

#include <algorithm>
#include <string>

#include "base/MessageSink.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/GbkText.h"
#include "catalogue/PageFile.h"
#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"
#include "storage/FileError.h"

namespace versilo {
namespace {

namespace texts = catalogue_texts;

constexpr int kNameField = 0;
constexpr int kAnchorField = 1;
constexpr int kBiographyField = 2;

struct AuthorPageRuns {
  std::string head = StoredRun(texts::kAuthorPageHead);
  std::string beforeAnchor = StoredRun(texts::kAuthorEntryBeforeAnchor);
  std::string beforeName = StoredRun(texts::kAuthorEntryBeforeName);
  std::string beforeBiography = StoredRun(texts::kAuthorEntryBeforeBiography);
  std::string entryEnd = StoredRun(texts::kAuthorEntryEnd);
  std::string tail = StoredRun(texts::kAuthorPageTail);
};

const AuthorPageRuns& Runs() {
  static const AuthorPageRuns runs;
  return runs;
}

// A trimmed name or anchor within its byte limit, never ending inside a
// character.
std::string Limited(const std::string& field) {
  return TrimRight(CutGbk(TrimRight(field), kAuthorTextLimit));
}

void AppendEntries(std::string& page, CDBFObj& table, CFPTOBJ& memo, PoemCatalogue& catalogue,
                   CatalogueTreeSink* sink) {
  const AuthorPageRuns& r = Runs();
  const int count = std::min<int>(table.m_lActRecCount, PoemCatalogue::kMaxAuthors);
  std::string biography;
  for (int i = 0; i < count; ++i) {
    table.ReadRecord(i + 1);
    const std::string anchor = Limited(table.m_strField[kAnchorField]);
    const std::string name = Limited(table.m_strField[kNameField]);
    // A poet without a biography gets an empty block, not the one before.
    biography.clear();
    if (memo.ReadMemo(table.m_lMemoBlock[kBiographyField])) biography = memo.m_strMemo;

    page += r.beforeAnchor;
    AppendTextMode(page, anchor);
    page += r.beforeName;
    AppendTextMode(page, name);
    page += r.beforeBiography;
    AppendTextMode(page, biography);
    page += r.entryEnd;
    catalogue.AddAuthor(anchor, name);
    if (sink) sink->AddAuthorNode(i, name);
  }
}

}  // namespace

bool MakeAuthorPage(PoemCatalogue& catalogue, CatalogueTreeSink* sink) {
  const AuthorPageRuns& r = Runs();
  catalogue.ClearAuthors();
  std::string page = r.head;
  {
    CDBFObj table;
    CFPTOBJ memo;
    if (table.Open(kAuthorTable, PoemCatalogue::kOpenMode) &&
        memo.Open(kAuthorMemo, PoemCatalogue::kOpenMode)) {
      try {
        AppendEntries(page, table, memo, catalogue, sink);
      } catch (const FileError& e) {
        // As in the poem listing: the file layer's own words, and the poets
        // read so far stay on the page and in the tree.
        ShowMessage(e.Description());
      }
    }
  }
  page += r.tail;
  try {
    WritePageFile(kAuthorPageFile, page);
  } catch (const FileError&) {
    ShowMessage(texts::kMakeAuthorHtmlFileError);
    return false;
  }
  return true;
}

}  // namespace versilo
