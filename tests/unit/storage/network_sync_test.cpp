// The lock and change counter of a macro file shared on a network, over files held in memory.
#include "storage/network_sync.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory_files.h"
#include "storage_test_support.h"

namespace quindle::storage::testing {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
const std::string kMacroFile = "S:\\SHARED\\TEAM.QNL";
const std::string kSyncFile = "S:\\SHARED\\TEAM.MAS";
const ShownMessage kInUse{"Error", std::string(kSyncInUse)};
const ShownMessage kChanged{"Notice", std::string(kSyncChanged)};

class RecordingHost final : public INetworkSyncHost {
 public:
  void StartNetTimer() override { timer = true; }
  void StopNetTimer() override { timer = false; }
  void ReloadMacroFile() override { ++reloads; }
  bool timer = false;
  int reloads = 0;
};

// One copy of the program: its own prompts, host and lock, on the common files and clock.
struct User {
  User(platform::IBinaryFiles& files, FixedClock& clock) : sync(files, clock, prompts, host) {
    sync.SetNetworkMode(true);
    sync.PrepareSync(kMacroFile);
  }
  RecordingPrompts prompts;
  RecordingHost host;
  NetworkSync sync;
};

class NetworkSyncTest : public ::testing::Test {
 protected:
  SyncRecord FileRecord() {
    const std::optional<std::string> bytes = files.Content(kSyncFile);
    EXPECT_TRUE(bytes && bytes->size() == sizeof(SyncRecord));
    return SyncRecordFromBytes(bytes.value_or("")).value_or(SyncRecord{});
  }
  void SetRecord(std::int32_t counter, std::int16_t state, double heartbeat) {
    const SyncRecord r = MakeSyncRecord(counter, state, heartbeat);
    files.SetFile(kSyncFile, std::string(reinterpret_cast<const char*>(&r), sizeof r));
  }
  platform::MemoryBinaryFiles files;
  FixedClock clock;
};

TEST_F(NetworkSyncTest, SyncFileNameReplacesTheLastThreeCharacters) {
  const struct {
    std::string macroFile, expected;
  } cases[] = {{kMacroFile, kSyncFile}, {"QUINX.qnl", "QUINX.MAS"}, {"AB", "MAS"}, {"", "MAS"}};
  for (const auto& c : cases) EXPECT_EQ(SyncFileName(c.macroFile), c.expected) << c.macroFile;
}

TEST_F(NetworkSyncTest, OffNoSyncFileIsReadOrWritten) {
  RecordingPrompts prompts;
  RecordingHost host;
  NetworkSync sync(files, clock, prompts, host);
  EXPECT_FALSE(sync.FileInUse());
  sync.ReleaseSyncFile(true);
  sync.OnNetTimer();
  EXPECT_FALSE(sync.ChangedSinceLoad());
  EXPECT_FALSE(files.Exists(kSyncFile));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NetworkSyncTest, AMissingSyncFileIsMadeFreeWithCounterOne) {
  User a(files, clock);
  const SyncRecord r = FileRecord();
  EXPECT_EQ(r.Counter, 1);
  EXPECT_EQ(r.State, kSyncFree);
}

TEST_F(NetworkSyncTest, TakeAndReleaseRaiseTheCounterOnlyWhenTheFileChanged) {
  User a(files, clock);
  for (const bool changed : {false, true, true, false}) {
    const std::int32_t before = FileRecord().Counter;
    ASSERT_FALSE(a.sync.FileInUse());
    EXPECT_EQ(FileRecord().State, kSyncHeld);
    EXPECT_EQ(FileRecord().Heartbeat.Get(), clock.now);
    EXPECT_TRUE(a.host.timer);
    a.sync.ReleaseSyncFile(changed);
    EXPECT_EQ(FileRecord().State, kSyncFree);
    EXPECT_EQ(FileRecord().Counter, before + (changed ? 1 : 0));
    EXPECT_FALSE(a.host.timer);
  }
  EXPECT_TRUE(a.prompts.shown.empty());
}

TEST_F(NetworkSyncTest, AChangeByAnotherIsReloadedOnceAndTheRepeatGoesAhead) {
  User a(files, clock);
  User b(files, clock);
  ASSERT_FALSE(a.sync.FileInUse());
  a.sync.ReleaseSyncFile(true);
  EXPECT_TRUE(b.sync.FileInUse());
  EXPECT_EQ(b.prompts.shown, std::vector<ShownMessage>{kChanged});
  EXPECT_EQ(b.host.reloads, 1);
  EXPECT_EQ(FileRecord().State, kSyncFree);
  EXPECT_FALSE(b.sync.FileInUse());
  EXPECT_EQ(b.host.reloads, 1);
}

TEST_F(NetworkSyncTest, AStillHeartbeatIsWaitedOutForAMinuteFromWhenItWasFirstSeen) {
  User b(files, clock);
  SetRecord(1, kSyncHeld, 46000.0);
  const struct {
    double secondsLater;  // since B first tried
    double heartbeat;     // what the file says then
    bool refused;
  } steps[] = {
      {0, 46000.0, true},   {30, 46000.0, true},
      {59, 46000.0, true},  {61, 46001.0, true},  // the holder is alive: the minute starts again
      {100, 46001.0, true}, {122, 46001.0, false},
  };
  const double start = clock.now;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.secondsLater);
    clock.now = start + s.secondsLater * kSecond;
    if (s.refused) SetRecord(1, kSyncHeld, s.heartbeat);
    EXPECT_EQ(b.sync.FileInUse(), s.refused);
  }
  EXPECT_EQ(b.prompts.shown, std::vector<ShownMessage>(5, kInUse));
  EXPECT_EQ(FileRecord().State, kSyncHeld);
  EXPECT_EQ(FileRecord().Heartbeat.Get(), clock.now);
}

