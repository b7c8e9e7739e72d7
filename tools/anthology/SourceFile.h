#pragma once
// Reads one file of the anthology's editable source: records that start with
// "@KIND ID", then "key: value" lines, then sections that start with a line
// "@SECTION" and run to the next line starting with "@". Comment lines
// ("#") may only come before the first record.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace versilo::anthology {

// A problem in the source, named by file, line and what is wrong.
class SourceError : public std::runtime_error {
 public:
  SourceError(const std::string& file, int line, const std::string& problem)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + problem) {}
};

struct SourceRecord {
  std::string id;                                               // the text after "@KIND "
  int line = 0;                                                 // where the record starts
  std::map<std::string, std::pair<std::string, int>> fields;    // key -> value, line
  std::map<std::string, std::pair<std::string, int>> sections;  // name -> text (LF between lines), line
  std::string body;  // for kinds whose lines follow the record head directly
  int bodyLine = 0;
};

struct SourceFormat {
  std::string kind;                   // "poem", "author", "pinyin"
  std::vector<std::string> keys;      // allowed "key:" lines
  std::vector<std::string> sections;  // allowed "@section" lines
  bool bodyFollowsHead = false;       // the record's lines are its body
};

// Throws SourceError for a line that fits nowhere, an unknown key or
// section, a key given twice, or a missing file.
std::vector<SourceRecord> ReadSourceFile(const std::string& path, const std::string& displayName,
                                         const SourceFormat& format);

}  // namespace versilo::anthology
