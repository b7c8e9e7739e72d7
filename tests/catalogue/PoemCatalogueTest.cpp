// The poem index: volumes, the listing for the tree, and loading one poem.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/PoemCatalogue.h"
#include "tests/support/AnthologyFixture.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::G;

struct RecordingTree : CatalogueTreeSink {
  struct Node {
    int n, volume;
    std::string title;
    bool operator==(const Node&) const = default;
  };
  void AddPoemNode(int n, int volume, const std::string& title) override {
    poems.push_back({n, volume, title});
  }
  void AddAuthorNode(int, const std::string&) override {}
  std::vector<Node> poems;
};

TEST(PoemCatalogue, VolumeOfComparesExactBytes) {
  const char* numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  for (int v = 1; v <= 10; ++v) EXPECT_EQ(PoemCatalogue::VolumeOf(G(numerals[v - 1])), v) << v;
  EXPECT_EQ(PoemCatalogue::VolumeOf("11"), 11);
  // Anything else goes under the 使用说明 node.
  for (const std::string& other :
       {G("十一"), std::string(), std::string("1"), std::string("11 "), G("一 "), G("壹")})
    EXPECT_EQ(PoemCatalogue::VolumeOf(other), 0) << other;
}

TEST(PoemCatalogue, ListsEveryPoemUnderItsVolumeWithItsTitleTrimmed) {
  test::TempDir dir;
  test::MessageRecorder messages;
  test::WritePoemFiles({{G("一"), "A", G("静夜思 \t"), "c", "", "", "", ""},
                        {"11", "B", G("春晓"), "", "", "", "", ""},
                        {G("十一"), "C", "X", "", "", "", "", ""}});
  PoemCatalogue catalogue;
  RecordingTree tree;
  catalogue.OpenAndListPoems(&tree);
  EXPECT_TRUE(catalogue.IsOpen());
  EXPECT_EQ(catalogue.PoemCount(), 3);
  const std::vector<RecordingTree::Node> expected = {{1, 1, G("静夜思")}, {2, 11, G("春晓")}, {3, 0, "X"}};
  EXPECT_EQ(tree.poems, expected);
  EXPECT_TRUE(messages.messages().empty());
}

TEST(PoemCatalogue, ListsAtMost386PoemsAndSaysSoOnce) {
  test::TempDir dir;
  test::MessageRecorder messages;
  test::WritePoemFiles(std::vector<test::PoemFixture>(390, {G("五"), "A", "T", "", "", "", "", ""}));
  PoemCatalogue catalogue;
  RecordingTree tree;
  catalogue.OpenAndListPoems(&tree);
  EXPECT_EQ(catalogue.PoemCount(), 386);
  EXPECT_EQ(tree.poems.size(), 386u);
  EXPECT_EQ(tree.poems.back().n, 386);
  EXPECT_EQ(messages.messages(),
            std::vector<std::string>{"数据文件 poem1e.man 有 390 条记录，只列出前 386 首诗."});
}

TEST(PoemCatalogue, MissingFilesAreReportedAsTheTreeBuildReportsThem) {
  test::TempDir dir;
  test::MessageRecorder messages;
  PoemCatalogue catalogue;
  RecordingTree tree;
  catalogue.OpenAndListPoems(&tree);
  EXPECT_EQ(messages.messages(),
            (std::vector<std::string>{"数据文件 poem1e.dat 不存在.", "Open Versilo data file error.",
                                      "数据文件 poem1e.man 不存在."}));
  EXPECT_EQ(catalogue.PoemCount(), 0);
  EXPECT_TRUE(tree.poems.empty());

  // Without its memo file the table is still listed, but no poem loads.
  test::WritePoemFiles({{G("一"), "A", "T", "c", "", "", "", ""}});
  std::filesystem::remove("poem1e.dat");
  messages.clear();
  catalogue.OpenAndListPoems(&tree);
  EXPECT_EQ(messages.messages(),
            (std::vector<std::string>{"数据文件 poem1e.dat 不存在.", "Open Versilo data file error."}));
  EXPECT_EQ(tree.poems.size(), 1u);
  EXPECT_FALSE(catalogue.LoadPoem(1));
  EXPECT_EQ(catalogue.Title(), "");
}

// Which text goes where, and memos of block 0, are checked on the page.
TEST(PoemCatalogue, LoadPoemClampsTheNumberAndNeedsBothFilesOpen) {
  test::TempDir dir;
  test::WritePoemFiles(
      {{G("一"), "A", "T1", "content1", "", "", "", ""}, {G("二"), "B", "T2", "content2", "", "", "", ""}});
  PoemCatalogue catalogue;
  catalogue.OpenAndListPoems(nullptr);
  ASSERT_TRUE(catalogue.LoadPoem(0));
  EXPECT_EQ(catalogue.Content(), "content1");
  ASSERT_TRUE(catalogue.LoadPoem(99));
  EXPECT_EQ(catalogue.Content(), "content2");
  EXPECT_EQ(catalogue.LoadedPoem(), 2);
  catalogue.Close();
  EXPECT_FALSE(catalogue.LoadPoem(1));
  EXPECT_EQ(catalogue.Title(), "T2");
}

}  // namespace
}  // namespace versilo
