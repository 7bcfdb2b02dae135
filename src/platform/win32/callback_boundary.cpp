#include "platform/win32/callback_boundary.h"

#include <string>

#include "platform/unexpected_error.h"
#include "platform/win32/prompts.h"
#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {
namespace {

// Windows and their procedures belong to the thread that made them, so "a report is on the
// screen" is a fact of the thread.
thread_local bool reportShown = false;

class ReportScope {
 public:
  ReportScope() noexcept { reportShown = true; }
  ReportScope(const ReportScope&) = delete;
  ReportScope& operator=(const ReportScope&) = delete;
  ~ReportScope() { reportShown = false; }
};

}  // namespace

void ReportCallbackFailure(HWND owner, const std::exception_ptr& error) noexcept {
  if (reportShown) return;
  const ReportScope scope;
  const std::string message = UnexpectedErrorMessage(error);
  if (message.empty()) return;
  const HWND boxOwner = owner != nullptr && ::IsWindow(owner) ? owner : nullptr;
  try {
    Win32Prompts(FromHwnd(boxOwner)).ShowMessage(kUnexpectedErrorTitle, message);
  } catch (...) {
    // Even the box failed (no memory for its texts): nothing is left that could tell the user.
  }
}

}  // namespace quindle::platform::win32
