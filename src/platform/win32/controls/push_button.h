// Push buttons made by code (a window's own buttons; a dialog's come from its template).
#pragma once

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class PushButton : public Control {
 public:
  using Control::Control;

  // A visible push button child of `parent` that sends WM_COMMAND `id`; an empty wrapper when it
  // could not be made.
  static PushButton Create(HWND parent, int id, std::string_view caption);
  bool Move(int left, int top, int width, int height);
  bool Show(bool visible);
};

}  // namespace quindle::platform::win32
