// TAddNewHotKey: "Add Macro", where a new macro gets its activation (a hotkey picked by pressing
// it or from the key list, a Typlet, a schedule, or a popup menu's hotkey) and the user chooses
// what fills it: the scripting editor, the direct editor or a capture. While the hotkey entry
// has the focus the hook library is in definition mode (WM_HOTKEY_DEFINED).
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "activation/win32/hotkey_picker.h"
#include "app/add_new_hotkey.h"
#include "platform/win32/dialog_base.h"
#include "storage/table_lock.h"

namespace quindle::app::win32 {

class TAddNewHotKey final : public platform::win32::DialogBase {
 public:
  explicit TAddNewHotKey(storage::TableLock& lock);

  // Runs modally over `owner`: the activation and the editor to go on with, or nothing after
  // "&Abort" (or Esc, or the close button).
  std::optional<AddChoice> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  // Only the controls the chosen kind needs.
  void ShowKind(AddKind kind);
  void Go(AddButton button);
  AddKind CheckedKind() const;

  storage::TableLock& lock_;
  AddContext context_;
  activation::win32::HotkeyPicker picker_;
  std::optional<AddChoice> result_;
};

}  // namespace quindle::app::win32
