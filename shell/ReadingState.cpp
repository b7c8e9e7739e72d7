#include "shell/ReadingState.h"

#include <cstdio>

#include "base/Gbk.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/GbkText.h"

namespace versilo {

namespace texts = catalogue_texts;

std::string ReadingState::StatusText(unsigned n) {
  if (n < 1 || n > kAnthologyPoems) return texts::kStatusNoPoem;
  char text[64];
  std::snprintf(text, sizeof text, texts::kStatusPoemFormat, n);
  return VERSILO_GBK(text);
}

void ReadingState::SetCurrentPoem(unsigned n) {
  m_nCurrentPoem = n;
  if (m_statusListener) m_statusListener(StatusText(n));
}

void ReadingState::SetCurrentAuthor(const std::string& gbkAuthor) {
  // Like every text of the reader, the name ends at its first NUL byte.
  const std::string_view name(
      gbkAuthor.data(), gbkAuthor.find('\0') == std::string::npos ? gbkAuthor.size() : gbkAuthor.find('\0'));
  m_strCurrentAuthor = CutGbk(name, kAuthorLimit);
}

}  // namespace versilo
