// The text helpers every layer shares: upper case of the letters a..z (as titles, program names,
// command-line switches and settings are compared) and the trimming of both ends of a text.
#pragma once

#include <string>
#include <string_view>

namespace quindle::platform {

// Upper case of one character: a..z become A..Z, every other byte (accented letters too) stays.
// Allocation-free, so the hook library uses it inside other programs.
constexpr char UpperAToZ(char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The same for a whole text.
std::string UpperAToZ(std::string_view text);

// The blanks of a command line or a settings value: space and tab.
inline constexpr std::string_view kBlanks = " \t";
constexpr bool IsBlank(char c) noexcept {
  return c == ' ' || c == '\t';
}

// `text` without the characters of `characters` at either end.
std::string_view Trim(std::string_view text, std::string_view characters) noexcept;

// `text` without spaces and control characters (bytes 0..32) at either end.
std::string_view TrimSpacesAndControls(std::string_view text) noexcept;

}  // namespace quindle::platform
