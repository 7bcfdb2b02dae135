// What the user reads for a macro's activation and scope, as the macro list, the dialogs and the
// qnl tool show them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::activation {

// What every operation on the list's selected macro says when there is none to work on (title
// "Error").
inline constexpr std::string_view kNoMacrosYet =
    "No hot keys have been added yet.  Please add one first.";
inline constexpr std::string_view kNoMacroSelected = "No hot key selected.  Please select one.";

// The hotkey name, the Typlet abbreviation for a Typlet macro, or "Timed Macro".
std::string ActivationName(const storage::MacroRecord& record);
// The same from the two fields it depends on, for the lists that keep no whole records.
std::string ActivationName(std::uint16_t hotkeyNumber, std::string_view typletName);

// "GLOBAL", "Window: " or "Program: " followed by the ScopeText, "Popup Menu" or "SYSTEM"; "" for a
// ScopeKind that is none of these (a damaged record).
std::string ScopeName(const storage::MacroRecord& record);
std::string ScopeName(int scopeKind, std::string_view scopeText);

}  // namespace quindle::activation
