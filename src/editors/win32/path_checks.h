// The file system as the command dialogs test typed paths: the short (8.3) form of a path, and
// whether a file or a directory exists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors::win32 {

class Win32PathChecks final : public IPathChecks {
 public:
  // GetShortPathNameA; nothing when the path does not exist, cannot be shortened, is empty or
  // holds a NUL (which would name another path).
  std::optional<std::string> ShortPath(std::string_view path) override;
  // An existing path that is not a directory.
  bool FileExists(std::string_view path) override;
  // An existing directory. Asked through its attributes rather than by changing into it and
  // back: the answer is the same, and the program's current directory, which the macros'
  // "Change Directory/Folder" commands set, is never touched by a test.
  bool DirectoryExists(std::string_view path) override;
};

}  // namespace quindle::editors::win32
