// Macro texts and names are Windows-1252 bytes; the terminal and test files speak UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quindle::storage {

// Every byte has a character: the five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, as Windows converts them.
std::string Cp1252ToUtf8(std::string_view text);

struct Cp1252Conversion {
  std::string text;  // the Windows-1252 bytes when `ok`
  bool ok = true;
  std::size_t errorOffset = 0;  // byte offset in the UTF-8 input of the first offending sequence
  std::string error;            // one line saying what is wrong there
  std::string problem;          // the same without the offset, for callers that say where
};

// The inverse of Cp1252ToUtf8. Fails on malformed UTF-8 and on a character that Windows-1252 lacks,
// since typing a different character than the one asked for would be worse than refusing.
Cp1252Conversion Utf8ToCp1252(std::string_view utf8);

}  // namespace quindle::storage
