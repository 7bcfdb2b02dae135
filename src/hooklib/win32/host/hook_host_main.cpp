// QNLHOOK32.EXE: the four hooks of the 32-bit QNLHOOK.DLL beside it, for a 64-bit QUINDL.EXE
// whose own library cannot run in 32-bit programs. It shows nothing and removes every hook
// again when that program signals the stop event or ends, however it ends.
//
// The hooks go on each thread of the 32-bit programs, never on all threads at once: a hook for
// all threads comes first in every program's chain, and a system that cannot load a library of
// the other architecture (Wine) ends the chain there, so a 32-bit hook for all threads would
// cut the 64-bit hooks off from every 64-bit program. The top-level windows are looked at
// every kRescanMs to find new threads. The hook procedures find everything they need in the
// named blocks that QUINDL.EXE owns, and each passes its event on with CallNextHookEx, which
// ignores the handle it is given (the NT family, Wine), so the blocks keep QUINDL.EXE's own.
#include "platform/win32/win32_api.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "hooklib/hook_host.h"
#include "hooklib/win32/qnlhook.h"
#include "platform/win32/handles.h"

namespace {

using quindle::platform::win32::KernelHandle;

// Exit codes, for whoever looks at a host that ended early.
constexpr int kStopped = 0;
constexpr int kBadArguments = 2;
constexpr int kNoProgram = 3;
constexpr int kNoStopEvent = 4;
constexpr int kNoMemory = 6;

constexpr DWORD kRescanMs = 250;
// Threads and processes tracked at once; windows past that are left alone.
constexpr std::size_t kMaxEntries = 512;

// The order in which QUINDL.EXE installs its own: message retrieval, CBT, keyboard, mouse.
constexpr std::array<std::uint32_t, 4> kKinds{kQnlHookSwap, kQnlHookCbt, kQnlHookKeyboard,
                                              kQnlHookMouse};

struct HookedThread {
  DWORD thread = 0;  // 0: a free entry
  std::array<std::uint32_t, kKinds.size()> hooks{};
  bool seen = false;
};

// A process whose threads get no hooks: a 64-bit one, or one that could not be asked.
struct PassedProcess {
  DWORD process = 0;
  bool seen = false;
};

// The hooked threads of the 32-bit programs. Fixed tables: nothing is allocated after start.
class ThreadHooks {
 public:
  explicit ThreadHooks(DWORD ownProcess) noexcept : ownProcess_(ownProcess) {}
  ThreadHooks(const ThreadHooks&) = delete;
  ThreadHooks& operator=(const ThreadHooks&) = delete;
  ~ThreadHooks() {
    for (HookedThread& entry : threads_) Unhook(entry);
  }

  // Hooks the threads of the top-level windows not seen before, and unhooks the threads that
  // no longer have one (an ended thread's hooks have gone with it).
  void Rescan() noexcept {
    for (HookedThread& entry : threads_) entry.seen = false;
    for (PassedProcess& entry : passed_) entry.seen = false;
    static_cast<void>(::EnumWindows(&ThreadHooks::Visit, reinterpret_cast<LPARAM>(this)));
    for (HookedThread& entry : threads_) {
      if (entry.thread != 0 && !entry.seen) Unhook(entry);
    }
    for (PassedProcess& entry : passed_) {
      if (!entry.seen) entry.process = 0;
    }
  }

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self) noexcept {
    reinterpret_cast<ThreadHooks*>(self)->Take(window);
    return TRUE;
  }

  void Take(HWND window) noexcept {
    DWORD process = 0;
    const DWORD thread = ::GetWindowThreadProcessId(window, &process);
    if (thread == 0 || process == ownProcess_) return;
    HookedThread* free = nullptr;
    for (HookedThread& entry : threads_) {
      if (entry.thread == thread) {
        entry.seen = true;
        return;
      }
      if (entry.thread == 0 && free == nullptr) free = &entry;
    }
    PassedProcess* freePassed = nullptr;
    for (PassedProcess& entry : passed_) {
      if (entry.process == process) {
        entry.seen = true;
        return;
      }
      if (entry.process == 0 && freePassed == nullptr) freePassed = &entry;
    }
    if (!Is32Bit(process)) {
      if (freePassed != nullptr) *freePassed = PassedProcess{process, true};
      return;
    }
    if (free == nullptr) return;
    free->thread = thread;
    free->seen = true;
    for (std::size_t i = 0; i < kKinds.size(); ++i)
      free->hooks[i] = QnlHookThread(kKinds[i], thread);
  }

  // A 32-bit program on 64-bit Windows runs under WOW64.
  static bool Is32Bit(DWORD process) noexcept {
    const KernelHandle handle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    BOOL wow64 = FALSE;
    return handle && ::IsWow64Process(handle.Get(), &wow64) != FALSE && wow64 != FALSE;
  }

  // In the opposite order of installation.
  static void Unhook(HookedThread& entry) noexcept {
    for (auto hook = entry.hooks.rbegin(); hook != entry.hooks.rend(); ++hook) {
      if (*hook != 0) static_cast<void>(QnlUnHook(*hook));
    }
    entry = HookedThread{};
  }

  DWORD ownProcess_;
  std::array<HookedThread, kMaxEntries> threads_{};
  std::array<PassedProcess, kMaxEntries> passed_{};
};

// Hooks new threads until the program ends or signals the stop event. The thread's messages are
// taken meanwhile, and a posted WM_QUIT stops the host too.
void Serve(ThreadHooks& hooks, HANDLE program, HANDLE stop) noexcept {
  const std::array<HANDLE, 2> ends{program, stop};
  for (;;) {
    hooks.Rescan();
    const DWORD woken = ::MsgWaitForMultipleObjects(static_cast<DWORD>(ends.size()), ends.data(),
                                                    FALSE, kRescanMs, QS_ALLINPUT);
    if (woken == WAIT_TIMEOUT) continue;
    // Either object, an abandoned wait or a failed one: all end the host.
    if (woken != WAIT_OBJECT_0 + ends.size()) return;
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      if (message.message == WM_QUIT) return;
      static_cast<void>(::TranslateMessage(&message));
      static_cast<void>(::DispatchMessageA(&message));
    }
  }
}

int Run(const char* arguments) {
  const std::optional<std::uint32_t> programId = quindle::hooklib::ParseHostProcessId(arguments);
  if (!programId) return kBadArguments;
  KernelHandle program(::OpenProcess(SYNCHRONIZE, FALSE, *programId));
  if (!program) return kNoProgram;
  const std::string stopName = quindle::hooklib::HostStopEventName(*programId);
  KernelHandle stop(::OpenEventA(SYNCHRONIZE, FALSE, stopName.c_str()));
  if (!stop) return kNoStopEvent;
  ThreadHooks hooks(::GetCurrentProcessId());
  Serve(hooks, program.Get(), stop.Get());
  return kStopped;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  try {
    return Run(arguments != nullptr ? arguments : "");
  } catch (...) {
    // Only the stop event's name is made, before any hook is installed.
    return kNoMemory;
  }
}
