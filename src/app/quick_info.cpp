#include "app/quick_info.h"

#include "hooklib/hotkey_names.h"
#include "platform/date_time.h"
#include "scheduler/schedule_text.h"

namespace quindle::app {
namespace {

std::string ScopeOf(const storage::MacroRecord& macro) {
  const std::int16_t kind = macro.ScopeKind.Get();
  switch (kind) {
    case storage::ScopeGlobal:
      return "GLOBAL";
    case storage::ScopePopupMenu:
      return "Popup Menu";
    case storage::ScopeSystem:
      return "SYSTEM";
    case storage::ScopeWindow:
    case storage::ScopeProgram:
      break;
    default:
      return {};
  }
  std::string scope(macro.ScopeText.View());
  scope += kind == storage::ScopeWindow ? " \"Window\"" : " \"Program\"";
  scope += macro.TopMostOnly ? " (Top Most Only)" : " (If Running)";
  return scope;
}

std::string DateOf(double dateTime) {
  const platform::CivilDateTime date = platform::FromDateTime(dateTime);
  return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
         std::to_string(date.year);
}

}  // namespace

QuickInfoText MakeQuickInfo(const storage::MacroRecord& macro) {
  QuickInfoText info;
  const int code = macro.HotkeyNumber.Get();
  if (code == storage::kActivationTimed) {
    info.activationLabel = "Timed Macro:";
    info.activation = scheduler::GetSched(macro);
  } else if (code == storage::kActivationTyplet) {
    info.activationLabel = "Typlet:";
    info.activation = std::string(macro.TypletName.View());
  } else {
    info.activationLabel = "Hot Key:";
    info.activation = std::string(hooklib::HotkeyName(code));
  }
  info.nickname = std::string(macro.Name.View());
  info.scope = ScopeOf(macro);
  info.active = macro.Enabled ? "Yes" : "No";
  info.lastModified = "Last Modified On " + DateOf(macro.LastModified.Get());
  const std::int16_t kind = macro.ScopeKind.Get();
  info.showText = kind != storage::ScopePopupMenu && kind != storage::ScopeSystem;
  if (info.showText) info.text = std::string(macro.MacroText());
  info.iconName = std::string(macro.IconName.View());
  return info;
}

}  // namespace quindle::app
