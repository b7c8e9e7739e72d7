// What is read aloud for the page on show, as the speech engine receives it.
#include <gtest/gtest.h>

#include <map>

#include "aids/SpeechEngine.h"
#include "base/Gbk.h"
#include "base/Resources.h"
#include "catalogue/SpokenText.h"
#include "tests/support/AnthologyFixture.h"
#include "tests/support/MemoryProfile.h"
#include "tests/support/TestSupport.h"

namespace versilo {
namespace {

using test::G;

class RecordingSpeechEngine : public SpeechEngine {
 public:
  void Speak(const std::u16string& text) override { spoken.push_back(text); }
  void Purge() override { spoken.clear(); }
  void SetRate(int) override {}
  void SetVolume(int) override {}
  std::vector<std::u16string> spoken;
};

using test::MemoryProfile;

// A short introduction in the layout of res/intro.txt.
Introduction SampleIntroduction() {
  std::string text = G("雅韵集\r\n选辑：某\r\n整理：某\r\n");
  for (int k = 1; k <= 11; ++k) text += G("第") + std::to_string(k) + G("段。") + "\n";
  text += G("生于（1711～1778）\n");  // a twelfth line is not a paragraph
  return Introduction::Parse(text);
}

class SpokenTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WritePoemFiles(
        {{G("一"), "A", "T1", "c1", "n1", "t1", "m1", "e1"},
         {G("一"), G("王维"), G("鹿柴"), G("空山不见人"), G("注"), G("译"), G("评"), "Deer Park"}});
    catalogue_.OpenAndListPoems(nullptr);
    ASSERT_TRUE(catalogue_.LoadPoem(2));
  }
  std::vector<std::u16string> Speak(ShownNode shown, int itemData, const SpeechItems& items) {
    RecordingSpeechEngine engine;
    SpeakCurrentPage(&engine, catalogue_, shown, itemData, items, SampleIntroduction());
    return engine.spoken;
  }
  static std::u16string U(const char* utf8) { return GbkToUtf16(G(utf8)); }

  test::TempDir dir_;
  PoemCatalogue catalogue_;
};

TEST_F(SpokenTextTest, APoemIsReadItemByItemAndNeverInEnglish) {
  const SpeechItems all{true, true, true, true, true, true};
  EXPECT_EQ(
      Speak(ShownNode::Poem, 2, all),
      (std::vector<std::u16string>{U("第2首"), U("鹿柴"), U("作者：王维"), U("空山不见人"), U("【注解】："),
                                   U("注"), U("【韵译】："), U("译"), U("【评析】："), U("评")}));

  // With every item off only the number line is read, without leading zeros.
  test::WritePoemFiles(std::vector<test::PoemFixture>(12, {G("一"), "A", "T", "c", "", "", "", "English"}));
  catalogue_.OpenAndListPoems(nullptr);
  ASSERT_TRUE(catalogue_.LoadPoem(12));
  EXPECT_EQ(Speak(ShownNode::Poem, 12, SpeechItems{false, false, false, false, false, false}),
            std::vector<std::u16string>{U("第12首")});
  for (const auto& text : Speak(ShownNode::Poem, 12, all))
    EXPECT_EQ(text.find(u"English"), std::u16string::npos);
}

TEST_F(SpokenTextTest, TheRootReadsTheIntroductionInFourUtterances) {
  const auto spoken = Speak(ShownNode::Root, 0, SpeechItems{});
  ASSERT_EQ(spoken.size(), 4u);
  EXPECT_EQ(spoken[0], U("雅韵集 "));
  EXPECT_EQ(spoken[1], U("选辑：【清】蘅塘退士 "));
  EXPECT_EQ(spoken[2], U("整理：雅韵集编辑组 "));
  std::string paragraphs;
  for (int k = 1; k <= 11; ++k) paragraphs += "第" + std::to_string(k) + "段。";
  EXPECT_EQ(spoken[3], U(paragraphs.c_str()));
}

TEST_F(SpokenTextTest, OtherNodesReadNothing) {
  // An author node's number is its own, not the poem's: nothing is read.
  EXPECT_TRUE(Speak(ShownNode::Other, 2, SpeechItems{}).empty());
  EXPECT_TRUE(Speak(ShownNode::Poem, 0, SpeechItems{}).empty());
  EXPECT_TRUE(Speak(ShownNode::Poem, 3, SpeechItems{}).empty());
  catalogue_.Close();
  EXPECT_TRUE(Speak(ShownNode::Poem, 2, SpeechItems{}).empty());
  SpeakCurrentPage(nullptr, catalogue_, ShownNode::Root, 0, SpeechItems{}, SampleIntroduction());
}

TEST(SpeechItems, ReadFromTheProfileOnlyWhenStoredAsOne) {
  MemoryProfile profile;
  const SpeechItems defaults = SpeechItems::FromProfile(profile);
  EXPECT_TRUE(defaults.title && defaults.author && defaults.content && defaults.translation &&
              defaults.commentary);
  EXPECT_FALSE(defaults.notes);
  profile.ints["Speech/SpeechNote"] = 2;
  profile.ints["Speech/SpeechTitle"] = 0;
  profile.ints["Speech/SpeechComment"] = -1;
  const SpeechItems stored = SpeechItems::FromProfile(profile);
  EXPECT_FALSE(stored.notes);
  EXPECT_FALSE(stored.title);
  EXPECT_FALSE(stored.commentary);
  EXPECT_TRUE(stored.author);
}

TEST(Introduction, DatesAreReadWithoutTheirParentheses) {
  auto spoken = [](const char* utf8) { return GbkToUtf8(Introduction::WithoutDateParentheses(G(utf8))); };
  EXPECT_EQ(spoken("编者（1711～1778）编成于（1764年）"), "编者1711～1778编成于1764年");
  EXPECT_EQ(spoken("(1711-1778) and （１７６４）"), "1711-1778 and １７６４");
  // Parentheses around words, or with nothing but fillers, stay.
  EXPECT_EQ(spoken("《诗经》（古称“诗三百”）（年）（）(a1)"), "《诗经》（古称“诗三百”）（年）（）(a1)");
  EXPECT_EQ(spoken("未完（1711"), "未完（1711");
}

TEST(Introduction, TheEmbeddedTextHasElevenParagraphs) {
  const Introduction& intro = Introduction::Embedded();
  EXPECT_EQ(intro.Title(), G("雅韵集"));
  ASSERT_EQ(intro.Paragraphs().size(), 11u);
  for (const std::string& p : intro.Paragraphs()) EXPECT_FALSE(p.empty());
  EXPECT_EQ(intro.SpokenParagraphs().find(G("（1")), std::string::npos);
}

}  // namespace
}  // namespace versilo
