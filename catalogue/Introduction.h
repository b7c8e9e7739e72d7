#pragma once
// The introduction to the anthology, shared by the home page and the spoken
// text: res/intro.txt, embedded as GBK. Line 1 is the title, lines 2 and 3
// the two credit lines as the home page shows them, lines 4 to 14 the eleven
// paragraphs.
#include <string>
#include <string_view>
#include <vector>

namespace versilo {

class Introduction {
 public:
  static constexpr int kParagraphCount = 11;
  static constexpr const char* kResourceName = "intro.txt";

  // Splits the GBK text into lines (LF or CR LF).
  static Introduction Parse(std::string_view gbk);
  // The embedded one, parsed once.
  static const Introduction& Embedded();

  const std::string& Title() const { return m_strTitle; }
  // The two credit lines as the home page shows them.
  const std::string& Credit(int i) const { return m_strCredits[i]; }
  const std::vector<std::string>& Paragraphs() const { return m_paragraphs; }

  // The paragraphs as one text for the speech engine: no separators, and the
  // parentheses the home page puts around dates left out.
  std::string SpokenParagraphs() const;

  // Leaves out a pair of parentheses (full-width or ASCII) that encloses
  // nothing but digits, dashes, "～" and "年": "（1711～1778）" is read as
  // "1711～1778".
  static std::string WithoutDateParentheses(std::string_view gbk);

 private:
  std::string m_strTitle;
  std::string m_strCredits[2];
  std::vector<std::string> m_paragraphs;
};

}  // namespace versilo
