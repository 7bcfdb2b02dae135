// The hook library's hotkey-in-use flags, rebuilt from the per-macro arrays of the table.
#pragma once

#include "storage/macro_record.h"
#include "storage/table_lock.h"

namespace quindle::storage {

// Clears all 720 flags, then sets the flag of every enabled macro's real hotkey.
void RebuildCodeInUse(SharedMacroTable& table) noexcept;

// RebuildCodeInUse under the lock; false (flags left as they were) when the lock is refused.
bool SetHotKeys(TableLock& lock);

}  // namespace quindle::storage
