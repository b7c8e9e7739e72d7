#pragma once
// Replaces a file's content in one step: the new bytes go to a temporary file
// beside it, which is renamed over the old one. Readers see the old file or
// the new one, never a half-written one.
#include <string>
#include <string_view>

namespace versilo {

// Throws FileError on failure; the old file is then as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace versilo
