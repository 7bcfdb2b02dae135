// The edge between the system and the program's own code. Window and dialog procedures and the
// callbacks of EnumWindows and its kin are called from the system's frames, which an exception
// must never unwind through: it would skip the system's own clean-up and end the program. Every
// such procedure runs its work through RunAtBoundary, which stops a failure there, tells the
// user once and lets the procedure give the system a safe answer.
#pragma once

#include "platform/win32/win32_api.h"

#include <exception>
#include <utility>

namespace quindle::platform::win32 {

// Tells the user about `error` in a "System Error" message box over `owner` (none when `owner`
// is not a window). A message box runs a message loop of its own, so other handlers go on
// running under it; a failure of theirs while the box is up is not reported again, or a
// handler that fails on every message would pile up boxes without end.
void ReportCallbackFailure(HWND owner, const std::exception_ptr& error) noexcept;

// Runs `work` (a callable taking nothing) and returns true when it completed. When it threw,
// whatever it threw is reported over `owner` and false tells the caller to answer the system
// with its safe result.
template <typename Work>
bool RunAtBoundary(HWND owner, Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
    return true;
  } catch (...) {
    ReportCallbackFailure(owner, std::current_exception());
    return false;
  }
}

}  // namespace quindle::platform::win32
