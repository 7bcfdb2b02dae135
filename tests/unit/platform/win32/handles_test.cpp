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

static_assert(!std::is_copy_constructible_v<WindowDc>);
static_assert(std::is_nothrow_move_constructible_v<WindowDc>);
static_assert(!std::is_copy_constructible_v<WindowTimer>);
static_assert(std::is_nothrow_move_constructible_v<WindowTimer>);
static_assert(!std::is_move_constructible_v<SelectedObject>);

// A window of the system's own STATIC class that receives messages only.
class MessageWindow {
 public:
  MessageWindow()
      : window_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
  HWND Get() const { return window_.Get(); }

 private:
  WindowOwner window_;
};

// Whether a WM_TIMER of timer `id` arrives for `window` within `limitMs`.
bool Ticks(HWND window, UINT_PTR id, DWORD limitMs = 2000) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < limitMs) {
    MSG message;
    while (::PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      if (message.wParam == id) return true;
    }
    ::Sleep(5);
  }
  return false;
}

TEST(Win32Handles, WindowTimerIsKilledWhenItsOwnerGoesAndMovesWithIt) {
  const MessageWindow window;
  ASSERT_NE(window.Get(), nullptr);
  {
    WindowTimer timer(window.Get(), 41);
    EXPECT_FALSE(timer.Stop());  // not running
    ASSERT_TRUE(timer.Start(1));
    ASSERT_TRUE(timer.Start(1));  // started again: still one timer, running
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(Ticks(window.Get(), 41));

    WindowTimer moved(std::move(timer));
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(timer.Stop());  // the moved-from owner no longer kills it
    EXPECT_TRUE(moved.Running());
    EXPECT_TRUE(Ticks(window.Get(), 41));
  }
  // The owner went: the timer is gone, so killing it again fails and no tick comes any more.
  EXPECT_FALSE(::KillTimer(window.Get(), 41));
  MSG stale;
  while (::PeekMessageA(&stale, window.Get(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
  EXPECT_FALSE(Ticks(window.Get(), 41, 100));
  EXPECT_FALSE(WindowTimer().Start(1));  // no window, no timer
}

TEST(Win32Handles, WindowDcAndSelectedObjectPutBackWhatTheyTook) {
  const MessageWindow window;
  ASSERT_NE(window.Get(), nullptr);
  WindowDc dc(window.Get());
  ASSERT_TRUE(dc);
  const HGDIOBJ before = ::GetCurrentObject(dc.Get(), OBJ_FONT);
  const HGDIOBJ font = ::GetStockObject(ANSI_FIXED_FONT);
  ASSERT_NE(before, font);
  {
    const SelectedObject selected(dc.Get(), font);
    EXPECT_TRUE(selected);
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), font);
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), before);
  EXPECT_FALSE(SelectedObject(nullptr, font));
  EXPECT_FALSE(SelectedObject(dc.Get(), nullptr));

  WindowDc moved(std::move(dc));
  EXPECT_FALSE(dc);
  EXPECT_FALSE(dc.Reset());  // nothing to give back
  EXPECT_TRUE(moved.Reset());
  EXPECT_FALSE(moved);
  EXPECT_FALSE(WindowDc(nullptr));  // never the screen's DC
}

}  // namespace
}  // namespace quindle::platform::win32
