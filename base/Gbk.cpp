#include "base/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace versilo {
namespace {

// One iconv descriptor per direction, opened on first use. The reader runs
// its conversions on the user-interface thread only; the tools are single
// threaded too, so the descriptors are shared per thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts a whole text; returns false at the first unconvertible input,
  // with *failedAt set to its offset.
  bool Convert(std::string_view in, std::string* out, size_t* failedAt) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out->clear();
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    std::vector<char> buffer(in.size() * 4 + 16);
    while (true) {
      char* dst = buffer.data();
      size_t dstLeft = buffer.size();
      size_t r = iconv(cd_, srcLeft ? &src : nullptr, &srcLeft, &dst, &dstLeft);
      out->append(buffer.data(), buffer.size() - dstLeft);
      if (r != static_cast<size_t>(-1)) {
        if (srcLeft == 0) return true;
        continue;
      }
      if (errno == E2BIG) continue;
      if (failedAt) *failedAt = in.size() - srcLeft;
      return false;
    }
  }

 private:
  iconv_t cd_;
};

Converter& ToGbk() {
  thread_local Converter c("GBK", "UTF-8");
  return c;
}
Converter& FromGbk() {
  thread_local Converter c("UTF-8", "GBK");
  return c;
}
Converter& Utf8To16() {
  thread_local Converter c("UTF-16LE", "UTF-8");
  return c;
}

// Converts GBK piecewise: valid runs through iconv, invalid bytes through
// the given callback. Keeps a damaged text readable instead of losing it.
template <typename InvalidByte>
std::string DecodeGbk(std::string_view gbk, InvalidByte onInvalid) {
  std::string out;
  std::string piece;
  size_t i = 0;
  while (i < gbk.size()) {
    size_t start = i;
    while (i < gbk.size()) {
      int len = GbkCharLength(gbk, i);
      if (len == 0) break;
      i += len;
    }
    if (i > start) {
      if (FromGbk().Convert(gbk.substr(start, i - start), &piece, nullptr)) {
        out += piece;
      } else {
        // A pair that is well formed but unassigned: convert the run
        // character by character, so only that pair is lost.
        for (size_t k = start; k < i;) {
          const size_t len = static_cast<size_t>(GbkCharLength(gbk, k));
          std::string one;
          if (FromGbk().Convert(gbk.substr(k, len), &one, nullptr)) {
            out += one;
          } else {
            for (size_t b = k; b < k + len; ++b) onInvalid(static_cast<unsigned char>(gbk[b]), &out);
          }
          k += len;
        }
      }
    }
    if (i < gbk.size()) {
      onInvalid(static_cast<unsigned char>(gbk[i]), &out);
      ++i;
    }
  }
  return out;
}

}  // namespace

int GbkCharLength(std::string_view text, size_t i) {
  auto b = static_cast<unsigned char>(text[i]);
  if (b < 0x80) return 1;
  if (b == 0x80 || b == 0xFF || i + 1 >= text.size()) return 0;
  auto t = static_cast<unsigned char>(text[i + 1]);
  if (t < 0x40 || t == 0x7F || t == 0xFF) return 0;
  return 2;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  size_t failedAt = 0;
  if (!ToGbk().Convert(utf8, &out, &failedAt)) {
    size_t end = failedAt + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    throw std::invalid_argument("character \"" + std::string(utf8.substr(failedAt, end - failedAt)) +
                                "\" has no GBK form");
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  if (FromGbk().Convert(gbk, &out, nullptr)) return out;
  return DecodeGbk(gbk, [](unsigned char, std::string* o) { *o += "\xEF\xBF\xBD"; });
}

std::string GbkToUtf8Escaped(std::string_view gbk) {
  return DecodeGbk(gbk, [](unsigned char b, std::string* o) {
    static const char* hex = "0123456789ABCDEF";
    *o += "\\x";
    *o += hex[b >> 4];
    *o += hex[b & 15];
  });
}

std::u16string GbkToUtf16(std::string_view gbk) {
  std::string bytes;
  std::string utf8 = GbkToUtf8(gbk);
  Utf8To16().Convert(utf8, &bytes, nullptr);
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t k = 0; k < out.size(); ++k)
    out[k] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * k]) |
                                   (static_cast<unsigned char>(bytes[2 * k + 1]) << 8));
  return out;
}

}  // namespace versilo
