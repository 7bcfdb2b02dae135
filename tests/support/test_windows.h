// Real top-level windows for the tests of the Win32 layer: a window class of their own, titles
// made unique per process (other programs under the same Wine server may show windows too),
// and a record of the messages each window received.
#pragma once

#include "platform/win32/win32_api.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window_handle.h"

namespace quindle::platform::win32::testing {

inline constexpr UINT kTestMessage = WM_APP + 17;

class TestWindows {
 public:
  TestWindows() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TestWindows::Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    registered_ =
        ::RegisterClassA(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  TestWindows(const TestWindows&) = delete;
  TestWindows& operator=(const TestWindows&) = delete;
  ~TestWindows() {
    windows_.clear();
    // The class stays registered when another TestWindows still has windows of it.
    static_cast<void>(::UnregisterClassA(kClassName, ::GetModuleHandleA(nullptr)));
  }

  bool Registered() const { return registered_; }

  // Wine creates windows only with an X display. Without one (DISPLAY unset) window tests have
  // nothing to run on; with one, a window that cannot be made is a failure.
  bool WindowsUnavailable() {
    HWND probe = Create("probe");
    if (probe) {
      windows_.pop_back();
      return false;
    }
    char display[8] = {};
    return ::GetEnvironmentVariableA("DISPLAY", display, sizeof display) == 0;
  }

  // `title` gets a suffix that no other process uses. Hidden unless `visible`.
  HWND Create(const std::string& title, bool visible = false, HWND parent = nullptr) {
    const DWORD style = parent ? WS_CHILD : WS_OVERLAPPEDWINDOW;
    HWND window = ::CreateWindowExA(0, kClassName, title.c_str(), style, 100, 100, 300, 200, parent,
                                    nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    // The procedure finds the record through the window; 0 before is the only earlier value.
    ::SetLastError(0);
    if (::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)) == 0 &&
        ::GetLastError() != 0) {
      static_cast<void>(::DestroyWindow(window));
      return nullptr;
    }
    if (visible) static_cast<void>(::ShowWindow(window, SW_SHOW));
    windows_.emplace_back(window);
    return window;
  }

  // The wParam of every kTestMessage that one of these windows received, in order.
  const std::vector<std::uintptr_t>& Received() const { return received_; }
  // The characters (WM_CHAR) typed into any of these windows, in order.
  const std::string& Typed() const { return typed_; }

  static std::string Unique(const std::string& title) {
    return title + " [" + std::to_string(::GetCurrentProcessId()) + "]";
  }

 private:
  static constexpr const char* kClassName = "QuindleWin32TestWindow";

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
      auto* self = reinterpret_cast<TestWindows*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self) self->typed_ += static_cast<char>(wParam);
      return 0;
    }
    if (message == kTestMessage) {
      auto* self = reinterpret_cast<TestWindows*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
      if (self) self->received_.push_back(wParam);
      return 1;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }

  bool registered_ = false;
  std::vector<std::uintptr_t> received_;
  std::string typed_;
  std::vector<WindowOwner> windows_;
};

// Polls `condition` every few milliseconds, pumping this thread's messages, for up to
// `limitMs`.
inline bool PollFor(const std::function<bool()>& condition, DWORD limitMs = 5000) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      static_cast<void>(::TranslateMessage(&message));
      static_cast<void>(::DispatchMessageA(&message));
    }
    if (condition()) return true;
    if (::GetTickCount() - start >= limitMs) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace quindle::platform::win32::testing
