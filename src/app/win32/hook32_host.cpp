#include "app/win32/hook32_host.h"

#include "platform/win32/win32_api.h"

#include <string_view>
#include <vector>

#include "hooklib/hook_host.h"
#include "platform/win32/file_ops.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::KernelHandle;

// For a debugger: nothing of this is the user's concern. Never throws, as Stop may call it.
void Note(std::string_view what, const std::string& path) noexcept {
  const DWORD error = ::GetLastError();
  try {
    const std::string text = "Quindle 98: 32-bit hooks: " + std::string(what) + " (" + path +
                             ", error " + std::to_string(error) + ")\n";
    ::OutputDebugStringA(text.c_str());
  } catch (...) {
    ::OutputDebugStringA("Quindle 98: 32-bit hooks: a note could not be made\n");
  }
}

}  // namespace

Hook32Host::Hook32Host(const std::string& programDir)
    : path_(programDir + "\\" + std::string(hooklib::kHookHostFolder) + "\\" +
            std::string(hooklib::kHookHostProgram)) {}

bool Hook32Host::Start() {
  static_cast<void>(Stop());
  if constexpr (sizeof(void*) == 4) return false;
  if (!platform::win32::FileExists(path_)) {
    Note("no host, so 32-bit programs get no hooks", path_);
    return false;
  }
  const DWORD self = ::GetCurrentProcessId();
  const std::string eventName = hooklib::HostStopEventName(self);
  stopEvent_.Reset(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
  if (!stopEvent_) {
    Note("the stop event could not be made", path_);
    return false;
  }
  // A host of this process that was stopped before has already seen the event set.
  if (::ResetEvent(stopEvent_.Get()) == FALSE) {
    Note("the stop event could not be reset", path_);
    stopEvent_.Reset();
    return false;
  }
  const std::string commandLine = "\"" + path_ + "\" " + hooklib::HostArguments(self);
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (::CreateProcessA(path_.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started) == FALSE) {
    Note("the host could not be started", path_);
    stopEvent_.Reset();
    return false;
  }
  process_.Reset(started.hProcess);
  const KernelHandle thread(started.hThread);
  return true;
}

bool Hook32Host::Stop() noexcept {
  if (!process_) {
    stopEvent_.Reset();
    return true;
  }
  // Without the event the host is ended by force: its hooks go with its thread.
  const bool signalled = stopEvent_ && ::SetEvent(stopEvent_.Get()) != FALSE;
  const bool ended =
      signalled && ::WaitForSingleObject(process_.Get(), kStopWaitMs) == WAIT_OBJECT_0;
  if (!ended && (::TerminateProcess(process_.Get(), 1) == FALSE ||
                 ::WaitForSingleObject(process_.Get(), kStopWaitMs) != WAIT_OBJECT_0)) {
    Note("the host did not end", path_);
  }
  process_.Reset();
  stopEvent_.Reset();
  return ended;
}

bool Hook32Host::Running() const noexcept {
  return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace quindle::app::win32
