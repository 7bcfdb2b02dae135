// The dialogs of windows and the mouse on their models (editors/window_dialog_models.h):
// TDoSizeIt "Size or Position a Window", TDoSystemCommand "System Commands" and TDoMouse "Mouse
// Commands". The choices enable or relabel the fields they need; "&Ok" closes only with the
// model's command.
#pragma once

#include "platform/win32/win32_api.h"

#include "editors/win32/command_dialog_frame.h"
#include "editors/window_dialog_models.h"

namespace quindle::editors::win32 {

class TDoSizeIt final : public CommandDialog {
 public:
  explicit TDoSizeIt(SizeItForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  SizeItForm ReadForm() const;
  void FollowChoices();

  SizeItForm form_;
};

class TDoSystemCommand final : public CommandDialog {
 public:
  explicit TDoSystemCommand(SystemCommandForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  void FollowWindowChoice();

  SystemCommandForm form_;
};

class TDoMouse final : public CommandDialog {
 public:
  explicit TDoMouse(MouseForm form) : form_(std::move(form)) {}
  CommandOutcome Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void ShowHelp() override;

 private:
  int CheckedAction() const;
  void FollowAction();

  MouseForm form_;
};

}  // namespace quindle::editors::win32
