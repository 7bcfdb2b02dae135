#include "activation/macro_names.h"

#include "hooklib/hotkey_names.h"

namespace quindle::activation {

std::string ActivationName(const storage::MacroRecord& record) {
  return ActivationName(record.HotkeyNumber.Get(), record.TypletName.View());
}

std::string ActivationName(std::uint16_t hotkeyNumber, std::string_view typletName) {
  if (hotkeyNumber == storage::kActivationTimed) return "Timed Macro";
  if (hotkeyNumber == storage::kActivationTyplet) return std::string(typletName);
  return std::string(hooklib::HotkeyName(hotkeyNumber));
}

std::string ScopeName(const storage::MacroRecord& record) {
  return ScopeName(record.ScopeKind.Get(), record.ScopeText.View());
}

std::string ScopeName(int scopeKind, std::string_view scopeText) {
  switch (scopeKind) {
    case storage::ScopeGlobal:
      return "GLOBAL";
    case storage::ScopeWindow:
      return "Window: " + std::string(scopeText);
    case storage::ScopeProgram:
      return "Program: " + std::string(scopeText);
    case storage::ScopePopupMenu:
      return "Popup Menu";
    case storage::ScopeSystem:
      return "SYSTEM";
    default:
      return {};
  }
}

}  // namespace quindle::activation
