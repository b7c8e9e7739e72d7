#pragma once
// The anthology as the compiler holds it between its source text and its
// data files: every text already converted to GBK and checked against the
// fields it goes into.
#include <map>
#include <string>
#include <vector>

#include "catalogue/AnthologyTables.h"

namespace versilo::anthology {

struct Poem {
  int number = 0;  // reading order, 1-based
  int volume = 0;  // 1 to 11
  std::string genre, author, title;
  // The five memos in field order: poem, notes, verse translation,
  // commentary, English translation. Empty means no memo.
  std::string memos[5];
  std::string pinyin;
  int authorLine = 0;  // where poems.txt names the author
};

struct Poet {
  std::string name, anchor, biography;
};

struct Anthology {
  std::vector<Poem> poems;
  std::vector<Poet> poets;  // in the order the author table lists them
};

using namespace anthology_tables;
inline constexpr int kMaxPoets = 79;
inline constexpr int kMaxPoems = 386;

// Reads and checks anthology/poems.txt, authors.txt and pinyin.txt. Throws
// SourceError naming the file, line and problem.
Anthology ReadAnthology(const std::string& sourceDir);

// The seven data files' bytes by file name. The tables' header date is the
// given day, so two builds of one source on one day are identical.
std::map<std::string, std::string> MakeAnthologyFiles(const Anthology& anthology);

// Writes the files into outDir, each through a temporary file renamed over
// the old one only once every file has been written.
void WriteAnthologyFiles(const std::map<std::string, std::string>& files, const std::string& outDir);

// The volume field as the reader's catalogue reads it: "一" ... "十", "11".
std::string VolumeText(int volume);

}  // namespace versilo::anthology
