#pragma once
// PageInfo: the description of the page on show that a bookmark stores.
// Copied whole wherever it goes.
#include <cstdint>
#include <string>

namespace versilo {

struct PageInfo {
  enum Kind : uint8_t {
    kNothing = 0,  // nothing that can be bookmarked is on show
    kPoem = 1,     // title: the poem's title, " [", its author, "]"; target: the number as "%03d"
    kAuthor = 2,   // title: "唐诗作者小传主页" or "唐诗作者小传-" + name; target: the page URL
  };

  uint8_t kind = kNothing;
  std::string title;   // GBK
  std::string target;  // GBK

  bool operator==(const PageInfo&) const = default;
};

}  // namespace versilo
