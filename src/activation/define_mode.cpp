#include "activation/define_mode.h"

namespace quindle::activation {

bool SetSecWind(storage::TableLock& lock, std::uint32_t window, bool on) {
  storage::TableGuard guard(lock);
  if (!guard) return false;
  storage::SharedMacroTable& table = guard.Table();
  table.SecWindow = window;
  table.DefineMode = on;
  return true;
}

}  // namespace quindle::activation
