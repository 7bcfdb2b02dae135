#include "storage/set_hotkeys.h"

namespace quindle::storage {

void RebuildCodeInUse(SharedMacroTable& table) noexcept {
  for (Flag& flag : table.CodeInUse) flag = false;
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (!table.Enabled[slot]) continue;
    const std::uint16_t code = table.HotkeyNumber[slot];
    // Timed (10000) and Typlet (20000) macros have no key; any other number outside the 720
    // hotkeys comes from a damaged record and must not index past the flags.
    if (code < kHotkeyCount) table.CodeInUse[code] = true;
  }
}

bool SetHotKeys(TableLock& lock) {
  TableGuard guard(lock);
  if (!guard) return false;
  RebuildCodeInUse(guard.Table());
  return true;
}

}  // namespace quindle::storage
