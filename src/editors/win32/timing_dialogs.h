// The dialogs of waits, pauses, repeats and speeds on their models
// (editors/timing_dialog_models.h): TDoDelay2 "Set Delay", TDoPausePos "Pause Window", TDoRepeat
// "Repeat Options" and TDoSpeed "Speed". Each fills its controls from the form, lets the choice
// enable or relabel its fields, and closes at "&Ok" only with the model's command.
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/timing_dialog_models.h"
#include "editors/win32/command_dialog_frame.h"

namespace quindle::editors::win32 {

class TDoDelay2 final : public CommandDialog {
 public:
  explicit TDoDelay2(Delay2Form form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  Delay2Form form_;
};

class TDoPausePos final : public CommandDialog {
 public:
  explicit TDoPausePos(PauseForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  PauseForm ReadForm() const;
  void EnableFields();

  PauseForm form_;
};

class TDoRepeat final : public CommandDialog {
 public:
  explicit TDoRepeat(RepeatForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  RepeatKind CheckedKind() const;
  void FollowKind();

  RepeatForm form_;
};

class TDoSpeed final : public CommandDialog {
 public:
  explicit TDoSpeed(SpeedForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  SpeedKind CheckedKind() const;

  SpeedForm form_;
};

}  // namespace quindle::editors::win32
