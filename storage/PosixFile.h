#pragma once
// An open file: positioned reads and writes, byte-range locks, and the
// sharing the data files need.
//
// POSIX has no share modes. Every opener that wants to be seen takes a read
// lock on one byte far past any data (the "presence byte"); an opener that
// needs the file for itself alone asks for a write lock on that byte, which
// fails while anyone else holds the file. Locks are open-file-description
// locks, so two opens in one process see each other like two programs do.
#include <sys/types.h>

#include <cstdint>
#include <string>

namespace versilo {

class PosixFile {
 public:
  enum class Access { ReadOnly, ReadWrite, CreateWrite };
  enum class Sharing { Shared, Exclusive };

  PosixFile() = default;
  ~PosixFile();
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  // Throws FileError on failure. CreateWrite creates or truncates the file;
  // with Exclusive sharing it refuses a file another opener holds, before
  // truncating anything.
  void Open(const std::string& path, Access access, Sharing sharing);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  uint64_t Length() const;
  // Reads up to count bytes at offset; returns the number read (fewer at the
  // end of the file).
  size_t ReadAt(uint64_t offset, void* buffer, size_t count) const;
  // Writes all count bytes at offset.
  void WriteAt(uint64_t offset, const void* buffer, size_t count);

  // Flushes the file to disk and gives it the permission bits of another.
  void SyncWithModeOf(const PosixFile& other);

  // Takes a write lock on [offset, offset + count), waiting a short while
  // for another writer to finish; a lock still held then is a lock violation.
  void Lock(uint64_t offset, uint64_t count);
  void Unlock(uint64_t offset, uint64_t count);

  static bool Exists(const std::string& path);

 private:
  int fd_ = -1;
  std::string path_;
};

// Holds a range lock for the lifetime of a scope.
class RangeLock {
 public:
  RangeLock(PosixFile& file, uint64_t offset, uint64_t count) : file_(file), offset_(offset), count_(count) {
    file_.Lock(offset_, count_);
  }
  ~RangeLock() {
    try {
      file_.Unlock(offset_, count_);
    } catch (...) {
      // The lock goes with the file description anyway.
    }
  }
  RangeLock(const RangeLock&) = delete;
  RangeLock& operator=(const RangeLock&) = delete;

 private:
  PosixFile& file_;
  uint64_t offset_, count_;
};

}  // namespace versilo
