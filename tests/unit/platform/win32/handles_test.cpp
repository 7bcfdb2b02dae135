#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <type_traits>
#include <utility>

namespace quindle::platform::win32 {
namespace {

static_assert(!std::is_copy_constructible_v<KernelHandle>);
static_assert(!std::is_copy_assignable_v<KernelHandle>);
static_assert(std::is_nothrow_move_constructible_v<KernelHandle>);
static_assert(std::is_nothrow_move_assignable_v<KernelHandle>);
static_assert(!std::is_copy_constructible_v<ClipboardSession>);
// Distinct kinds do not mix: a snapshot is not a file even though both are kernel handles.
static_assert(!std::is_constructible_v<FileHandle, SnapshotHandle&&>);
static_assert(!std::is_convertible_v<KernelHandle, bool>);

bool IsOpenHandle(HANDLE handle) {
  DWORD flags = 0;
  return ::GetHandleInformation(handle, &flags) != FALSE;
}

TEST(Win32Handles, OwnerClosesOnceAndMovesOwnership) {
  KernelHandle first(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(first);
  const HANDLE raw = first.Get();

  KernelHandle second(std::move(first));
  EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_EQ(first.Get(), nullptr);
  EXPECT_EQ(second.Get(), raw);
  EXPECT_TRUE(IsOpenHandle(raw));

  KernelHandle third;
  third = std::move(second);
  EXPECT_FALSE(second);
  EXPECT_EQ(third.Get(), raw);

  third.Reset();
  EXPECT_FALSE(third);
  EXPECT_FALSE(IsOpenHandle(raw));
  third.Reset();  // nothing owned: no second CloseHandle
  EXPECT_FALSE(third);
}

TEST(Win32Handles, MoveAssignmentClosesWhatWasOwnedAndSelfMoveKeepsIt) {
  KernelHandle kept(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  KernelHandle replaced(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  ASSERT_TRUE(kept);
  ASSERT_TRUE(replaced);
  const HANDLE keptRaw = kept.Get();
  const HANDLE replacedRaw = replaced.Get();

  replaced = std::move(kept);
  EXPECT_FALSE(IsOpenHandle(replacedRaw));
  EXPECT_EQ(replaced.Get(), keptRaw);

  KernelHandle& alias = replaced;
  replaced = std::move(alias);
  EXPECT_EQ(replaced.Get(), keptRaw);
  EXPECT_TRUE(IsOpenHandle(keptRaw));
}

TEST(Win32Handles, ReleaseHandsOverWithoutClosing) {
  HANDLE raw = nullptr;
  {
    KernelHandle owner(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(owner);
    raw = owner.Release();
    EXPECT_FALSE(owner);
  }
  EXPECT_TRUE(IsOpenHandle(raw));
  EXPECT_TRUE(::CloseHandle(raw));
}

TEST(Win32Handles, FileAndSnapshotOwnersTreatInvalidHandleValueAsEmpty) {
  const FileHandle none;
  EXPECT_FALSE(none);
  EXPECT_EQ(none.Get(), INVALID_HANDLE_VALUE);

  const FileHandle missing(::CreateFileA("Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  EXPECT_FALSE(missing);

  SnapshotHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  ASSERT_TRUE(snapshot);
  const HANDLE raw = snapshot.Get();
  SnapshotHandle moved(std::move(snapshot));
  EXPECT_EQ(snapshot.Get(), INVALID_HANDLE_VALUE);
  moved.Reset();
  EXPECT_FALSE(IsOpenHandle(raw));
}

TEST(Win32Handles, ModuleAndMemoryOwners) {
  ModuleHandle library(::LoadLibraryA("PSAPI.DLL"));
  ASSERT_TRUE(library);
  EXPECT_NE(::GetProcAddress(library.Get(), "EnumProcesses"), nullptr);
  ModuleHandle other(std::move(library));
  EXPECT_FALSE(library);
  EXPECT_TRUE(other);

  GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, 16));
  ASSERT_TRUE(memory);
  {
    const GlobalLockScope lock(memory.Get());
    ASSERT_TRUE(lock);
    static_cast<char*>(lock.Get())[0] = 'x';
  }
  // Unlocked again once the scope ended: the lock count is back to 0.
  EXPECT_EQ(::GlobalFlags(memory.Get()) & GMEM_LOCKCOUNT, 0u);
  const GlobalLockScope nothing(nullptr);
  EXPECT_FALSE(nothing);
}

TEST(Win32Handles, ClipboardSessionOpensOnceAndClosesOnce) {
  ClipboardSession session;
  EXPECT_FALSE(session);
  EXPECT_FALSE(session.Close());
  ASSERT_TRUE(session.Open(nullptr));
  EXPECT_TRUE(session.IsOpen());
  EXPECT_FALSE(session.Open(nullptr));  // already open: refused, still open

  ClipboardSession moved(std::move(session));
  EXPECT_FALSE(session);
  EXPECT_TRUE(moved);
  EXPECT_FALSE(session.Close());
  EXPECT_TRUE(moved.Close());
  EXPECT_FALSE(moved.Close());

  // Closed for real: the clipboard opens again.
  ClipboardSession again;
  EXPECT_TRUE(again.Open(nullptr, 1));
}

}  // namespace
}  // namespace quindle::platform::win32
