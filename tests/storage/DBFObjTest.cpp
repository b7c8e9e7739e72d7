// Reading tables: header checks with their messages, record loads,
// descrambling, trimming and clamping.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "storage/DBFObj.h"
#include "storage/DataKey.h"
#include "storage/TableWriter.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::MessageRecorder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A table of a 10-byte name, a 4-byte code and a memo field.
TableWriter ThreeFields(bool scrambled) {
  return TableWriter({{"NAME", 'C', 10}, {"CODE", 'C', 4}, {"BIO", 'M', 4}}, scrambled);
}

void AddRow(TableWriter& w, const std::string& name, const std::string& code, uint32_t memo,
            bool deleted = false) {
  auto r = w.NewRecord();
  w.SetText(r, 0, name);
  w.SetText(r, 1, code);
  w.SetMemo(r, 2, memo);
  if (deleted) w.SetDeleted(r);
  w.Add(r);
}

TEST(DBFObjOpen, MissingAndMalformedFilesShowTheirMessagesInOrder) {
  TempDir dir;
  MessageRecorder rec;
  CDBFObj dbf;
  EXPECT_FALSE(dbf.Open(nullptr, 5));
  EXPECT_TRUE(rec.messages().empty());

  EXPECT_FALSE(dbf.Open("none.man", 5));
  EXPECT_EQ(rec.messages(), std::vector<std::string>{"数据文件 none.man 不存在."});
  EXPECT_FALSE(dbf.IsOpen());

  auto w = ThreeFields(false);
  std::string bytes = w.Bytes();
  bytes[0] = 0x03;
  WriteBytes("old.man", bytes);
  rec.clear();
  EXPECT_FALSE(dbf.Open("old.man", 5));
  EXPECT_EQ(rec.messages(),
            (std::vector<std::string>{"数据文件 old.man 不是标准数据格式文件.", "读数据文件 old.man 出错."}));
  EXPECT_EQ(dbf.Message(), Utf8ToGbk("读数据文件 old.man 出错."));
}

TEST(DBFObjOpen, RefusesHeadersTheBuffersCannotHold) {
  TempDir dir;
  auto good = ThreeFields(false).Bytes();
  auto setLe16 = [](std::string s, size_t at, int v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
    return s;
  };
  std::string noTerminator = good;
  noTerminator[32 + 3 * 32] = 'X';
  std::string wrongCodePage = good;
  wrongCodePage[29] = 0x4D;
  std::vector<std::pair<std::string, std::string>> cases = {
      {"short", good.substr(0, 31)},
      {"codepage", wrongCodePage},
      {"noterm", noTerminator},
      {"reclen0", setLe16(good, 10, 0)},
      {"reclen500", setLe16(good, 10, 500)},
      {"headerpast", setLe16(good, 8, static_cast<int>(good.size()) + 1)},
      {"fieldpast", setLe16(good, 10, 10)},  // fields need 19 bytes
      {"headerinside", setLe16(good, 8, 40)},
  };
  // 129 descriptors.
  std::string many(32, '\0');
  many[0] = 0x30;
  many[29] = 0x7A;
  for (int i = 0; i < 129; ++i) {
    std::string d(32, '\0');
    d[0] = 'F';
    d[11] = 'C';
    d[12] = 1;
    d[16] = 1;
    many += d;
  }
  many += '\x0D';
  many = setLe16(setLe16(many, 8, static_cast<int>(many.size())), 10, 2);
  cases.push_back({"fields129", many});

  for (const auto& [name, bytes] : cases) {
    WriteBytes(name + ".man", bytes);
    MessageRecorder rec;
    CDBFObj dbf;
    EXPECT_FALSE(dbf.Open((name + ".man").c_str(), 5)) << name;
    ASSERT_EQ(rec.messages().size(), 2u) << name;
    EXPECT_EQ(rec.messages()[0], "数据文件 " + name + ".man 不是标准数据格式文件.");
  }
}

TEST(DBFObjOpen, OpenTwiceKeepsTheFirstFileAndCloseReopens) {
  TempDir dir;
  auto w = ThreeFields(true);
  AddRow(w, "A", "a", 0);
  WriteBytes("t.man", w.Bytes());
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.man", 5));
  EXPECT_TRUE(dbf.Open("missing.man", 5));
  EXPECT_TRUE(dbf.IsOpen());
  EXPECT_TRUE(dbf.Close());
  EXPECT_FALSE(dbf.IsOpen());
}

