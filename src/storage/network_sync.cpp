#include "storage/network_sync.h"

#include <cstring>
#include <memory>

namespace quindle::storage {
namespace {

constexpr double kOneMinute = 1.0 / (24.0 * 60.0);

}  // namespace

std::string SyncFileName(std::string_view macroFile) {
  std::string name(macroFile.substr(0, macroFile.size() >= 3 ? macroFile.size() - 3 : 0));
  return name + "MAS";
}

std::optional<SyncRecord> SyncRecordFromBytes(std::string_view bytes) noexcept {
  if (bytes.size() < sizeof(SyncRecord)) return std::nullopt;
  SyncRecord record{};
  std::memcpy(&record, bytes.data(), sizeof record);
  return record;
}

SyncRecord MakeSyncRecord(std::int32_t counter, std::int16_t state, double heartbeat) noexcept {
  SyncRecord record{};
  record.Counter = counter;
  record.State = state;
  record.Heartbeat = heartbeat;
  return record;
}

void NetworkSync::PrepareSync(std::string_view macroFile) {
  syncFile_ = SyncFileName(macroFile);
  ReadSync();
  knownCounter_ = copy_.Counter;
}

void NetworkSync::ReadSync() {
  const std::optional<std::string> bytes =
      platform::ReadWholeFile(files_, syncFile_, sizeof(SyncRecord));
  if (bytes) {
    if (const std::optional<SyncRecord> record = SyncRecordFromBytes(*bytes)) copy_ = *record;
    return;
  }
  if (files_.Exists(syncFile_)) return;  // there, but not to be read now: the copy stays
  // Missing: a fresh free record, made under the exclusive open so that one another copy wrote
  // in the meantime is read rather than overwritten.
  if (auto file = files_.Open(syncFile_, platform::FileOpenMode::Exclusive)) {
    ReadLocked(*file);
    file->Close();
  }
}

void NetworkSync::ReadLocked(platform::IBinaryFile& file) {
  const std::optional<std::uint64_t> size = file.Size();
  if (size && *size == 0) {
    // Just made by this open: counter 1, free.
    copy_ = MakeSyncRecord(1, kSyncFree, 0.0);
    WriteLocked(file, copy_);
    return;
  }
  SyncRecord record{};
  if (file.Seek(0) && file.Read(&record, sizeof record)) copy_ = record;
}

bool NetworkSync::WriteLocked(platform::IBinaryFile& file, const SyncRecord& record) {
  return file.Seek(0) && file.Write(&record, sizeof record) && file.Flush();
}

NetworkSync::Verdict NetworkSync::Decide() {
  const double now = clock_.Now();
  if (copy_.State == kSyncHeld) {
    if (copy_.Heartbeat.Get() != lastSeenHeartbeat_) {
      lastSeenHeartbeat_ = copy_.Heartbeat;
      seenSince_ = now;
      return Verdict::Held;
    }
    const double standing = now - seenSince_;
    if (standing < 0.0) seenSince_ = now;  // the clock went back: the minute starts again
    if (standing < kOneMinute) return Verdict::Held;
    return Verdict::Take;  // its heartbeat stood still for a minute: the holder is gone
  }
  if (copy_.Counter != knownCounter_) return Verdict::Changed;
  return Verdict::Take;
}

bool NetworkSync::Refuse(std::string_view title, std::string_view text) {
  prompts_.ShowMessage(title, text);
  return true;
}

bool NetworkSync::FileInUse() {
  if (!networkMode_) return false;
  // Open elsewhere means another copy is testing or taking the lock at this very moment.
  std::unique_ptr<platform::IBinaryFile> file =
      files_.Open(syncFile_, platform::FileOpenMode::Exclusive);
  if (!file) {
    if (!files_.Exists(syncFile_)) return Refuse(kSyncInUseTitle, kSyncNotWritten);
    return Refuse(kSyncInUseTitle, kSyncInUse);
  }
  ReadLocked(*file);
  switch (Decide()) {
    case Verdict::Held:
      return Refuse(kSyncInUseTitle, kSyncInUse);
    case Verdict::Changed:
      file->Close();
      file.reset();
      prompts_.ShowMessage(kSyncChangedTitle, kSyncChanged);
      knownCounter_ = copy_.Counter;
      host_.ReloadMacroFile();
      return true;
    case Verdict::Take:
      break;
  }
  const SyncRecord before = copy_;
  copy_.State = kSyncHeld;
  copy_.Heartbeat = clock_.Now();
  if (!WriteLocked(*file, copy_) || !file->Close()) {
    copy_ = before;
    return Refuse(kSyncInUseTitle, kSyncNotWritten);
  }
  holding_ = true;
  host_.StartNetTimer();
  return false;
}

void NetworkSync::ReleaseSyncFile(bool changed) {
  // Only the holder frees the lock: a release without a take must not free another's.
  if (!networkMode_ || !holding_) return;
  holding_ = false;
  copy_.Counter = copy_.Counter + (changed ? 1 : 0);
  copy_.State = kSyncFree;
  knownCounter_ = copy_.Counter;
  releasePending_ = true;
  OnNetTimer();
}

void NetworkSync::OnNetTimer() {
  if (!holding_ && !releasePending_) return host_.StopNetTimer();
  if (holding_) copy_.Heartbeat = clock_.Now();
  // A copy testing the lock at this moment has the file open: the heartbeat is written on the
  // next tick, a release is retried on every tick until it is written.
  std::unique_ptr<platform::IBinaryFile> file =
      files_.Open(syncFile_, platform::FileOpenMode::Exclusive);
  if (!file) {
    if (releasePending_) host_.StartNetTimer();
    return;
  }
  const bool written = WriteLocked(*file, copy_) && file->Close();
  if (releasePending_ && written) {
    releasePending_ = false;
    host_.StopNetTimer();
  }
}

bool NetworkSync::ChangedSinceLoad() {
  if (!networkMode_ || holding_) return false;
  ReadSync();
  if (copy_.State == kSyncHeld || copy_.Counter == knownCounter_) return false;
  knownCounter_ = copy_.Counter;
  return true;
}

bool NetworkSync::CountSyncMinute(int syncMinutes) noexcept {
  if (++syncTicks_ < syncMinutes) return false;
  syncTicks_ = 0;
  return true;
}

}  // namespace quindle::storage
