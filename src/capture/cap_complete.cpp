#include "capture/cap_complete.h"

#include <algorithm>

#include "activation/typlets.h"
#include "capture/capture_forms.h"
#include "hooklib/hotkey_names.h"
#include "platform/text.h"

namespace quindle::capture {
namespace {

constexpr std::array<int, 10> kReservedCodes{89, 185, 233, 590, 557, 558, 559, 566, 571, 607};

bool IsCode(int code) noexcept {
  return code >= 0 && code < hooklib::kHotkeyCodeCount;
}

std::string Trimmed(std::string_view text, std::size_t max) {
  return std::string(platform::TrimSpacesAndControls(text).substr(0, max));
}

}  // namespace

KeyUse::KeyUse(const storage::SharedMacroTable& table) {
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    const int code = table.HotkeyNumber[i].Get();
    if (!IsCode(code)) continue;
    const auto index = static_cast<std::size_t>(code);
    ++counts_[index];
    const std::int16_t kind = table.ScopeKind[i].Get();
    if (kind == storage::ScopeGlobal || kind == storage::ScopePopupMenu ||
        kind == storage::ScopeSystem) {
      global_.set(index);
    }
  }
}

int KeyUse::Count(int code) const noexcept {
  return IsCode(code) ? counts_[static_cast<std::size_t>(code)] : 0;
}

bool KeyUse::UsedGlobally(int code) const noexcept {
  return IsCode(code) && global_.test(static_cast<std::size_t>(code));
}

std::string KeyLine(int code, const KeyUse& use) {
  std::string line(hooklib::HotkeyName(code));
  const int count = use.Count(code);
  if (count == 0) return line + "  (Not in Use)";
  if (count == 1) return line + "  (1 macro in use)";
  return line + "  (" + std::to_string(count) + " macros in use)";
}

std::vector<std::string> KeyLines(const KeyUse& use) {
  std::vector<std::string> lines;
  lines.reserve(hooklib::kHotkeyCodeCount);
  for (int code = 0; code < hooklib::kHotkeyCodeCount; ++code) lines.push_back(KeyLine(code, use));
  return lines;
}

KeyLineColumns SplitKeyLine(std::string_view line) noexcept {
  const std::size_t open = line.find('(');
  if (open == std::string_view::npos) return {line, {}};
  return {platform::Trim(line.substr(0, open), " "), line.substr(open)};
}

bool IsReservedHotkey(int code) noexcept {
  return std::find(kReservedCodes.begin(), kReservedCodes.end(), code) != kReservedCodes.end();
}

std::string ReservedHotkeyQuestion(int code) {
  const std::string name(hooklib::HotkeyName(code));
  return name +
         " may be used internally by Windows 95, 98 or NT.  This may cause the hot key not to "
         "function correctly. Would you still like to use " +
         name + "?";
}

CapCompleteStep CheckCapComplete(const CapCompleteForm& form, const KeyUse& use) {
  CapCompleteStep step;
  step.result.typlet = form.typlet;
  step.result.nickname = Trimmed(form.nickname, kCaptureNicknameMax);
  step.result.scope = form.scope;
  if (form.typlet) {
    step.result.typletName = Trimmed(form.typletName, activation::kTypletNameMax);
    if (step.result.typletName.empty()) {
      step.title = kCapCompleteErrorTitle;
      step.message = kNoTypletNameMessage;
      step.focus = CapCompleteField::TypletName;
      return step;
    }
    step.result.hotkeyNumber = storage::kActivationTyplet;
    step.kind = CapCompleteStep::Kind::Accept;
    return step;
  }
  step.focus = CapCompleteField::HotKeyEntry;
  step.title = kCapCompleteErrorTitle;
  if (!IsCode(form.selectedCode)) {
    step.message = kNoHotKeySelectedMessage;
    return step;
  }
  if (form.scope == ScopeChoice::Global && use.UsedGlobally(form.selectedCode)) {
    step.message = kGlobalHotKeyInUseMessage;
    return step;
  }
  step.result.hotkeyNumber = static_cast<std::uint16_t>(form.selectedCode);
  if (IsReservedHotkey(form.selectedCode)) {
    step.kind = CapCompleteStep::Kind::Ask;
    step.title = kReservedHotkeyTitle;
    step.message = ReservedHotkeyQuestion(form.selectedCode);
    return step;
  }
  step.kind = CapCompleteStep::Kind::Accept;
  step.title = {};
  return step;
}

}  // namespace quindle::capture
