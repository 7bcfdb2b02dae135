// The file tags' operations on Win32; whole-file reads go through the one reader of
// platform/file_io.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/system.h"
#include "platform/win32/handles.h"

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

// `name` in `folder`, with one backslash between them (none added after a folder that ends in a
// separator, such as a drive root "C:\\"); `name` alone for an empty folder.
std::string PathInFolder(std::string_view folder, std::string_view name);

// The system folder (GetSystemDirectoryA); empty when the system cannot tell.
std::string SystemDirectory();

// `library` loaded from the system folder by its full path, never by its bare name: a library
// of the same name in the program's folder or the current one is never loaded in its place.
// Empty when there is no system folder or no such library in it.
std::string SystemLibraryPath(std::string_view library);
ModuleHandle LoadSystemLibrary(std::string_view library);

// True for an existing file; false for a directory, a missing path or a name holding a NUL.
bool FileExists(std::string_view path);

}  // namespace quindle::platform::win32
