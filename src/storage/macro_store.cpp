#include "storage/macro_store.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "storage/set_hotkeys.h"

namespace quindle::storage {
namespace {

constexpr std::string_view kErrorTitle = "Error";
constexpr std::string_view kWarningTitle = "Warning";
// A refused acquisition comes back at once and a timed-out one after 500 ms (a hook call still
// holds the table); a few retries cover either without hanging the program on a lasting one.
constexpr int kLockAttempts = 4;
constexpr std::size_t kEnabledOffset = offsetof(MacroRecord, Enabled);

constexpr std::uint64_t RecordOffset(std::size_t n) noexcept {
  return static_cast<std::uint64_t>(n - 1) * kRecordSize;
}

// Whole records only: a partial record at the end of the file is not a macro.
std::uint64_t WholeRecords(std::uint64_t size) noexcept {
  return size / kRecordSize;
}

// Where the replacement file is built before it takes the current file's place.
std::string ScratchName(const std::string& path) {
  return path + ".tmp";
}

}  // namespace

std::string_view MacroIndex::Name(int n) const noexcept {
  return Valid(n) ? std::string_view(entries_[static_cast<std::size_t>(n - 1)].name)
                  : std::string_view();
}

std::string_view MacroIndex::TypletName(int n) const noexcept {
  return Valid(n) ? std::string_view(entries_[static_cast<std::size_t>(n - 1)].typletName)
                  : std::string_view();
}

void MacroIndex::Set(int n, std::string_view name, std::string_view typletName) {
  if (!Valid(n)) return;
  Entry& entry = entries_[static_cast<std::size_t>(n - 1)];
  entry.name.assign(name.substr(0, decltype(MacroRecord::Name)::kCapacity));
  MarkTyplet(n, false);
  entry.typletName.assign(typletName.substr(0, decltype(MacroRecord::TypletName)::kCapacity));
  MarkTyplet(n, true);
}

void MacroIndex::MarkTyplet(int n, bool present) noexcept {
  const std::string& typletName = entries_[static_cast<std::size_t>(n - 1)].typletName;
  if (typletName.empty()) return;
  const auto slot = static_cast<std::size_t>(n - 1);
  std::uint64_t& word = typletsByLast_[LastKey(typletName.back())][slot / 64];
  const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
  word = present ? (word | bit) : (word & ~bit);
}

void MacroIndex::SetName(int n, std::string_view name) {
  if (!Valid(n)) return;
  entries_[static_cast<std::size_t>(n - 1)].name.assign(
      name.substr(0, decltype(MacroRecord::Name)::kCapacity));
}

void MacroIndex::Clear() noexcept {
  for (Entry& entry : entries_) {
    entry.name.clear();
    entry.typletName.clear();
  }
  typletsByLast_ = {};
}

MacroRecord MakeSystemMacro(std::size_t which, double now) noexcept {
  MacroRecord record{};
  const SystemMacro& system = kSystemMacros[std::min<std::size_t>(which, 3)];
  record.Name.Assign(system.name);
  record.ScopeText.Assign(std::string_view(&system.tag, 1));
  record.HotkeyNumber = system.hotkey;
  record.ScopeKind = ScopeSystem;
  record.Enabled = true;
  record.LastModified = now;
  return record;
}

void StoreSlot(SharedMacroTable& table, std::size_t n, const MacroRecord& record) noexcept {
  if (n < 1 || n > kMaxMacros) return;
  const std::size_t slot = n - 1;
  table.ScopeKind[slot] = record.ScopeKind.Get();
  table.ScopeText[slot].Assign(record.ScopeText.View());
  table.TopMostOnly[slot] = static_cast<bool>(record.TopMostOnly);
  table.HotkeyNumber[slot] = record.HotkeyNumber.Get();
  table.Enabled[slot] = static_cast<bool>(record.Enabled);
}

MacroStore::MacroStore(platform::IBinaryFiles& files, TableLock& lock, platform::IPrompts& prompts,
                       platform::IClock& clock)
    : files_(files), lock_(lock), prompts_(prompts), clock_(clock) {}

template <typename Step>
bool MacroStore::WithTableRetry(Step step) {
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    TableGuard guard(lock_);
    if (guard) {
      step(guard.Table());
      return true;
    }
  }
  return false;
}

