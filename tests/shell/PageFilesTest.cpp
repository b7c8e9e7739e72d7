// Start-up's background image and exit's page clean-up, and the author
// lookup of the 显示作者 command.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Gbk.h"
#include "base/Resources.h"
#include "shell/AuthorLookup.h"
#include "shell/BuiltInPages.h"
#include "shell/PageFiles.h"
#include "tests/support/AnthologyFixture.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::G;
using test::MessageRecorder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(PageFiles, BackgroundIsWrittenOnceAndPagesAreRemovedEvenWhenReadOnly) {
  TempDir dir;
  MessageRecorder messages;
  ASSERT_TRUE(ExtractBackground());
  EXPECT_EQ(ReadBytes("poembg.jpg"), std::string(FindResource("poembg.jpg")));
  EXPECT_TRUE(messages.messages().empty());

  WriteBytes("poem.htm", "x");
  WriteBytes("author.htm", "y");
  chmod("poem.htm", 0444);
  RemovePageFiles();  // main.htm is missing: no complaint
  EXPECT_NE(access("poem.htm", F_OK), 0);
  EXPECT_NE(access("author.htm", F_OK), 0);
  EXPECT_EQ(access("poembg.jpg", F_OK), 0);  // kept for the next start
  RemovePageFiles();
  EXPECT_TRUE(messages.messages().empty());
}

TEST(PageFiles, BackgroundInAReadOnlyFolderFailsWithItsMessage) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  chmod(dir.path().c_str(), 0555);
  MessageRecorder messages;
  EXPECT_FALSE(ExtractBackground());
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"Create JPG File Failure."});
  chmod(dir.path().c_str(), 0755);
}

TEST(BuiltInPages, HomePageCarriesTheIntroductionAndImagesAreServed) {
  const std::string home = GbkToUtf8(std::string(BuiltInPage("home.htm")));
  EXPECT_EQ(home.find('@'), std::string::npos) << "a placeholder was left";
  EXPECT_NE(home.find("选辑：【清】"), std::string::npos);
  EXPECT_NE(home.find("<P>"), std::string::npos);
  EXPECT_FALSE(BuiltInPage("info.htm").empty());
  EXPECT_FALSE(BuiltInPage("LEAF.GIF").empty());
  EXPECT_TRUE(BuiltInPage("intro.txt").empty());  // a source, not a page
  EXPECT_TRUE(BuiltInPage("missing.htm").empty());
}

TEST(AuthorLookup, FindsThePoetWhoseNameContainsTheAuthorOnCharacterBoundaries) {
  // "\xB0\xA1\xB0\xA1" holds the bytes "\xA1\xB0" across its two characters.
  EXPECT_FALSE(ContainsOnCharacterBoundary("\xB0\xA1\xB0\xA1", "\xA1\xB0"));
  EXPECT_TRUE(ContainsOnCharacterBoundary("\xB0\xA1\xB0\xA1", "\xB0\xA1"));
  EXPECT_TRUE(ContainsOnCharacterBoundary(G("唐玄宗李隆基"), G("李隆基")));

  TempDir dir;
  std::vector<test::AuthorFixture> poets;
  for (int i = 0; i < 80; ++i) poets.push_back({"P" + std::to_string(i), "a" + std::to_string(i), ""});
  poets[3] = {G("孟浩然"), "menghaoran", ""};
  poets[79] = {G("最后"), "last", ""};
  test::WriteAuthorFiles(poets);
  EXPECT_EQ(FindAuthorAnchor(G("孟浩然")), "menghaoran");
  EXPECT_EQ(FindAuthorAnchor("P1"), "a1");               // P1 comes before P10 and P11
  EXPECT_EQ(FindAuthorAnchor(G("最后")), std::nullopt);  // record 80 is past the search
  EXPECT_EQ(FindAuthorAnchor(G("无名")), std::nullopt);

  std::remove("zhu1e.dat");
  MessageRecorder messages;
  EXPECT_EQ(FindAuthorAnchor(G("孟浩然")), std::nullopt);
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"数据文件 zhu1e.dat 不存在."});
}

}  // namespace
}  // namespace versilo
