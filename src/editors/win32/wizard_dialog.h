// TDoWizard: the "Scripting Wizard" over the scripting editor. Each of its 16 tasks (a button,
// or Alt with the task's letter) runs the editor's handler of a preset command in add mode,
// which appends the accepted line at the end of the editor's list; after each accepted task the
// wizard asks whether to go on. It holds no data of its own.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "editors/wizard_tasks.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoWizard final : public platform::win32::DialogBase {
 public:
  // `runTask` opens the task's dialog and appends its line; true when the line was added.
  explicit TDoWizard(std::function<bool(const WizardTask&)> runTask)
      : runTask_(std::move(runTask)) {}

  // Runs the wizard modally until "E&xit", Esc or No to the question.
  void Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override {}  // Enter presses the task button that has the focus, nothing else

 private:
  std::function<bool(const WizardTask&)> runTask_;
};

}  // namespace quindle::editors::win32
