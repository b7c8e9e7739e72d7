#include "tools/anthology/SourceFile.h"

#include <algorithm>
#include <fstream>

namespace versilo::anthology {
namespace {

bool Contains(const std::vector<std::string>& list, const std::string& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

// Joins a section's lines with LF, dropping the empty lines at its end,
// which are only spacing.
std::string JoinLines(std::vector<std::string> lines) {
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

}  // namespace

std::vector<SourceRecord> ReadSourceFile(const std::string& path, const std::string& name,
                                         const SourceFormat& format) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SourceError(name, 0, "cannot read the file");
  const std::string head = "@" + format.kind + " ";
  std::vector<SourceRecord> records;
  std::string* text = nullptr;     // the body or section being filled
  std::vector<std::string> lines;  // its lines so far
  std::string line;
  int number = 0;

  auto finishText = [&] {
    if (text) *text = JoinLines(std::move(lines));
    text = nullptr;
    lines.clear();
  };

  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(head, 0) == 0) {
      finishText();
      SourceRecord r;
      r.id = line.substr(head.size());
      r.line = number;
      records.push_back(std::move(r));
      if (format.bodyFollowsHead) {
        text = &records.back().body;
        records.back().bodyLine = number + 1;
      }
      continue;
    }
    if (records.empty()) {
      if (line.empty() || line[0] == '#') continue;
      throw SourceError(name, number, "text before the first \"" + head + "\" record");
    }
    SourceRecord& r = records.back();
    if (!line.empty() && line[0] == '@') {
      const std::string section = line.substr(1);
      if (!Contains(format.sections, section))
        throw SourceError(name, number, "unknown line \"" + line + "\"");
      if (r.sections.count(section)) throw SourceError(name, number, "section @" + section + " given twice");
      finishText();
      r.sections[section] = {"", number};
      text = &r.sections[section].first;
      continue;
    }
    if (text) {
      lines.push_back(line);
      continue;
    }
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    const std::string key = line.substr(0, colon);
    if (colon == std::string::npos || !Contains(format.keys, key))
      throw SourceError(name, number, "unknown line \"" + line + "\"");
    if (r.fields.count(key)) throw SourceError(name, number, "field \"" + key + "\" given twice");
    std::string value = line.substr(colon + 1);
    value.erase(0, value.find_first_not_of(' '));
    r.fields[key] = {value, number};
  }
  finishText();
  return records;
}

}  // namespace versilo::anthology
