#pragma once
// How versilo-tool prints the reader's GBK texts: UTF-8, one value per
// field, with the bytes that would break a line or a column escaped.
#include <string>
#include <string_view>

namespace versilo::tool {

// Backslash, tab, CR and LF become \\, \t, \r and \n; a byte that is not
// valid GBK becomes \xHH; everything else is converted to UTF-8.
std::string EscapedUtf8(std::string_view gbk);

}  // namespace versilo::tool
