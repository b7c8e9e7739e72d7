// The reading state: the status bar's poem pane and the current author.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "shell/ReadingState.h"

namespace versilo {
namespace {

TEST(ReadingState, StatusPaneShowsPoems1To313Only) {
  ReadingState state;
  std::vector<std::string> shown;
  state.SetStatusListener([&](const std::string& gbk) { shown.push_back(GbkToUtf8(gbk)); });
  for (unsigned n : {0u, 1u, 313u, 314u, 386u}) state.SetCurrentPoem(n);
  EXPECT_EQ(shown, (std::vector<std::string>{"  ", "【第001首】", "【第313首】", "  ", "  "}));
  // The number itself is kept whatever the pane shows.
  EXPECT_EQ(state.CurrentPoem(), 386u);
}

TEST(ReadingState, CurrentAuthorKeepsAtMost15BytesOfWholeCharacters) {
  ReadingState state;
  const std::string seven = Utf8ToGbk("一二三四五六七");  // 14 bytes
  state.SetCurrentAuthor(seven);
  EXPECT_EQ(state.CurrentAuthor(), seven);
  state.SetCurrentAuthor(seven + "a");  // 15 bytes
  EXPECT_EQ(state.CurrentAuthor(), seven + "a");
  state.SetCurrentAuthor(seven + "ab");  // 16 bytes
  EXPECT_EQ(state.CurrentAuthor(), seven + "a");
  // A cut after 15 bytes would split 八 in half: it is left out whole.
  state.SetCurrentAuthor(Utf8ToGbk("一二三四五六七八"));
  EXPECT_EQ(state.CurrentAuthor(), seven);
  state.SetCurrentAuthor(std::string("ab\0cd", 5));
  EXPECT_EQ(state.CurrentAuthor(), "ab");
}

TEST(ReadingState, CurrentPageStartsEmptyAndIsCopiedWhole) {
  ReadingState state;
  EXPECT_EQ(state.CurrentPage(), PageInfo{});
  PageInfo page{PageInfo::kPoem, "T [A]", "007"};
  state.SetCurrentPage(page);
  page.title = "changed";
  EXPECT_EQ(state.CurrentPage().title, "T [A]");
  EXPECT_EQ(state.CurrentPage().target, "007");
}

}  // namespace
}  // namespace versilo
