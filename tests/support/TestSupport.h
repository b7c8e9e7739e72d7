#pragma once
// Fixtures shared by the core tests: a private working directory, a recorder
// for the messages the reader would show, and whole-file reads and writes.
#include <string>
#include <vector>

#include "base/MessageSink.h"

namespace versilo::test {

// Makes a fresh directory and makes it the working directory for the life of
// the object, since the reader names its files relative to it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

// Records every message (converted to UTF-8) instead of showing it.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  const std::vector<std::string>& messages() const { return messages_; }
  void clear() { messages_.clear(); }

 private:
  std::vector<std::string> messages_;
  MessageHandler previous_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace versilo::test
