// Files and clipboard readings for the tests of the Win32 layer.
#pragma once

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/win32_api.h"

namespace quindle::platform::win32::testing {

// A folder of its own under the temporary folder, emptied and removed at the end.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(MAX_PATH, base);
    if (length == 0 || length > MAX_PATH) return;
    path_ = std::string(base) + "qnl_win32_" + std::to_string(::GetCurrentProcessId()) + "_" +
            std::to_string(::GetTickCount());
    if (!::CreateDirectoryA(path_.c_str(), nullptr)) path_.clear();
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    if (path_.empty()) return;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") ::DeleteFileA((path_ + "\\" + name).c_str());
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(path_.c_str());
  }
  bool Ok() const { return !path_.empty(); }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline bool WriteWholeFile(const std::string& path, const std::string& content) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  return ::CloseHandle(file) && ok && written == content.size();
}

inline bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline std::string ClipboardText() {
  ClipboardSession clipboard;
  if (!clipboard.Open(nullptr)) return "<cannot open>";
  HANDLE data = ::GetClipboardData(CF_TEXT);
  if (!data) return "<no text>";
  const GlobalLockScope lock(data);
  if (!lock) return "<cannot lock>";
  return std::string(static_cast<const char*>(lock.Get()));
}

}  // namespace quindle::platform::win32::testing
