// Turning the checked anthology into its seven data files.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "base/Gbk.h"
#include "storage/AtomicFile.h"
#include "storage/FileError.h"
#include "storage/MemoWriter.h"
#include "storage/TableWriter.h"
#include "tools/anthology/Anthology.h"

namespace versilo::anthology {
namespace {

std::string ThreeDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", n);
  return text;
}

// Fills the six character fields shared by both poem tables.
void SetPoemFields(const TableWriter& table, std::vector<uint8_t>& record, const Poem& p, int sequence) {
  table.SetText(record, 0, ThreeDigits(p.number));
  table.SetText(record, 1, VolumeText(p.volume));
  table.SetText(record, 2, ThreeDigits(sequence));
  table.SetText(record, 3, p.genre);
  table.SetText(record, 4, p.author);
  table.SetText(record, 5, p.title);
}

// SOURCE_DATE_EPOCH, when set, fixes the header date for reproducible builds.
std::tm BuildDay() {
  std::time_t when = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"))
    when = static_cast<std::time_t>(std::atoll(epoch));
  std::tm day{};
  gmtime_r(&when, &day);
  return day;
}

}  // namespace

std::string VolumeText(int volume) {
  static const char* kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  if (volume == 11) return "11";
  if (volume < 1 || volume > 10) throw std::out_of_range("volume " + std::to_string(volume));
  return Utf8ToGbk(kNumerals[volume - 1]);
}

std::map<std::string, std::string> MakeAnthologyFiles(const Anthology& a) {
  const std::tm day = BuildDay();
  std::map<std::string, std::string> files;

  TableWriter poems(PoemTableFields(), true);
  MemoWriter poemMemos(true);
  TableWriter pinyin(PinyinTableFields(), true);
  MemoWriter pinyinMemos(true);
  int sequence[12] = {};
  std::vector<int> sequenceOf(a.poems.size());
  for (size_t i = 0; i < a.poems.size(); ++i) {
    const Poem& p = a.poems[i];
    sequenceOf[i] = ++sequence[p.volume];
    auto r = poems.NewRecord();
    SetPoemFields(poems, r, p, sequenceOf[i]);
    for (int m = 0; m < 5; ++m) poems.SetMemo(r, 6 + m, poemMemos.Add(p.memos[m]));
    poems.Add(r);
    auto q = pinyin.NewRecord();
    pinyin.SetText(q, 0, ThreeDigits(p.number));
    pinyin.SetText(q, 1, VolumeText(p.volume));
    pinyin.SetMemo(q, 2, pinyinMemos.Add(p.pinyin));
    pinyin.Add(q);
  }
  files["poem1e.man"] = poems.Bytes(day);
  files["poem1e.dat"] = poemMemos.Bytes();
  files["poem1ep.man"] = pinyin.Bytes(day);
  files["poem1ep.dat"] = pinyinMemos.Bytes();

  TableWriter authors(AuthorTableFields(), true);
  MemoWriter biographies(true);
  TableWriter byAuthor(ByAuthorTableFields(), false);
  for (const Poet& poet : a.poets) {
    auto r = authors.NewRecord();
    authors.SetText(r, 0, poet.name);
    authors.SetText(r, 1, poet.anchor);
    authors.SetMemo(r, 2, biographies.Add(poet.biography));
    authors.Add(r);
    for (size_t i = 0; i < a.poems.size(); ++i) {
      if (a.poems[i].author != poet.name) continue;
      auto q = byAuthor.NewRecord();
      SetPoemFields(byAuthor, q, a.poems[i], sequenceOf[i]);
      byAuthor.Add(q);
    }
  }
  files["zhu1e.man"] = authors.Bytes(day);
  files["zhu1e.dat"] = biographies.Bytes();
  files["poem2.dat"] = byAuthor.Bytes(day);
  return files;
}

void WriteAnthologyFiles(const std::map<std::string, std::string>& files, const std::string& outDir) {
  // Every file is written beside its final name first; only when all are
  // complete do they replace the old ones.
  std::vector<std::string> written;
  try {
    for (const auto& [name, bytes] : files) {
      const std::string staged = outDir + "/" + name + ".build";
      WriteFileAtomically(staged, bytes);
      written.push_back(staged);
    }
  } catch (...) {
    for (const auto& staged : written) std::remove(staged.c_str());
    throw;
  }
  for (const auto& [name, bytes] : files) {
    const std::string target = outDir + "/" + name;
    if (std::rename((target + ".build").c_str(), target.c_str()) != 0)
      throw FileError::FromErrno(errno, target);
  }
}

}  // namespace versilo::anthology
