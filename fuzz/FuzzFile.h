#pragma once
// Writes the fuzzer's bytes to a file in a private directory, since the
// readers take file names; messages are swallowed.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/MessageSink.h"

inline std::string FuzzFile(const uint8_t* data, size_t size, const char* name) {
  static std::string dir = [] {
    char t[] = "/tmp/versilo-fuzz-XXXXXX";
    if (!mkdtemp(t)) std::abort();
    versilo::SetMessageHandler([](const std::string&) {});
    return std::string(t);
  }();
  std::string path = dir + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  return path;
}