TEST_F(NetworkSyncTest, TheHeartbeatKeepsALiveHolderFromBeingTakenOver) {
  User a(files, clock);
  User b(files, clock);
  ASSERT_FALSE(a.sync.FileInUse());
  for (int tick = 0; tick < 6; ++tick) {
    clock.now += 30 * kSecond;
    a.sync.OnNetTimer();
    EXPECT_TRUE(b.sync.FileInUse()) << tick;
  }
  a.sync.ReleaseSyncFile(false);
  EXPECT_FALSE(b.sync.FileInUse());
}

TEST_F(NetworkSyncTest, AReleaseThatFindsTheFileOpenIsWrittenOnTheNextTick) {
  User a(files, clock);
  ASSERT_FALSE(a.sync.FileInUse());
  {
    auto other = files.Open(kSyncFile, platform::FileOpenMode::Exclusive);
    ASSERT_TRUE(other);
    a.sync.ReleaseSyncFile(true);
    EXPECT_TRUE(a.host.timer);
  }
  EXPECT_EQ(FileRecord().State, kSyncHeld);
  a.sync.OnNetTimer();
  EXPECT_EQ(FileRecord().State, kSyncFree);
  EXPECT_EQ(FileRecord().Counter, 2);
  EXPECT_FALSE(a.host.timer);
}

TEST_F(NetworkSyncTest, ChangedSinceLoadTellsOnceAndNotWhileHeld) {
  User a(files, clock);
  User b(files, clock);
  ASSERT_FALSE(a.sync.FileInUse());
  EXPECT_FALSE(b.sync.ChangedSinceLoad());
  a.sync.ReleaseSyncFile(true);
  EXPECT_TRUE(b.sync.ChangedSinceLoad());
  EXPECT_FALSE(b.sync.ChangedSinceLoad());
  EXPECT_FALSE(b.sync.FileInUse());  // the counter was taken as known: no second reload
  EXPECT_EQ(b.host.reloads, 0);
}

