#include "storage/win32/named_objects.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>

#include "storage/table_lock.h"
#include "support/mutex_holder.h"

namespace quindle::storage::win32 {
namespace {

using testing_support::MutexHolder;

static_assert(!std::is_copy_constructible_v<SharedBlock>);
static_assert(!std::is_copy_assignable_v<SharedBlock>);
static_assert(std::is_nothrow_move_constructible_v<SharedBlock>);
static_assert(std::is_nothrow_move_assignable_v<SharedBlock>);
static_assert(!std::is_copy_constructible_v<NamedMutex>);
static_assert(std::is_nothrow_move_constructible_v<NamedMutex>);
static_assert(!std::is_copy_constructible_v<NamedTableObjects>);

// Names no other process uses: the real names belong to a running Quindle or another test run
// under the same Wine server.
std::string UniqueName(const char* what) {
  static int counter = 0;
  return std::string("QnlTest.") + what + "." + std::to_string(::GetCurrentProcessId()) + "." +
         std::to_string(++counter);
}

bool IsOpenHandle(HANDLE handle) {
  DWORD flags = 0;
  return ::GetHandleInformation(handle, &flags) != FALSE;
}

// Whether some other thread could take the mutex right now.
bool FreeForOthers(const std::string& name) {
  bool free = false;
  std::thread([&] {
    HANDLE mutex = ::OpenMutexA(kMutexAllAccess, FALSE, name.c_str());
    if (mutex == nullptr) return;
    const DWORD result = ::WaitForSingleObject(mutex, 0);
    free = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    if (free) static_cast<void>(::ReleaseMutex(mutex));
    static_cast<void>(::CloseHandle(mutex));
  }).join();
  return free;
}

TEST(NamedSharedBlock, CreatesAndMapsOnceAndReportsASecondCreateAsExisting) {
  const std::string name = UniqueName("block");
  SharedBlock first;
  ASSERT_TRUE(first.Create(name.c_str(), 104));
  EXPECT_FALSE(first.AlreadyExisted());
  EXPECT_EQ(first.Size(), 104u);

  SharedBlock second;
  ASSERT_TRUE(second.Create(name.c_str(), 104));
  EXPECT_TRUE(second.AlreadyExisted());

  auto* a = static_cast<unsigned char*>(first.View());
  auto* b = static_cast<unsigned char*>(second.View());
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(first.MapView(), a);  // one view per owner, kept until UnmapView
  a[0] = 0x5A;
  a[103] = 0xA5;
  EXPECT_EQ(b[0], 0x5A);
  EXPECT_EQ(b[103], 0xA5);
  first.UnmapView();
  EXPECT_FALSE(first.Mapped());
  EXPECT_EQ(first.View(), nullptr);
  EXPECT_EQ(b[103], 0xA5);
  auto* again = static_cast<unsigned char*>(first.MapView());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again[103], 0xA5);
}

TEST(NamedSharedBlock, ExistsAndOpenExistingFindOnlyABlockThatExists) {
  const std::string name = UniqueName("marker");
  EXPECT_FALSE(SharedBlock::Exists(name.c_str()));
  SharedBlock seen;
  EXPECT_FALSE(seen.OpenExisting(name.c_str(), 10));
  EXPECT_FALSE(seen);

  SharedBlock marker;
  ASSERT_TRUE(marker.Create(name.c_str(), 10));
  EXPECT_TRUE(SharedBlock::Exists(name.c_str()));
  ASSERT_TRUE(seen.OpenExisting(name.c_str(), 10));
  EXPECT_TRUE(seen.AlreadyExisted());
  EXPECT_NE(seen.View(), nullptr);
  // Once every handle is closed the name is free again.
  seen = SharedBlock();
  marker = SharedBlock();
  EXPECT_FALSE(SharedBlock::Exists(name.c_str()));
  EXPECT_FALSE(SharedBlock::Exists(nullptr));
}

TEST(NamedSharedBlock, RefusesEmptyRequestsAndNeverMapsPastASmallerBlock) {
  SharedBlock block;
  EXPECT_FALSE(block.Create(UniqueName("zero").c_str(), 0));
  EXPECT_FALSE(block.Create(nullptr, 17));
  EXPECT_FALSE(block);
  EXPECT_EQ(block.MapView(), nullptr);

  // Someone made the name with too few bytes: whoever expects the full layout gets nothing.
  const std::string name = UniqueName("small");
  SharedBlock small;
  ASSERT_TRUE(small.Create(name.c_str(), 17));
  SharedBlock big;
  EXPECT_FALSE(big.Create(name.c_str(), sizeof(SharedMacroTable)));
  EXPECT_FALSE(big);
  EXPECT_EQ(big.View(), nullptr);
  EXPECT_FALSE(big.OpenExisting(name.c_str(), sizeof(SharedMacroTable)));
  EXPECT_FALSE(MapWholeBlock(small.Handle(), sizeof(SharedMacroTable)));
  EXPECT_FALSE(MapWholeBlock(nullptr, 17));
  EXPECT_NE(small.View(), nullptr);
}

TEST(NamedSharedBlock, MoveHandsOverHandleAndViewAndCreateReplacesWhatWasHeld) {
  const std::string name = UniqueName("moved");
  SharedBlock block;
  ASSERT_TRUE(block.Create(name.c_str(), 17));
  const HANDLE raw = block.Handle();
  void* view = block.View();
  ASSERT_NE(view, nullptr);

  SharedBlock moved(std::move(block));
  EXPECT_FALSE(block);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_EQ(block.Size(), 0u);
  EXPECT_EQ(block.View(), nullptr);
  EXPECT_EQ(moved.Handle(), raw);
  EXPECT_EQ(moved.View(), view);

  SharedBlock other;
  ASSERT_TRUE(other.Create(UniqueName("other").c_str(), 17));
  const HANDLE otherRaw = other.Handle();
  other = std::move(moved);
  EXPECT_FALSE(IsOpenHandle(otherRaw));
  EXPECT_EQ(other.Handle(), raw);
  // The handle value may come back for the new block: the name shows the old one is gone.
  ASSERT_TRUE(other.Create(UniqueName("third").c_str(), 17));
  EXPECT_FALSE(SharedBlock::Exists(name.c_str()));
}

TEST(NamedMutexes, CreatedNotOwnedAndASecondCreateReportsTheName) {
  const std::string name = UniqueName("mutex");
  NamedMutex mutex;
  ASSERT_TRUE(mutex.Create(name.c_str()));
  EXPECT_FALSE(mutex.AlreadyExisted());
  EXPECT_TRUE(FreeForOthers(name));  // not owned by its creator

  NamedMutex again;
  ASSERT_TRUE(again.Create(name.c_str()));
  EXPECT_TRUE(again.AlreadyExisted());

  const HANDLE raw = mutex.Handle();
  NamedMutex moved(std::move(mutex));
  EXPECT_FALSE(mutex);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(moved.Handle(), raw);
  moved = NamedMutex();
  EXPECT_FALSE(IsOpenHandle(raw));
  EXPECT_FALSE(moved.Create(nullptr));
  EXPECT_FALSE(moved);
}

struct TableObjectsFixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(block.Create(UniqueName("table").c_str(), sizeof(SharedMacroTable)));
    ASSERT_TRUE(mutex.Create(mutexName.c_str()));
  }

  std::string mutexName = UniqueName("table-mutex");
  SharedBlock block;
  NamedMutex mutex;
};

