#include "platform/win32/controls/field_focus.h"

namespace quindle::platform::win32 {

bool EnableControls(HWND dialog, std::initializer_list<int> ids, bool enabled) {
  bool all = dialog != nullptr;
  for (const int id : ids) {
    HWND control = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
    if (control == nullptr) {
      all = false;
      continue;
    }
    EnableWindow(control, enabled ? TRUE : FALSE);  // returns the previous state
  }
  return all;
}

bool FocusFieldInError(HWND dialog, int id) {
  HWND control = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
  if (control == nullptr) return false;
  // Sent, not posted: the focus has moved when this returns. WM_NEXTDLGCTL also selects the
  // text of an edit field that gets the focus this way.
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  // A window that is no dialog ignores WM_NEXTDLGCTL: the focus is then set directly.
  if (GetFocus() != control) SetFocus(control);
  SendMessageA(control, EM_SETSEL, 0, -1);  // harmless on controls that are no edit field
  return GetFocus() == control;
}

}  // namespace quindle::platform::win32
