#include "editors/win32/path_checks.h"

#include "platform/win32/win32_api.h"

#include <vector>

namespace quindle::editors::win32 {
namespace {

// The path as a C string, or nothing for one the system would read otherwise.
std::optional<std::string> SystemPath(std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
  return std::string(path);
}

std::optional<DWORD> AttributesOf(std::string_view path) {
  const std::optional<std::string> text = SystemPath(path);
  if (!text) return std::nullopt;
  const DWORD attributes = ::GetFileAttributesA(text->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

}  // namespace

std::optional<std::string> Win32PathChecks::ShortPath(std::string_view path) {
  const std::optional<std::string> text = SystemPath(path);
  if (!text) return std::nullopt;
  // The first call tells the size the short form needs, the terminating zero included; the
  // second fills the buffer and returns the length without it. A path that changed between the
  // two calls may need more: the answer is then larger than the buffer, and the call is made
  // again.
  DWORD needed = ::GetShortPathNameA(text->c_str(), nullptr, 0);
  for (int attempt = 0; attempt < 3 && needed != 0; ++attempt) {
    std::vector<char> buffer(needed);
    const DWORD length = ::GetShortPathNameA(text->c_str(), buffer.data(), needed);
    if (length == 0) return std::nullopt;
    if (length < needed) return std::string(buffer.data(), length);
    needed = length;
  }
  return std::nullopt;
}

bool Win32PathChecks::FileExists(std::string_view path) {
  const std::optional<DWORD> attributes = AttributesOf(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32PathChecks::DirectoryExists(std::string_view path) {
  const std::optional<DWORD> attributes = AttributesOf(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace quindle::editors::win32
