// The reader window end to end: a real frame, tree and web view on an
// anthology made by the test, checked after each page's loaded event.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "base/Gbk.h"
#include "shell/CommandIds.h"
#include "shell/VersiloView.h"
#include "tests/gui/ReaderWindow.h"
#include "tests/support/AnthologyFixture.h"

namespace versilo::test {
namespace {

std::string Label(CLeftView& tree, const wxTreeItemId& item) { return tree.GetItemText(item).utf8_string(); }

TEST(ReaderWindowTest, TreeListsVolumesPoemsPoetsAndHelpTopics) {
  TempDir dir;
  MessageRecorder messages;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("res:///home.htm"));
  CLeftView& tree = window.tree();
  EXPECT_EQ(Label(tree, tree.RootNode()), "雅韵集");
  EXPECT_EQ(Label(tree, tree.TopLevelNode(0)), "使用说明");
  EXPECT_EQ(Label(tree, tree.TopLevelNode(1)), "卷01·五言古诗");
  EXPECT_EQ(Label(tree, tree.TopLevelNode(11)), "卷11·七言乐府");
  EXPECT_EQ(Label(tree, tree.TopLevelNode(12)), "唐诗作者小传");
  EXPECT_EQ(Label(tree, tree.TopLevelNode(13)), "关于");

