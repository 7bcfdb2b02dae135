// The base of the control wrappers: a control window of a dialog or window, not owned (its
// parent destroys it). Every wrapper is made from the parent and the control's number, and is
// empty when the parent has no such control; each call on an empty wrapper fails.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

namespace quindle::platform::win32 {

class Control {
 public:
  Control(HWND parent, int id) : window_(parent != nullptr ? GetDlgItem(parent, id) : nullptr) {}
  explicit Control(HWND control) : window_(control) {}

  HWND Handle() const { return window_; }
  explicit operator bool() const { return window_ != nullptr; }

  std::string Text() const;
  bool SetText(std::string_view text);
  // EnableWindow returns the previous state: true here when the control exists.
  bool Enable(bool enabled);
  bool IsEnabled() const { return window_ != nullptr && IsWindowEnabled(window_) != FALSE; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 protected:
  HWND window_;
};

}  // namespace quindle::platform::win32
