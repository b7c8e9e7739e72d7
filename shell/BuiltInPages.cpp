#include "shell/BuiltInPages.h"

#include <vector>

#include "base/Gbk.h"
#include "base/Resources.h"

namespace versilo {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void ReplaceLine(std::string& page, const std::string& marker, const std::string& text) {
  const size_t at = page.find(marker);
  if (at != std::string::npos) page.replace(at, marker.size(), text);
}

// The home page's template with the credit lines and the introduction's
// paragraphs, 1 to 3 in the first block and 4 to 11 in the second.
std::string MakeHomePage() {
  std::string page(FindResource("home.htm.in"));
  const auto intro = Lines(FindResource("intro.txt"));
  auto line = [&](size_t i) { return i < intro.size() ? intro[i] : std::string(); };
  auto paragraphs = [&](size_t from, size_t to) {
    std::string html;
    for (size_t i = from; i <= to && i < intro.size(); ++i) html += "<P>" + intro[i] + "</P>\r\n";
    return html;
  };
  ReplaceLine(page, "@CREDIT1@", line(1));
  ReplaceLine(page, "@CREDIT2@", line(2));
  ReplaceLine(page, "@INTRO_A@", paragraphs(3, 5));
  ReplaceLine(page, "@INTRO_B@", paragraphs(6, 13));
  return page;
}

}  // namespace

std::string_view BuiltInPage(const std::string& name) {
  static const std::string home = MakeHomePage();
  if (name == "home.htm") return home;
  if (name == "home.htm.in" || name == "intro.txt") return {};
  return FindResource(name);
}

}  // namespace versilo
