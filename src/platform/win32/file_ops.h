// The file tags' operations on Win32; whole-file reads go through the one reader of
// platform/file_io.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32FileOps final : public IFileOps {
 public:
  // Each answers false when the system refuses, and for a path holding a NUL character (which
  // would name a different file).
  bool ChangeDirectory(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view source, std::string_view target) override;
  bool MoveFile(std::string_view from, std::string_view to) override;
  std::optional<std::string> ReadFile(std::string_view path, std::size_t limit) override;
};

// The directory of the running program, without a trailing backslash (a drive root gives "C:").
// Empty when the system cannot tell the program's path.
std::string ProgramDirectory();

// True for an existing file; false for a directory, a missing path or a name holding a NUL.
bool FileExists(std::string_view path);

}  // namespace quindle::platform::win32
