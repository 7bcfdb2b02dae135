#include "storage/cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace quindle::storage {
namespace {

// Bytes 0x80..0x9F; every other byte is the code point of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char byte) noexcept {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80u] : char32_t{byte};
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // Nothing in Windows-1252 lies beyond the Basic Multilingual Plane.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The byte for a code point, or -1 when Windows-1252 has none.
int FromCodePoint(char32_t cp) noexcept {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence at `at`; returns its length, or 0 when it is malformed (truncated,
// overlong, a surrogate or beyond U+10FFFF).
std::size_t DecodeOne(std::string_view s, std::size_t at, char32_t& cp) noexcept {
  const auto lead = static_cast<unsigned char>(s[at]);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1Fu, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0Fu, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07u, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(s[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

Cp1252Conversion Utf8ToCp1252(std::string_view utf8) {
  Cp1252Conversion result;
  result.text.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    char32_t cp = 0;
    const std::size_t length = DecodeOne(utf8, at, cp);
    const int byte = length == 0 ? -1 : FromCodePoint(cp);
    if (byte < 0) {
      result.ok = false;
      result.errorOffset = at;
      if (length == 0) {
        result.problem = "invalid UTF-8";
        result.error = result.problem + " at byte " + std::to_string(at);
      } else {
        char hex[16];
        std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
        result.problem = "character " + std::string(hex) + " has no Windows-1252 form";
        result.error = "character " + std::string(hex) + " at byte " + std::to_string(at) +
                       " has no Windows-1252 form";
      }
      result.text.clear();
      return result;
    }
    result.text += static_cast<char>(byte);
    at += length;
  }
  return result;
}

}  // namespace quindle::storage
