// The poem page, byte for byte, and how it replaces the page before it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "catalogue/PoemCatalogue.h"
#include "catalogue/PoemPage.h"
#include "tests/support/AnthologyFixture.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::G;

// The page as a reader sees it in a text editor; {…} are the poem's texts.
const char* kPoemPageLines = R"(<HTML>
<HEAD>
<TITLE>雅韵集</TITLE>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=gb2312">
<STYLE type='text/css'>
.content {color:blue; margin-top:1em; line-height:80%; font-size: 12pt; font-family:宋体}
.comment {color:black; margin-top:1em; line-height:80%; font-size: 11pt; font-family:宋体}
.title {color:black; font-size: 12pt; font-family:宋体}
.english {color:#008080; margin-top:1em; line-height:80%; font-size: 12pt; font-family:Verdana;font-weight:700 }
body {scrollbar-face-color:#87CEFA;scrollbar-highlight-color:#ffffff;scrollbar-shadow-color:#F0FFFF;scrollbar-3dlight-color:#ffffff;scrollbar-arrow-color:#000000;scrollbar-track-color:#FFB6C1;scrollbar-darkshadow-color:#000000}
</STYLE>
</HEAD>
<BODY TEXT=BLUE BGCOLOR=#E4EBF1 background=poembg.jpg onContextMenu="window.event.returnValue=false">
<CENTER>
<FONT FACE=楷体_GB2312 COLOR=GREEN SIZE=6>《{TITLE}》</FONT>
<P>
<FONT FACE=宋体 COLOR=BLACK SIZE=3>作者：{AUTHOR}</FONT>
</CENTER>
<div align=center>
<table border=0>
<tr><td>
<PRE class=content>
{CONTENT}</PRE>
</td></tr>
</table></div>
<P><P>
<div align=left>
<table width=100% border=0 BGCOLOR=#6495ED>
<tr><td style="{color:white}">
【注解】：
<td><tr><table></div>
<table border=0>
<tr><td>
<PRE class=comment>
{NOTES}</PRE></td></tr></table>
<P><P>
<div align=left>
<table width=100% border=0 BGCOLOR=#6495ED>
<tr><td style="{color:white}">
【韵译】：
<td><tr>
</table>
</div>

<div align=center>
<table border=0>
<tr><td>
<PRE class=content>
{TRANSLATION}</PRE>
</td></tr>
</table>
</div>
<P><P>
<div align=left>
<table width=100% border=0 BGCOLOR=#6495ED>
<tr><td style="{color:white}">
【评析】：
<td><tr></table></div>
<div align=left>
<table border=0>
<tr><td>
<PRE class=comment>
{COMMENTARY}</PRE></td></tr></table></div>
<P><P>
<div align=left>
<table width=100% border=0 BGCOLOR=#6495ED>
<tr><td style="{color:white}">
【英译】：
<td><tr></table></div>
<div align=center>
<table border=0>
<tr><td>
<PRE class=english>
{ENGLISH}</PRE></td></tr></table></div>
</BODY>
</HTML>
)";

std::string ExpectedPage(const std::string& title, const std::string& author, const std::string& content,
                         const std::string& notes, const std::string& translation,
                         const std::string& commentary, const std::string& english) {
  return test::StoredPage(kPoemPageLines, {{"TITLE", title},
                                           {"AUTHOR", author},
                                           {"CONTENT", content},
                                           {"NOTES", notes},
                                           {"TRANSLATION", translation},
                                           {"COMMENTARY", commentary},
                                           {"ENGLISH", english}});
}

// A title that fills its 255-byte field: 127 characters and one letter.
std::string LongTitle() {
  std::string t;
  for (int k = 0; k < 127; ++k) t += G(k % 2 ? "静" : "夜");
  return t + "Z";
}

class PoemPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WritePoemFiles({
        {G("一"), G("李白"), LongTitle(), G("床前明月光，\r\n疑是地上霜。\n举头望明月"), G("1.a<b && c>d"),
         G("韵译"), G("评析"), "Quiet Night Thoughts"},
        {G("二"), G("杜甫"), G("春望"), G("国破山河在"), "", "", "", ""},
    });
    catalogue_.OpenAndListPoems(nullptr);
  }

  test::TempDir dir_;
  test::MessageRecorder messages_;
  PoemCatalogue catalogue_;
};

TEST_F(PoemPageTest, WritesEveryByteOfThePage) {
  ASSERT_TRUE(MakePoemPage(catalogue_, "poem.htm", 1));
  const std::string page = test::ReadBytes("poem.htm");
  EXPECT_EQ(page.substr(0, 9), "<HTML>\r\r\n");
  // Texts are written unescaped; every LF inside them is stored as CR LF,
  // so a CR LF becomes CR CR LF.
  EXPECT_EQ(page, ExpectedPage(LongTitle(), G("李白"), G("床前明月光，\r\r\n疑是地上霜。\r\n举头望明月"),
                               "1.a<b && c>d", G("韵译"), G("评析"), "Quiet Night Thoughts"));

  // Empty memos still get their four section heads; the English of the
  // poem before does not leak into this one.
  ASSERT_TRUE(MakePoemPage(catalogue_, "poem.htm", 2));
  EXPECT_EQ(test::ReadBytes("poem.htm"), ExpectedPage(G("春望"), G("杜甫"), G("国破山河在"), "", "", "", ""));
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(PoemPageTest, ReplacesTheReadOnlyPageBeforeIt) {
  ASSERT_TRUE(MakePoemPage(catalogue_, "poem.htm", 1));
  struct stat st {};
  ASSERT_EQ(stat("poem.htm", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);

  ASSERT_TRUE(MakePoemPage(catalogue_, "poem.htm", 2));
  ASSERT_EQ(stat("poem.htm", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_NE(test::ReadBytes("poem.htm").find(G("春望")), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("poem.htm.new"));
}

TEST_F(PoemPageTest, AFailedWriteLeavesThePreviousPageWhole) {
  ASSERT_TRUE(MakePoemPage(catalogue_, "poem.htm", 1));
  const std::string before = test::ReadBytes("poem.htm");
  // The new page cannot be made where a folder stands in its way.
  std::filesystem::create_directory("poem.htm.new");
  EXPECT_FALSE(MakePoemPage(catalogue_, "poem.htm", 2));
  EXPECT_EQ(messages_.messages(), std::vector<std::string>{"Make HTML file error."});
  EXPECT_EQ(test::ReadBytes("poem.htm"), before);
  // The poem was loaded all the same: speech and bookmarks name poem 2.
  EXPECT_EQ(catalogue_.Title(), G("春望"));
}

TEST_F(PoemPageTest, NothingIsWrittenWhenThePoemCannotBeLoaded) {
  catalogue_.Close();
  EXPECT_FALSE(MakePoemPage(catalogue_, "poem.htm", 1));
  EXPECT_FALSE(std::filesystem::exists("poem.htm"));
  EXPECT_TRUE(messages_.messages().empty());
}

}  // namespace
}  // namespace versilo
