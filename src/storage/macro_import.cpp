#include "storage/macro_import.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <utility>

#include "platform/text.h"
#include "storage/import_records.h"

namespace quindle::storage {
namespace {

constexpr std::string_view kErrorTitle = "Error";
constexpr std::string_view kWarningTitle = "Warning";

std::size_t RecordSizeOf(ImportKind kind) noexcept {
  switch (kind) {
    case ImportKind::Vx2:
      return sizeof(Vx2Record);
    case ImportKind::Tpl:
      return sizeof(TplRecord);
    case ImportKind::Qnl:
      break;
  }
  return sizeof(MacroRecord);
}

// The new macro built from record `index` of `bytes`, or nothing when that record is damaged.
std::optional<MacroRecord> NewMacroAt(ImportKind kind, std::span<const std::uint8_t> bytes,
                                      std::size_t index) {
  switch (kind) {
    case ImportKind::Vx2: {
      const auto old = Vx2RecordAt(bytes, index);
      if (!old) return std::nullopt;
      // A popup menu's record holds its member count where the old text goes: a text that does
      // not read as one would put a damaged menu into the macro file.
      const MacroRecord converted = MacroFromVx2(*old, 0.0);
      if (!IsSoundRecord(converted)) return std::nullopt;
      return converted;
    }
    case ImportKind::Tpl: {
      const auto typlet = TplRecordAt(bytes, index);
      if (!typlet) return std::nullopt;
      return MacroFromTpl(*typlet, 0.0);
    }
    case ImportKind::Qnl:
      break;
  }
  return MacroRecordAt(bytes, index);
}

bool TakesAGlobalHotkey(const MacroRecord& record) noexcept {
  const std::int16_t scope = record.ScopeKind;
  return (scope == ScopeGlobal || scope == ScopePopupMenu) && record.HotkeyNumber < kHotkeyCount;
}

struct LoadedState {
  std::size_t count = 0;
  std::array<bool, kHotkeyCount> used{};  // some macro of the loaded file has this hotkey
};

std::optional<LoadedState> ReadLoadedState(TableLock& lock) {
  TableGuard guard(lock);
  if (!guard) return std::nullopt;
  LoadedState state;
  state.count = guard.Table().SafeCount();
  for (std::size_t slot = 0; slot < state.count; ++slot) {
    const std::uint16_t hotkey = guard.Table().HotkeyNumber[slot];
    if (hotkey < kHotkeyCount) state.used[hotkey] = true;
  }
  return state;
}

// Imported popup menus list their members by the source's numbers; each member that came along
// gets its new number, and one that did not is left out rather than naming whatever macro of the
// loaded file has its old number.
void RenumberMenus(const std::vector<std::pair<int, MacroRecord>>& menus,
                   const std::map<std::size_t, int>& newNumbers, MacroStore& store) {
  for (auto [n, menu] : menus) {
    std::vector<std::uint16_t> members;
    for (std::size_t i = 0; i < menu.MemberCount(); ++i) {
      const auto found = newNumbers.find(menu.Member(i));
      if (found != newNumbers.end()) members.push_back(static_cast<std::uint16_t>(found->second));
    }
    bool same = members.size() == menu.MemberCount();
    for (std::size_t i = 0; same && i < members.size(); ++i) same = members[i] == menu.Member(i);
    if (same) continue;
    menu.SetMembers(members);
    if (!store.WriteMacro(n, menu)) return;
  }
}

}  // namespace

std::string GlobalHotkeyExists(std::string_view hotkeyName) {
  return "A Global Hot Key for " + std::string(hotkeyName) +
         " already exists.  This macro will not be imported.";
}

std::string CapacityExceeded(std::size_t excess) {
  return "The maximum capacity of macros per file will be exceeded. The last " +
         std::to_string(excess) + " macros selected will not be imported.";
}

std::string ImportDamaged(std::size_t number) {
  return "The import file is damaged: record " + std::to_string(number) +
         " is not a macro.  No macros can be imported from it.";
}

std::optional<ImportKind> ImportKindOf(std::string_view path) {
  if (path.size() < 4) return std::nullopt;
  const std::string ending = platform::UpperAToZ(path.substr(path.size() - 4));
  if (ending == ".QNL") return ImportKind::Qnl;
  if (ending == ".VX2") return ImportKind::Vx2;
  if (ending == ".TPL") return ImportKind::Tpl;
  return std::nullopt;
}

ImportSource ReadImportSource(platform::IBinaryFiles& files, std::string_view path) {
  ImportSource source;
  const std::optional<ImportKind> kind = ImportKindOf(path);
  if (!kind) {
    source.error = kImproperFileType;
    return source;
  }
  source.kind = *kind;
  const std::unique_ptr<platform::IBinaryFile> file =
      files.Open(path, platform::FileOpenMode::ReadOnly);
  if (!file) {
    source.error = kImportNotOpened;
    return source;
  }
  const std::size_t recordSize = RecordSizeOf(*kind);
  const std::optional<std::uint64_t> size = file->Size();
  if (!size || !file->Seek(0)) {
    source.error = kImportNotRead;
    return source;
  }
  // No file can give more than a full macro file; a longer one is read no further.
  const std::size_t records =
      static_cast<std::size_t>(std::min<std::uint64_t>(*size / recordSize, kMaxMacros));
  if (records == 0) {
    source.error = kImportTooShort;
    return source;
  }
  std::vector<std::uint8_t> bytes(records * recordSize);
  if (!file->Read(bytes.data(), bytes.size())) {
    source.error = kImportNotRead;
    return source;
  }
  for (std::size_t index = 0; index < records; ++index) {
    const std::optional<MacroRecord> record = NewMacroAt(*kind, bytes, index);
    if (!record) {
      source.entries.clear();
      source.error = ImportDamaged(index + 1);
      return source;
    }
    if (record->ScopeKind == ScopeSystem) continue;
    source.entries.push_back({index + 1, *record});
  }
  return source;
}

ImportOutcome RunImport(const ImportSource& source, std::vector<bool>& selected,
                        const ImportServices& services) {
  selected.resize(source.entries.size(), false);
  if (std::count(selected.begin(), selected.end(), true) == 0) {
    services.prompts.ShowMessage(kErrorTitle, kNothingFlagged);
    return {ImportResult::NothingSelected, 0};
  }
  std::optional<LoadedState> loaded = ReadLoadedState(services.lock);
  if (!loaded) {
    services.prompts.ShowMessage(kErrorTitle, kSavingFailed);
    return {ImportResult::Declined, 0};
  }

  bool warned = false;
  for (std::size_t i = 0; i < source.entries.size(); ++i) {
    if (!selected[i]) continue;
    const MacroRecord& record = source.entries[i].record;
    const std::uint16_t hotkey = record.HotkeyNumber;
    if (TakesAGlobalHotkey(record) && loaded->used[hotkey]) {
      services.prompts.ShowMessage(kWarningTitle, GlobalHotkeyExists(services.hotkeyName(hotkey)));
      selected[i] = false;
      warned = true;
    } else if (hotkey < kHotkeyCount) {
      // Once imported it is a macro of the loaded file too, and a second global macro with its
      // hotkey could never be chosen.
      loaded->used[hotkey] = true;
    }
  }
  const auto chosen = static_cast<std::size_t>(std::count(selected.begin(), selected.end(), true));
  if (loaded->count + chosen > kMaxMacros) {
    services.prompts.ShowMessage(kWarningTitle,
                                 CapacityExceeded(loaded->count + chosen - kMaxMacros));
    warned = true;
  }
  if (warned && !services.prompts.AskYesNo(kWarningTitle, kContinueImport))
    return {ImportResult::Declined, 0};

  ImportOutcome outcome{ImportResult::Imported, 0};
  std::map<std::size_t, int> newNumbers;  // source number -> MacroNumber in the loaded file
  std::vector<std::pair<int, MacroRecord>> menus;
  for (std::size_t i = 0; i < source.entries.size(); ++i) {
    if (!selected[i]) continue;
    MacroRecord record = source.entries[i].record;
    if (source.kind != ImportKind::Qnl) record.LastModified = services.clock.Now();
    const AppendOutcome added = services.store.AppendMacro(record);
    if (added.failure == AppendFailure::Full) break;
    if (added.failure == AppendFailure::NotLocked)
      services.prompts.ShowMessage(kErrorTitle, kSavingFailed);
    if (added.failure != AppendFailure::None) break;
    ++outcome.imported;
    newNumbers[source.entries[i].sourceNumber] = added.n;
    if (source.kind == ImportKind::Qnl && record.ScopeKind == ScopePopupMenu)
      menus.emplace_back(added.n, record);
  }
  RenumberMenus(menus, newNumbers, services.store);
  return outcome;
}

}  // namespace quindle::storage
