#pragma once
// Conversions between the GBK bytes the reader keeps and the UTF-8 / UTF-16
// the screen, the terminal and the speech engine want.
#include <string>
#include <string_view>

namespace versilo {

// UTF-8 to GBK. Throws std::invalid_argument naming the first character that
// has no GBK form, so the anthology compiler can point at it.
std::string Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte that does not start a valid GBK character becomes
// U+FFFD, so text from a damaged table still shows.
std::string GbkToUtf8(std::string_view gbk);

// GBK to UTF-8 for the command line: invalid bytes are written as \xHH.
std::string GbkToUtf8Escaped(std::string_view gbk);

// GBK to UTF-16 (host order), for the speech engine.
std::u16string GbkToUtf16(std::string_view gbk);

// Literal texts are written in UTF-8 in the sources and converted once.
// Use only for texts known to have a GBK form.
#define VERSILO_GBK(utf8) (::versilo::Utf8ToGbk(utf8))

// Length in bytes of the GBK character starting at text[i]: 1 for ASCII,
// 2 for a lead byte followed by a valid trail byte, 0 for an invalid byte.
int GbkCharLength(std::string_view text, size_t i);

}  // namespace versilo