bool MacroStore::LoadMacroFile(std::string_view path) {
  std::string newName(path);  // `path` may view fileName_ itself
  fileName_ = std::move(newName);
  index_.Clear();
  if (!WithTableRetry([](SharedMacroTable& table) { table.Count = 0; })) {
    prompts_.ShowMessage(kErrorTitle, kTableNotLocked);
    return false;
  }

  auto file = files_.Open(fileName_, platform::FileOpenMode::ReadOnly);
  if (!file) {
    // A file that exists but cannot be opened (locked by another user, no permission) is
    // never replaced by an empty one.
    if (files_.Exists(fileName_)) {
      prompts_.ShowMessage(kErrorTitle, kFileNotRead);
      SetHotKeys(lock_);
      return false;
    }
    auto created = files_.Open(fileName_, platform::FileOpenMode::Create);
    if (!created || !created->Close()) {
      prompts_.ShowMessage(kErrorTitle, kNewFileFailed);
      SetHotKeys(lock_);
      return false;
    }
    created.reset();
    EnsureSystemMacros();
    SetHotKeys(lock_);
    return true;
  }

  const auto size = file->Size();
  if (!size || !file->Seek(0)) {
    prompts_.ShowMessage(kErrorTitle, kFileNotRead);
    SetHotKeys(lock_);
    return false;
  }
  const std::uint64_t records = WholeRecords(*size);
  const std::size_t toLoad = static_cast<std::size_t>(std::min<std::uint64_t>(records, kMaxMacros));
  MacroRecord record{};
  for (std::size_t n = 1; n <= toLoad; ++n) {
    // Read before taking the lock: the hook library waits for it on every key, and a failed
    // read must not leave a counted slot that was never filled.
    if (!file->Read(&record, sizeof record)) {
      prompts_.ShowMessage(kErrorTitle, kFileNotRead);
      SetHotKeys(lock_);
      return false;
    }
    const bool stored = WithTableRetry([&](SharedMacroTable& table) {
      table.Count = static_cast<std::int32_t>(n);
      StoreSlot(table, n, record);
    });
    if (!stored) {
      prompts_.ShowMessage(kErrorTitle, kTableNotLocked);
      return false;
    }
    index_.Set(static_cast<int>(n), record.Name.View(), record.TypletName.View());
  }
  file->Close();
  file.reset();

  if (records > kMaxMacros) prompts_.ShowMessage(kWarningTitle, kTooManyMacros);
  EnsureSystemMacros();
  SetHotKeys(lock_);
  return true;
}

bool MacroStore::ReloadMacroFile() {
  return LoadMacroFile(fileName_);
}

bool MacroStore::ReadMacro(int n, MacroRecord& record) {
  auto file = files_.Open(fileName_, platform::FileOpenMode::ReadOnly);
  if (!file) return false;
  const auto size = file->Size();
  MacroRecord read{};
  if (!size || n < 1 || static_cast<std::uint64_t>(n) > WholeRecords(*size) ||
      !file->Seek(RecordOffset(static_cast<std::size_t>(n))) || !file->Read(&read, sizeof read)) {
    prompts_.ShowMessage(kErrorTitle, kFileNotRead);
    return false;
  }
  file->Close();
  std::memcpy(&record, &read, sizeof record);
  return true;
}

void MacroStore::LowerRaisedCount() {
  TableGuard guard(lock_);
  if (!guard) return;
  const std::int32_t count = guard.Table().Count;
  if (count > 0) guard.Table().Count = count - 1;
}

bool MacroStore::FailWrite(bool append, std::string_view text) {
  // The caller raised the count for a slot that will not be filled. Left raised, the slot would
  // carry whatever macro last used it, and the hook library would start it.
  if (append) LowerRaisedCount();
  prompts_.ShowMessage(kErrorTitle, text);
  return false;
}

AppendOutcome MacroStore::AppendMacro(const MacroRecord& record) {
  int n = 0;
  {
    TableGuard guard(lock_);
    if (!guard) return {0, AppendFailure::NotLocked};
    const std::size_t count = guard.Table().SafeCount();
    if (count >= kMaxMacros) return {0, AppendFailure::Full};
    n = static_cast<int>(count) + 1;
    guard.Table().Count = n;
  }
  // The lock is let go before the write, which may show a message.
  if (!WriteMacro(-1, record)) return {0, AppendFailure::NotWritten};
  return {n, AppendFailure::None};
}

bool MacroStore::WriteMacro(int n, const MacroRecord& record) {
  const bool append = n == -1;
  auto file = files_.Open(fileName_, platform::FileOpenMode::ReadWrite);
  if (!file) return FailWrite(append, kSavingFailed);

  std::size_t slot = 0;
  {
    // Without the table (refused, or still in use elsewhere after the wait) nothing is written:
    // a record in the file that the table does not mirror would start the wrong macro.
    TableGuard guard(lock_);
    if (!guard) {
      prompts_.ShowMessage(kErrorTitle, kSavingFailed);
      return false;
    }
    if (append) {
      const std::int32_t count = guard.Table().Count;
      // Past slot 500 there is no table slot; the callers refuse at 500, so this only guards.
      if (count < 1 || count > static_cast<std::int32_t>(kMaxMacros)) {
        file.reset();
        return FailWrite(count > 0, kSavingFailed);
      }
      slot = static_cast<std::size_t>(count);
    } else {
      if (n < 1 || static_cast<std::size_t>(n) > guard.Table().SafeCount()) {
        prompts_.ShowMessage(kErrorTitle, kSavingFailed);
        return false;
      }
      slot = static_cast<std::size_t>(n);
    }
  }

  const auto size = file->Size();
  if (!size) return FailWrite(append, kFileNotRead);
  const std::uint64_t records = WholeRecords(*size);
  // An append goes to the position its number says, not to the end of the file: a partial
  // record at the end is overwritten instead of shifting every later record off its place.
  // When the file holds more records than the table (more than 500, or changed by someone
  // else), appending would overwrite one of them or give the new macro the wrong number.
  if (append ? records != slot - 1 : records < slot) return FailWrite(append, kFileChanged);
  if (!file->Seek(RecordOffset(slot)) || !file->Write(&record, sizeof record) || !file->Close())
    return FailWrite(append, kFileNotWritten);
  file.reset();

  index_.Set(static_cast<int>(slot), record.Name.View(), record.TypletName.View());
  WithTableRetry([&](SharedMacroTable& table) { StoreSlot(table, slot, record); });
  SetHotKeys(lock_);
  return true;
}