using NamedTableLock = TableObjectsFixture;

TEST_F(NamedTableLock, NestsAndHoldsTheMutexUntilTheOutermostRelease) {
  NamedTableObjects objects(block, mutexName);
  TableLock lock(objects);

  ASSERT_TRUE(lock.Acquire());
  SharedMacroTable* outer = lock.Table();
  ASSERT_NE(outer, nullptr);
  EXPECT_FALSE(FreeForOthers(mutexName));
  ASSERT_TRUE(lock.Acquire());
  EXPECT_EQ(lock.Nesting(), 2);
  EXPECT_EQ(lock.Table(), outer);

  lock.Release();
  EXPECT_TRUE(lock.Held());
  EXPECT_FALSE(FreeForOthers(mutexName));
  lock.Release();
  EXPECT_FALSE(lock.Held());
  EXPECT_EQ(lock.Table(), nullptr);
  EXPECT_TRUE(FreeForOthers(mutexName));
}

TEST_F(NamedTableLock, TheViewIsTheWholeTableBlock) {
  EXPECT_EQ(block.Size(), 14549u);
  NamedTableObjects objects(block, mutexName);
  TableLock lock(objects);
  {
    TableGuard guard(lock);
    ASSERT_TRUE(guard.Held());
    guard.Table().Count = 321;
    guard.Table().ForegroundProgram.Assign("NOTEPAD.EXE");
    guard.Table().ForegroundProgram.chars[249] = 'Z';  // the last byte of the block
  }
  auto* bytes = static_cast<unsigned char*>(block.View());
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes[14292], 321 & 0xFF);
  EXPECT_EQ(bytes[14293], 321 >> 8);
  EXPECT_EQ(bytes[14298], 11);
  EXPECT_EQ(bytes[14548], 'Z');
}

