#include "platform/win32/handles.h"

namespace quindle::platform::win32 {

bool ClipboardSession::Open(HWND owner, int attempts, DWORD pauseMs) noexcept {
  if (open_) return false;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (::OpenClipboard(owner)) {
      open_ = true;
      return true;
    }
    // Another program holds the clipboard; it lets go within moments.
    if (attempt + 1 < attempts) ::Sleep(pauseMs);
  }
  return false;
}

bool ClipboardSession::Close() noexcept {
  if (!open_) return false;
  open_ = false;
  return ::CloseClipboard() != FALSE;
}

}  // namespace quindle::platform::win32
