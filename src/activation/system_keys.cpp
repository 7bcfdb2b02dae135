#include "activation/system_keys.h"

#include "activation/scope_resolution.h"
#include "hooklib/hotkey_names.h"

namespace quindle::activation {

std::optional<SystemKeyField> FieldOfSystemAction(std::string_view scopeText) {
  if (scopeText.empty()) return std::nullopt;
  switch (scopeText.front()) {
    case kSystemActivateMe:
      return SystemKeyField::ActProg;
    case kSystemCapture:
      return SystemKeyField::StartCap;
    case kSystemResume:
      return SystemKeyField::Resume;
    case kSystemMenuTop:
      return SystemKeyField::MenuTop;
    default:
      return std::nullopt;
  }
}

std::optional<SystemKeyField> SystemFieldOfSlot(const storage::SharedMacroTable& table,
                                                std::size_t slot) {
  if (slot >= table.SafeCount() || table.ScopeKind[slot].Get() != storage::ScopeSystem) return {};
  return FieldOfSystemAction(table.ScopeText[slot].View());
}

std::string HotKeyInUseMessage(int code) {
  return "The hot key \"" + std::string(hooklib::HotkeyName(code)) +
         "\" is already in use by a macro.  If you wish to use this hot key combination, you "
         "will first need to either remove or move the macro which is assigned to it.";
}

void SystemKeysModel::Load(const storage::SharedMacroTable& table, int systemMenu) {
  entries_ = {};
  used_.clear();
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    const std::int16_t kind = table.ScopeKind[i].Get();
    const int code = table.HotkeyNumber[i].Get();
    const int number = static_cast<int>(i) + 1;
    if (kind == storage::ScopeGlobal || kind == storage::ScopePopupMenu ||
        kind == storage::ScopeSystem) {
      used_.push_back({number, code});
    }
    if (kind != storage::ScopeSystem) continue;
    const std::optional<SystemKeyField> field = FieldOfSystemAction(table.ScopeText[i].View());
    if (!field) continue;
    Entry& entry = entries_[Index(*field)];
    if (entry.number != 0) continue;  // the first entry of an action is the one that acts
    entry = {number, code, code};
  }
  SetSystemMenu(systemMenu);
}

int SystemKeysModel::Code(SystemKeyField field) const noexcept {
  return entries_[Index(field)].code;
}

std::string_view SystemKeysModel::Name(SystemKeyField field) const noexcept {
  return hooklib::HotkeyName(Code(field));
}

bool SystemKeysModel::HasEntry(SystemKeyField field) const noexcept {
  return entries_[Index(field)].number != 0;
}

std::optional<std::string> SystemKeysModel::Define(SystemKeyField field, int code) {
  Entry& entry = entries_[Index(field)];
  // A code the hook library cannot have sent, or a field without an entry: nothing to take.
  if (entry.number == 0 || hooklib::HotkeyName(code).empty()) return std::nullopt;
  for (const Used& used : used_) {
    // Pressing the field's own combination again is no clash with another macro.
    if (used.code == code && used.number != entry.number) return HotKeyInUseMessage(code);
  }
  entry.code = code;
  return std::nullopt;
}

void SystemKeysModel::SetSystemMenu(int choice) noexcept {
  systemMenu_ = choice >= kSystemMenuFirst && choice <= kSystemMenuLast ? choice : kSystemMenuFirst;
}

std::optional<std::string_view> SystemKeysModel::CheckOk() const {
  for (std::size_t i = 0; i < kSystemKeyCount; ++i) {
    for (std::size_t j = i + 1; j < kSystemKeyCount; ++j) {
      if (entries_[i].number != 0 && entries_[j].number != 0 &&
          entries_[i].code == entries_[j].code) {
        return kSameSystemHotKeyMessage;
      }
    }
  }
  return std::nullopt;
}

bool SystemKeysModel::CodesChanged() const noexcept {
  for (const Entry& entry : entries_) {
    if (entry.code != entry.loaded) return true;
  }
  return false;
}

bool SystemKeysModel::Apply(storage::MacroStore& store) const {
  bool ok = true;
  for (const Entry& entry : entries_) {
    if (entry.number == 0 || entry.code == entry.loaded) continue;
    storage::MacroRecord record{};
    if (!store.ReadMacro(entry.number, record)) {
      ok = false;
      continue;
    }
    record.HotkeyNumber = static_cast<std::uint16_t>(entry.code);
    ok = store.WriteMacro(entry.number, record) && ok;
  }
  return ok;
}

}  // namespace quindle::activation
