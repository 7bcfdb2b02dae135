// Which names "&Open File" and "&New File" take for a macro file, and their messages.
#pragma once

#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kInvalidFileType = "Invalid file type selected.";
inline constexpr std::string_view kFileDoesNotExist = "File does not exist.";

// A macro file's name ends in ".QNL", in any case, after at least one character.
bool IsMacroFileName(std::string_view path) noexcept;

}  // namespace quindle::app
