#include "catalogue/PoemPage.h"

#include "base/MessageSink.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/PageFile.h"
#include "storage/FileError.h"

namespace versilo {
namespace {

namespace texts = catalogue_texts;

// The fixed runs between the poem's seven texts, as stored.
struct PoemPageRuns {
  std::string head = StoredRun(texts::kPoemPageHead);
  std::string beforeAuthor = StoredRun(texts::kPoemPageBeforeAuthor);
  std::string beforeContent = StoredRun(texts::kPoemPageBeforeContent);
  std::string beforeNotes = StoredRun(texts::kPoemPageBeforeNotes);
  std::string beforeTranslation = StoredRun(texts::kPoemPageBeforeTranslation);
  std::string beforeCommentary = StoredRun(texts::kPoemPageBeforeCommentary);
  std::string beforeEnglish = StoredRun(texts::kPoemPageBeforeEnglish);
  std::string tail = StoredRun(texts::kPoemPageTail);
  size_t size = head.size() + beforeAuthor.size() + beforeContent.size() + beforeNotes.size() +
                beforeTranslation.size() + beforeCommentary.size() + beforeEnglish.size() + tail.size();
};

const PoemPageRuns& Runs() {
  static const PoemPageRuns runs;
  return runs;
}

}  // namespace

std::string PoemPageBytes(const PoemCatalogue& c) {
  const PoemPageRuns& r = Runs();
  const size_t texts = c.Title().size() + c.Author().size() + c.Content().size() + c.Notes().size() +
                       c.Translation().size() + c.Commentary().size() + c.English().size();
  std::string page;
  // Room for the line ends that grow by a CR, one in every eight bytes or so.
  page.reserve(r.size + texts + texts / 8);
  page += r.head;
  AppendTextMode(page, c.Title());
  page += r.beforeAuthor;
  AppendTextMode(page, c.Author());
  page += r.beforeContent;
  AppendTextMode(page, c.Content());
  page += r.beforeNotes;
  AppendTextMode(page, c.Notes());
  page += r.beforeTranslation;
  AppendTextMode(page, c.Translation());
  page += r.beforeCommentary;
  AppendTextMode(page, c.Commentary());
  page += r.beforeEnglish;
  AppendTextMode(page, c.English());
  page += r.tail;
  return page;
}

bool MakePoemPage(PoemCatalogue& catalogue, const std::string& fileName, int n) {
  if (!catalogue.LoadPoem(n)) return false;
  try {
    WritePageFile(fileName, PoemPageBytes(catalogue));
  } catch (const FileError&) {
    ShowMessage(texts::kMakeHtmlFileError);
    return false;
  }
  return true;
}

}  // namespace versilo
