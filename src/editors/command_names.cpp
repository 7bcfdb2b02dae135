#include "editors/script_line.h"

#include "platform/text.h"

namespace quindle::editors {

const std::array<std::string_view, kCommandCount> kCommandNameTable = {
    "Text",
    "Date",
    "Time",
    "Delay",
    "Pause",
    "Repeat Start",
    "Repeat End",
    "Keystroke Speed",
    "Mouse Speed",
    "Activate Window",
    "Launch Program",
    "Sound Beep",
    "Sound Wave File",
    "Load New Macro File",
    "Load Text File",
    "Resize Window",
    "Reposition Window",
    "Maximize Window",
    "Minimize Window",
    "Restore Window",
    "Close Window",
    "Hide Window",
    "Show Window",
    "Mouse Move",
    "Left Mouse Button",
    "Right Mouse Button",
    "Middle Mouse Button",
    "Mouse Wheel",
    "Remark",
    "Clipboard Copy",
    "Clipboard Paste",
    "Repeat Counter",
    "Activate or Launch",
    "Launch and Activate",
    "Clipboard Start Copy",
    "Clipboard End Copy",
    "Clipboard File Copy",
    "Shut Down Program",
    "Control Key",
    "Alt Key",
    "Shift Key",
    "Win Key",
    "Web Site",
    "Web FTP",
    "Repeat Prompt Start",
    "Change Directory/Folder",
    "Delete File",
    "Copy File",
    "Rename File",
    "Macro Playback Speed",
};

std::string_view CommandName(int command) noexcept {
  if (command < 1 || command > kCommandCount) return {};
  return kCommandNameTable[static_cast<std::size_t>(command - 1)];
}

int CommandNumberOf(std::string_view text) noexcept {
  const std::string_view trimmed = platform::Trim(text, " ");
  for (int n = 1; n <= kCommandCount; ++n) {
    if (trimmed.starts_with(CommandName(n))) return n;
  }
  return 0;
}

std::string_view FileNameOf(std::string_view path) noexcept {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace quindle::editors
