// What the command dialogs of activating, sounds, timing, windows and the mouse share on top of
// DialogBase: the help button and F1, the refusal of "&Ok" (the model's message with its
// caption, then the focus on the field in error), "&Browse", and the choice of the form a
// dialog opens with (a line's data when one is edited, the keystroke editor's preset in direct
// mode, else the scripting editor's new command).
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "editors/command_dialog.h"
#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

// The most characters a path field takes: a path of the system's longest.
inline constexpr std::size_t kPathFieldLimit = MAX_PATH - 1;

class CommandDialog : public platform::win32::DialogBase {
 public:
  // Runs template `templateId` modally; the command stored by a successful "&Ok", nothing after
  // "&Cancel", Esc or when the dialog could not be shown (the user has then been told).
  CommandOutcome RunCommand(HWND owner, int templateId);

 protected:
  // Opens the dialog's help topic.
  virtual void ShowHelp() = 0;

  void OnCommand(int id, int notifyCode) override;

  // After "&Ok": closes with the result, or shows the refusal and focuses `focusId`.
  template <typename Field>
  void Settle(const DialogOutcome<Field>& outcome, int focusId) {
    if (outcome.Accepted()) {
      result_ = *outcome.result;
      End(IDOK);
      return;
    }
    Refuse(outcome.caption, outcome.message, focusId);
  }
  // Shows `message` (when there is one) titled `caption` and puts the user on `focusId`.
  void Refuse(std::string_view caption, std::string_view message, int focusId) {
    ShowRefusal(Handle(), caption, message, focusId);
  }

  // "&Browse": the file chosen in an open-file dialog, put into `pathId`. A dialog that could
  // not be shown is reported.
  void Browse(int pathId, std::string_view title, std::string_view filter,
              std::string_view defaultExt) {
    BrowseInto(Handle(), pathId, {filter, defaultExt, title});
  }

  // Checks `id` of the radio buttons `first`..`last`.
  void CheckRadio(int first, int last, int id);
  // The checked radio button of `first`..`last` counted from 1; 0 when none is.
  int CheckedRadio(int first, int last) const { return CheckedKind(Handle(), first, last); }
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void Enable(int id, bool enabled);
  void SetLimit(int id, std::size_t characters) { LimitField(Handle(), id, characters); }

 private:
  std::optional<CommandResult> result_;
};

}  // namespace quindle::editors::win32
