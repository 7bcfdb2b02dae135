// The hotkey entry field with its key list, as "Add Macro", "Copy/Move Hot Key" and "Capture
// Complete" show them. While the entry has the focus the hook library is in definition mode and
// reports each complete combination (WM_HOTKEY_DEFINED); the picker selects it in the list and
// shows its name in the entry. Esc, which the hook reports like any combination, still cancels.
#pragma once

#include "platform/win32/win32_api.h"

#include "storage/table_lock.h"

namespace quindle::activation::win32 {

class HotkeyPicker {
 public:
  HotkeyPicker(storage::TableLock& lock, int entryId, int listId)
      : lock_(lock), entryId_(entryId), listId_(listId) {}

  // What a message of the dialog meant to the picker.
  enum class Outcome {
    NotMine,  // not the hook's message: the dialog handles it
    Handled,  // taken (a combination outside the entry, or one without a name)
    Chosen,   // the combination is selected in the list and named in the entry
    Cancel,   // Esc was pressed in the entry: the dialog should cancel
  };

  // Definition mode follows the entry's focus. True when `id` is the entry's (handled).
  bool OnCommand(HWND dialog, int id, int notifyCode);
  // WM_HOTKEY_DEFINED carries the number of DM_SETDEFID; `result` is set to TRUE so that the
  // dialog manager leaves the default button alone.
  Outcome OnMessage(HWND dialog, UINT message, WPARAM wParam, INT_PTR& result);
  // The list's row `code` selected and its name shown in the entry.
  void Select(HWND dialog, int code);
  // The entry shows the name of the list's selected row (after a click in the list).
  void ShowSelectedName(HWND dialog);
  int Selected(HWND dialog) const;
  // Definition mode off: when the dialog closes, or before a change is applied. Without the
  // table the hook keeps passing keys on; the list still picks a hotkey.
  void Stop(HWND dialog);
  int EntryId() const { return entryId_; }

 private:
  void DefineMode(HWND dialog, bool on);

  storage::TableLock& lock_;
  int entryId_;
  int listId_;
  bool entryFocused_ = false;
};

}  // namespace quindle::activation::win32
