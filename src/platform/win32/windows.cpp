#include "platform/win32/windows.h"

#include "platform/win32/win32_api.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {
namespace {

constexpr int kTitleMax = static_cast<int>(kWindowTitleMax);

struct EnumState {
  std::vector<WindowHandle>* windows = nullptr;
  bool failed = false;
};

// EnumWindows calls back through the system: a failed append stops at the boundary, ends the
// enumeration and is kept in the state too.
BOOL CALLBACK CollectWindow(HWND window, LPARAM state) {
  auto* collect = reinterpret_cast<EnumState*>(state);
  if (RunAtBoundary(nullptr, [&] { collect->windows->push_back(FromHwnd(window)); })) return TRUE;
  collect->failed = true;
  return FALSE;
}

// The thread of `window`; 0 when the window is gone.
DWORD ThreadOf(HWND window) {
  return window ? ::GetWindowThreadProcessId(window, nullptr) : 0;
}

// Joins or separates the input of two threads; a thread is never joined to itself.
class AttachedInput {
 public:
  AttachedInput(DWORD from, DWORD to)
      : from_(from),
        to_(to),
        attached_(from != 0 && to != 0 && from != to && ::AttachThreadInput(from, to, TRUE)) {}
  AttachedInput(const AttachedInput&) = delete;
  AttachedInput& operator=(const AttachedInput&) = delete;
  ~AttachedInput() {
    if (attached_) static_cast<void>(::AttachThreadInput(from_, to_, FALSE));
  }

 private:
  DWORD from_;
  DWORD to_;
  bool attached_;
};

}  // namespace

Win32Windows::Win32Windows(WindowHandle mainWindow, ForegroundPath path)
    : mainWindow_(mainWindow), path_(path), version_(QuerySystemVersion()) {}

WindowHandle Win32Windows::FindByExactTitle(std::string_view title) {
  const std::string text(title);
  // A title holding a NUL would be searched cut short: it names no window.
  if (text.find('\0') != std::string::npos) return 0;
  return FromHwnd(::FindWindowA(nullptr, text.c_str()));
}

std::vector<WindowHandle> Win32Windows::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumState state{&windows, false};
  // EnumWindows gives no reliable failure sign of its own (FALSE also follows a callback that
  // stopped early); a failed append empties the list rather than hand out part of it.
  static_cast<void>(::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state)));
  if (state.failed) windows.clear();
  return windows;
}

std::string Win32Windows::Title(WindowHandle window) {
  if (window == 0) return {};
  std::array<char, kTitleMax + 1> buffer{};
  const int length = ::GetWindowTextA(ToHwnd(window), buffer.data(), kTitleMax + 1);
  if (length <= 0) return {};
  // The text ends at its NUL whatever length was answered.
  const std::size_t size = ::strnlen(buffer.data(), static_cast<std::size_t>(kTitleMax));
  return std::string(buffer.data(), std::min(size, static_cast<std::size_t>(length)));
}

WindowHandle Win32Windows::Foreground() {
  return FromHwnd(::GetForegroundWindow());
}

WindowHandle Win32Windows::Parent(WindowHandle window) {
  if (window == 0) return 0;
  return FromHwnd(::GetParent(ToHwnd(window)));
}

std::uint32_t Win32Windows::ProcessOf(WindowHandle window) {
  if (window == 0) return 0;
  DWORD processId = 0;
  if (::GetWindowThreadProcessId(ToHwnd(window), &processId) == 0) return 0;
  return processId;
}

bool Win32Windows::IsIconic(WindowHandle window) {
  return window != 0 && ::IsIconic(ToHwnd(window)) != FALSE;
}

