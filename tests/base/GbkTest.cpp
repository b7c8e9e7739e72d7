#include <gtest/gtest.h>

#include "base/Gbk.h"

namespace versilo {
namespace {

TEST(Gbk, ConvertsBothWaysAndNamesTheCharacterWithoutAForm) {
  const std::string gbk = Utf8ToGbk("床前明月光·A");
  EXPECT_EQ(gbk.size(), 13u);
  EXPECT_EQ(GbkToUtf8(gbk), "床前明月光·A");
  EXPECT_EQ(GbkToUtf16(gbk), u"床前明月光·A");
  try {
    Utf8ToGbk("a😀b");
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("😀"), std::string::npos);
  }
}

TEST(Gbk, DamagedBytesStayVisible) {
  // A lead byte before a blank, a lone 0x80, a lead byte at the very end.
  const std::string damaged = "a\xC0 b\x80" + Utf8ToGbk("诗") + "\xC0";
  EXPECT_EQ(GbkToUtf8Escaped(damaged), "a\\xC0 b\\x80诗\\xC0");
  EXPECT_EQ(GbkToUtf8(damaged), "a\xEF\xBF\xBD b\xEF\xBF\xBD诗\xEF\xBF\xBD");
  // A well-formed but unassigned pair costs only itself.
  const std::string unassigned = Utf8ToGbk("李白") + "\xA2\xA0" + Utf8ToGbk("杜甫");
  EXPECT_EQ(GbkToUtf8Escaped(unassigned), "李白\\xA2\\xA0杜甫");
}

}  // namespace
}  // namespace versilo