TEST_F(NamedTableLock, AMutexHeldElsewhereIsWaitedForAboutHalfASecondThenGivenUp) {
  MutexHolder holder(mutexName);
  ASSERT_TRUE(holder.Holding());
  NamedTableObjects objects(block, mutexName);
  TableLock lock(objects);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(lock.Acquire());
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(400));
  EXPECT_LT(waited, std::chrono::seconds(5));
  EXPECT_TRUE(lock.LastTimedOut());
  EXPECT_EQ(lock.Table(), nullptr);
  lock.Release();
  // The lock never owned it, so the holder still does and gives it back itself.
  EXPECT_TRUE(holder.LetGo());
  EXPECT_TRUE(FreeForOthers(mutexName));
}

TEST_F(NamedTableLock, AnAbandonedMutexCountsAsOwned) {
  std::thread([&] {
    HANDLE held = ::OpenMutexA(kMutexAllAccess, FALSE, mutexName.c_str());
    if (held == nullptr) return;
    static_cast<void>(::WaitForSingleObject(held, 5000));
    static_cast<void>(::CloseHandle(held));  // the thread ends still owning it
  }).join();
  NamedTableObjects objects(block, mutexName);
  ASSERT_TRUE(objects.OpenMutex());
  EXPECT_EQ(objects.Wait(kTableWaitMs), WaitResult::Acquired);
  objects.ReleaseMutex();
  objects.CloseMutex();
  EXPECT_TRUE(FreeForOthers(mutexName));
}

TEST_F(NamedTableLock, MissingMutexOrShortBlockRefusesWithoutKeepingTheMutex) {
  {
    NamedTableObjects objects(block, UniqueName("absent"));
    TableLock lock(objects);
    EXPECT_FALSE(lock.Acquire());
    EXPECT_EQ(objects.Wait(0), WaitResult::Failed);  // nothing open: no wait on a stale handle
  }
  SharedBlock shortBlock;
  ASSERT_TRUE(shortBlock.Create(UniqueName("short").c_str(), 17));
  NamedTableObjects objects(shortBlock, mutexName);
  TableLock lock(objects);
  EXPECT_FALSE(lock.Acquire());
  EXPECT_EQ(lock.Table(), nullptr);
  EXPECT_TRUE(FreeForOthers(mutexName));
}

}  // namespace
}  // namespace quindle::storage::win32
