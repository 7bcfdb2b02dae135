#include "platform/win32/file_ops.h"

#include "platform/win32/win32_api.h"

#include "platform/std_file_io.h"

namespace quindle::platform::win32 {
namespace {

// Long path names go up to 32767 characters.
constexpr DWORD kLargestPath = 32768;

std::optional<std::string> PathText(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) return std::nullopt;
  return std::string(path);
}

}  // namespace

bool Win32FileOps::ChangeDirectory(std::string_view path) {
  const std::optional<std::string> text = PathText(path);
  return text && ::SetCurrentDirectoryA(text->c_str()) != FALSE;
}

bool Win32FileOps::DeleteFile(std::string_view path) {
  const std::optional<std::string> text = PathText(path);
  return text && ::DeleteFileA(text->c_str()) != FALSE;
}

bool Win32FileOps::CopyFile(std::string_view source, std::string_view target) {
  const std::optional<std::string> from = PathText(source);
  const std::optional<std::string> to = PathText(target);
  // The last argument FALSE: an existing target is replaced.
  return from && to && ::CopyFileA(from->c_str(), to->c_str(), FALSE) != FALSE;
}

bool Win32FileOps::MoveFile(std::string_view from, std::string_view to) {
  const std::optional<std::string> oldName = PathText(from);
  const std::optional<std::string> newName = PathText(to);
  return oldName && newName && ::MoveFileA(oldName->c_str(), newName->c_str()) != FALSE;
}

std::optional<std::string> Win32FileOps::ReadFile(std::string_view path, std::size_t limit) {
  if (!PathText(path)) return std::nullopt;
  StdBinaryFiles files;
  return ReadWholeFile(files, path, limit);
}

std::string ProgramDirectory() {
  for (DWORD size = MAX_PATH + 1; size <= kLargestPath; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return {};
    // A full buffer means the name was cut (older systems do not even terminate it).
    if (length >= size) continue;
    buffer.resize(length);
    const std::size_t slash = buffer.find_last_of("\\/");
    if (slash == std::string::npos) return {};
    buffer.resize(slash);
    return buffer;
  }
  return {};
}

std::string PathInFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  path += name;
  return path;
}

std::string SystemDirectory() {
  for (UINT size = MAX_PATH + 1; size <= kLargestPath; size *= 2) {
    std::string buffer(size, '\0');
    const UINT length = ::GetSystemDirectoryA(buffer.data(), size);
    if (length == 0) return {};
    // A buffer too small is answered with the size needed, terminator included.
    if (length >= size) continue;
    buffer.resize(length);
    return buffer;
  }
  return {};
}

std::string SystemLibraryPath(std::string_view library) {
  const std::string folder = SystemDirectory();
  if (folder.empty() || library.empty()) return {};
  return PathInFolder(folder, library);
}

ModuleHandle LoadSystemLibrary(std::string_view library) {
  const std::string path = SystemLibraryPath(library);
  if (path.empty() || path.find('\0') != std::string::npos) return ModuleHandle();
  return ModuleHandle(::LoadLibraryA(path.c_str()));
}

bool FileExists(std::string_view path) {
  const std::optional<std::string> text = PathText(path);
  if (!text || text->empty()) return false;
  const DWORD attributes = ::GetFileAttributesA(text->c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace quindle::platform::win32
