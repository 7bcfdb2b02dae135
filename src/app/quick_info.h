// What "Quick Info" shows for one macro, apart from any window system.
#pragma once

#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::app {

inline constexpr std::string_view kQuickInfoCaption = "Quick Info";

struct QuickInfoText {
  std::string activationLabel;  // "Timed Macro:", "Typlet:" or "Hot Key:"
  std::string activation;       // the schedule sentence, the Typlet or the hotkey name
  std::string nickname;
  // "GLOBAL", "Popup Menu", "SYSTEM", or the ScopeText followed by " "Window" (Top Most Only)",
  // " "Window" (If Running)", " "Program" (Top Most Only)" or " "Program" (If Running)".
  std::string scope;
  std::string active;        // "Yes" or "No"
  std::string lastModified;  // "Last Modified On " and the date, month/day/year
  bool showText = true;      // a popup menu holds members, a system macro nothing to read
  std::string text;
  std::string iconName;
};

QuickInfoText MakeQuickInfo(const storage::MacroRecord& macro);

}  // namespace quindle::app