bool MacroStore::DeleteMacro(int n) {
  auto source = files_.Open(fileName_, platform::FileOpenMode::ReadWrite);
  if (!source) {
    prompts_.ShowMessage(kErrorTitle, kRemoveNotOpened);
    return false;
  }
  const auto size = source->Size();
  if (!size) {
    prompts_.ShowMessage(kErrorTitle, kFileNotRead);
    return false;
  }
  const std::uint64_t records = WholeRecords(*size);
  if (n < 1 || static_cast<std::uint64_t>(n) > records) return false;

  // The shortened file is built beside the current one and then takes its place in one step,
  // so a failure or a crash part-way leaves the old file whole.
  // A copy left by a removal that broke off is removed first rather than emptied in place: a
  // copy that another user is still writing must not be cut short under them.
  const std::string scratch = ScratchName(fileName_);
  if (files_.Exists(scratch) && !files_.RemoveFile(scratch)) {
    prompts_.ShowMessage(kErrorTitle, kRemoveScratchInUse);
    return false;
  }
  auto target = files_.Open(scratch, platform::FileOpenMode::Create);
  if (!target) {
    prompts_.ShowMessage(kErrorTitle, kRemoveScratchNotMade);
    return false;
  }
  auto abandon = [&](std::string_view text) {
    target.reset();
    source.reset();
    files_.RemoveFile(scratch);
    prompts_.ShowMessage(kErrorTitle, text);
    return false;
  };

  MacroRecord record{};
  if (!source->Seek(0)) return abandon(kFileNotRead);
  for (std::uint64_t k = 1; k <= records; ++k) {
    if (!source->Read(&record, sizeof record)) return abandon(kFileNotRead);
    if (k == static_cast<std::uint64_t>(n)) continue;
    if (!target->Write(&record, sizeof record)) return abandon(kFileNotWritten);
  }
  if (!target->Close()) return abandon(kFileNotWritten);
  // Windows cannot replace a file that is still open.
  source->Close();
  source.reset();
  target.reset();
  if (!files_.ReplaceFile(scratch, fileName_)) {
    files_.RemoveFile(scratch);
    prompts_.ShowMessage(kErrorTitle, kRemoveNotReplaced);
    return false;
  }
  return true;
}

bool MacroStore::SetMacroEnabled(int n, bool flag) {
  auto file = files_.Open(fileName_, platform::FileOpenMode::ReadWrite);
  if (!file) return false;
  const auto size = file->Size();
  if (!size) {
    prompts_.ShowMessage(kErrorTitle, kFileNotRead);
    return false;
  }
  if (n < 1 || static_cast<std::uint64_t>(n) > WholeRecords(*size)) return false;
  // Only the one byte is written, so no failure can damage the rest of the record.
  const std::uint8_t value = flag ? 1 : 0;
  if (!file->Seek(RecordOffset(static_cast<std::size_t>(n)) + kEnabledOffset) ||
      !file->Write(&value, 1) || !file->Close()) {
    prompts_.ShowMessage(kErrorTitle, kFileNotWritten);
    return false;
  }
  return true;
}

void MacroStore::EnsureSystemMacros() {
  std::array<bool, kSystemMacros.size()> present{};
  {
    TableGuard guard(lock_);
    if (!guard) return;
    const SharedMacroTable& table = guard.Table();
    const std::size_t count = table.SafeCount();
    for (std::size_t slot = 0; slot < count; ++slot) {
      if (table.ScopeKind[slot] != ScopeSystem) continue;
      const char tag = table.ScopeText[slot].First();
      if (tag < '1' || tag > '4') continue;
      const std::size_t which = static_cast<std::size_t>(tag - '1');
      present[which] = true;
      // The list shows the standard name; the record keeps its own.
      const int n = static_cast<int>(slot + 1);
      if (index_.Name(n) != kSystemMacros[which].name) index_.SetName(n, kSystemMacros[which].name);
    }
  }

  bool noRoom = false;
  for (std::size_t which = 0; which < kSystemMacros.size(); ++which) {
    if (present[which]) continue;
    const AppendOutcome added = AppendMacro(MakeSystemMacro(which, clock_.Now()));
    if (added.failure == AppendFailure::Full) noRoom = true;
    // A failed append has been reported and undone; the next load tries again.
    if (added.failure == AppendFailure::NotLocked || added.failure == AppendFailure::NotWritten)
      return;
  }
  if (noRoom) prompts_.ShowMessage(kWarningTitle, kNoRoomForSystemMacros);
}

}  // namespace quindle::storage
