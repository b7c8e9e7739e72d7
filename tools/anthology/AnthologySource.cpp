// Reading and checking the anthology's source text.
#include <algorithm>
#include <cstdlib>
#include <set>

#include "base/Gbk.h"
#include "storage/FPTOBJ.h"
#include "tools/anthology/Anthology.h"
#include "tools/anthology/SourceFile.h"

namespace versilo::anthology {
namespace {

const char* kSectionNames[5] = {"text", "notes", "translation", "commentary", "english"};

// Converts a source text to GBK, or names the character that has none.
std::string ToGbk(const std::string& utf8, const std::string& file, int line) {
  try {
    return Utf8ToGbk(utf8);
  } catch (const std::invalid_argument& e) {
    throw SourceError(file, line, e.what());
  }
}

// The reader reads memos of up to this many bytes; a longer one would be
// cut without a word.
void CheckMemoLength(const std::string& gbk, const std::string& file, int line) {
  if (gbk.size() > CFPTOBJ::kMaxMemoLength)
    throw SourceError(file, line,
                      "text is " + std::to_string(gbk.size()) + " bytes in GBK, longer than the " +
                          std::to_string(CFPTOBJ::kMaxMemoLength) + " a memo holds");
}

std::string RequiredField(const SourceRecord& r, const std::string& key, const std::string& file,
                          int maxBytes, std::string* gbk) {
  auto it = r.fields.find(key);
  if (it == r.fields.end() || it->second.first.empty())
    throw SourceError(file, r.line, "record \"" + r.id + "\" has no " + key);
  *gbk = ToGbk(it->second.first, file, it->second.second);
  if (maxBytes > 0 && gbk->size() > static_cast<size_t>(maxBytes))
    throw SourceError(file, it->second.second,
                      key + " is " + std::to_string(gbk->size()) +
                          " bytes in GBK, longer than its field of " + std::to_string(maxBytes));
  return it->second.first;
}

int ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), ::isdigit)) return -1;
  return std::atoi(text.c_str());
}

std::vector<Poem> ReadPoems(const std::string& dir) {
  const std::string file = "poems.txt";
  auto records = ReadSourceFile(dir + "/" + file, file,
                                {"poem",
                                 {"volume", "genre", "author", "title"},
                                 {"text", "notes", "translation", "commentary", "english"}});
  std::vector<Poem> poems;
  for (const auto& r : records) {
    Poem p;
    p.number = ParseNumber(r.id);
    if (p.number != static_cast<int>(poems.size()) + 1)
      throw SourceError(file, r.line,
                        "poem \"" + r.id + "\" should be numbered " + std::to_string(poems.size() + 1));
    if (p.number > kMaxPoems)
      throw SourceError(file, r.line, "more than " + std::to_string(kMaxPoems) + " poems");
    std::string volume;
    const int volumeLine = r.fields.count("volume") ? r.fields.at("volume").second : r.line;
    p.volume = ParseNumber(RequiredField(r, "volume", file, 0, &volume));
    if (p.volume < 1 || p.volume > 11) throw SourceError(file, volumeLine, "volume must be 1 to 11");
    RequiredField(r, "genre", file, kGenreWidth, &p.genre);
    RequiredField(r, "author", file, kAuthorWidth, &p.author);
    p.authorLine = r.fields.at("author").second;
    RequiredField(r, "title", file, kTitleWidth, &p.title);
    for (int m = 0; m < 5; ++m) {
      auto it = r.sections.find(kSectionNames[m]);
      if (it == r.sections.end()) continue;
      p.memos[m] = ToGbk(it->second.first, file, it->second.second);
      CheckMemoLength(p.memos[m], file, it->second.second);
    }
    if (p.memos[0].empty()) throw SourceError(file, r.line, "poem " + r.id + " has no @text");
    poems.push_back(std::move(p));
  }
  if (poems.empty()) throw SourceError(file, 1, "no poems");
  return poems;
}

std::vector<Poet> ReadPoets(const std::string& dir) {
  const std::string file = "authors.txt";
  auto records = ReadSourceFile(dir + "/" + file, file, {"author", {"anchor"}, {"bio"}});
  std::vector<Poet> poets;
  std::set<std::string> names, anchors;
  for (const auto& r : records) {
    Poet p;
    p.name = ToGbk(r.id, file, r.line);
    if (p.name.empty() || p.name.size() > static_cast<size_t>(kAuthorWidth))
      throw SourceError(file, r.line, "a poet's name must be 1 to 15 bytes in GBK");
    const std::string anchor = RequiredField(r, "anchor", file, kAnchorWidth, &p.anchor);
    if (!std::all_of(anchor.begin(), anchor.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
      throw SourceError(file, r.fields.at("anchor").second, "an anchor is ASCII letters and digits only");
    if (!names.insert(p.name).second) throw SourceError(file, r.line, "poet \"" + r.id + "\" listed twice");
    if (!anchors.insert(p.anchor).second)
      throw SourceError(file, r.line, "anchor \"" + anchor + "\" used twice");
    auto bio = r.sections.find("bio");
    if (bio != r.sections.end()) {
      p.biography = ToGbk(bio->second.first, file, bio->second.second);
      CheckMemoLength(p.biography, file, bio->second.second);
    }
    poets.push_back(std::move(p));
    if (poets.size() > static_cast<size_t>(kMaxPoets))
      throw SourceError(file, r.line, "more than " + std::to_string(kMaxPoets) + " poets");
  }
  return poets;
}

void ReadPinyin(const std::string& dir, std::vector<Poem>& poems) {
  const std::string file = "pinyin.txt";
  auto records = ReadSourceFile(dir + "/" + file, file, {"pinyin", {}, {}, true});
  for (const auto& r : records) {
    const int n = ParseNumber(r.id);
    if (n < 1 || n > static_cast<int>(poems.size()))
      throw SourceError(file, r.line, "pinyin \"" + r.id + "\" belongs to no poem");
    if (!poems[n - 1].pinyin.empty())
      throw SourceError(file, r.line, "pinyin of poem " + r.id + " given twice");
    poems[n - 1].pinyin = ToGbk(r.body, file, r.bodyLine);
    CheckMemoLength(poems[n - 1].pinyin, file, r.bodyLine);
  }
}

}  // namespace

Anthology ReadAnthology(const std::string& dir) {
  Anthology a;
  a.poems = ReadPoems(dir);
  a.poets = ReadPoets(dir);
  ReadPinyin(dir, a.poems);
  std::set<std::string> names;
  for (const auto& p : a.poets) names.insert(p.name);
  for (const auto& p : a.poems)
    if (!names.count(p.author))
      throw SourceError("poems.txt", p.authorLine,
                        "author " + GbkToUtf8(p.author) + " has no entry in authors.txt");
  return a;
}

}  // namespace versilo::anthology
