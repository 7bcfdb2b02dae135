// TDateOrTime: "Dates" / "Times", a date or time format chosen from an owner-drawn list that
// shows each format beside its sample, the leading-zeros choice and, for a date, an offset of
// days into the future or past. A new command opens on the remembered choices; "&Ok" remembers
// the new ones.
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/text_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDateOrTime final : public platform::win32::DialogBase {
 public:
  // A time for the time command (or an edited time line), a date otherwise.
  TDateOrTime(const CommandDialogRequest& request, DateTimeMemory& memory);

  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void FillFormats();

  CommandDialogRequest request_;
  DateTimeMemory& memory_;
  DateTimeForm form_;
  int sampleColumn_ = 0;  // x of the samples in the list, in pixels
  CommandOutcome result_;
};

}  // namespace quindle::editors::win32
