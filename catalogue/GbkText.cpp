#include "catalogue/GbkText.h"

#include "base/Gbk.h"

namespace versilo {

std::string TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0) {
    const char c = text[end - 1];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f') break;
    // A trail byte is never below 0x40, so these bytes always stand alone.
    --end;
  }
  return std::string(text.substr(0, end));
}

std::string CutGbk(std::string_view text, size_t maxBytes) {
  size_t i = 0;
  while (i < text.size()) {
    int len = GbkCharLength(text, i);
    if (len == 0) len = 1;
    if (i + static_cast<size_t>(len) > maxBytes) break;
    i += static_cast<size_t>(len);
  }
  return std::string(text.substr(0, i));
}

}  // namespace versilo
