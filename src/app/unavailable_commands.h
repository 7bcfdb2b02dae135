// Notices of commands that cannot do what they were asked: a popup menu in the scripting editor,
// a Mouse Locator that was not installed. The key or click is already taken by then, so the user
// must learn why nothing else happened.
#pragma once

#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kNoticeTitle = "Notice";
// The scripting editor on a popup menu: its record holds the menu's members, not a text.
inline constexpr std::string_view kPopupMenuNotScripted =
    "A popup menu holds a list of macros, not a script, so it does not open in the scripting "
    "editor.  Popup menus are changed with \"Modify Popup Menu\".";

inline constexpr std::string_view kMouseLocatorMissing =
    "The Mouse Locator (MSLOCATE.EXE) could not be started.  Please make sure that it was "
    "installed in the program's folder.";

}  // namespace quindle::app
