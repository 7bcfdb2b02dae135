// `qnl play` without --dry-run: the macro plays through the real system. Keys and mouse events
// reach the window in front; window, file, clipboard, sound and web tags act. Only Windows builds
// have it (win32/real_play.cpp); the declaration is portable so the command line can name it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace quindle::tool {

struct RealPlayRequest {
  std::string text;      // the MacroText, already in the ANSI code page
  std::string nickname;  // shown by a pause dialog
  std::uint16_t hotkeyNumber = 0;
  double delaySeconds = 0;            // waited before anything else, messages still handled
  std::optional<std::string> target;  // a window brought to the front first
};

// Returns the exit status: 0 played, 2 when the target window was not found.
int RunRealPlay(const RealPlayRequest& request, std::ostream& err);

}  // namespace quindle::tool
