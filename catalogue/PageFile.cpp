#include "catalogue/PageFile.h"

#include <sys/stat.h>

#include <cstring>

#include "base/Gbk.h"
#include "storage/AtomicFile.h"

namespace versilo {

void AppendTextMode(std::string& page, std::string_view text) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  while (!text.empty()) {
    const void* lf = std::memchr(text.data(), '\n', text.size());
    if (lf == nullptr) {
      page.append(text);
      return;
    }
    const size_t at = static_cast<size_t>(static_cast<const char*>(lf) - text.data());
    page.append(text.substr(0, at));
    page += "\r\n";
    text.remove_prefix(at + 1);
  }
}

std::string StoredRun(std::span<const char* const> utf8Fragments) {
  std::string run;
  for (const char* f : utf8Fragments) AppendTextMode(run, Utf8ToGbk(f));
  return run;
}

// The page is read-only between runs, as the reader leaves it. There is no
// hidden attribute on POSIX and nothing stands in for it: the page lives in
// the reader's own working directory, beside its data files. The old page
// gets its write permission back first, as before any rewrite; the new one
// is renamed over it, so a failed write never leaves half a page behind.
void WritePageFile(const std::string& name, std::string_view bytes) {
  struct stat st {};
  if (stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode)) chmod(name.c_str(), 0644);
  WriteFileAtomically(name, bytes);
  chmod(name.c_str(), 0444);
}

}  // namespace versilo
