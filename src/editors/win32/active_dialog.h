// TDoActive: "Activate/Launch Program". The four kinds show the window panel, the program panel
// or both, and the dialog's height follows (editors/launch_dialog_model.h); "&Ok" checks the
// title and the program's path through the model.
#pragma once

#include "platform/win32/win32_api.h"

#include <array>

#include "editors/launch_dialog_model.h"
#include "editors/win32/command_dialog_frame.h"

namespace quindle::editors::win32 {

class TDoActive final : public CommandDialog {
 public:
  TDoActive(ActiveForm form, IPathChecks& paths) : form_(std::move(form)), paths_(paths) {}

  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  ActiveKind CheckedKind() const;
  // `Enabledisable`: the panels of the kind, the program panel's place and the height.
  void Enabledisable(ActiveKind kind, bool centre);

  ActiveForm form_;
  IPathChecks& paths_;
  // Where the program panel's controls and the buttons stand in the full layout, in client
  // pixels.
  std::array<RECT, 9> programPanel_{};
  std::array<RECT, 3> buttons_{};
  int clientWidth_ = 0;
};

}  // namespace quindle::editors::win32
