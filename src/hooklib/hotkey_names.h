// The HotkeyNameTable: what the user reads for each of the 720 HotkeyNumbers, as the macro list,
// the dialogs and the qnl tool show them. It lives beside the numbering it names.
#pragma once

#include <cstddef>
#include <string_view>

namespace quindle::hooklib {

// Names are at most this long; longer ones are cut ("Ctrl+Alt+Shift+Left Arro").
inline constexpr std::size_t kHotkeyNameMax = 24;

// The display name of a HotkeyNumber ("Ctrl+A" for 0); "" outside 0..719.
std::string_view HotkeyName(int code) noexcept;

}  // namespace quindle::hooklib
