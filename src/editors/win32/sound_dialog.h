// TDoSound: "Set Sound". "&Beep" or a wave file, which "&Browse" picks and "&Test" plays at once
// without waiting; "&Ok" checks that the file exists (editors/file_dialog_models.h).
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/file_dialog_models.h"
#include "editors/win32/command_dialog_frame.h"
#include "platform/system.h"

namespace quindle::editors::win32 {

class TDoSound final : public CommandDialog {
 public:
  // `sound` plays the file of "&Test".
  TDoSound(SoundForm form, IPathChecks& paths, platform::ISound& sound)
      : form_(std::move(form)), paths_(paths), sound_(sound) {}

  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  SoundForm ReadForm() const;
  void EnableWaveControls();
  void TestClick();

  SoundForm form_;
  IPathChecks& paths_;
  platform::ISound& sound_;
};

}  // namespace quindle::editors::win32
