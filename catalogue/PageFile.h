#pragma once
// The two generated pages are text files in the reader's own line-end
// convention: every LF written is stored as CR LF, so a fragment that ends in
// CR LF reaches the disk as CR CR LF, and a CR LF inside a text as CR CR LF.
// Pages are built in memory and replace the old file in one step.
#include <span>
#include <string>
#include <string_view>

namespace versilo {

// Appends text up to its first NUL byte, every LF stored as CR LF.
void AppendTextMode(std::string& page, std::string_view text);

// The stored bytes of a run of fixed fragments written in UTF-8: converted
// to GBK, then as AppendTextMode stores them. Pages compute each run once.
std::string StoredRun(std::span<const char* const> utf8Fragments);

// Writes the page file and leaves it read-only (mode 0444). Throws FileError;
// the previous page is then left as it was, whole.
void WritePageFile(const std::string& name, std::string_view bytes);

}  // namespace versilo
