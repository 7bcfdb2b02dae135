// The tasks of the "Scripting Wizard": each adds one line at the end of the scripting editor's
// list through the dialog of a preset command.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "editors/script_line.h"

namespace quindle::editors {

inline constexpr std::string_view kWizardCaption = "Scripting Wizard";
inline constexpr std::string_view kWizardQuestion = "What would you like to do?";
inline constexpr std::string_view kWizardAddedCaption = "Added";
inline constexpr std::string_view kWizardAddedQuestion =
    "Macro object successfully added.  Continue with wizard?";

struct WizardTask {
  std::string_view label;  // the button's text, with its Alt letter marked by "&"
  char key;                // that letter
  int command;             // the command the task's dialog opens on
};

extern const std::array<WizardTask, 16> kWizardTasks;

// The arguments a task's dialog opens with, when the task wants more than its command's own
// preset: "&Maximize, Minimize, etc Windows" works on the current window.
std::optional<CommandData> WizardPreset(const WizardTask& task);

}  // namespace quindle::editors
