// The table writer's refusals and its exact file layout.
#include <gtest/gtest.h>

#include "storage/TableWriter.h"

namespace versilo {
namespace {

TEST(TableWriter, RefusesWhatATableCannotHold) {
  EXPECT_THROW(TableWriter({{"LONGNAME_XYZ", 'C', 1}}, false), std::length_error);
  EXPECT_THROW(TableWriter({{"A", 'C', 255}, {"B", 'C', 255}}, false), std::length_error);
  TableWriter w({{"A", 'C', 3}}, false);
  auto r = w.NewRecord();
  EXPECT_THROW(w.SetText(r, 0, "abcd"), std::length_error);
}

TEST(TableWriter, LayoutOfHeaderDescriptorsAndRecords) {
  TableWriter w({{"TITLE", 'C', 5}, {"POEM", 'M', 10}}, false);
  EXPECT_EQ(w.RecordLength(), 1 + 5 + 4);
  auto r = w.NewRecord();
  w.SetText(r, 0, "ab");
  w.SetMemo(r, 1, 0x0A0B0C0D);
  w.Add(r);
  std::tm day{};
  day.tm_year = 126;
  day.tm_mon = 11;
  day.tm_mday = 7;
  std::string b = w.Bytes(day);
  const size_t h = 32 + 64 + 1 + 263;
  ASSERT_EQ(b.size(), h + 10 + 1);
  EXPECT_EQ(b.substr(0, 4), std::string("\x30\x7E\x0C\x07", 4));
  EXPECT_EQ(b[8], static_cast<char>(h & 0xFF));
  EXPECT_EQ(b[29], '\x7A');
  EXPECT_EQ(b.substr(32, 5), "TITLE");
  EXPECT_EQ(b[32 + 32 + 11], 'M');
  EXPECT_EQ(b[32 + 32 + 12], 6);
  EXPECT_EQ(b[32 + 32 + 16], 4);
  EXPECT_EQ(b[32 + 64], '\x0D');
  EXPECT_EQ(b.substr(h, 10), std::string(" ab   \x0D\x0C\x0B\x0A", 10));
}

}  // namespace
}  // namespace versilo
