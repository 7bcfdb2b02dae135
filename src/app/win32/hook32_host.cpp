#include "app/win32/hook32_host.h"

#include "platform/win32/win32_api.h"

#include <atomic>
#include <string_view>
#include <utility>
#include <vector>

#include "hooklib/hook_host.h"
#include "platform/win32/file_ops.h"

namespace quindle::app::win32 {

using platform::win32::KernelHandle;

namespace {
// Where a start stands. The thread that makes the process and the owner each move it once from
// kStarting, and whoever moves it second knows that the other has finished with it.
enum LaunchState : int { kStarting, kMade, kFailed, kAbandoned };
}  // namespace

struct Hook32Host::Launch {
  std::string path;
  std::vector<char> commandLine;  // writable, as CreateProcessA wants it
  KernelHandle finished;          // manual reset: set once CreateProcessA has returned
  // The host's process: written by the thread before it leaves kStarting, read by the owner
  // only once it has seen kMade.
  KernelHandle process;
  std::atomic<int> state{kStarting};
};

namespace {

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

DWORD WINAPI MakeHostProcess(void* parameter) noexcept {
  const std::unique_ptr<std::shared_ptr<Hook32Host::Launch>> owned(
      static_cast<std::shared_ptr<Hook32Host::Launch>*>(parameter));
  Hook32Host::Launch& launch = **owned;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const bool made =
      ::CreateProcessA(launch.path.c_str(), launch.commandLine.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &started) != FALSE;
  if (!made) Note("the host could not be started", launch.path);
  launch.process.Reset(made ? started.hProcess : nullptr);
  const KernelHandle thread(made ? started.hThread : nullptr);
  int expected = kStarting;
  if (!launch.state.compare_exchange_strong(expected, made ? kMade : kFailed)) {
    // The owner stopped waiting for this start: nobody would ever stop this host.
    if (launch.process) static_cast<void>(::TerminateProcess(launch.process.Get(), 1));
    launch.process.Reset();
  }
  static_cast<void>(::SetEvent(launch.finished.Get()));
  return 0;
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
  auto launch = std::make_shared<Launch>();
  launch->path = path_;
  const std::string commandLine = "\"" + path_ + "\" " + hooklib::HostArguments(self);
  launch->commandLine.assign(commandLine.begin(), commandLine.end());
  launch->commandLine.push_back('\0');
  launch->finished.Reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  auto parameter = std::make_unique<std::shared_ptr<Launch>>(launch);
  const KernelHandle thread(
      launch->finished ? ::CreateThread(nullptr, 0, &MakeHostProcess, parameter.get(), 0, nullptr)
                       : nullptr);
  if (!thread) {
    Note("the host's start could not be begun", path_);
    stopEvent_.Reset();
    return false;
  }
  static_cast<void>(parameter.release());  // the thread's from here on
  launch_ = std::move(launch);
  return true;
}

bool Hook32Host::Started(unsigned waitMs) const noexcept {
  return launch_ && ::WaitForSingleObject(launch_->finished.Get(), waitMs) == WAIT_OBJECT_0 &&
         launch_->state.load() == kMade &&
         ::WaitForSingleObject(launch_->process.Get(), 0) == WAIT_TIMEOUT;
}

bool Hook32Host::Stop() noexcept {
  const std::shared_ptr<Launch> launch = std::exchange(launch_, nullptr);
  if (!launch) {
    stopEvent_.Reset();
    return true;
  }
  static_cast<void>(::WaitForSingleObject(launch->finished.Get(), kStopWaitMs));
  int expected = kStarting;
  if (launch->state.compare_exchange_strong(expected, kAbandoned)) {
    Note("the host did not start in time and is given up", path_);
    stopEvent_.Reset();
    return false;
  }
  if (expected != kMade) {
    stopEvent_.Reset();
    return true;
  }
  const HANDLE process = launch->process.Get();
  // Without the event the host is ended by force: its hooks go with its thread.
  const bool signalled = stopEvent_ && ::SetEvent(stopEvent_.Get()) != FALSE;
  const bool ended = signalled && ::WaitForSingleObject(process, kStopWaitMs) == WAIT_OBJECT_0;
  if (!ended && (::TerminateProcess(process, 1) == FALSE ||
                 ::WaitForSingleObject(process, kStopWaitMs) != WAIT_OBJECT_0)) {
    Note("the host did not end", path_);
  }
  launch->process.Reset();
  stopEvent_.Reset();
  return ended;
}

}  // namespace quindle::app::win32
