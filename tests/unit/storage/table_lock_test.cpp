#include "storage/table_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "storage/set_hotkeys.h"
#include "support/in_process_table.h"

namespace quindle::storage {
namespace {

TEST(TableLockTest, NestedAcquireOpensOnceAndOnlyTheOutermostReleaseLetsGo) {
  InProcessTable objects;
  TableLock lock(objects);

  ASSERT_TRUE(lock.Acquire());
  SharedMacroTable* outer = lock.Table();
  ASSERT_TRUE(lock.Acquire());
  EXPECT_EQ(lock.Nesting(), 2);
  EXPECT_EQ(objects.OpenCount(), 1);
  EXPECT_EQ(lock.Table(), outer);
  EXPECT_EQ(outer, &objects.Block());

  lock.Release();
  EXPECT_TRUE(objects.Mapped());
  EXPECT_TRUE(objects.MutexOwned());
  lock.Release();
  EXPECT_FALSE(objects.Mapped());
  EXPECT_FALSE(objects.MutexOwned());
  EXPECT_FALSE(objects.MutexOpen());
  EXPECT_EQ(lock.Table(), nullptr);

  lock.Release();  // one too many: nothing happens
  EXPECT_EQ(lock.Nesting(), 0);
  ASSERT_TRUE(lock.Acquire());
  EXPECT_EQ(objects.OpenCount(), 2);
  lock.Release();
}

TEST(TableLockTest, EveryFailingStepReportsFailureAndLeavesNothingOpen) {
  InProcessTable objects;
  TableLock lock(objects);

  objects.SetOpenFails(true);
  EXPECT_FALSE(lock.Acquire());
  EXPECT_FALSE(objects.Mapped());
  objects.SetOpenFails(false);

  objects.SetMapFails(true);
  EXPECT_FALSE(lock.Acquire());
  EXPECT_FALSE(objects.MutexOwned()) << "the mutex must be released when mapping fails";
  EXPECT_FALSE(objects.MutexOpen());
  objects.SetMapFails(false);

  // A wait that fails outright gives no view at all.
  objects.SetWaitFails(true);
  EXPECT_FALSE(lock.Acquire());
  EXPECT_FALSE(objects.Mapped());
  EXPECT_FALSE(objects.MutexOpen());
  EXPECT_EQ(lock.Table(), nullptr);
  EXPECT_EQ(lock.Nesting(), 0);
  objects.SetWaitFails(false);

  EXPECT_EQ(objects.StrayReleases(), 0);
  ASSERT_TRUE(lock.Acquire()) << "failures must not leave the lock unusable";
  lock.Release();
  EXPECT_TRUE(objects.Mutex().try_lock());
  objects.Mutex().unlock();
}

TEST(TableLockTest, MutexHeldElsewhereTimesOutAfterHalfASecondAndGivesNoTable) {
  InProcessTable objects;
  TableLock lock(objects);
  std::promise<void> held;
  std::promise<void> finish;
  std::thread holder([&] {
    objects.Mutex().lock();
    held.set_value();
    finish.get_future().wait();
    objects.Mutex().unlock();
  });
  held.get_future().wait();

  const auto start = std::chrono::steady_clock::now();
  const bool acquired = lock.Acquire();
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(acquired) << "a timed-out wait must not hand out the table";
  EXPECT_TRUE(lock.LastTimedOut());
  EXPECT_GE(waited, std::chrono::milliseconds(450));
  EXPECT_EQ(lock.Table(), nullptr);
  EXPECT_FALSE(objects.Mapped());
  EXPECT_FALSE(objects.MutexOpen());
  {
    TableGuard guard(lock);
    EXPECT_FALSE(guard);
    EXPECT_TRUE(guard.TimedOut());
  }
  lock.Release();
  EXPECT_EQ(objects.StrayReleases(), 0) << "a timed-out wait must not release the mutex";
  EXPECT_FALSE(objects.Mutex().try_lock());

  finish.set_value();
  holder.join();
  EXPECT_TRUE(objects.Mutex().try_lock());
  objects.Mutex().unlock();
}

TEST(TableLockTest, GuardReleasesOnScopeExitAndAFailedGuardReleasesNothing) {
  InProcessTable objects;
  TableLock lock(objects);
  {
    TableGuard guard(lock);
    ASSERT_TRUE(guard.Held());
    guard.Table().Count = 3;
    {
      TableGuard inner(lock);
      EXPECT_TRUE(inner);
      EXPECT_EQ(inner.Table().Count.Get(), 3);
    }
    EXPECT_EQ(lock.Nesting(), 1);
  }
  EXPECT_EQ(lock.Nesting(), 0);
  EXPECT_FALSE(objects.Mapped());

  objects.SetOpenFails(true);
  ASSERT_TRUE(lock.Acquire() == false);
  {
    TableGuard failed(lock);
    EXPECT_FALSE(failed);
  }
  EXPECT_EQ(lock.Nesting(), 0);
}

TEST(TableLockTest, DestroyingAHeldLockFreesTheMutex) {
  InProcessTable objects;
  {
    TableLock lock(objects);
    ASSERT_TRUE(lock.Acquire());
    ASSERT_TRUE(lock.Acquire());
  }
  EXPECT_FALSE(objects.Mapped());
  EXPECT_FALSE(objects.MutexOwned());
}

TEST(SetHotKeysTest, FlagsOnlyEnabledRealHotkeysAndClearsStaleOnes) {
  InProcessTable objects;
  TableLock lock(objects);
  SharedMacroTable& table = objects.Block();
  table.CodeInUse[5] = true;  // stale from an earlier rebuild
  table.Count = 6;
  const std::uint16_t codes[] = {0, 719, 10000, 20000, 42, 300};
  for (std::size_t i = 0; i < 6; ++i) {
    table.HotkeyNumber[i] = codes[i];
    table.Enabled[i] = true;
  }
  table.Enabled[4] = false;
  table.HotkeyNumber[7] = 100;  // beyond the count
  table.Enabled[7] = true;

  ASSERT_TRUE(SetHotKeys(lock));
  std::vector<int> set;
  for (int h = 0; h < 720; ++h)
    if (table.CodeInUse[h]) set.push_back(h);
  EXPECT_EQ(set, (std::vector<int>{0, 300, 719}));
}

TEST(SetHotKeysTest, DamagedValuesNeverWritePastTheFlags) {
  InProcessTable objects;
  TableLock lock(objects);
  SharedMacroTable& table = objects.Block();
  table.Count = 100000;  // damaged: read as 500
  for (std::size_t i = 0; i < kMaxMacros; ++i) {
    table.Enabled[i] = true;
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(720 + i * 100);
  }
  table.HotkeyNumber[499] = 7;  // the very last slot still counts
  ASSERT_TRUE(SetHotKeys(lock));
  EXPECT_TRUE(table.CodeInUse[7]);
  EXPECT_FALSE(table.CaptureActive);
  EXPECT_EQ(table.CaptureMacro.Get(), 0);
}

TEST(SetHotKeysTest, RefusedOrTimedOutLockLeavesTheTableAlone) {
  for (const bool timesOut : {false, true}) {
    InProcessTable objects;
    TableLock lock(objects);
    objects.Block().CodeInUse[9] = true;
    objects.Block().Count = 1;
    objects.Block().HotkeyNumber[0] = 3;
    objects.Block().Enabled[0] = true;
    if (timesOut)
      objects.SetWaitTimesOut(true);
    else
      objects.SetMapFails(true);
    EXPECT_FALSE(SetHotKeys(lock)) << timesOut;
    EXPECT_TRUE(objects.Block().CodeInUse[9]) << timesOut;
    EXPECT_FALSE(objects.Block().CodeInUse[3]) << timesOut;
    EXPECT_EQ(lock.LastTimedOut(), timesOut);
  }
}

}  // namespace
}  // namespace quindle::storage
