#include "shell/AuthorLookup.h"

#include "base/Gbk.h"
#include "base/MessageSink.h"
#include "storage/DBFObj.h"
#include "storage/FPTOBJ.h"
#include "storage/FileError.h"

namespace versilo {
namespace {

constexpr int32_t kMaxPoetsSearched = 79;

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
    s.pop_back();
  return s;
}

}  // namespace

bool ContainsOnCharacterBoundary(const std::string& text, const std::string& needle) {
  if (needle.empty()) return true;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, needle.size(), needle) == 0) return true;
    const int len = GbkCharLength(text, i);
    i += len == 0 ? 1 : len;
  }
  return false;
}

std::optional<std::string> FindAuthorAnchor(const std::string& gbkAuthor) {
  CDBFObj poets;
  CFPTOBJ biographies;
  std::optional<std::string> anchor;
  try {
    if (poets.Open("zhu1e.man", 5) && biographies.Open("zhu1e.dat", 5)) {
      const int32_t n = poets.m_lActRecCount < kMaxPoetsSearched ? poets.m_lActRecCount : kMaxPoetsSearched;
      for (int32_t i = 1; i <= n && !anchor; ++i) {
        poets.ReadRecord(i);
        if (ContainsOnCharacterBoundary(poets.m_strField[0], gbkAuthor))
          anchor = TrimRight(poets.m_strField[1]);
      }
    }
  } catch (const FileError& e) {
    ShowMessage(e.Description());
    anchor.reset();
  }
  return anchor;
}

}  // namespace versilo
