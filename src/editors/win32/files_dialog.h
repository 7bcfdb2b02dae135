// TDoDOSFiles: "File Manipulation", changing the directory and copying, renaming and deleting a
// file; "New Name" is shown for copying and renaming only.
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/file_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoDOSFiles final : public platform::win32::DialogBase {
 public:
  TDoDOSFiles(const CommandDialogRequest& request, IPathChecks& paths)
      : request_(request), paths_(paths) {}

  // The accepted command, or nothing after "&Cancel" or when the dialog could not be shown.
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  FilesKind CheckedFilesKind() const;
  void Enabledisable();

  CommandDialogRequest request_;
  IPathChecks& paths_;
  CommandOutcome result_;
};

}  // namespace quindle::editors::win32