  EXPECT_EQ(tree.GetItemParent(tree.PoemNode(1)), tree.TopLevelNode(1));
  EXPECT_EQ(tree.GetItemParent(tree.PoemNode(2)), tree.TopLevelNode(11));
  // An unknown volume text ("十一" instead of "11") lands under 使用说明.
  EXPECT_EQ(tree.GetItemParent(tree.PoemNode(3)), tree.TopLevelNode(0));
  EXPECT_EQ(Label(tree, tree.PoemNode(1)), "鹿柴");
  EXPECT_EQ(tree.ItemData(tree.PoemNode(2)), 2);
  EXPECT_EQ(Label(tree, tree.AuthorNode(1)), "李白");
  EXPECT_EQ(tree.ItemData(tree.AuthorNode(1)), 2);
  EXPECT_EQ(tree.GetChildrenCount(tree.TopLevelNode(0), false), 3u);  // two topics and the stray poem
  EXPECT_TRUE(messages.messages().empty());
}

TEST(ReaderWindowTest, SelectingNodesShowsTheirPagesAndKeepsTheReadingState) {
  TempDir dir;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  CLeftView& tree = window.tree();
  EXPECT_EQ(window.StatusPoemPane(), "  ");

  tree.SelectItem(tree.PoemNode(2));
  ASSERT_TRUE(window.WaitForLoad("poem.htm"));
  EXPECT_EQ(window.Url(), "file://" + dir.path() + "/poem.htm");
  EXPECT_EQ(window.StatusPoemPane(), "【第002首】");
  const ReadingState& reading = window.frame().Reading();
  EXPECT_EQ(reading.CurrentPoem(), 2u);
  EXPECT_EQ(GbkToUtf8(reading.CurrentAuthor()), "李白");
  EXPECT_EQ(reading.CurrentPage().kind, PageInfo::kPoem);
  EXPECT_EQ(GbkToUtf8(reading.CurrentPage().title), "静夜思 [李白]");
  EXPECT_EQ(reading.CurrentPage().target, "002");

  // A volume node blanks the number and the page record; the page stays.
  tree.SelectItem(tree.TopLevelNode(1));
  window.Pump(200);
  EXPECT_EQ(window.StatusPoemPane(), "  ");
  EXPECT_EQ(reading.CurrentPage().kind, PageInfo::kNothing);
  EXPECT_TRUE(reading.CurrentAuthor().empty());
  EXPECT_EQ(window.Url(), "file://" + dir.path() + "/poem.htm");

  wxTreeItemIdValue cookie;
  wxTreeItemId topic = tree.GetFirstChild(tree.TopLevelNode(0), cookie);
  topic = tree.GetNextChild(tree.TopLevelNode(0), cookie);
  tree.SelectItem(topic);
  ASSERT_TRUE(window.WaitForLoad("info.htm"));
  EXPECT_EQ(window.Url(), "res:///info.htm#Shiyong");
  EXPECT_EQ(tree.CurrentItemData(), 2);

  tree.SelectItem(tree.AuthorNode(0));
  ASSERT_TRUE(window.WaitForLoad("author.htm"));
  EXPECT_EQ(window.Url(), "file://" + dir.path() + "/author.htm#wangwei");
  EXPECT_EQ(GbkToUtf8(reading.CurrentPage().title), "唐诗作者小传-王维");

  window.Command(cmd::kBack);
  ASSERT_TRUE(window.WaitForLoad("info.htm"));
  window.Command(cmd::kForward);
  ASSERT_TRUE(window.WaitForLoad("author.htm#wangwei"));
  window.Command(cmd::kHomePage);
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
}

TEST(ReaderWindowTest, ShowPoemByNumberAndAuthorLookup) {
  TempDir dir;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  CLeftView& tree = window.tree();

  // With no poem on show, the lookup opens the top of the poets' page.
  window.Command(cmd::kShowAuthor);
  ASSERT_TRUE(window.WaitForLoad("author.htm"));
  EXPECT_EQ(window.Url(), "file://" + dir.path() + "/author.htm");

  tree.ShowPoemByNumber("001");
  ASSERT_TRUE(window.WaitForLoad("poem.htm"));
  EXPECT_EQ(tree.GetSelection(), tree.PoemNode(1));
  EXPECT_EQ(window.StatusPoemPane(), "【第001首】");
  EXPECT_EQ(window.frame().Reading().CurrentPage().target, "001");

  window.Command(cmd::kShowAuthor);
  ASSERT_TRUE(window.WaitForLoad("author.htm#wangwei"));
  EXPECT_EQ(tree.GetSelection(), tree.PoemNode(1));  // the lookup leaves the tree alone

  // Outside the anthology nothing changes.
  tree.ShowPoemByNumber("9");
  tree.ShowPoemByNumber("0");
  EXPECT_EQ(tree.GetSelection(), tree.PoemNode(1));
  EXPECT_EQ(window.frame().Reading().CurrentPoem(), 1u);

  // A bookmarked author entry selects its node.
  tree.ShowSavedPage({PageInfo::kAuthor, "", "file://" + dir.path() + "/author.htm#libai"});
  ASSERT_TRUE(window.WaitForLoad("author.htm#libai"));
  EXPECT_EQ(tree.GetSelection(), tree.AuthorNode(1));
}

TEST(ReaderWindowTest, MissingMemoFileListsPoemsButShowsNoPoemPage) {
  TempDir dir;
  WritePoemFiles({{G("一"), "A", "T1", "c", "", "", "", ""}, {G("二"), "B", "T2", "c", "", "", "", ""}});
  WriteAuthorFiles({{"A", "a", "bio"}});
  std::remove("poem1e.dat");
  MessageRecorder messages;
  ReaderWindow window(false);
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  EXPECT_EQ(messages.messages(),
            (std::vector<std::string>{"数据文件 poem1e.dat 不存在.", "Open Versilo data file error."}));
  CLeftView& tree = window.tree();
  EXPECT_EQ(Label(tree, tree.PoemNode(2)), "T2");
  tree.SelectItem(tree.PoemNode(2));
  window.Pump(300);
  EXPECT_EQ(window.Url(), "res:///home.htm");
  EXPECT_EQ(window.StatusPoemPane(), "【第002首】");  // the number shows, the page does not
}

}  // namespace
}  // namespace versilo::test

