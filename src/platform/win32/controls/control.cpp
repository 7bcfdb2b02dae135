#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

std::string Control::Text() const {
  if (window_ == nullptr) return {};
  const int length = GetWindowTextLengthA(window_);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window_, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

bool Control::SetText(std::string_view text) {
  if (window_ == nullptr) return false;
  const std::string terminated(text);
  return SetWindowTextA(window_, terminated.c_str()) != FALSE;
}

bool Control::Enable(bool enabled) {
  if (window_ == nullptr) return false;
  EnableWindow(window_, enabled ? TRUE : FALSE);
  return true;
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return window_ != nullptr ? SendMessageA(window_, message, wParam, lParam) : 0;
}

}  // namespace quindle::platform::win32
