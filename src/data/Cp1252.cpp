// Windows-1252 <-> UTF-8.
#include "data/Cp1252.h"

#include <cstdint>
#include <cstdio>

namespace voro {

namespace {

// Code points of the bytes 0x80..0x9F; the others equal their byte value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePoint(unsigned char b) {
  return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : static_cast<char32_t>(b);
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

int byteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when invalid.
std::size_t decode(const std::string& text, std::size_t i, char32_t& cp) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char c = b(i);
  std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || i + len > text.size()) return 0;
  cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
  for (std::size_t k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  // Overlong forms are not valid UTF-8.
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF) return 0;
  return len;
}

}  // namespace

std::string cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) appendUtf8(out, codePoint(b));
  return out;
}

namespace {

std::string convert(const std::string& text, bool escapes) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    std::size_t len = decode(text, i, cp);
    if (len == 0) {
      out += '?';
      ++i;
      continue;
    }
    int code = byteOf(cp);
    if (code >= 0) {
      out += static_cast<char>(code);
    } else if (escapes) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(cp));
      out += buf;
    } else {
      out += '?';
    }
    i += len;
  }
  return out;
}

}  // namespace

std::optional<std::string> FuoriCp1252(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = 0;
    const std::size_t len = decode(text, i, cp);
    if (len == 0) return text.substr(i, 1);
    if (byteOf(cp) < 0) return text.substr(i, len);
    i += len;
  }
  return std::nullopt;
}

std::string utf8ToCp1252(const std::string& text) { return convert(text, false); }
std::string utf8ToCp1252Cad(const std::string& text) { return convert(text, true); }

int cp1252Code(const std::string& utf8Character) {
  char32_t cp = 0;
  if (utf8Character.empty() || decode(utf8Character, 0, cp) != utf8Character.size()) return -1;
  return byteOf(cp);
}

}  // namespace voro