Rect Win32Windows::WindowRect(WindowHandle window) {
  RECT rect{};
  if (window == 0 || !::GetWindowRect(ToHwnd(window), &rect)) return {};
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Windows::ShowWindow(WindowHandle window, int command) {
  // The result is the earlier visibility, not success or failure.
  if (window != 0) static_cast<void>(::ShowWindow(ToHwnd(window), command));
}

void Win32Windows::SetWindowPos(WindowHandle window, int x, int y, int width, int height,
                                std::uint32_t flags) {
  // A window that refuses (or is gone) stays as it is; the macro goes on.
  if (window != 0) {
    static_cast<void>(::SetWindowPos(ToHwnd(window), nullptr, x, y, width, height, flags));
  }
}

void Win32Windows::PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  // Window 0 would post to this program's own thread (a WM_QUIT there would end the program).
  if (window == 0) return;
  static_cast<void>(::PostMessageA(ToHwnd(window), message, wParam, lParam));
}

void Win32Windows::SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) {
  if (window == 0) return;
  // The answer depends on the message; the window tags only need it handled.
  static_cast<void>(::SendMessageA(ToHwnd(window), message, wParam, lParam));
}

namespace {

// The top-level window of a control; the window itself when it is one (or when it has gone).
HWND RootOf(HWND window) {
  const HWND root = ::GetAncestor(window, GA_ROOT);
  return root != nullptr ? root : window;
}

}  // namespace

void Win32Windows::ForceForeground(WindowHandle window) {
  if (window == 0) return;
  bool attached = path_ == ForegroundPath::AttachedInput;
  if (path_ == ForegroundPath::Automatic) attached = version_.NeedsAttachedForeground();
  if (attached) {
    static_cast<void>(ForceByAttachedInput(window));
    return;
  }
  // The target is often the control that had the focus (a hotkey's focus window): the system
  // brings only top-level windows to the front, and gives the focus back to the control itself.
  const BOOL accepted = ::SetForegroundWindow(RootOf(ToHwnd(window)));
  if (path_ == ForegroundPath::SetForegroundOnly) return;
  // Since Windows 2000 the system may refuse a program that is not in front and only flash
  // the window's button; joining the input of the thread in front lifts that lock.
  if (accepted && WaitUntilInFront(window, kForegroundSettleMs)) return;
  if (ForceByAttachedInput(window)) {
    static_cast<void>(WaitUntilInFront(window, kForegroundSettleMs));
  }
}

bool Win32Windows::ForceByAttachedInput(WindowHandle window) {
  const HWND target = ToHwnd(window);
  const DWORD ourThread = mainWindow_ != 0 ? ThreadOf(ToHwnd(mainWindow_)) : 0;
  const DWORD mainThread = ourThread != 0 ? ourThread : ::GetCurrentThreadId();
  const DWORD frontThread = ThreadOf(::GetForegroundWindow());
  const DWORD targetThread = ThreadOf(target);
  // Our thread joins the one in front; the target's joins ours unless it is one of our own
  // windows. The destructors separate them again, the later join first.
  AttachedInput toFront(mainThread, frontThread);
  AttachedInput toMain(targetThread, mainThread);
  // SetFocus answers the window that had the focus, or nothing when there was none.
  static_cast<void>(::SetFocus(target));
  return ::SetForegroundWindow(RootOf(target)) != FALSE;
}

bool Win32Windows::WaitUntilInFront(WindowHandle window, std::uint32_t timeoutMs) {
  const HWND target = ToHwnd(window);
  const HWND root = ::GetAncestor(target, GA_ROOT);
  const DWORD start = ::GetTickCount();
  for (;;) {
    const HWND front = ::GetForegroundWindow();
    if (front != nullptr && (front == target || front == root)) return true;
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::Sleep(10);
  }
}

void Win32Windows::SetForegroundWindow(WindowHandle window) {
  if (window != 0) static_cast<void>(::SetForegroundWindow(ToHwnd(window)));
}

void Win32Windows::SetActiveWindow(WindowHandle window) {
  if (window != 0) static_cast<void>(::SetActiveWindow(ToHwnd(window)));
}

void Win32Windows::SetFocus(WindowHandle window) {
  if (window != 0) static_cast<void>(::SetFocus(ToHwnd(window)));
}

}  // namespace quindle::platform::win32
