// The author page, byte for byte, with the tree's author nodes and the
// catalogue's anchors and names that come with it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "catalogue/AuthorPage.h"
#include "catalogue/PoemCatalogue.h"
#include "tests/support/AnthologyFixture.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::G;

const char* kHead = R"(<HTML>
<HEAD>
<TITLE>雅韵集作者小传</TITLE>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=gb2312">
<STYLE type='text/css'>
.content {color:blue; margin-top:1em; line-height:80%; font-size: 12pt; font-family:宋体}
.comment {color:black; margin-left:2em; margin-top:1em; line-height:80%; font-size: 11pt; font-family:宋体}
.title {color:black; font-size: 12pt; font-family:宋体}
body {scrollbar-face-color:#87CEFA;scrollbar-highlight-color:#ffffff;scrollbar-shadow-color:#F0FFFF;scrollbar-3dlight-color:#ffffff;scrollbar-arrow-color:#000000;scrollbar-track-color:#FFB6C1;scrollbar-darkshadow-color:#000000}
</STYLE>
</HEAD>
<BODY background=poembg.jpg onContextMenu="window.event.returnValue=false">
<CENTER>
<FONT FACE=楷体_GB2312 COLOR=GREEN SIZE=6>雅韵集作者小传</FONT><P>
</CENTER>
)";

const char* kEntry = R"(<P><P>
<div align=left>
<A NAME={ANCHOR}></A>
<table width=100% border=0 BGCOLOR=#6495ED>
<tr><td style="{color:white}">
【{NAME}】
<td><tr><table></div>
<table border=0>
<tr><td>
<PRE class=comment>
{BIOGRAPHY}</PRE></td></tr></table></div>
)";

const char* kTail = "</BODY>\n</HTML>\n";

std::string Entry(const std::string& anchor, const std::string& name, const std::string& biography) {
  return test::StoredPage(kEntry, {{"ANCHOR", anchor}, {"NAME", name}, {"BIOGRAPHY", biography}});
}

struct RecordingTree : CatalogueTreeSink {
  void AddPoemNode(int, int, const std::string&) override {}
  void AddAuthorNode(int index, const std::string& gbkName) override { nodes.emplace_back(index, gbkName); }
  std::vector<std::pair<int, std::string>> nodes;
};

TEST(AuthorPage, WritesEveryByteOfThePageAndListsThePoets) {
  test::TempDir dir;
  test::MessageRecorder messages;
  // 花蕊夫人之妹妹的名字 is 20 bytes; its cut must not split a character.
  test::WriteAuthorFiles({
      {G("李白  "), "LiBai\t", G("字太白，\r\n号青莲居士。<b>&</b>")},
      {G("无名氏"), "WuMing", ""},
      {G("花蕊夫人之妹妹的名字"), "AVeryLongAnchorCode", G("一\n二")},
  });
  PoemCatalogue catalogue;
  RecordingTree tree;
  ASSERT_TRUE(MakeAuthorPage(catalogue, &tree));

  const std::string expected =
      test::StoredPage(kHead, {}) + Entry("LiBai", G("李白"), G("字太白，\r\r\n号青莲居士。<b>&</b>")) +
      Entry("WuMing", G("无名氏"), "") + Entry("AVeryLongAnchor", G("花蕊夫人之妹妹"), G("一\r\n二")) +
      test::StoredPage(kTail, {});
  EXPECT_EQ(test::ReadBytes("author.htm"), expected);

  const std::vector<std::pair<int, std::string>> nodes = {
      {0, G("李白")}, {1, G("无名氏")}, {2, G("花蕊夫人之妹妹")}};
  EXPECT_EQ(tree.nodes, nodes);
  ASSERT_EQ(catalogue.AuthorCount(), 3);
  EXPECT_EQ(catalogue.AuthorAnchor(0), "LiBai");
  EXPECT_EQ(catalogue.AuthorName(2), G("花蕊夫人之妹妹"));
  EXPECT_EQ(catalogue.AuthorAnchor(2), "AVeryLongAnchor");

  struct stat st {};
  ASSERT_EQ(stat("author.htm", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_TRUE(messages.messages().empty());

  // Written again over the read-only page, the poets are not doubled.
  ASSERT_TRUE(MakeAuthorPage(catalogue, nullptr));
  EXPECT_EQ(catalogue.AuthorCount(), 3);
  EXPECT_EQ(test::ReadBytes("author.htm"), expected);
}

TEST(AuthorPage, TakesAtMost79Poets) {
  test::TempDir dir;
  std::vector<test::AuthorFixture> authors;
  for (int i = 1; i <= 85; ++i) authors.push_back({"P" + std::to_string(i), "A" + std::to_string(i), "bio"});
  test::WriteAuthorFiles(authors);
  PoemCatalogue catalogue;
  RecordingTree tree;
  ASSERT_TRUE(MakeAuthorPage(catalogue, &tree));
  EXPECT_EQ(catalogue.AuthorCount(), 79);
  ASSERT_EQ(tree.nodes.size(), 79u);
  EXPECT_EQ(tree.nodes.back(), std::make_pair(78, std::string("P79")));
  const std::string page = test::ReadBytes("author.htm");
  EXPECT_NE(page.find("<A NAME=A79></A>"), std::string::npos);
  EXPECT_EQ(page.find("<A NAME=A80></A>"), std::string::npos);
}

TEST(AuthorPage, MissingFilesGiveHeadAndTailOnlyAndWriteFailuresAreReported) {
  test::TempDir dir;
  test::MessageRecorder messages;
  PoemCatalogue catalogue;
  RecordingTree tree;
  ASSERT_TRUE(MakeAuthorPage(catalogue, &tree));
  EXPECT_EQ(test::ReadBytes("author.htm"), test::StoredPage(kHead, {}) + test::StoredPage(kTail, {}));
  EXPECT_TRUE(tree.nodes.empty());
  EXPECT_EQ(catalogue.AuthorCount(), 0);
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"数据文件 zhu1e.man 不存在."});

  // The table without its memo file: the memo file's message, no poets.
  test::WriteAuthorFiles({{"A", "a", "x"}});
  std::filesystem::remove("zhu1e.dat");
  messages.clear();
  ASSERT_TRUE(MakeAuthorPage(catalogue, &tree));
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"数据文件 zhu1e.dat 不存在."});
  EXPECT_TRUE(tree.nodes.empty());

  // A page that cannot be written is reported; the poets taken stay.
  test::WriteAuthorFiles({{"A", "a", "x"}});
  std::filesystem::remove("author.htm");
  std::filesystem::create_directory("author.htm");
  messages.clear();
  EXPECT_FALSE(MakeAuthorPage(catalogue, &tree));
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"Make author HTML file Error."});
  EXPECT_EQ(catalogue.AuthorCount(), 1);
  EXPECT_EQ(tree.nodes.size(), 1u);
}

}  // namespace
}  // namespace versilo
