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
    struct stat st {};
    if (::stat(name, &st) != 0) continue;
    ::chmod(name, (st.st_mode & 07777) | S_IWUSR);
    ::unlink(name);
  }
}

}  // namespace versilo
