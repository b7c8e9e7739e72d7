#include "catalogue/PageUrl.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace versilo {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

// Every byte but the unreserved ones (and "/" where it separates folders)
// as %XX, so that spaces, "#", "%" and non-ASCII names survive.
void AppendEncoded(std::string& url, std::string_view text, bool keepSlash) {
  static const char* hex = "0123456789ABCDEF";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsUnreserved(c) || (keepSlash && c == '/')) {
      url += ch;
    } else {
      url += '%';
      url += hex[c >> 4];
      url += hex[c & 15];
    }
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string WorkingDirectory() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

std::string PageUrlIn(std::string_view directory, std::string_view page, std::string_view anchor) {
  std::string url = "file://";
  AppendEncoded(url, directory, true);
  // The root directory already ends in its separator.
  if (url.back() != '/') url += '/';
  AppendEncoded(url, page, false);
  if (!anchor.empty()) {
    url += '#';
    AppendEncoded(url, anchor, false);
  }
  return url;
}

std::string PageUrl(std::string_view page, std::string_view anchor) {
  return PageUrlIn(WorkingDirectory(), page, anchor);
}

std::optional<std::string> AnchorOfPageUrl(std::string_view url) {
  const size_t hash = url.find('#');
  if (hash == std::string_view::npos || hash == 0) return std::nullopt;
  std::string anchor;
  for (size_t i = hash + 1; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() && HexValue(url[i + 1]) >= 0 && HexValue(url[i + 2]) >= 0) {
      anchor += static_cast<char>(HexValue(url[i + 1]) * 16 + HexValue(url[i + 2]));
      i += 2;
    } else {
      anchor += url[i];
    }
  }
  return anchor;
}

}  // namespace versilo
