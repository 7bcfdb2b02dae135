// TDoKeyUpDown: "Keys Up Or Down", pressing or releasing Control, Alt, Shift or Win. Opened from
// the keystroke editor it starts with no choice, and "&Ok" without one leaves it open.
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/win32/command_dialogs.h"
#include "editors/window_dialog_models.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoKeyUpDown final : public platform::win32::DialogBase {
 public:
  explicit TDoKeyUpDown(const CommandDialogRequest& request) : request_(request) {}

  // The accepted command, or nothing after "&Cancel" or when the dialog could not be shown.
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  CommandDialogRequest request_;
  CommandOutcome result_;
};

}  // namespace quindle::editors::win32