TEST_F(NetworkSyncTest, SyncMinutesAreCountedAndStartAgain) {
  User a(files, clock);
  std::vector<bool> due;
  for (int minute = 0; minute < 7; ++minute) due.push_back(a.sync.CountSyncMinute(3));
  EXPECT_EQ(due, (std::vector<bool>{false, false, true, false, false, true, false}));
}

// Files that call `step` before each call that one copy makes on them: another copy can run its
// whole test-and-take at any point of this one's.
class SteppedFiles final : public platform::IBinaryFiles {
 public:
  SteppedFiles(platform::IBinaryFiles& real, std::function<void()> step)
      : real_(real), step_(std::move(step)) {}
  std::unique_ptr<platform::IBinaryFile> Open(std::string_view path,
                                              platform::FileOpenMode mode) override {
    step_();
    auto file = real_.Open(path, mode);
    if (!file) return nullptr;
    return std::make_unique<File>(std::move(file), step_);
  }
  bool Exists(std::string_view path) override { return step_(), real_.Exists(path); }
  bool ReplaceFile(std::string_view a, std::string_view b) override {
    return step_(), real_.ReplaceFile(a, b);
  }
  bool RemoveFile(std::string_view path) override { return step_(), real_.RemoveFile(path); }

 private:
  class File final : public platform::IBinaryFile {
   public:
    File(std::unique_ptr<platform::IBinaryFile> real, std::function<void()>& step)
        : real_(std::move(real)), step_(step) {}
    bool Seek(std::uint64_t o) override { return step_(), real_->Seek(o); }
    bool Read(void* b, std::size_t n) override { return step_(), real_->Read(b, n); }
    bool Write(const void* d, std::size_t n) override { return step_(), real_->Write(d, n); }
    std::optional<std::uint64_t> Size() override { return step_(), real_->Size(); }
    bool Flush() override { return step_(), real_->Flush(); }
    bool Close() override { return step_(), real_->Close(); }

   private:
    std::unique_ptr<platform::IBinaryFile> real_;
    std::function<void()>& step_;
  };
  platform::IBinaryFiles& real_;
  std::function<void()> step_;
};

TEST_F(NetworkSyncTest, TwoCopiesTryingAtOnceNeverBothTakeTheLock) {
  // How many file calls A's successful take makes; B then tries before each of them, and after.
  int callsOfATake = 0;
  {
    platform::MemoryBinaryFiles alone;
    SteppedFiles counting(alone, [&] { ++callsOfATake; });
    User a(counting, clock);
    callsOfATake = 0;
    ASSERT_FALSE(a.sync.FileInUse());
  }
  ASSERT_GT(callsOfATake, 3);
  for (int at = 1; at <= callsOfATake + 1; ++at) {
    SCOPED_TRACE(::testing::Message() << "B tries at A's call " << at);
    platform::MemoryBinaryFiles shared;
    User b(shared, clock);
    int calls = 0;
    bool armed = false;  // A's own start-up reads come first
    bool bRefused = false;
    SteppedFiles stepped(shared, [&] {
      if (armed && ++calls == at) bRefused = b.sync.FileInUse();
    });
    User a(stepped, clock);
    armed = true;
    const bool aRefused = a.sync.FileInUse();
    if (at > calls) bRefused = b.sync.FileInUse();  // after A's last call
    EXPECT_NE(aRefused, bRefused);
    EXPECT_EQ(a.sync.Holding(), !aRefused);
    EXPECT_EQ(b.sync.Holding(), !bRefused);
    const SyncRecord r = SyncRecordFromBytes(shared.Content(kSyncFile).value_or("")).value();
    EXPECT_EQ(r.State, kSyncHeld);
    // The refused copy was told that the file is in use, whichever step it came at.
    EXPECT_EQ((aRefused ? a : b).prompts.shown, std::vector<ShownMessage>{kInUse});
  }
}

}  // namespace
}  // namespace quindle::storage::testing
