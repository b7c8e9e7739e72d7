#pragma once
// A settings store in memory, for tests.
#include <map>
#include <string>

#include "base/Profile.h"

namespace versilo::test {

class MemoryProfile : public Profile {
 public:
  int GetInt(const std::string& section, const std::string& key, int defaultValue) override {
    auto it = ints.find(section + "/" + key);
    return it == ints.end() ? defaultValue : it->second;
  }
  void WriteInt(const std::string& section, const std::string& key, int value) override {
    ints[section + "/" + key] = value;
  }
  std::string GetString(const std::string& section, const std::string& key, const std::string& d) override {
    auto it = strings.find(section + "/" + key);
    return it == strings.end() ? d : it->second;
  }
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    strings[section + "/" + key] = value;
  }
  std::map<std::string, int> ints;
  std::map<std::string, std::string> strings;
};

}  // namespace versilo::test
