// Rewriting tables: append, delete, overwrite, pack, and two processes
// appending to one table at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "storage/DBFObj.h"
#include "storage/DataKey.h"
#include "storage/FileError.h"
#include "storage/PosixFile.h"
#include "storage/TableWriter.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::MessageRecorder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TableWriter Table() { return TableWriter({{"NAME", 'C', 8}}, false); }

void WriteTable(const std::string& name, const std::vector<std::string>& rows,
                const std::set<size_t>& deleted = {}) {
  auto w = Table();
  for (size_t i = 0; i < rows.size(); ++i) {
    auto r = w.NewRecord();
    w.SetText(r, 0, rows[i]);
    if (deleted.count(i)) w.SetDeleted(r);
    w.Add(r);
  }
  WriteBytes(name, w.Bytes());
}

void PrepareRecord(CDBFObj& dbf, const std::string& text) {
  uint8_t* r = dbf.RecordBuffer();
  r[0] = ' ';
  for (int i = 0; i < 8; ++i) r[1 + i] = i < static_cast<int>(text.size()) ? text[i] : ' ';
}

uint32_t HeaderCount(const std::string& bytes) {
  return static_cast<uint8_t>(bytes[4]) | static_cast<uint8_t>(bytes[5]) << 8;
}

TEST(DBFObjWriting, AppendWritesAfterTheLastRecordAndEndsWith1A) {
  TempDir dir;
  WriteTable("t.dat", {"a", "b", "c"});
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  const int h = dbf.HeaderLength(), l = dbf.RecordLength();
  PrepareRecord(dbf, "dddd");
  ASSERT_TRUE(dbf.AppendRecord());
  EXPECT_EQ(dbf.m_lActCurRec, 4);
  EXPECT_EQ(dbf.m_lActRecCount, 4);
  EXPECT_EQ(dbf.m_lRecCount, 4);
  EXPECT_EQ(dbf.m_lCurRec, 4);
  std::string bytes = ReadBytes("t.dat");
  EXPECT_EQ(bytes.size(), static_cast<size_t>(h + 4 * l + 1));
  EXPECT_EQ(bytes.substr(h + 3 * l, l), " dddd    ");
  EXPECT_EQ(bytes.back(), '\x1A');
  EXPECT_EQ(HeaderCount(bytes), 4u);
  EXPECT_GT(static_cast<uint8_t>(bytes[1]), 100);  // years since 1900
}

TEST(DBFObjWriting, DeletingMovesToALiveNeighbourOrToNone) {
  TempDir dir;
  WriteTable("one.dat", {"only"});
  CDBFObj one;
  ASSERT_TRUE(one.Open("one.dat", 5));
  ASSERT_TRUE(one.DeleteRecord());
  EXPECT_EQ(one.m_lRecCount, 0);
  EXPECT_EQ(one.m_lCurRec, 0);
  EXPECT_EQ(one.m_lActCurRec, 1);
  EXPECT_EQ(ReadBytes("one.dat")[one.HeaderLength()], '*');

  WriteTable("three.dat", {"a", "b", "c"});
  CDBFObj three;
  ASSERT_TRUE(three.Open("three.dat", 5));
  ASSERT_TRUE(three.DeleteRecord());  // record 1: forward to record 2
  EXPECT_EQ(three.m_lActCurRec, 2);
  EXPECT_EQ(three.m_lRecCount, 2);
  EXPECT_EQ(HeaderCount(ReadBytes("three.dat")), 2u);
  EXPECT_TRUE(three.GoTop());
  EXPECT_EQ(three.m_lActCurRec, 2);
}

TEST(DBFObjWriting, OverwritingAndScramblingInPlace) {
  TempDir dir;
  WriteTable("t.dat", {"plain", "text"});
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  PrepareRecord(dbf, "new");
  ASSERT_TRUE(dbf.WriteRecord());
  dbf.GoTo(1);
  EXPECT_EQ(dbf.m_strField[0], "new");

  // Turning each record into its other form twice gives the table back.
  const std::string before = ReadBytes("t.dat");
  for (int pass = 0; pass < 2; ++pass) {
    for (int n = 1; n <= 2; ++n) {
      dbf.ReadRecord(n);
      ASSERT_TRUE(dbf.WriteRecordAt(n));
    }
    if (pass == 0) {
      dbf.ReadRecord(2);
      EXPECT_EQ(dbf.m_strField[0], "text");
    }
  }
  EXPECT_EQ(ReadBytes("t.dat"), before);
  EXPECT_FALSE(dbf.WriteRecordAt(0));  // would land on the header
  EXPECT_FALSE(dbf.WriteRecordAt(3));
}

TEST(DBFObjWriting, WritesToAReadOnlyTableAreRefusedAsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes through read-only modes";
  TempDir dir;
  WriteTable("ro.dat", {"a"});
  chmod("ro.dat", 0444);
  MessageRecorder rec;
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("ro.dat", 5));
  PrepareRecord(dbf, "b");
  EXPECT_FALSE(dbf.AppendRecord());
  EXPECT_FALSE(dbf.WriteRecord());
  EXPECT_EQ(rec.messages(), (std::vector<std::string>{"accessDenied", "accessDenied"}));
  EXPECT_EQ(dbf.m_lActRecCount, 1);
}

