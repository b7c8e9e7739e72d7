// Reading memo files: header checks, block numbers, the length cap, and
// descrambling.
#include <gtest/gtest.h>

#include "storage/DataKey.h"
#include "storage/FPTOBJ.h"
#include "storage/MemoWriter.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::MessageRecorder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A memo file holding one scrambled memo of the given stored length at
// block 8, whose text is `length` bytes of 'a'.
void WriteMemoOfLength(const std::string& name, uint32_t storedLength, size_t textBytes) {
  std::string bytes(512, '\0');
  bytes[7] = 64;
  std::string block = {0, 0, 0, 1};
  for (int i = 3; i >= 0; --i) block += static_cast<char>(storedLength >> (8 * i));
  bytes += block + std::string(textBytes, static_cast<char>(Scramble('a')));
  WriteBytes(name, bytes);
}

TEST(FPTOBJOpen, SizesAndMessages) {
  TempDir dir;
  MessageRecorder rec;
  CFPTOBJ fpt;
  EXPECT_FALSE(fpt.Open("none.dat", 5));
  EXPECT_EQ(rec.messages(), std::vector<std::string>{"数据文件 none.dat 不存在."});

  rec.clear();
  WriteBytes("short.dat", std::string(511, '\0'));
  EXPECT_FALSE(fpt.Open("short.dat", 5));
  EXPECT_EQ(rec.messages(), (std::vector<std::string>{"数据文件 short.dat 不是标准数据格式文件.",
                                                      "读数据文件 short.dat 出错."}));
  EXPECT_FALSE(fpt.IsOpen());

  std::string header(512, '\0');
  header[3] = 8;
  header[6] = 0x02;  // block size 512, as a 32-bit big-endian value
  WriteBytes("header.dat", header);
  rec.clear();
  EXPECT_TRUE(fpt.Open("header.dat", 5));
  EXPECT_TRUE(rec.messages().empty());
  EXPECT_EQ(fpt.m_lNextFree, 8);
  EXPECT_EQ(fpt.m_lBlockSize, 512);
}

TEST(FPTOBJRead, BlockBelowEightKeepsTheTextAndWrittenMemosRoundTrip) {
  TempDir dir;
  MemoWriter w(true);
  const std::string poem = "\xB4\xB2\xC7\xB0\xC3\xF7\xD4\xC2\xB9\xE2\r\nline two";
  uint32_t a = w.Add(poem);
  uint32_t b = w.Add(std::string(70, 'x'));  // spans two blocks
  uint32_t c = w.Add("third");
  EXPECT_EQ(w.Add(""), 0u);
  EXPECT_EQ(a, 8u);
  EXPECT_EQ(b, 9u);
  EXPECT_EQ(c, 11u);
  WriteBytes("m.dat", w.Bytes());
  EXPECT_EQ(ReadBytes("m.dat").size(), 512u + 4 * 64);

  CFPTOBJ fpt;
  ASSERT_TRUE(fpt.Open("m.dat", 5));
  EXPECT_EQ(fpt.m_lNextFree, 12);
  ASSERT_TRUE(fpt.ReadMemo(8));
  EXPECT_EQ(fpt.m_strMemo, poem);
  EXPECT_EQ(fpt.BlockType(), 1);
  EXPECT_FALSE(fpt.ReadMemo(0));
  EXPECT_FALSE(fpt.ReadMemo(7));
  EXPECT_EQ(fpt.m_strMemo, poem);
  ASSERT_TRUE(fpt.ReadMemo(9));
  EXPECT_EQ(fpt.m_strMemo, std::string(70, 'x'));
  ASSERT_TRUE(fpt.ReadMemo(11));
  EXPECT_EQ(fpt.m_strMemo, "third");
}

TEST(FPTOBJRead, LengthsAreCappedAt102398Bytes) {
  TempDir dir;
  struct Case {
    uint32_t stored;
    size_t present;
    size_t expected;
  } cases[] = {
      {102398, 102398, 102398}, {102399, 102399, 102398}, {200000, 200000, 102398}, {0xFFFFFFFF, 10, 10}};
  for (const auto& c : cases) {
    WriteMemoOfLength("m.dat", c.stored, c.present);
    CFPTOBJ fpt;
    ASSERT_TRUE(fpt.Open("m.dat", 5));
    ASSERT_TRUE(fpt.ReadMemo(8));
    EXPECT_EQ(fpt.m_strMemo.size(), c.expected) << c.stored;
  }
}

TEST(FPTOBJRead, StopsAtAZeroByteAndAtTheEndOfTheFile) {
  TempDir dir;
  MemoWriter w(true);
  w.Add(std::string("ab\0cd", 5));
  WriteBytes("m.dat", w.Bytes());
  CFPTOBJ fpt;
  ASSERT_TRUE(fpt.Open("m.dat", 5));
  ASSERT_TRUE(fpt.ReadMemo(8));
  EXPECT_EQ(fpt.m_strMemo, "ab");
  EXPECT_TRUE(fpt.ReadMemo(1000));  // far past the end: nothing there
  EXPECT_EQ(fpt.m_strMemo, "");
}

TEST(FPTOBJRead, DescramblingThenScramblingGivesTheStoredBytes) {
  for (int b = 0; b < 256; ++b) EXPECT_EQ(Scramble(Descramble(static_cast<uint8_t>(b))), b);
  EXPECT_EQ(Descramble(0x00), static_cast<uint8_t>(~kDataKey));
}

}  // namespace
}  // namespace versilo
