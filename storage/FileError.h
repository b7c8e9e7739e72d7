#pragma once
// The file layer's exception: what the reader shows is the system's own
// description of the failure (strerror text), at most 99 characters.
#include <stdexcept>
#include <string>

namespace versilo {

class FileError : public std::runtime_error {
 public:
  // The four causes the table writer names to the user; everything else is
  // Other.
  enum class Cause { AccessDenied, SharingViolation, LockViolation, EndOfFile, Other };

  FileError(Cause cause, const std::string& description) : std::runtime_error(description), cause_(cause) {}

  Cause cause() const { return cause_; }

  // Builds the error of a failed system call from errno.
  static FileError FromErrno(int error, const std::string& fileName);

  // The description as shown in a message box: at most 99 bytes.
  std::string Description() const { return std::string(what()).substr(0, 99); }

 private:
  Cause cause_;
};

}  // namespace versilo