// Root may write any file, so the read-only case is also checked where the
// file itself is open for reading only.
TEST(DBFObjWriting, WritingThroughAReadOnlyOpenIsAccessDenied) {
  TempDir dir;
  WriteTable("t.dat", {"a"});
  PosixFile file;
  file.Open("t.dat", PosixFile::Access::ReadOnly, PosixFile::Sharing::Shared);
  try {
    file.Lock(0, 1);
    FAIL() << "a write lock on a read-only file succeeded";
  } catch (const FileError& e) {
    EXPECT_EQ(e.cause(), FileError::Cause::AccessDenied);
  }
}

// Another process's append must survive this one's overwrite and delete.
TEST(DBFObjWriting, OverwriteAndDeleteKeepAnotherWritersAppend) {
  TempDir dir;
  WriteTable("t.dat", {"a", "b"});
  CDBFObj mine, theirs;
  ASSERT_TRUE(mine.Open("t.dat", 5));
  ASSERT_TRUE(theirs.Open("t.dat", 5));
  PrepareRecord(theirs, "c");
  ASSERT_TRUE(theirs.AppendRecord());
  PrepareRecord(mine, "A");
  ASSERT_TRUE(mine.WriteRecord());
  EXPECT_EQ(HeaderCount(ReadBytes("t.dat")), 3u);
  ASSERT_TRUE(mine.DeleteRecord());
  EXPECT_EQ(HeaderCount(ReadBytes("t.dat")), 2u);
  EXPECT_EQ(mine.m_lRecCount, 2);
}

TEST(DBFObjWriting, WriteRecordReportsALockHeldByAnotherWriter) {
  TempDir dir;
  WriteTable("t.dat", {"a"});
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  PosixFile other;
  other.Open("t.dat", PosixFile::Access::ReadWrite, PosixFile::Sharing::Shared);
  other.Lock(dbf.HeaderLength(), 1);
  MessageRecorder rec;
  PrepareRecord(dbf, "b");
  EXPECT_FALSE(dbf.WriteRecord());
  EXPECT_EQ(rec.messages(), std::vector<std::string>{"lockViolation"});
}

TEST(DBFObjWriting, PackKeepsLiveRecordsAndReplacesTheTableInOneStep) {
  TempDir dir;
  WriteTable("t.dat", {"a", "b", "c"}, {1});
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  const int h = dbf.HeaderLength(), l = dbf.RecordLength();
  EXPECT_FALSE(dbf.Pack());  // our own handle is still open
  dbf.Close();
  ASSERT_TRUE(dbf.Pack());
  EXPECT_EQ(dbf.m_lRecCount, 2);
  std::string bytes = ReadBytes("t.dat");
  EXPECT_EQ(bytes.size(), static_cast<size_t>(h + 2 * l + 1));
  EXPECT_EQ(HeaderCount(bytes), 2u);
  EXPECT_EQ(bytes.substr(h + l, 2), " c");
  EXPECT_FALSE(PosixFile::Exists("TEMP_XX.DBF"));

  WriteTable("dead.dat", {"a", "b"}, {0, 1});
  CDBFObj dead;
  ASSERT_TRUE(dead.Open("dead.dat", 5));
  dead.Close();
  ASSERT_TRUE(dead.Pack());
  bytes = ReadBytes("dead.dat");
  EXPECT_EQ(bytes.size(), static_cast<size_t>(h + 1));
  EXPECT_EQ(HeaderCount(bytes), 0u);
  EXPECT_EQ(bytes.back(), '\x1A');
}

TEST(DBFObjWriting, PackFailsSilentlyWhileTheTemporaryFileIsHeld) {
  TempDir dir;
  WriteTable("t.dat", {"a"}, {0});
  const std::string before = ReadBytes("t.dat");
  PosixFile holder;
  holder.Open("TEMP_XX.DBF", PosixFile::Access::CreateWrite, PosixFile::Sharing::Shared);
  MessageRecorder rec;
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  dbf.Close();
  EXPECT_FALSE(dbf.Pack());
  EXPECT_TRUE(rec.messages().empty());
  EXPECT_EQ(ReadBytes("t.dat"), before);
}

// Two processes append 200 records each to one table at the same time;
// every record arrives whole and the header counts them all.
TEST(DBFObjWriting, ConcurrentAppendersLoseNoRecord) {
  TempDir dir;
  WriteTable("t.dat", {});
  constexpr int kEach = 200;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      CDBFObj dbf;
      if (!dbf.Open("t.dat", 5)) _exit(2);
      for (int i = 0; i < kEach; ++i) {
        char text[9];
        snprintf(text, sizeof text, "%c%07d", 'A' + c, i);
        PrepareRecord(dbf, text);
        if (!dbf.AppendRecord()) _exit(3);
      }
      _exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  CDBFObj dbf;
  ASSERT_TRUE(dbf.Open("t.dat", 5));
  EXPECT_EQ(dbf.m_lActRecCount, 2 * kEach);
  EXPECT_EQ(dbf.m_lRecCount, 2 * kEach);
  std::set<std::string> seen;
  for (int n = 1; n <= dbf.m_lActRecCount; ++n) {
    dbf.GoTo(n);
    seen.insert(dbf.m_strField[0]);
  }
  EXPECT_EQ(seen.size(), 2u * kEach);
  EXPECT_EQ(ReadBytes("t.dat").back(), '\x1A');
}

}  // namespace
}  // namespace versilo
