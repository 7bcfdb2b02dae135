// TDoClipboard: "Clipboard", the five clipboard commands; the text file to copy is asked only for
// "C&opy Text File To Clipboard".
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/file_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoClipboard final : public platform::win32::DialogBase {
 public:
  TDoClipboard(const CommandDialogRequest& request, IPathChecks& paths)
      : request_(request), paths_(paths) {}

  // The accepted command, or nothing after "&Cancel" or when the dialog could not be shown.
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void Enabledisable();

  CommandDialogRequest request_;
  IPathChecks& paths_;
  CommandOutcome result_;
};

}  // namespace quindle::editors::win32
