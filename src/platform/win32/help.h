// Opens the program's compiled help file (QUINDL.CHM beside the program) at a topic. The help
// viewer, hhctrl.ocx, is loaded when help is first asked for: a system without it still runs the
// program and says that help cannot be shown.
#pragma once

#include "platform/win32/win32_api.h"

#include <string_view>

namespace quindle::platform::win32 {

// Shows `topic` (a topic name, see platform/help_topic_page.h) over `owner`. When the viewer or
// the file is missing, a message box says so.
void ShowHelpTopic(HWND owner, std::string_view topic);

}  // namespace quindle::platform::win32
