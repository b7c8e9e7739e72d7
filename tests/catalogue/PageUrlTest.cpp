// The file: URLs of the generated pages.
#include <gtest/gtest.h>

#include "catalogue/PageUrl.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

TEST(PageUrl, IsAFileUrlOfTheWorkingDirectory) {
  EXPECT_EQ(PageUrlIn("/home/reader/poems", "poem.htm"), "file:///home/reader/poems/poem.htm");
  EXPECT_EQ(PageUrlIn("/", "poem.htm"), "file:///poem.htm");
  EXPECT_EQ(PageUrlIn("/tmp/a b#c%d/诗", "author.htm", "LiBai"),
            "file:///tmp/a%20b%23c%25d/%E8%AF%97/author.htm#LiBai");

  test::TempDir dir;
  EXPECT_EQ(PageUrl("author.htm", "Du Fu"), "file://" + dir.path() + "/author.htm#Du%20Fu");
}

TEST(PageUrl, AnchorOfPageUrlDecodesTheFragment) {
  EXPECT_EQ(AnchorOfPageUrl(PageUrlIn("/d", "author.htm", "Du Fu#2")), "Du Fu#2");
  EXPECT_EQ(AnchorOfPageUrl("file:///d/author.htm#LiBai"), "LiBai");
  EXPECT_EQ(AnchorOfPageUrl("file:///d/author.htm#"), "");
  EXPECT_EQ(AnchorOfPageUrl("file:///d/author.htm#%4"), "%4");
  EXPECT_EQ(AnchorOfPageUrl("file:///d/author.htm"), std::nullopt);
  EXPECT_EQ(AnchorOfPageUrl("#LiBai"), std::nullopt);
}

}  // namespace
}  // namespace versilo
