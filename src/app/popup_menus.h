// Which macros the popup menus gather apart from any window: the menu of macros for the window
// in front (system hotkey "4") and the menus whose icons stand in the notification area.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/popup_menu_layout.h"
#include "storage/macro_record.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::app {

inline constexpr std::string_view kNoMacrosForTopWindow =
    "There are no macros defined with a specific window title or program name that match the "
    "current top most active window.";
inline constexpr std::size_t kMenuTopWindowMax = 36;
inline constexpr std::size_t kPopupTrayIconsMax = 15;

// The window- and program-scoped macros of the table, in macro order, whose upper-cased
// ScopeText is part of `upperTitle` (window scope) or `upperProgram` (program scope); at most 36.
// Whether a macro is enabled is not looked at. Nothing when the lock could not be taken.
std::vector<std::uint16_t> MacrosForTopWindow(storage::TableLock& lock, std::string_view upperTitle,
                                              std::string_view upperProgram);

// The menu record that shows `members` in the layout of the setting "System Menu" with 32-pixel
// icons, as the chooser reads a menu record.
storage::MacroRecord MenuForTopWindow(const std::vector<std::uint16_t>& members, int systemMenu);

// One member as the chooser shows it.
struct ChooserEntry {
  int n = 0;
  std::string text;   // the first part of its macro text, line breaks and tabs as blanks
  std::string name;   // the nickname, or when it has none the activation
  std::string scope;  // "GLOBAL", "Popup Menu" or the ScopeText
  std::string iconName;
  bool popup = false;  // itself a popup menu (its icon falls back to the menu icon)
};
// `member` is null when the member's record could not be read: the row stays, empty.
ChooserEntry MakeChooserEntry(int n, const storage::MacroRecord* member);

// A popup menu with its icon in the notification area.
struct PopupTrayEntry {
  int n = 0;
  std::string name;      // the icon's tip
  std::string iconName;  // "MAIN", "MENU" or an icon file's name
  bool operator==(const PopupTrayEntry&) const = default;
};
// The popup menus whose first option character is "Y", in macro order, at most 15.
std::vector<PopupTrayEntry> PopupTrayEntries(storage::TableLock& lock, storage::MacroStore& store);

}  // namespace quindle::app
