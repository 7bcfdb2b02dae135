// TSystemKeys: the "System Hot Keys" dialog, opened from a system entry of the macro list. Its
// four read-only fields take a combination by being pressed: while one has the focus the hook
// library is in definition mode and reports each complete combination to the dialog
// (WM_HOTKEY_DEFINED) instead of passing it to a program. "&Ok" writes the entries that changed
// and returns the popup display choice for the settings.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "activation/system_keys.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::activation::win32 {

struct SystemKeysResult {
  bool codesChanged = false;  // the list and the hook library's codes need refreshing
  int systemMenu = kSystemMenuFirst;
};

class TSystemKeys final : public platform::win32::DialogBase {
 public:
  TSystemKeys(storage::TableLock& lock, storage::MacroStore& store, int systemMenu,
              SystemKeyField focus);

  // Runs the dialog modally over `owner`: what changed after "&Ok", nothing after "&Cancel" or
  // when the dialog could not be shown.
  std::optional<SystemKeysResult> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void ShowCode(SystemKeyField field);
  void DefineMode(bool on);
  void Complain(std::string_view text);

  storage::TableLock& lock_;
  storage::MacroStore& store_;
  SystemKeysModel model_;
  int systemMenu_;
  SystemKeyField initialFocus_;
  std::optional<SystemKeyField> focused_;
  std::optional<SystemKeysResult> result_;
};

}  // namespace quindle::activation::win32
