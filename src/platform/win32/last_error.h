// The words every wrapper of the window layer uses to say which Win32 call failed, so that a
// failure shown to a user or written by a test reads the same everywhere.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

namespace quindle::platform::win32 {

// "<call> failed (error <n>)" with the thread's last-error code, read at once.
std::string CallFailed(std::string_view call);
// The same with an error code the caller already has (CommDlgExtendedError and the like).
std::string CallFailed(std::string_view call, unsigned long error);

}  // namespace quindle::platform::win32
