// What the system hotkeys of features that this version does not have yet say when pressed: the
// key is already swallowed by then, so the user must learn why nothing else happened.
#pragma once

#include <string_view>

namespace quindle::app {

inline constexpr std::string_view kNoticeTitle = "Notice";
inline constexpr std::string_view kMenuTopWindowUnavailable =
    "The menu of macros for the window in front is not available in this version of Quindle 98.";
// The scripting editor on a popup menu: its record holds the menu's members, not a text.
inline constexpr std::string_view kPopupMenuNotScripted =
    "A popup menu holds a list of macros, not a script, so it does not open in the scripting "
    "editor.  Popup menus are changed with \"Modify Popup Menu\", which is not available in this "
    "version of Quindle 98.";
// The builder of popup menus, which "Add Macro" and "Mo&dify Popup Menu" lead to.
inline constexpr std::string_view kPopupBuilderUnavailable =
    "Popup menus are built in \"Build Macro Menu\", which is not available in this version of "
    "Quindle 98.";

// "&Remap" and the printing entries of "&File".
inline constexpr std::string_view kRemapUnavailable =
    "Key remapping is not available in this version of Quindle 98.";
inline constexpr std::string_view kPrintingUnavailable =
    "Printing the macro list is not available in this version of Quindle 98.";
inline constexpr std::string_view kMouseLocatorMissing =
    "The Mouse Locator (MSLOCATE.EXE) could not be started.  Please make sure that it was "
    "installed in the program's folder.";

}  // namespace quindle::app
