#include "tools/versilo-tool/TextOutput.h"

#include "base/Gbk.h"

namespace versilo::tool {

std::string EscapedUtf8(std::string_view gbk) {
  std::string out;
  size_t i = 0;
  while (i < gbk.size()) {
    const char c = gbk[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        ++i;
        continue;
      case '\t':
        out += "\\t";
        ++i;
        continue;
      case '\r':
        out += "\\r";
        ++i;
        continue;
      case '\n':
        out += "\\n";
        ++i;
        continue;
      default:
        break;
    }
    // Take the longest run free of those four bytes (a trail byte may be a
    // backslash, so the run is cut at character boundaries).
    size_t end = i;
    while (end < gbk.size()) {
      int len = GbkCharLength(gbk, end);
      if (len == 1 && (gbk[end] == '\\' || gbk[end] == '\t' || gbk[end] == '\r' || gbk[end] == '\n')) break;
      end += len == 0 ? 1 : len;
    }
    out += GbkToUtf8Escaped(gbk.substr(i, end - i));
    i = end;
  }
  return out;
}

}  // namespace versilo::tool
