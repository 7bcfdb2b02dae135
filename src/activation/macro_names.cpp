#include "activation/macro_names.h"

#include "hooklib/hotkey_names.h"

namespace quindle::activation {

std::string ActivationName(const storage::MacroRecord& record) {
  const int code = record.HotkeyNumber.Get();
  if (code == storage::kActivationTimed) return "Timed Macro";
  if (code == storage::kActivationTyplet) return std::string(record.TypletName.View());
  return std::string(hooklib::HotkeyName(code));
}

std::string ScopeName(const storage::MacroRecord& record) {
  switch (record.ScopeKind.Get()) {
    case storage::ScopeGlobal:
      return "GLOBAL";
    case storage::ScopeWindow:
      return "Window: " + std::string(record.ScopeText.View());
    case storage::ScopeProgram:
      return "Program: " + std::string(record.ScopeText.View());
    case storage::ScopePopupMenu:
      return "Popup Menu";
    case storage::ScopeSystem:
      return "SYSTEM";
    default:
      return {};
  }
}

}  // namespace quindle::activation
