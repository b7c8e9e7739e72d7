#include "catalogue/PoemCatalogue.h"

#include <algorithm>
#include <utility>

#include "base/Gbk.h"
#include "base/MessageSink.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/GbkText.h"
#include "storage/FileError.h"

namespace versilo {

namespace texts = catalogue_texts;

int PoemCatalogue::VolumeOf(std::string_view gbkVolume) {
  static const std::string numerals[] = {
      VERSILO_GBK("一"), VERSILO_GBK("二"), VERSILO_GBK("三"), VERSILO_GBK("四"), VERSILO_GBK("五"),
      VERSILO_GBK("六"), VERSILO_GBK("七"), VERSILO_GBK("八"), VERSILO_GBK("九"), VERSILO_GBK("十"),
  };
  for (int v = 0; v < 10; ++v)
    if (gbkVolume == numerals[v]) return v + 1;
  // The eleventh volume is written in digits, not as 十一.
  if (gbkVolume == "11") return 11;
  return 0;
}

void PoemCatalogue::OpenAndListPoems(CatalogueTreeSink* sink) {
  Close();
  m_nPoemCount = 0;
  if (!m_poemMemo.Open(kPoemMemo, kOpenMode)) ShowMessage(texts::kOpenDataFileError);
  if (!m_poemTable.Open(kPoemTable, kOpenMode)) return;
  ListPoems(sink);
}

void PoemCatalogue::ListPoems(CatalogueTreeSink* sink) {
  try {
    m_poemTable.GoTop();
    const int records = m_poemTable.m_lActRecCount;
    m_nPoemCount = records;
    if (records > kPoemSlots) {
      // The tree has no node for the rest, so they are not poems of the
      // catalogue at all: the count stops at the last slot.
      m_nPoemCount = kPoemSlots;
      ShowMessage(VERSILO_GBK(texts::kTooManyPoemsPrefix) + kPoemTable +
                  VERSILO_GBK(texts::kTooManyPoemsMiddle) + std::to_string(records) +
                  VERSILO_GBK(texts::kTooManyPoemsSuffix));
    }
    for (int n = 1; n <= m_nPoemCount; ++n) {
      m_poemTable.ReadRecord(n);
      const int volume = VolumeOf(m_poemTable.m_strField[kVolumeField]);
      const std::string title = TrimRight(m_poemTable.m_strField[kTitleField]);
      if (sink) sink->AddPoemNode(n, volume, title);
    }
  } catch (const FileError& e) {
    ShowMessage(e.Description());
  }
}

bool PoemCatalogue::LoadPoem(int n) {
  if (!IsOpen()) return false;
  // Read everything into the staging texts first, so a failed read leaves
  // the current poem whole; swapping keeps both sets of buffers in use.
  std::string* texts = m_strStaging.data();
  for (int k = 0; k < 5; ++k) texts[k].clear();
  try {
    if (!m_poemTable.ReadRecord(n)) return false;
    const int fields[5] = {kContentField, kNotesField, kTranslationField, kCommentaryField, kEnglishField};
    for (int k = 0; k < 5; ++k) {
      // A field without a memo gives an empty text, never the one before.
      if (m_poemMemo.ReadMemo(m_poemTable.m_lMemoBlock[fields[k]])) texts[k] = m_poemMemo.m_strMemo;
    }
  } catch (const FileError& e) {
    ShowMessage(e.Description());
    return false;
  }
  m_strTitle = m_poemTable.m_strField[kTitleField];
  m_strAuthor = m_poemTable.m_strField[kAuthorField];
  m_strContent.swap(texts[0]);
  m_strNotes.swap(texts[1]);
  m_strTranslation.swap(texts[2]);
  m_strCommentary.swap(texts[3]);
  m_strEnglish.swap(texts[4]);
  m_nLoadedPoem = m_poemTable.m_lActRecCount > 0 ? std::clamp(n, 1, m_poemTable.m_lActRecCount) : 0;
  return true;
}

void PoemCatalogue::Close() {
  if (m_poemTable.IsOpen()) m_poemTable.Close();
  if (m_poemMemo.IsOpen()) m_poemMemo.Close();
}

void PoemCatalogue::AddAuthor(const std::string& gbkAnchor, const std::string& gbkName) {
  if (m_nAuthorCount >= kMaxAuthors) return;
  m_strAuthorAnchor[m_nAuthorCount] = gbkAnchor;
  m_strAuthorName[m_nAuthorCount] = gbkName;
  ++m_nAuthorCount;
}

}  // namespace versilo
