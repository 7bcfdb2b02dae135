#include "activation/win32/hotkey_picker.h"

#include "activation/define_mode.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_names.h"
#include "hooklib/hotkey_number.h"
#include "platform/win32/controls/control.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/window_handle.h"

namespace quindle::activation::win32 {

bool HotkeyPicker::OnCommand(HWND dialog, int id, int notifyCode) {
  if (id != entryId_) return false;
  if (notifyCode == EN_SETFOCUS || notifyCode == EN_KILLFOCUS) {
    entryFocused_ = notifyCode == EN_SETFOCUS;
    DefineMode(dialog, entryFocused_);
  }
  return true;
}

HotkeyPicker::Outcome HotkeyPicker::OnMessage(HWND dialog, UINT message, WPARAM wParam,
                                              INT_PTR& result) {
  if (message != hooklib::WM_HOTKEY_DEFINED) return Outcome::NotMine;
  result = TRUE;
  if (!entryFocused_) return Outcome::Handled;
  const int code = static_cast<int>(wParam & 0xFFFF);
  if (code == hooklib::kEscapeCode) return Outcome::Cancel;
  if (hooklib::HotkeyName(code).empty()) return Outcome::Handled;
  Select(dialog, code);
  return Outcome::Chosen;
}

void HotkeyPicker::Select(HWND dialog, int code) {
  platform::win32::ListBox(dialog, listId_).Select(code);
  ShowSelectedName(dialog);
}

void HotkeyPicker::ShowSelectedName(HWND dialog) {
  platform::win32::Control(dialog, entryId_).SetText(hooklib::HotkeyName(Selected(dialog)));
}

int HotkeyPicker::Selected(HWND dialog) const {
  return platform::win32::ListBox(dialog, listId_).Selected();
}

void HotkeyPicker::Stop(HWND dialog) {
  DefineMode(dialog, false);
}

void HotkeyPicker::DefineMode(HWND dialog, bool on) {
  activation::SetSecWind(lock_, platform::win32::FromHwnd(dialog), on);
}

}  // namespace quindle::activation::win32
