#include "base/Resources.h"

#include <strings.h>

namespace versilo {

std::string_view FindResource(std::string_view name) {
  for (const auto& e : AllResources())
    if (e.name.size() == name.size() && strncasecmp(e.name.data(), name.data(), name.size()) == 0)
      return e.bytes;
  return {};
}

}  // namespace versilo
