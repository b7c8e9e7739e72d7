#include "storage/AtomicFile.h"

#include <cerrno>
#include <cstdio>

#include "storage/FileError.h"
#include "storage/PosixFile.h"

namespace versilo {

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".new";
  try {
    PosixFile file;
    file.Open(temp, PosixFile::Access::CreateWrite, PosixFile::Sharing::Exclusive);
    file.WriteAt(0, bytes.data(), bytes.size());
  } catch (const FileError&) {
    std::remove(temp.c_str());
    throw;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    int error = errno;
    std::remove(temp.c_str());
    throw FileError::FromErrno(error, path);
  }
}

}  // namespace versilo