TEST(DBFObjRead, LoadsDescrambledFieldsTrimmedAndClamped) {
  TempDir dir;
  auto w = ThreeFields(true);
  const std::string twoChars = Utf8ToGbk("李白");
  AddRow(w, twoChars, "lb", 8);
  AddRow(w, "", "    ", 9);
  AddRow(w, "C", "c", 0x01020304);
  WriteBytes("t.man", w.Bytes());

  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.man", 5));
  EXPECT_EQ(dbf.m_lActRecCount, 3);  // the trailing 0x1A is no record
  EXPECT_EQ(dbf.FieldCount(), 3);
  EXPECT_EQ(dbf.Field(2).type, 'M');
  EXPECT_EQ(dbf.Field(1).displacement, 11);

  ASSERT_TRUE(dbf.ReadRecord(1));
  EXPECT_EQ(dbf.m_strField[0], twoChars);  // 4 bytes, the blanks gone
  EXPECT_EQ(dbf.m_lMemoBlock[2], 8);
  dbf.ReadRecord(2);
  EXPECT_EQ(dbf.m_strField[0], " ");  // all blanks keep one
  EXPECT_EQ(dbf.m_strField[1], " ");
  dbf.ReadRecord(0);
  EXPECT_EQ(dbf.m_strField[0], twoChars);
  dbf.ReadRecord(99);
  EXPECT_EQ(dbf.m_strField[0], "C");
  EXPECT_EQ(dbf.m_lMemoBlock[2], 0x01020304);

  // GoTo leaves the stored bytes as they are.
  dbf.GoTo(3);
  EXPECT_NE(dbf.m_strField[0], "C");
  uint8_t stored[4];
  for (int i = 0; i < 4; ++i) stored[i] = Scramble(static_cast<uint8_t>(0x04 - i));
  EXPECT_EQ(static_cast<uint32_t>(dbf.m_lMemoBlock[2]), uint32_t{stored[0]} | uint32_t{stored[1]} << 8 |
                                                            uint32_t{stored[2]} << 16 |
                                                            uint32_t{stored[3]} << 24);
}

TEST(DBFObjRead, HeaderCountZeroPartialTailAndDeletedRecords) {
  TempDir dir;
  auto w = ThreeFields(false);
  AddRow(w, "dead", "d", 0, true);
  AddRow(w, "live", "l", 0);
  std::string bytes = w.Bytes();
  bytes[4] = 0;    // header says no records
  bytes += "xyz";  // partial record after the 0x1A
  WriteBytes("t.dat", bytes);
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  EXPECT_TRUE(dbf.IsEmpty());
  EXPECT_EQ(dbf.m_lActRecCount, 2);
  EXPECT_EQ(dbf.m_lCurRec, 0);  // GoTop was not called
  dbf.GoTo(1);
  EXPECT_EQ(dbf.m_strField[0], "dead");
  EXPECT_TRUE(dbf.GoTop());
  EXPECT_EQ(dbf.m_lActCurRec, 2);
  EXPECT_EQ(dbf.m_lCurRec, 1);
}

TEST(DBFObjRead, EmptyTableLoadsNothingAndZeroLengthFieldIsEmpty) {
  TempDir dir;
  TableWriter w({{"E", 'C', 0}, {"N", 'C', 3}}, false);
  WriteBytes("e.dat", w.Bytes());
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("e.dat", 5));
  dbf.m_strField[1] = "kept";
  EXPECT_FALSE(dbf.ReadRecord(1));
  EXPECT_EQ(dbf.m_strField[1], "kept");
  EXPECT_FALSE(dbf.GoTop());
  EXPECT_EQ(dbf.m_lActCurRec, 1);

  auto r = w.NewRecord();
  w.SetText(r, 1, "abc");
  w.Add(r);
  WriteBytes("f.dat", w.Bytes());
  CDBFObj one;
  ASSERT_TRUE(one.Open("f.dat", 5));
  one.GoTo(1);
  EXPECT_EQ(one.m_strField[0], "");
  EXPECT_EQ(one.m_strField[1], "abc");
}

}  // namespace
}  // namespace versilo
