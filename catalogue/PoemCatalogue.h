#pragma once
// PoemCatalogue: the anthology's data while the reader runs. It keeps the
// poem table and its memo file open, knows the poem count and each poem's
// volume, holds the texts of the one poem loaded last, and the poets'
// anchors and names for the author page. Nothing else is cached: every page
// reads its record and memos from disk again.
#include <array>
#include <string>
#include <string_view>

#include "catalogue/CatalogueTreeSink.h"
#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"

namespace versilo {

class PoemCatalogue {
 public:
  static constexpr const char* kPoemTable = "poem1e.man";
  static constexpr const char* kPoemMemo = "poem1e.dat";
  static constexpr int kOpenMode = 5;
  // Node slots of the tree: poem numbers 1 to 386, authors 0 to 78.
  static constexpr int kPoemSlots = 386;
  static constexpr int kMaxAuthors = 79;

  // Poem record fields, by position.
  static constexpr int kVolumeField = 1;
  static constexpr int kAuthorField = 4;
  static constexpr int kTitleField = 5;
  static constexpr int kContentField = 6;
  static constexpr int kNotesField = 7;
  static constexpr int kTranslationField = 8;
  static constexpr int kCommentaryField = 9;
  static constexpr int kEnglishField = 10;

  PoemCatalogue() = default;
  PoemCatalogue(const PoemCatalogue&) = delete;
  PoemCatalogue& operator=(const PoemCatalogue&) = delete;

  // The volume numeral of a record to its volume node: "一" to "十" give 1 to
  // 10, "11" gives 11, anything else 0 (the 使用说明 node). Exact GBK bytes.
  static int VolumeOf(std::string_view gbkVolume);

  // The tree build's poem step: opens the memo file, then the table, and
  // lists every poem to the sink (which may be null) in record order. A
  // memo file that cannot be opened is reported and the listing goes on, but
  // no poem can be loaded later. A read error ends the listing with the file
  // layer's own description; the poems listed so far stay. Opening again
  // starts from closed files.
  void OpenAndListPoems(CatalogueTreeSink* sink);

  // Fills the current poem from record n (clamped into the table). Fails,
  // changing nothing, when either file is closed or a read fails.
  bool LoadPoem(int n);

  void Close();
  bool IsOpen() const { return m_poemTable.IsOpen() && m_poemMemo.IsOpen(); }

  // Records of the poem table, at most kPoemSlots.
  int PoemCount() const { return m_nPoemCount; }

  // The poem loaded last, field by field.
  const std::string& Title() const { return m_strTitle; }
  const std::string& Author() const { return m_strAuthor; }
  const std::string& Content() const { return m_strContent; }
  const std::string& Notes() const { return m_strNotes; }
  const std::string& Translation() const { return m_strTranslation; }
  const std::string& Commentary() const { return m_strCommentary; }
  const std::string& English() const { return m_strEnglish; }
  // The record number of the poem loaded last; 0 before the first.
  int LoadedPoem() const { return m_nLoadedPoem; }

  // The poets, filled once by the author page.
  int AuthorCount() const { return m_nAuthorCount; }
  const std::string& AuthorAnchor(int i) const { return m_strAuthorAnchor[i]; }
  const std::string& AuthorName(int i) const { return m_strAuthorName[i]; }
  void ClearAuthors() { m_nAuthorCount = 0; }
  // Ignored beyond kMaxAuthors.
  void AddAuthor(const std::string& gbkAnchor, const std::string& gbkName);

 private:
  void ListPoems(CatalogueTreeSink* sink);

  CDBFObj m_poemTable;
  CFPTOBJ m_poemMemo;
  int m_nPoemCount = 0;

  std::string m_strContent;
  std::string m_strNotes;
  std::string m_strTranslation;
  std::string m_strCommentary;
  std::string m_strEnglish;
  std::string m_strTitle;
  std::string m_strAuthor;
  int m_nLoadedPoem = 0;
  std::array<std::string, 5> m_strStaging;

  int m_nAuthorCount = 0;
  std::array<std::string, kMaxAuthors> m_strAuthorAnchor;
  std::array<std::string, kMaxAuthors> m_strAuthorName;
};

}  // namespace versilo
