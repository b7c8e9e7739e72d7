#pragma once
// Small operations on GBK texts that must respect character boundaries.
#include <string>
#include <string_view>

namespace versilo {

// Removes trailing blanks, tabs and line ends (the "trimmed" of the
// catalogue's names, titles and anchors).
std::string TrimRight(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// two-byte character. A byte that starts no valid character counts alone.
std::string CutGbk(std::string_view text, size_t maxBytes);

}  // namespace versilo
