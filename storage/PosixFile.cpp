#include "storage/PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "storage/FileError.h"

namespace versilo {
namespace {

// Far past any table or memo file the reader can address (32-bit offsets).
constexpr off_t kPresenceByte = off_t{1} << 40;
// How long a writer waits for another writer's range lock.
constexpr auto kLockPatience = std::chrono::seconds(2);

bool SetLock(int fd, short type, off_t offset, off_t count) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = offset;
  fl.l_len = count;
  return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

}  // namespace

FileError FileError::FromErrno(int error, const std::string& fileName) {
  Cause cause = Cause::Other;
  // EBADF: a write, or a write lock, on a file open for reading only.
  if (error == EACCES || error == EPERM || error == EROFS || error == EBADF) cause = Cause::AccessDenied;
  std::string text = std::strerror(error);
  if (!fileName.empty()) text += ": " + fileName;
  return FileError(cause, text);
}

PosixFile::~PosixFile() { Close(); }

void PosixFile::Open(const std::string& path, Access access, Sharing sharing) {
  Close();
  int flags = O_CLOEXEC;
  switch (access) {
    case Access::ReadOnly:
      flags |= O_RDONLY;
      break;
    case Access::ReadWrite:
      flags |= O_RDWR;
      break;
    case Access::CreateWrite:
      flags |= O_RDWR | O_CREAT;
      break;
  }
  int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) throw FileError::FromErrno(errno, path);
  short presence = sharing == Sharing::Exclusive ? F_WRLCK : F_RDLCK;
  if (!SetLock(fd, presence, kPresenceByte, 1)) {
    int error = errno;
    ::close(fd);
    if (error == EAGAIN || error == EACCES)
      throw FileError(FileError::Cause::SharingViolation, "The file is in use by another program: " + path);
    throw FileError::FromErrno(error, path);
  }
  if (access == Access::CreateWrite && ftruncate(fd, 0) != 0) {
    int error = errno;
    ::close(fd);
    throw FileError::FromErrno(error, path);
  }
  fd_ = fd;
  path_ = path;
}

void PosixFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

uint64_t PosixFile::Length() const {
  struct stat st {};
  if (fstat(fd_, &st) != 0) throw FileError::FromErrno(errno, path_);
  return static_cast<uint64_t>(st.st_size);
}

size_t PosixFile::ReadAt(uint64_t offset, void* buffer, size_t count) const {
  size_t done = 0;
  auto* out = static_cast<char*>(buffer);
  while (done < count) {
    ssize_t r = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
    if (r < 0) {
      if (errno == EINTR) continue;
      throw FileError::FromErrno(errno, path_);
    }
    if (r == 0) break;
    done += static_cast<size_t>(r);
  }
  return done;
}

void PosixFile::WriteAt(uint64_t offset, const void* buffer, size_t count) {
  size_t done = 0;
  const auto* in = static_cast<const char*>(buffer);
  while (done < count) {
    ssize_t r = ::pwrite(fd_, in + done, count - done, static_cast<off_t>(offset + done));
    if (r < 0) {
      if (errno == EINTR) continue;
      throw FileError::FromErrno(errno, path_);
    }
    done += static_cast<size_t>(r);
  }
}

void PosixFile::SyncWithModeOf(const PosixFile& other) {
  struct stat st {};
  if (fstat(other.fd_, &st) == 0) fchmod(fd_, st.st_mode & 07777);
  if (fsync(fd_) != 0) throw FileError::FromErrno(errno, path_);
}

void PosixFile::Lock(uint64_t offset, uint64_t count) {
  auto deadline = std::chrono::steady_clock::now() + kLockPatience;
  while (!SetLock(fd_, F_WRLCK, static_cast<off_t>(offset), static_cast<off_t>(count))) {
    if (errno != EAGAIN && errno != EACCES) throw FileError::FromErrno(errno, path_);
    if (std::chrono::steady_clock::now() > deadline)
      throw FileError(FileError::Cause::LockViolation, "The range is locked by another writer: " + path_);
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

void PosixFile::Unlock(uint64_t offset, uint64_t count) {
  if (!SetLock(fd_, F_UNLCK, static_cast<off_t>(offset), static_cast<off_t>(count)))
    throw FileError::FromErrno(errno, path_);
}

bool PosixFile::Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace versilo
