#include "editors/wizard_tasks.h"

namespace quindle::editors {

// The size-or-position task has no label of its own; its letter is Z.
const std::array<WizardTask, 16> kWizardTasks = {{
    {"&Enter Text, Symbols, Keystrokes", 'E', kCmdText},
    {"Mouse Clic&ks, Movements, Wheel", 'K', kCmdMouseMove},
    {"&Activate / Launch Programs", 'A', kCmdActivateOrLaunch},
    {"Launch a &Web Site", 'W', kCmdWebSite},
    {"Insert &Date (current, past or future)", 'D', kCmdDate},
    {"Insert &Time", 'T', kCmdTime},
    {"Macro &Pause", 'P', kCmdPause},
    {"E&nter a Comment or Remark", 'N', kCmdRemark},
    {"&Set Keyboard or Mouse Speed", 'S', kCmdKeystrokeSpeed},
    {"&Insert a Delay", 'I', kCmdDelay},
    {"Si&ze or Position a Window", 'Z', kCmdResizeWindow},
    {"&Maximize, Minimize, etc Windows", 'M', kCmdMinimizeWindow},
    {"&Clipboard Functions (copy, paste)", 'C', kCmdClipboardFileCopy},
    {"Pla&y a Sound", 'Y', kCmdSoundWaveFile},
    {"Delete, Copy, Rename &Files, etc", 'F', kCmdChangeDirectory},
    {"Repeat &Loop", 'L', kCmdRepeatStart},
}};

std::optional<CommandData> WizardPreset(const WizardTask& task) {
  if (task.command == kCmdMinimizeWindow) return WindowData{{}, 2, true};
  return std::nullopt;
}

}  // namespace quindle::editors
