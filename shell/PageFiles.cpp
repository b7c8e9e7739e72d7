#include "shell/PageFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include "base/MessageSink.h"
#include "base/Resources.h"
#include "storage/AtomicFile.h"
#include "storage/FileError.h"

namespace versilo {

bool ExtractBackground() {
  const std::string_view image = FindResource("poembg.jpg");
  if (image.empty()) {
    ShowMessage("Find Resource Failure.");
    return false;
  }
  try {
    WriteFileAtomically("poembg.jpg", image);
  } catch (const FileError&) {
    ShowMessage("Create JPG File Failure.");
    return false;
  }
  return true;
}

void RemovePageFiles() {
  for (const char* name : {"main.htm", "poem.htm", "author.htm"}) {
    // Removing a file needs no write permission on it; the generators'
    // read-only mode is given back first only for a plain file, never
    // through a link to somewhere else.
    struct stat st {};
    if (::lstat(name, &st) != 0) continue;
    if (S_ISREG(st.st_mode)) ::chmod(name, (st.st_mode & 07777) | S_IWUSR);
    ::unlink(name);
  }
}

}  // namespace versilo
