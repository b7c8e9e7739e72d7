#include "shell/WxText.h"

#include <stdexcept>

namespace versilo {

std::string ToGbk(const wxString& text) {
  try {
    return Utf8ToGbk(text.utf8_string());
  } catch (const std::invalid_argument&) {
    std::string out;
    for (const auto& ch : text) {
      try {
        out += Utf8ToGbk(wxString(ch).utf8_string());
      } catch (const std::invalid_argument&) {
      }
    }
    return out;
  }
}

}  // namespace versilo
