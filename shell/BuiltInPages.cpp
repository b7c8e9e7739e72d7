#include "shell/BuiltInPages.h"

#include "base/Resources.h"
#include "catalogue/Introduction.h"

namespace versilo {
namespace {

void ReplaceLine(std::string& page, const std::string& marker, const std::string& text) {
  const size_t at = page.find(marker);
  if (at != std::string::npos) page.replace(at, marker.size(), text);
}

// The home page's template with the credit lines and the introduction's
// paragraphs, 1 to 3 in the first block and 4 to 11 in the second.
std::string MakeHomePage() {
  std::string page(FindResource("home.htm.in"));
  const Introduction& intro = Introduction::Embedded();
  auto paragraphs = [&](size_t from, size_t to) {
    std::string html;
    for (size_t i = from; i <= to && i < intro.Paragraphs().size(); ++i)
      html += "<P>" + intro.Paragraphs()[i] + "</P>\r\n";
    return html;
  };
  ReplaceLine(page, "@CREDIT1@", intro.Credit(0));
  ReplaceLine(page, "@CREDIT2@", intro.Credit(1));
  ReplaceLine(page, "@INTRO_A@", paragraphs(0, 2));
  ReplaceLine(page, "@INTRO_B@", paragraphs(3, 10));
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
