// The command dialogs of one typed text or path: "Remark" (`TDoRemark`), the web address
// (`TDoWebStuff`, web site or FTP by the command), "Load A New Macro File" (`TDoSwap`) and "Load
// Text from a Text File" (`TDoTextInsert`, which also opens the file in the text editor).
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/file_dialog_models.h"
#include "editors/text_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoRemark final : public platform::win32::DialogBase {
 public:
  explicit TDoRemark(const CommandDialogRequest& request) : request_(request) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  CommandDialogRequest request_;
  CommandOutcome result_;
};

class TDoWebStuff final : public platform::win32::DialogBase {
 public:
  // FTP for the FTP command (or an edited FTP line), a web site otherwise.
  explicit TDoWebStuff(const CommandDialogRequest& request);
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  CommandDialogRequest request_;
  WebMode mode_;
  CommandOutcome result_;
};

class TDoSwap final : public platform::win32::DialogBase {
 public:
  TDoSwap(const CommandDialogRequest& request, IPathChecks& paths)
      : request_(request), paths_(paths) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  CommandDialogRequest request_;
  IPathChecks& paths_;
  CommandOutcome result_;
};

class TDoTextInsert final : public platform::win32::DialogBase {
 public:
  TDoTextInsert(const CommandDialogRequest& request, IPathChecks& paths)
      : request_(request), paths_(paths) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void EditTextFileClick();

  CommandDialogRequest request_;
  IPathChecks& paths_;
  CommandOutcome result_;
};

}  // namespace quindle::editors::win32
