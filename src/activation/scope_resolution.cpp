#include "activation/scope_resolution.h"

#include "platform/text.h"

namespace quindle::activation {

std::vector<ScopeEntry> EntriesWithHotkey(const storage::SharedMacroTable& table, int code) {
  std::vector<ScopeEntry> entries;
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (static_cast<int>(table.HotkeyNumber[i].Get()) != code) continue;
    ScopeEntry entry;
    entry.number = static_cast<int>(i) + 1;
    entry.scopeKind = table.ScopeKind[i].Get();
    entry.scopeText = std::string(table.ScopeText[i].View());
    entry.enabled = table.Enabled[i];
    entry.topMostOnly = table.TopMostOnly[i];
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::optional<char> SystemAction(const std::vector<ScopeEntry>& entries) {
  for (const ScopeEntry& entry : entries) {
    // A disabled entry is not in the hook's set of hotkeys either: it must not act here.
    if (!entry.enabled || entry.scopeKind != storage::ScopeSystem) continue;
    return entry.scopeText.empty() ? '\0' : entry.scopeText.front();
  }
  return std::nullopt;
}

bool HasSystemAction(const std::vector<ScopeEntry>& entries, char action) {
  for (const ScopeEntry& entry : entries) {
    if (entry.enabled && entry.scopeKind == storage::ScopeSystem && !entry.scopeText.empty() &&
        entry.scopeText.front() == action) {
      return true;
    }
  }
  return false;
}

int MatchInFront(const std::vector<ScopeEntry>& entries, std::string_view upperTitle,
                 std::string_view upperProgram) {
  for (const ScopeEntry& entry : entries) {
    if (!entry.enabled) continue;
    if (entry.scopeKind == storage::ScopeWindow &&
        upperTitle.find(platform::UpperAToZ(entry.scopeText)) != std::string_view::npos) {
      return entry.number;
    }
    if (entry.scopeKind == storage::ScopeProgram &&
        upperProgram.find(platform::UpperAToZ(entry.scopeText)) != std::string_view::npos) {
      return entry.number;
    }
  }
  return 0;
}

int ChooseInBackground(const std::vector<ScopeEntry>& entries,
                       const std::function<bool(std::string_view scopeText)>& activate) {
  int candidate = 0;
  for (const ScopeEntry& entry : entries) {
    if (!entry.enabled) continue;
    switch (entry.scopeKind) {
      case storage::ScopeGlobal:
      case storage::ScopePopupMenu:
      case storage::ScopeSystem:
        candidate = entry.number;
        break;
      case storage::ScopeWindow:
        if (!entry.topMostOnly && activate(entry.scopeText)) return entry.number;
        break;
      default:
        // Program-scoped macros run only while their program is in front (pass 1); the hook
        // library's lookup makes the same choice, so it never swallows a key for them here.
        break;
    }
  }
  return candidate;
}

}  // namespace quindle::activation
