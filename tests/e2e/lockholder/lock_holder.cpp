// LOCKHOLD: a program that takes the shared macro table's mutex and keeps it, as a program hung
// while holding it would. The end-to-end scenarios use it to show that typing goes on meanwhile.
//
//   LOCKHOLD.EXE SECONDS STATUSFILE
//
// Waits for the mutex (up to 30 s), then writes "held TICK" to STATUSFILE, holds the mutex for
// SECONDS or until a file STATUSFILE.release appears, releases it and appends "released TICK".
// TICK is GetTickCount, the clock of TESTPAD's log. A failure is written as "error WHAT CODE".
// Exit status 0 once released, 1 on a failure, 2 on wrong arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "storage/macro_record.h"

namespace quindle::lockholder {
namespace {

constexpr DWORD kTakeLimitMs = 30000;
constexpr DWORD kReleasePollMs = 10;

// Appends one line; the file is closed after it so the harness can read it at once.
bool Note(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const std::string line = text + " " + std::to_string(GetTickCount()) + "\r\n";
  DWORD written = 0;
  const bool ok =
      WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
      written == line.size();
  CloseHandle(file);
  return ok;
}

int Fail(const std::string& path, const char* what) {
  Note(path, std::string("error ") + what + " " + std::to_string(GetLastError()));
  return 1;
}

bool ReleaseAsked(const std::string& releasePath) {
  return GetFileAttributesA(releasePath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int Run(int argc, char** argv) {
  if (argc != 3) return 2;
  const DWORD holdMs = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10) * 1000);
  const std::string statusPath = argv[2];
  const std::string releasePath = statusPath + ".release";
  HANDLE mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, storage::kTableMutexName);
  if (mutex == nullptr) return Fail(statusPath, "open");
  const DWORD taken = WaitForSingleObject(mutex, kTakeLimitMs);
  if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return Fail(statusPath, "wait");
  }
  if (!Note(statusPath, "held")) {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 1;
  }
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < holdMs && !ReleaseAsked(releasePath)) Sleep(kReleasePollMs);
  const bool released = ReleaseMutex(mutex) != FALSE;
  CloseHandle(mutex);
  if (!released) return Fail(statusPath, "release");
  return Note(statusPath, "released") ? 0 : 1;
}

}  // namespace
}  // namespace quindle::lockholder

int main(int argc, char** argv) {
  return quindle::lockholder::Run(argc, argv);
}
