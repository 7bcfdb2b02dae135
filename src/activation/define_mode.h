// Hotkey definition mode: while a dialog's hotkey entry field has the focus, the hook library
// reports every complete combination to that dialog (WM_HOTKEY_DEFINED) instead of starting a
// macro, so the user simply presses the keys the field should hold.
#pragma once

#include <cstdint>

#include "storage/table_lock.h"

namespace quindle::activation {

// Stores `window` as the table's SecWindow and `on` as its DefineMode. An entry field calls it
// with its dialog and true on gaining the focus, and with false on losing it or when the dialog
// closes. False when the table could not be taken.
bool SetSecWind(storage::TableLock& lock, std::uint32_t window, bool on);

}  // namespace quindle::activation