namespace versilo::test {
namespace {

TEST(ReaderWindowTest, EachPoemShowsItsOwnTextThoughTheFileNameStays) {
  TempDir dir;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  window.tree().ShowPoemByNumber("2");
  ASSERT_TRUE(window.WaitForLoad("poem.htm"));
  EXPECT_NE(window.PageText().find("床前明月光"), std::string::npos);
  window.tree().ShowPoemByNumber("1");
  ASSERT_TRUE(window.WaitForLoad("poem.htm"));
  const std::string text = window.PageText();
  EXPECT_NE(text.find("空山不见人"), std::string::npos);
  EXPECT_NE(text.find("Deer Park"), std::string::npos);
  EXPECT_NE(text.find("【英译】"), std::string::npos);
}

TEST(ReaderWindowTest, APageThatCannotBeWrittenLeavesTheViewAndTheRecordAlone) {
  TempDir dir;
  MessageRecorder messages;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  mkdir("poem.htm", 0755);  // a folder where the page should go
  window.tree().ShowPoemByNumber("2");
  window.Pump(300);
  EXPECT_EQ(messages.messages(), std::vector<std::string>{"Make HTML file error."});
  EXPECT_EQ(window.Url(), "res:///home.htm");
  const ReadingState& reading = window.frame().Reading();
  EXPECT_EQ(reading.CurrentPoem(), 2u);  // the number shows, as the status bar does
  EXPECT_TRUE(reading.CurrentAuthor().empty());
  EXPECT_NE(reading.CurrentPage().kind, PageInfo::kPoem);
}

TEST(ReaderWindowTest, SavedPagesAndHelpTopics) {
  TempDir dir;
  ReaderWindow window;
  ASSERT_TRUE(window.WaitForLoad("home.htm"));
  CLeftView& tree = window.tree();
  EXPECT_EQ(tree.CurrentItemData(), 0);

  wxTreeItemIdValue cookie;
  tree.SelectItem(tree.GetFirstChild(tree.TopLevelNode(0), cookie));
  ASSERT_TRUE(window.WaitForLoad("info.htm"));
  EXPECT_EQ(window.Url(), "res:///info.htm#Jianjie");

  const std::string authors = "file://" + dir.path() + "/author.htm";
  tree.ShowSavedPage({PageInfo::kAuthor, "", authors});
  ASSERT_TRUE(window.WaitForLoad("author.htm")) << window.Url();
  EXPECT_EQ(tree.GetSelection(), tree.TopLevelNode(CLeftView::kAuthorsNode));
  EXPECT_EQ(GbkToUtf8(window.frame().Reading().CurrentPage().title), "唐诗作者小传主页");

  // An anchor no poet has: the page is shown, nothing is selected anew. (A
  // jump within the page on show sends no loaded event.)
  tree.ShowSavedPage({PageInfo::kAuthor, "", authors + "#nobody"});
  window.Pump(300);
  EXPECT_EQ(window.Url(), authors + "#nobody");
  EXPECT_EQ(tree.GetSelection(), tree.TopLevelNode(CLeftView::kAuthorsNode));

  // Only file: targets are followed.
  tree.ShowSavedPage({PageInfo::kAuthor, "", "javascript:alert(1)"});
  window.Pump(200);
  EXPECT_EQ(window.Url(), authors + "#nobody");

  tree.ShowSavedPage({PageInfo::kPoem, "", "002"});
  ASSERT_TRUE(window.WaitForLoad("poem.htm"));
  EXPECT_EQ(tree.GetSelection(), tree.PoemNode(2));
  EXPECT_EQ(window.frame().Reading().CurrentPage().target, "002");
}

TEST(ReaderWindowTest, MenusToolbarAndStatusBarCarryTheirTexts) {
  TempDir dir;
  ReaderWindow window;
  CMainFrame& frame = window.frame();
  wxMenuBar* bar = frame.GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 4u);
  EXPECT_EQ(bar->GetMenuLabel(0).utf8_string(), "系统(&F)");
  EXPECT_EQ(bar->GetMenuLabel(3).utf8_string(), "帮助(&H)");
  EXPECT_EQ(bar->GetLabel(cmd::kStartReading).utf8_string(), "开始朗读(&P)\tCtrl+P");
  EXPECT_EQ(bar->GetHelpString(cmd::kShowPinyin).utf8_string(), "显示唐诗的加上汉语拼音.");
  wxMenu* system = bar->GetMenu(0);
  EXPECT_EQ(system->GetMenuItemCount(), 6u);
  EXPECT_TRUE(system->FindItemByPosition(4)->IsSeparator());

  wxToolBar* tools = frame.GetToolBar();
  ASSERT_EQ(tools->GetToolsCount(), 9u);
  EXPECT_EQ(tools->GetToolByPos(0)->GetLabel().utf8_string(), "设置");
  EXPECT_EQ(tools->GetToolByPos(8)->GetLabel().utf8_string(), "搜索");
  EXPECT_EQ(tools->GetToolShortHelp(cmd::kSpeechParameters).utf8_string(), "参数设置");

  EXPECT_EQ(frame.GetStatusBar()->GetFieldsCount(), 6);
  EXPECT_FALSE(frame.GetStatusBar()->GetStatusText(2).empty());

  // Without a Chinese voice the reading commands are off; the music toggle
  // is off while no music file is set.
  frame.UpdateWindowUI();
  EXPECT_FALSE(bar->IsEnabled(cmd::kStartReading));
  EXPECT_FALSE(bar->IsEnabled(cmd::kToggleMusic));
  EXPECT_EQ(bar->GetLabel(cmd::kTogglePageTurning).utf8_string(), "自动翻页阅读");
}

}  // namespace
}  // namespace versilo::test
