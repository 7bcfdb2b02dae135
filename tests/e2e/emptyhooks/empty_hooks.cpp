// EMPTYHOOKS: installs EMPTYHOOK.DLL's procedure, which only passes events on, as system-wide
// hooks of the kinds QUINDL installs.
//
//   EMPTYHOOKS.EXE STATUSFILE KINDS
//
// KINDS holds a letter for each hook: k keyboard, m mouse, g message retrieval, c CBT (QUINDL
// installs "kmc", and "g" too while a key remap is in use). Writes "hooked" to STATUSFILE once
// all are installed, keeps them until a file
// STATUSFILE.release appears, then removes them and appends "released". A failure is written as
// "error WHAT CODE". Exit status 0 once released, 1 on a failure, 2 on wrong arguments.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "status_file.h"

namespace quindle::emptyhooks {
namespace {

constexpr DWORD kReleasePollMs = 10;

int Fail(const std::string& path, const char* what) {
  e2etools::AppendStatusLine(path, e2etools::FailureText(what));
  return 1;
}

int Run(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string statusPath = argv[1];
  std::vector<int> kinds;
  for (const char* letter = argv[2]; *letter != '\0'; ++letter) {
    const char* const kLetters = "kmgc";
    const int kKinds[] = {WH_KEYBOARD, WH_MOUSE, WH_GETMESSAGE, WH_CBT};
    const char* found = std::strchr(kLetters, *letter);
    if (found == nullptr) return 2;
    kinds.push_back(kKinds[found - kLetters]);
  }
  HMODULE library = LoadLibraryA("EMPTYHOOK.DLL");
  if (library == nullptr) return Fail(statusPath, "load");
  const auto procedure = platform::win32::LookupFunction<HOOKPROC>(library, "EmptyHook");
  if (procedure == nullptr) return Fail(statusPath, "procedure");
  std::vector<HHOOK> hooks;
  int result = 0;
  for (int kind : kinds) {
    if (result != 0) break;
    hooks.push_back(SetWindowsHookExA(kind, procedure, library, 0));
    if (hooks.back() == nullptr) result = Fail(statusPath, "hook");
  }
  if (result == 0 && !e2etools::AppendStatusLine(statusPath, "hooked")) result = 1;
  while (result == 0 && !e2etools::ReleaseAsked(statusPath)) Sleep(kReleasePollMs);
  for (HHOOK hook : hooks)
    if (hook != nullptr && !UnhookWindowsHookEx(hook) && result == 0)
      result = Fail(statusPath, "unhook");
  if (result == 0) e2etools::AppendStatusLine(statusPath, "released");
  return result;
}

}  // namespace
}  // namespace quindle::emptyhooks

int main(int argc, char** argv) {
  return quindle::emptyhooks::Run(argc, argv);
}
