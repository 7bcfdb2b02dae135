#include "app/copy_or_move.h"

#include <algorithm>

#include "activation/macro_names.h"
#include "activation/typlets.h"
#include "platform/text.h"
#include "scheduler/schedule_text.h"

namespace quindle::app {
namespace {

constexpr std::string_view kErrorTitle = "Error";

bool IsCode(int code) noexcept {
  return code >= 0 && code < hooklib::kHotkeyCodeCount;
}

bool IsGlobalScope(std::int16_t kind) noexcept {
  return kind == storage::ScopeGlobal || kind == storage::ScopePopupMenu ||
         kind == storage::ScopeSystem;
}

std::string_view Trimmed(std::string_view text) noexcept {
  return platform::Trim(text, " ");
}

}  // namespace

std::string_view CopyOrMoveCaption(CopyOrMoveMode mode) noexcept {
  return mode == CopyOrMoveMode::Copy ? kCopyCaption : kMoveCaption;
}

std::string CopyOrMoveHeading(CopyOrMoveMode mode, const storage::MacroRecord& macro) {
  return (mode == CopyOrMoveMode::Copy ? "COPY " : "MOVE ") + activation::ActivationName(macro) +
         " TO";
}

std::string GlobalClashMessage(CopyOrMoveMode mode) {
  return std::string(
             "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The \"") +
         (mode == CopyOrMoveMode::Copy ? "COPY" : "MOVE") + "\" did not take place.";
}

bool OnlyHotkeys(const storage::MacroRecord& macro) noexcept {
  return macro.ScopeKind.Get() == storage::ScopePopupMenu;
}

std::string_view TypletNameProblem(std::string_view trimmed) noexcept {
  if (trimmed.empty()) return kNoTypletNameEntered;
  const bool valid = std::all_of(trimmed.begin(), trimmed.end(),
                                 [](char c) { return activation::IsTypletCharacter(c); });
  return valid ? std::string_view() : kTypletInvalidCharacters;
}

GlobalCodes::GlobalCodes(const storage::SharedMacroTable& table, int except) {
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (static_cast<int>(slot) + 1 == except) continue;
    const int code = table.HotkeyNumber[slot].Get();
    if (IsCode(code) && IsGlobalScope(table.ScopeKind[slot].Get()))
      used_.set(static_cast<std::size_t>(code));
  }
}

bool GlobalCodes::Used(int code) const noexcept {
  return IsCode(code) && used_.test(static_cast<std::size_t>(code));
}

CopyOrMoveStep CheckCopyOrMove(CopyOrMoveMode mode, const storage::MacroRecord& macro,
                               const CopyOrMoveForm& form, const GlobalCodes& used) {
  CopyOrMoveStep step;
  step.title = kErrorTitle;
  switch (form.kind) {
    case CopyOrMoveKind::Timed:
      step.kind = CopyOrMoveStep::Kind::Accept;
      step.title = {};
      step.openSchedule = true;
      return step;
    case CopyOrMoveKind::Typlet:
      step.focus = CopyOrMoveField::TypletName;
      step.message = std::string(TypletNameProblem(Trimmed(form.typletName)));
      if (step.message.empty()) {
        step.kind = CopyOrMoveStep::Kind::Accept;
        step.title = {};
      }
      return step;
    case CopyOrMoveKind::Hotkey:
      break;
  }
  if (!IsCode(form.selectedCode)) {
    step.message = activation::kNoMacroSelected;
    return step;
  }
  const std::int16_t scope = macro.ScopeKind.Get();
  if ((scope == storage::ScopeGlobal || scope == storage::ScopePopupMenu) &&
      used.Used(form.selectedCode)) {
    step.message = GlobalClashMessage(mode);
    return step;
  }
  if (capture::IsReservedHotkey(form.selectedCode)) {
    step.kind = CopyOrMoveStep::Kind::Ask;
    step.title = capture::kReservedHotkeyTitle;
    step.message = capture::ReservedHotkeyQuestion(form.selectedCode);
    return step;
  }
  step.kind = CopyOrMoveStep::Kind::Accept;
  step.title = {};
  return step;
}

void ApplyCopyOrMove(const CopyOrMoveForm& form, double now, storage::MacroRecord& macro) {
  switch (form.kind) {
    case CopyOrMoveKind::Timed:
      if (macro.HotkeyNumber.Get() != storage::kActivationTimed)
        scheduler::DefaultTimer(macro, now);
      macro.HotkeyNumber = storage::kActivationTimed;
      return;
    case CopyOrMoveKind::Typlet:
      macro.HotkeyNumber = storage::kActivationTyplet;
      macro.TypletName.Assign(Trimmed(form.typletName).substr(0, activation::kTypletNameMax));
      return;
    case CopyOrMoveKind::Hotkey:
      if (IsCode(form.selectedCode))
        macro.HotkeyNumber = static_cast<std::uint16_t>(form.selectedCode);
      return;
  }
}

}  // namespace quindle::app
