// Drives a modal dialog from the test's own thread: a thread timer, dispatched by the dialog's
// modal loop, polls for the dialog, looks at it and answers it, so that the modal call returns.
// Shared by the tests of every dialog.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <string>

namespace quindle::platform::win32::testing {

// Calls `tick` every few milliseconds on this thread while `modal` runs, until `tick` returns
// true. When the limit runs out, `rescue` closes what is open so the test fails instead of
// hanging. Returns false on time-out.
class Driver {
 public:
  static constexpr DWORD kLimitMs = 20000;
  static constexpr UINT kTickMs = 25;

  static bool Run(const std::function<bool()>& tick, const std::function<void()>& rescue,
                  const std::function<void()>& modal) {
    Driver driver{tick, rescue};
    current_ = &driver;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kTickMs, &Driver::Tick);
    if (timer == 0) {
      current_ = nullptr;
      return false;
    }
    modal();
    static_cast<void>(::KillTimer(nullptr, timer));
    current_ = nullptr;
    return driver.done_ && !driver.timedOut_;
  }

 private:
  Driver(const std::function<bool()>& tick, const std::function<void()>& rescue)
      : tick_(tick), rescue_(rescue), start_(::GetTickCount()) {}

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Driver* self = current_;
    // A tick that opened a nested modal loop is not re-entered by the next one.
    if (self == nullptr || self->inTick_) return;
    self->inTick_ = true;
    if (!self->done_) {
      if (::GetTickCount() - self->start_ > kLimitMs) {
        self->timedOut_ = true;
        self->done_ = true;
        self->rescue_();
      } else {
        self->done_ = self->tick_();
      }
    } else {
      self->rescue_();  // the modal call should have returned by now; keep closing
    }
    self->inTick_ = false;
  }

  static inline Driver* current_ = nullptr;
  const std::function<bool()>& tick_;
  const std::function<void()>& rescue_;
  DWORD start_;
  bool done_ = false;
  bool timedOut_ = false;
  bool inTick_ = false;
};

inline void EndIfOpen(const char* caption) {
  HWND window = ::FindWindowA(nullptr, caption);
  if (window != nullptr) static_cast<void>(::EndDialog(window, IDCANCEL));
}

inline HWND FindShown(const char* caption) {
  HWND window = ::FindWindowA(nullptr, caption);
  return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

inline std::string TextOf(HWND window) {
  char buffer[512] = {};
  const int length = ::GetWindowTextA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace quindle::platform::win32::testing
