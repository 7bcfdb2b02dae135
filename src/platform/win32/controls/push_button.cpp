#include "platform/win32/controls/push_button.h"

#include <string>

namespace quindle::platform::win32 {

PushButton PushButton::Create(HWND parent, int id, std::string_view caption) {
  const std::string text(caption);
  HWND button =
      CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                      0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleA(nullptr), nullptr);
  if (button != nullptr) {
    // The parent's font (the system's message font), not the stock bitmap font.
    const LRESULT font = SendMessageA(parent, WM_GETFONT, 0, 0);
    SendMessageA(button, WM_SETFONT,
                 font != 0 ? static_cast<WPARAM>(font)
                           : reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  }
  return PushButton(button);
}

bool PushButton::Move(int left, int top, int width, int height) {
  return window_ != nullptr && MoveWindow(window_, left, top, width, height, TRUE) != FALSE;
}

bool PushButton::Show(bool visible) {
  if (window_ == nullptr) return false;
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
  return true;
}

}  // namespace quindle::platform::win32
