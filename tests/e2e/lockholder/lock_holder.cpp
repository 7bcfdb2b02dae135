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

#include "status_file.h"
#include "storage/macro_record.h"

namespace quindle::lockholder {
namespace {

constexpr DWORD kTakeLimitMs = 30000;
constexpr DWORD kReleasePollMs = 10;

// Every line ends in the tick it was written at.
bool Note(const std::string& path, const std::string& text) {
  return e2etools::AppendStatusLine(path, text + " " + std::to_string(GetTickCount()));
}

int Fail(const std::string& path, const char* what) {
  Note(path, e2etools::FailureText(what));
  return 1;
}

int Run(int argc, char** argv) {
  if (argc != 3) return 2;
  const DWORD holdMs = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10) * 1000);
  const std::string statusPath = argv[2];
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
  while (GetTickCount() - start < holdMs && !e2etools::ReleaseAsked(statusPath))
    Sleep(kReleasePollMs);
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
