#pragma once
// The layout of the anthology's tables as the reader reads them: which field
// holds what, by position, and the widths the bundled anthology uses. The
// anthology compiler writes them; tests and benchmarks make theirs the same.
#include <vector>

#include "storage/TableWriter.h"

namespace versilo::anthology_tables {

// Widths of the character fields of the bundled anthology.
inline constexpr int kEntryWidth = 3;
inline constexpr int kVolumeWidth = 2;
inline constexpr int kSequenceWidth = 3;
inline constexpr int kGenreWidth = 8;
inline constexpr int kAuthorWidth = 15;
inline constexpr int kTitleWidth = 100;
inline constexpr int kAnchorWidth = 15;

// Poem table ("poem1e.man"), scrambled: entry number "%03d", volume
// numeral, place within the volume, genre, author, title, then the memos
// poem, notes, verse translation, commentary, English translation.
std::vector<FieldSpec> PoemTableFields(int titleWidth = kTitleWidth, int authorWidth = kAuthorWidth,
                                       int volumeWidth = kVolumeWidth);
// Poems by author ("poem2.dat"), plain: the poem table's six character
// fields, without memos.
std::vector<FieldSpec> ByAuthorTableFields();
// Author table ("zhu1e.man"), scrambled: name, anchor code, biography memo.
std::vector<FieldSpec> AuthorTableFields(int nameWidth = kAuthorWidth);
// Pinyin table ("poem1ep.man"), scrambled: entry number, volume, pinyin memo
// at position 2.
std::vector<FieldSpec> PinyinTableFields();

}  // namespace versilo::anthology_tables
