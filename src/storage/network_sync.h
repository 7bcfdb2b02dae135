// A macro file shared by several users on a network. A small sync file beside the macro file is
// the writers' advisory lock (held or free, with the holder's heartbeat) and a change counter
// that tells every other copy of the program when its loaded list has gone stale.
//
// Testing the lock and taking it happen under one exclusive open of the sync file, so two
// copies that try at the same moment cannot both take it: the one that finds the file open is
// refused as if the lock were held. The record itself stays the 14 bytes every copy reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/system.h"
#include "storage/macro_record.h"

namespace quindle::storage {

inline constexpr std::string_view kSyncInUseTitle = "Error";
inline constexpr std::string_view kSyncInUse =
    "Macro File in use by another user.  Please try again later.";
inline constexpr std::string_view kSyncChangedTitle = "Notice";
inline constexpr std::string_view kSyncChanged =
    "Macro File has changed by another user.  Changed macro file will be reloaded after "
    "clicking \"ok\".";
inline constexpr std::string_view kSyncNotWritten =
    "The lock file of the shared macro file could not be written, so the macro file was not "
    "changed.  Please make sure that its folder can be written to.";

// The sync file of macro file `macroFile`: its last three characters replaced by "MAS".
std::string SyncFileName(std::string_view macroFile);
// The record in the first 14 bytes of `bytes`; nothing when there are fewer.
std::optional<SyncRecord> SyncRecordFromBytes(std::string_view bytes) noexcept;
SyncRecord MakeSyncRecord(std::int32_t counter, std::int16_t state, double heartbeat) noexcept;

// What the lock needs of the program around it.
class INetworkSyncHost {
 public:
  virtual ~INetworkSyncHost() = default;
  // The heartbeat timer (every 30 s while this user holds the lock): OnNetTimer.
  virtual void StartNetTimer() = 0;
  virtual void StopNetTimer() = 0;
  // Loads the macro file anew and rebuilds everything that depends on it.
  virtual void ReloadMacroFile() = 0;
};

class NetworkSync {
 public:
  NetworkSync(platform::IBinaryFiles& files, platform::IClock& clock, platform::IPrompts& prompts,
              INetworkSyncHost& host)
      : files_(files), clock_(clock), prompts_(prompts), host_(host) {}
  NetworkSync(const NetworkSync&) = delete;
  NetworkSync& operator=(const NetworkSync&) = delete;

  // "Network Mode": while it is off no sync file is read or written.
  void SetNetworkMode(bool on) noexcept { networkMode_ = on; }
  bool NetworkMode() const noexcept { return networkMode_; }

  // After switching files, at start-up and when "Network Mode" is switched on: the sync file of
  // `macroFile`, read; the loaded file is taken to be the one its counter says.
  void PrepareSync(std::string_view macroFile);
  // Before every change to the macro file: true when it must not go ahead (the user was told).
  bool FileInUse();
  // After every operation that FileInUse let through; `changed` when the file was written.
  void ReleaseSyncFile(bool changed);
  void OnNetTimer();
  // For a hotkey about to play: true (once) when another user changed the file since it was
  // loaded, and it is free again.
  bool ChangedSinceLoad();

  // The periodic reload: one minute counted; true when `syncMinutes` have passed, and the count
  // starts again.
  bool CountSyncMinute(int syncMinutes) noexcept;
  void ResetSyncCount() noexcept { syncTicks_ = 0; }

  const std::string& FileName() const noexcept { return syncFile_; }
  const SyncRecord& Copy() const noexcept { return copy_; }
  bool Holding() const noexcept { return holding_; }

 private:
  // The record into copy_: from the file, or a fresh free one (written) when there is none. A
  // file that cannot be read leaves the copy as it was.
  void ReadSync();
  bool WriteSync();
  // Under the exclusive open: the record read into copy_ as ReadSync does.
  void ReadLocked(platform::IBinaryFile& file);
  static bool WriteLocked(platform::IBinaryFile& file, const SyncRecord& record);
  // FileInUse's decision on copy_ read under the lock; true when this user takes it.
  enum class Verdict { Take, Held, Changed };
  Verdict Decide();
  bool Refuse(std::string_view title, std::string_view text);

  platform::IBinaryFiles& files_;
  platform::IClock& clock_;
  platform::IPrompts& prompts_;
  INetworkSyncHost& host_;
  bool networkMode_ = false;
  std::string syncFile_;
  SyncRecord copy_ = MakeSyncRecord(1, kSyncFree, 0.0);
  std::int32_t knownCounter_ = 1;
  double lastSeenHeartbeat_ = 0.0;
  double seenSince_ = 0.0;
  int syncTicks_ = 0;
  bool holding_ = false;
  // A release that could not be written: retried on every heartbeat until it is.
  bool releasePending_ = false;
};

}  // namespace quindle::storage
