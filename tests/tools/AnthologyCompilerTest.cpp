// The anthology compiler: its refusals of bad source, and a round trip from
// source text through the data files back to the same texts.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Gbk.h"
#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"
#include "tests/support/TestSupport.h"
#include "tools/anthology/Anthology.h"
#include "tools/anthology/SourceFile.h"

namespace versilo::anthology {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

const char* kPoems =
    "# two poems\n"
    "@poem 001\nvolume: 8\ngenre: 五言绝句\nauthor: 李白\ntitle: 静夜思\n"
    "@text\n床前明月光，疑是地上霜。\n举头望明月，低头思故乡。\n\n"
    "@english\nMoonlight before my bed\n"
    "@poem 002\nvolume: 11\ngenre: 七言乐府\nauthor: 王之涣\ntitle: 出塞\n"
    "@text\n黄河远上白云间，一片孤城万仞山。\n"
    "@notes\n仞：古代长度单位。\n";
const char* kAuthors =
    "@author 王之涣\nanchor: wangzhihuan\n@bio\n盛唐诗人。\n"
    "@author 李白\nanchor: libai\n@bio\n字太白。\n";
const char* kPinyin = "@pinyin 001\n静夜思\n李白\nchuáng qián\n床前\n@pinyin 002\n出塞\n";

void WriteSource(const std::string& poems = kPoems, const std::string& authors = kAuthors) {
  std::filesystem::create_directory("src");
  WriteBytes("src/poems.txt", poems);
  WriteBytes("src/authors.txt", authors);
  WriteBytes("src/pinyin.txt", kPinyin);
}

std::string ErrorOf(const std::string& poems, const std::string& authors = kAuthors) {
  WriteSource(poems, authors);
  try {
    ReadAnthology("src");
  } catch (const SourceError& e) {
    return e.what();
  }
  return "no error";
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  return s.replace(s.find(from), from.size(), to);
}

TEST(AnthologyCompiler, RefusesBadSourceNamingFileLineAndProblem) {
  TempDir dir;
  EXPECT_EQ(ErrorOf(Replace(kPoems, "静夜思", "静夜思😀")), "poems.txt:6: character \"😀\" has no GBK form");
  EXPECT_EQ(ErrorOf(Replace(kPoems, "静夜思", std::string(70, 'x') + "静夜思静夜思静夜思静夜思静夜思静夜思")),
            "poems.txt:6: title is 106 bytes in GBK, longer than its field of 100");
  EXPECT_EQ(ErrorOf(Replace(kPoems, "volume: 8", "volume: 12")), "poems.txt:3: volume must be 1 to 11");
  EXPECT_EQ(ErrorOf(Replace(kPoems, "author: 李白\n", "")), "poems.txt:2: record \"001\" has no author");
  EXPECT_EQ(ErrorOf(Replace(kPoems, "@poem 002", "@poem 003")),
            "poems.txt:13: poem \"003\" should be numbered 2");
  EXPECT_EQ(ErrorOf(Replace(kPoems, "@english", "@englsh")), "poems.txt:11: unknown line \"@englsh\"");
  EXPECT_EQ(ErrorOf(kPoems, Replace(kAuthors, "@author 李白", "@author 李商隐")),
            "poems.txt:5: author 李白 has no entry in authors.txt");
  std::string many;
  for (int i = 0; i < 80; ++i)
    many += "@author P" + std::to_string(i) + "\nanchor: p" + std::to_string(i) + "\n";
  EXPECT_EQ(ErrorOf(kPoems, many), "authors.txt:159: more than 79 poets");
}

TEST(AnthologyCompiler, AFailedBuildLeavesTheOldFiles) {
  TempDir dir;
  WriteSource();
  std::filesystem::create_directory("out");
  WriteBytes("out/poem1e.man", "old");
  WriteSource(Replace(kPoems, "volume: 8", "volume: 0"));
  EXPECT_THROW(WriteAnthologyFiles(MakeAnthologyFiles(ReadAnthology("src")), "out"), SourceError);
  EXPECT_EQ(ReadBytes("out/poem1e.man"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("out"), {}), 1);
}

TEST(AnthologyCompiler, RoundTripThroughTheDataFiles) {
  TempDir dir;
  WriteSource();
  setenv("SOURCE_DATE_EPOCH", "1796083200", 1);
  std::filesystem::create_directory("out");
  auto files = MakeAnthologyFiles(ReadAnthology("src"));
  EXPECT_EQ(files, MakeAnthologyFiles(ReadAnthology("src")));  // the same bytes twice
  unsetenv("SOURCE_DATE_EPOCH");
  WriteAnthologyFiles(files, "out");
  std::filesystem::current_path("out");

  CDBFObj poems;
  CFPTOBJ memos;
  ASSERT_TRUE(poems.Open("poem1e.man", 5));
  ASSERT_TRUE(memos.Open("poem1e.dat", 5));
  ASSERT_EQ(poems.m_lActRecCount, 2);
  poems.ReadRecord(1);
  EXPECT_EQ(poems.m_strField[0], "001");
  EXPECT_EQ(GbkToUtf8(poems.m_strField[1]), "八");
  EXPECT_EQ(GbkToUtf8(poems.m_strField[3]), "五言绝句");
  EXPECT_EQ(GbkToUtf8(poems.m_strField[4]), "李白");
  EXPECT_EQ(GbkToUtf8(poems.m_strField[5]), "静夜思");
  ASSERT_TRUE(memos.ReadMemo(poems.m_lMemoBlock[6]));
  EXPECT_EQ(GbkToUtf8(memos.m_strMemo), "床前明月光，疑是地上霜。\n举头望明月，低头思故乡。");
  EXPECT_FALSE(memos.ReadMemo(poems.m_lMemoBlock[7]));  // no notes: block 0
  ASSERT_TRUE(memos.ReadMemo(poems.m_lMemoBlock[10]));
  EXPECT_EQ(memos.m_strMemo, "Moonlight before my bed");
  poems.ReadRecord(2);
  EXPECT_EQ(poems.m_strField[1], "11");
  EXPECT_EQ(poems.m_lMemoBlock[10], 0);

  CDBFObj poets;
  CFPTOBJ bios;
  ASSERT_TRUE(poets.Open("zhu1e.man", 5));
  ASSERT_TRUE(bios.Open("zhu1e.dat", 5));
  poets.ReadRecord(2);
  EXPECT_EQ(GbkToUtf8(poets.m_strField[0]), "李白");
  EXPECT_EQ(poets.m_strField[1], "libai");
  ASSERT_TRUE(bios.ReadMemo(poets.m_lMemoBlock[2]));
  EXPECT_EQ(GbkToUtf8(bios.m_strMemo), "字太白。");

  // Arranged by author: the author table's order, stored plain.
  CDBFObj byAuthor;
  ASSERT_TRUE(byAuthor.Open("poem2.dat", 5));
  byAuthor.GoTo(1);
  EXPECT_EQ(byAuthor.m_strField[0], "002");
  byAuthor.GoTo(2);
  EXPECT_EQ(byAuthor.m_strField[0], "001");

  CDBFObj pinyin;
  CFPTOBJ pinyinMemos;
  ASSERT_TRUE(pinyin.Open("poem1ep.man", 5));
  ASSERT_TRUE(pinyinMemos.Open("poem1ep.dat", 5));
  pinyin.ReadRecord(1);
  ASSERT_TRUE(pinyinMemos.ReadMemo(pinyin.m_lMemoBlock[2]));
  EXPECT_EQ(GbkToUtf8(pinyinMemos.m_strMemo), "静夜思\n李白\nchuáng qián\n床前");
}

}  // namespace
}  // namespace versilo::anthology
