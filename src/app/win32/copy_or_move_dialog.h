// TCopyOrMove: "Copy Hot Key" and "Move Hot Key", which give a macro of the list another
// activation: a schedule, a Typlet, or a hotkey picked by pressing it or from the key list.
// While the hotkey entry has the focus the hook library is in definition mode and reports each
// complete combination to the dialog (WM_HOTKEY_DEFINED).
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "activation/win32/hotkey_picker.h"
#include "app/copy_or_move.h"
#include "capture/cap_complete.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"
#include "storage/table_lock.h"

namespace quindle::app::win32 {

struct CopyOrMoveSetup {
  CopyOrMoveMode mode = CopyOrMoveMode::Copy;
  int n = 0;  // the macro's number: a moved macro does not clash with its own hotkey
  std::function<double()> now;
  // The schedule dialog over the record, for "&Timed Macro".
  std::function<void(storage::MacroRecord&, HWND owner)> setSchedule;
};

class TCopyOrMove final : public platform::win32::DialogBase {
 public:
  // `macro` changes only when the dialog ends with "&Ok".
  TCopyOrMove(storage::TableLock& lock, storage::MacroRecord& macro, CopyOrMoveSetup setup);

  // Runs modally over `owner`; true after "&Ok".
  bool Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void CheckHotKeyKind();
  CopyOrMoveForm ReadForm() const;

  storage::TableLock& lock_;
  storage::MacroRecord& macro_;
  CopyOrMoveSetup setup_;
  capture::KeyUse use_;
  GlobalCodes globalCodes_;
  activation::win32::HotkeyPicker picker_;
  bool accepted_ = false;
};

}  // namespace quindle::app::win32
