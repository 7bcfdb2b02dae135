// The status file through which the end-to-end test programs (LOCKHOLD, EMPTYHOOKS) tell the
// harness what they have done, and the file beside it through which the harness lets them go.
#pragma once

#include <windows.h>

#include <string>

namespace quindle::e2etools {

// Appends one line; the file is closed after it so the harness can read it at once.
inline bool AppendStatusLine(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string line = text + "\r\n";
  DWORD written = 0;
  const bool ok =
      WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
      written == line.size();
  CloseHandle(file);
  return ok;
}

// "error WHAT CODE", CODE being the last error of the step that failed.
inline std::string FailureText(const char* what) {
  return std::string("error ") + what + " " + std::to_string(GetLastError());
}

// True once the harness has made STATUSFILE.release.
inline bool ReleaseAsked(const std::string& statusPath) {
  return GetFileAttributesA((statusPath + ".release").c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace quindle::e2etools
