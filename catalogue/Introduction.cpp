#include "catalogue/Introduction.h"

#include <algorithm>
#include <array>

#include "base/Gbk.h"
#include "base/Resources.h"

namespace versilo {
namespace {

// The characters of a date range besides ASCII digits.
struct DateCharacters {
  std::string openFull = VERSILO_GBK("（");
  std::string closeFull = VERSILO_GBK("）");
  std::array<std::string, 4> others = {VERSILO_GBK("～"), VERSILO_GBK("－"), VERSILO_GBK("—"),
                                       VERSILO_GBK("年")};
  std::array<std::string, 10> fullDigits = {
      VERSILO_GBK("０"), VERSILO_GBK("１"), VERSILO_GBK("２"), VERSILO_GBK("３"), VERSILO_GBK("４"),
      VERSILO_GBK("５"), VERSILO_GBK("６"), VERSILO_GBK("７"), VERSILO_GBK("８"), VERSILO_GBK("９")};
};

const DateCharacters& Chars() {
  static const DateCharacters chars;
  return chars;
}

size_t CharLength(std::string_view text, size_t i) {
  const int len = GbkCharLength(text, i);
  return len == 0 ? 1 : static_cast<size_t>(len);
}

bool IsOpening(std::string_view c) { return c == "(" || c == Chars().openFull; }
bool IsClosing(std::string_view c) { return c == ")" || c == Chars().closeFull; }

bool IsDigit(std::string_view c) {
  if (c.size() == 1) return c[0] >= '0' && c[0] <= '9';
  const auto& d = Chars().fullDigits;
  return std::find(d.begin(), d.end(), c) != d.end();
}

bool IsDateFiller(std::string_view c) {
  if (c == "-" || c == "~") return true;
  const auto& o = Chars().others;
  return std::find(o.begin(), o.end(), c) != o.end();
}

}  // namespace

Introduction Introduction::Parse(std::string_view gbk) {
  Introduction intro;
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < gbk.size()) {
    size_t end = gbk.find('\n', start);
    if (end == std::string_view::npos) end = gbk.size();
    std::string_view line = gbk.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  if (!lines.empty()) intro.m_strTitle = lines[0];
  for (size_t k = 1; k <= 2 && k < lines.size(); ++k) intro.m_strCredits[k - 1] = lines[k];
  for (size_t k = 3; k < lines.size() && intro.m_paragraphs.size() < kParagraphCount; ++k)
    intro.m_paragraphs.push_back(lines[k]);
  return intro;
}

const Introduction& Introduction::Embedded() {
  static const Introduction intro = Parse(FindResource(kResourceName));
  return intro;
}

std::string Introduction::SpokenParagraphs() const {
  std::string text;
  for (const std::string& p : m_paragraphs) text += WithoutDateParentheses(p);
  return text;
}

std::string Introduction::WithoutDateParentheses(std::string_view gbk) {
  std::string out;
  size_t i = 0;
  while (i < gbk.size()) {
    const size_t len = CharLength(gbk, i);
    if (IsOpening(gbk.substr(i, len))) {
      // Look for the closing one across date characters only.
      size_t j = i + len;
      bool digits = false;
      while (j < gbk.size()) {
        const std::string_view c = gbk.substr(j, CharLength(gbk, j));
        if (IsDigit(c))
          digits = true;
        else if (!IsDateFiller(c))
          break;
        j += c.size();
      }
      if (digits && j < gbk.size() && IsClosing(gbk.substr(j, CharLength(gbk, j)))) {
        out.append(gbk.substr(i + len, j - i - len));
        i = j + CharLength(gbk, j);
        continue;
      }
    }
    out.append(gbk.substr(i, len));
    i += len;
  }
  return out;
}

}  // namespace versilo
