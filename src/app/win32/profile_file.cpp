#include "app/win32/profile_file.h"

#include "platform/win32/win32_api.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace quindle::app::win32 {
namespace {

// Buffers grow from this size; a value that fills one is read again with a larger one.
constexpr DWORD kFirstBuffer = 1024;
// Profile values are far shorter; beyond this the file is damaged and the value is cut.
constexpr DWORD kLargestBuffer = 1 << 20;

// The system's functions take zero-terminated text, so a NUL inside would cut the name short.
std::optional<std::string> ZeroTerminated(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return std::nullopt;
  return std::string(text);
}

}  // namespace

std::string ProfileFile::Read(std::string_view section, std::string_view key,
                              std::string_view fallback) {
  const std::optional<std::string> sectionText = ZeroTerminated(section);
  const std::optional<std::string> keyText = ZeroTerminated(key);
  const std::optional<std::string> fallbackText = ZeroTerminated(fallback);
  if (!sectionText || !keyText || !fallbackText) return std::string(fallback);
  for (DWORD size = kFirstBuffer;; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD copied =
        ::GetPrivateProfileStringA(sectionText->c_str(), keyText->c_str(), fallbackText->c_str(),
                                   buffer.data(), size, Target().c_str());
    // A value that fills the buffer up to its terminator may have been cut: read it again.
    if (copied + 1 < size || size >= kLargestBuffer) {
      buffer.resize(copied < size ? copied : size - 1);
      return buffer;
    }
  }
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::optional<std::string> sectionText = ZeroTerminated(section);
  const std::optional<std::string> keyText = ZeroTerminated(key);
  const std::optional<std::string> valueText = ZeroTerminated(value);
  if (!sectionText || !keyText || !valueText ||
      !::WritePrivateProfileStringA(sectionText->c_str(), keyText->c_str(), valueText->c_str(),
                                    Target().c_str())) {
    NoteWriteFailed();
  }
}

}  // namespace quindle::app::win32
