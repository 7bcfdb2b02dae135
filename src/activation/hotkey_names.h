// What the user reads for a macro's activation and scope: the HotkeyNameTable and the names of
// scope kinds, as the macro list, the dialogs and the qnl tool show them.
#pragma once

#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::activation {

// Names are at most this long; longer ones are cut ("Ctrl+Alt+Shift+Left Arro").
inline constexpr std::size_t kHotkeyNameMax = 24;

// The display name of a HotkeyNumber ("Ctrl+A" for 0); "" outside 0..719.
std::string_view HotkeyName(int code) noexcept;

// The hotkey name, the Typlet abbreviation for a Typlet macro, or "Timed Macro".
std::string ActivationName(const storage::MacroRecord& record);

// "GLOBAL", "Window: " or "Program: " followed by the ScopeText, "Popup Menu" or "SYSTEM"; "" for a
// ScopeKind that is none of these (a damaged record).
std::string ScopeName(const storage::MacroRecord& record);

}  // namespace quindle::activation
