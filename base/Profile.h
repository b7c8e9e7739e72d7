#pragma once
// The per-user settings store: integers and strings by section and key, read
// with a default when needed and written at once. The window implements it
// over an INI file; tests use an in-memory one.
#include <string>

namespace versilo {

class Profile {
 public:
  virtual ~Profile() = default;
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) = 0;
  virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
  // Strings are GBK, like every text inside the reader.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) = 0;
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace versilo
