#include "platform/win32/clipboard.h"

#include "platform/win32/win32_api.h"

#include <cstring>

#include "platform/win32/handles.h"
#include "platform/win32/window_handle.h"

namespace quindle::platform::win32 {

bool Win32Clipboard::SetText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  WindowOwner ownWindow;
  HWND owner = ToHwnd(owner_);
  if (!owner) {
    // A message-only window: never shown, gone when this call ends.
    ownWindow.Reset(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr));
    if (!ownWindow) return false;
    owner = ownWindow.Get();
  }

  GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!memory) return false;
  {
    const GlobalLockScope lock(memory.Get());
    if (!lock) return false;
    auto* bytes = static_cast<char*>(lock.Get());
    if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
  }

  ClipboardSession clipboard;
  if (!clipboard.Open(owner)) return false;
  if (!::EmptyClipboard()) return false;
  if (!::SetClipboardData(CF_TEXT, memory.Get())) return false;
  // The clipboard owns the memory now and frees it when it is replaced.
  static_cast<void>(memory.Release());
  return clipboard.Close();
}

}  // namespace quindle::platform::win32
