#pragma once
// The 显示作者 command's search: the anchor of the first of the first 79
// poets whose name contains the current author.
#include <optional>
#include <string>

namespace versilo {

// Opens "zhu1e.man" and "zhu1e.dat" (the storage layer shows its own
// message when it cannot), searches, closes. A file-layer error is shown
// with its own description. Returns the anchor code, trimmed.
std::optional<std::string> FindAuthorAnchor(const std::string& gbkAuthor);

// Whether needle occurs in text at a position where a GBK character starts,
// so that a name never matches across the halves of two characters.
bool ContainsOnCharacterBoundary(const std::string& text, const std::string& needle);

}  // namespace versilo
