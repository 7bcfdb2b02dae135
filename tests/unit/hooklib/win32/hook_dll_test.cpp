// QNLHOOK.DLL as QUINDL.EXE uses it (loaded, its exports found, a hook installed through them),
// and its hook procedures called directly over the real block names, as the system calls them
// inside another program. The names are the real ones because the procedures know no others: a
// test skips when a Quindle (or another run of these tests) holds them under the same Wine
// server.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "hooklib/win32/held_blocks.h"
#include "hooklib/win32/hook_procs.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_handle.h"
#include "storage/macro_record.h"
#include "storage/win32/named_objects.h"
#include "support/mutex_holder.h"
#include "support/test_windows.h"

namespace quindle::hooklib::win32 {
namespace {

using platform::win32::FromHwnd;
using platform::win32::ModuleHandle;
using platform::win32::testing::TestWindows;
using storage::ActivationBlock;
using storage::RemapBlock;
using storage::SharedMacroTable;
using storage::win32::NamedMutex;
using storage::win32::SharedBlock;
using testing_support::MutexHolder;

using InstallExport = std::uint32_t(__stdcall*)();
using RemoveExport = std::uint32_t(__stdcall*)(std::uint32_t);

template <typename Function>
Function Export(HMODULE module, const char* name) {
  const FARPROC address = ::GetProcAddress(module, name);
  // Through the generic function type, which converts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// The DLL sits beside the test program; the working directory may be anywhere.
std::string DllPath() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "QNLHOOK.DLL";
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + "QNLHOOK.DLL";
}

// One of the main program's blocks with its mutex, made under the real names.
template <typename Block>
struct OwnedBlock {
  OwnedBlock(const char* blockName, const char* mutexName, std::size_t size = sizeof(Block)) {
    made = block.Create(blockName, size) && mutex.Create(mutexName);
  }
  // The procedures keep what they opened in this process, which would keep the names alive
  // into the next test: they let go first, as when the library leaves a program.
  ~OwnedBlock() { ForgetHeldBlocks(); }

  // False when the names are someone else's, or the system refused them.
  bool Ours() const { return made && !block.AlreadyExisted() && !mutex.AlreadyExisted(); }
  Block* View() { return static_cast<Block*>(block.View()); }

  bool made = false;
  SharedBlock block;
  NamedMutex mutex;
};

#define SKIP_UNLESS_OURS(owned) \
  if (!(owned).Ours()) GTEST_SKIP() << "the block names are in use by another process"

// Hook reports posted to one window: collected while the queue is pumped.
class Reports {
 public:
  explicit Reports(HWND window) : window_(window) {}

  // Pumps until a `message` with `wParam` has arrived, for up to `limitMs`.
  bool WaitFor(UINT message, std::uintptr_t wParam, DWORD limitMs = 5000) {
    const DWORD start = ::GetTickCount();
    for (;;) {
      Pump();
      for (const MSG& seen : seen_) {
        if (seen.message == message && seen.wParam == wParam) return true;
      }
      if (::GetTickCount() - start >= limitMs) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // Every report that has arrived by now with this message number.
  int Count(UINT message) {
    Pump();
    int count = 0;
    for (const MSG& seen : seen_) count += seen.message == message ? 1 : 0;
    return count;
  }

 private:
  void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.hwnd == window_ && message.message > kWmUser && message.message <= kWmUser + 9) {
        seen_.push_back(message);
        continue;
      }
      static_cast<void>(::TranslateMessage(&message));
      static_cast<void>(::DispatchMessageA(&message));
    }
  }

  HWND window_;
  std::vector<MSG> seen_;
};

TEST(HookDllProcedures, WithTheMainProgramGoneEveryEventPassesOnUntouched) {
  // No block exists under the names, as after the main program ended: every procedure passes
  // the event on.
  if (SharedBlock::Exists(storage::kTableBlockName) ||
      SharedBlock::Exists(storage::kRemapBlockName) ||
      SharedBlock::Exists(storage::kActivationBlockName)) {
    GTEST_SKIP() << "the block names are in use by another process";
  }
  EXPECT_EQ(KeyboardHookProc(0, 'A', 0x001E0001), 0);
  MOUSEHOOKSTRUCT mouse{};
  EXPECT_EQ(MouseHookProc(0, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse)), 0);
  EXPECT_EQ(CbtHookProc(5, 0, 0), 0);
  MSG typed{};
  typed.message = WM_CHAR;
  typed.wParam = 'a';
  EXPECT_EQ(MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed)), 0);
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('a'));
}

struct CbtFixture : ::testing::Test {
  void SetUp() override {
    if (windows.WindowsUnavailable()) GTEST_SKIP() << "no windows without a display";
    if (!owned.Ours()) GTEST_SKIP() << "the block names are in use by another process";
    mainWindow = windows.Create(TestWindows::Unique("Hook procedures main"));
    ASSERT_NE(mainWindow, nullptr);
    block = owned.View();
    ASSERT_NE(block, nullptr);
    block->MainWindow = FromHwnd(mainWindow);
  }

  TestWindows windows;
  OwnedBlock<ActivationBlock> owned{storage::kActivationBlockName, storage::kActivationMutexName};
  HWND mainWindow = nullptr;
  ActivationBlock* block = nullptr;
};

using HookDllCbtProcedure = CbtFixture;

TEST_F(HookDllCbtProcedure, ReportsAnActivationButNotANegativeCode) {
  CbtHookProc(-1, 0x1234, 0);
  CbtHookProc(5, 0x4321, 0);
  Reports reports(mainWindow);
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, 0x4321));
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 1);
}

TEST_F(HookDllCbtProcedure, AMutexHeldElsewhereCostsOneWaitAndIsUsedAgainOnceFree) {
  MutexHolder holder(storage::kActivationMutexName);
  ASSERT_TRUE(holder.Holding());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(CbtHookProc(5, 0x4321, 0), 0);
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(kHookWaitMs * 3 / 4));
  EXPECT_EQ(ActivationBlockHeld().LastWaitMs(), kHookWaitMs);
  // The lock counts as hung now: the next events only look at it, and pass.
  EXPECT_EQ(CbtHookProc(5, 0x4322, 0), 0);
  EXPECT_EQ(ActivationBlockHeld().LastWaitMs(), 0u);
  Reports reports(mainWindow);
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 0);
  // The procedure did not release a mutex it never owned.
  EXPECT_TRUE(holder.LetGo());
  CbtHookProc(5, 0x4323, 0);
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, 0x4323));
  CbtHookProc(5, 0x4324, 0);
  EXPECT_EQ(ActivationBlockHeld().LastWaitMs(), kHookWaitMs);  // behaving again
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 2);
}

TEST_F(HookDllCbtProcedure, OnlyAnActivationEverWaitsForTheMutex) {
  MutexHolder holder(storage::kActivationMutexName);
  ASSERT_TRUE(holder.Holding());
  CbtHookProc(5, 0x4401, 0);  // times out: the lock counts as hung, the next wait would be 0
  ASSERT_EQ(ActivationBlockHeld().LastWaitMs(), kHookWaitMs);
  // A window made, destroyed, moved, focused, a skipped key and a negative code: none waits.
  for (int code : {-1, 0, 1, 3, 4, 6, 9}) {
    EXPECT_EQ(CbtHookProc(code, 0x4402, 0), 0) << code;
    EXPECT_EQ(ActivationBlockHeld().LastWaitMs(), kHookWaitMs) << code;
  }
  EXPECT_TRUE(holder.LetGo());
  CbtHookProc(5, 0x4403, 0);
  Reports reports(mainWindow);
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, 0x4403));
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 1);
}

TEST_F(HookDllCbtProcedure, ABlockNamingNoLiveWindowIsLeftAloneUntilANewOneIsWritten) {
  // The window of a main program that has ended, or none yet: no report, and no wait.
  HWND ended = windows.Create(TestWindows::Unique("Hook procedures ended"));
  ASSERT_NE(ended, nullptr);
  block->MainWindow = FromHwnd(ended);
  ASSERT_TRUE(::DestroyWindow(ended));
  CbtHookProc(5, 0x5001, 0);
  block->MainWindow = 0;
  CbtHookProc(5, 0x5002, 0);
  Reports reports(mainWindow);
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 0);
  // A main program that comes (back) is heard from the next event on.
  block->MainWindow = FromHwnd(mainWindow);
  CbtHookProc(5, 0x5003, 0);
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, 0x5003));
  EXPECT_EQ(reports.Count(WM_WINDOW_ACTIVATED), 1);
}

TEST(HookDllProcedures, ATableBlockShorterThanItsLayoutIsNeverRead) {
  TestWindows windows;
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no windows without a display";
  HWND mainWindow = windows.Create(TestWindows::Unique("Short block main"));
  ASSERT_NE(mainWindow, nullptr);
  // A foreign program made the name with one page only: the main window is there, the rest of
  // the table is not. Caps Lock would be reported to the main window if the hook used it.
  OwnedBlock<SharedMacroTable> owned(storage::kTableBlockName, storage::kTableMutexName, 4096);
  SKIP_UNLESS_OURS(owned);
  auto* bytes = static_cast<unsigned char*>(owned.block.View());
  ASSERT_NE(bytes, nullptr);
  const auto handle = FromHwnd(mainWindow);
  std::memcpy(bytes, &handle, 4);
  EXPECT_EQ(KeyboardHookProc(0, VK_CAPITAL, 0x003A0001), 0);
  Reports reports(mainWindow);
  EXPECT_EQ(reports.Count(WM_CAPSLOCK_STATE), 0);

  // The same key over a whole table is reported: the refusal above was the size.
  owned.block = SharedBlock();
  ASSERT_TRUE(owned.block.Create(storage::kTableBlockName, sizeof(SharedMacroTable)));
  ASSERT_FALSE(owned.block.AlreadyExisted());
  SharedMacroTable* table = owned.View();
  ASSERT_NE(table, nullptr);
  table->MainWindow = handle;
  KeyboardHookProc(0, VK_CAPITAL, 0x003A0001);
  EXPECT_EQ(reports.Count(WM_CAPSLOCK_STATE), 1);
}

TEST(HookDllProcedures, TheMessageHookRemapsOnlyRemovedCharactersWithASlot) {
  TestWindows windows;
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no windows without a display";
  OwnedBlock<RemapBlock> owned(storage::kRemapBlockName, storage::kRemapMutexName);
  SKIP_UNLESS_OURS(owned);
  RemapBlock* block = owned.View();
  ASSERT_NE(block, nullptr);
  HWND mainWindow = windows.Create(TestWindows::Unique("Remap main"));
  ASSERT_NE(mainWindow, nullptr);
  block->MainWindow = FromHwnd(mainWindow);
  for (int i = 0; i < 26; ++i) {
    block->Upper[i] = static_cast<std::uint8_t>('A' + i);
    block->Lower[i] = static_cast<std::uint8_t>('a' + i);
  }
  block->Lower['a' - 'a'] = 'b';

  MSG typed{};
  typed.message = WM_CHAR;
  typed.wParam = 'a';
  EXPECT_EQ(MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed)), 1);
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('b'));

  typed.wParam = 'a';
  MessageHookProc(0, PM_NOREMOVE, reinterpret_cast<LPARAM>(&typed));
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('a'));  // only looked at: left for its removal

  MSG key{};
  key.message = WM_KEYDOWN;
  key.wParam = 'A';
  MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&key));
  EXPECT_EQ(key.wParam, static_cast<WPARAM>('A'));  // keys pass as pressed

  typed.wParam = 'c';  // a slot holding its own character
  MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed));
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('c'));
  for (WPARAM unmapped : {WPARAM{'{'}, WPARAM{'|'}, WPARAM{0x161}}) {
    typed.wParam = unmapped;
    EXPECT_NE(MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed)), 1) << unmapped;
    EXPECT_EQ(typed.wParam, unmapped);
  }
  typed.wParam = 'a';
  MessageHookProc(-1, PM_REMOVE, reinterpret_cast<LPARAM>(&typed));
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(MessageHookProc(0, PM_REMOVE, 0), 0);  // no message at all

  // Only what may be remapped waits for the mutex: with it held elsewhere and the lock counting
  // as hung after one wait, no other message waits again.
  MutexHolder holder(storage::kRemapMutexName);
  ASSERT_TRUE(holder.Holding());
  MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed));
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('a'));  // passed, unchanged, after the wait
  ASSERT_EQ(RemapBlockHeld().LastWaitMs(), kHookWaitMs);
  const struct {
    int code;
    WPARAM removal;
    UINT message;
    WPARAM character;
  } others[] = {{0, PM_REMOVE, WM_KEYDOWN, 'A'}, {0, PM_REMOVE, WM_KEYUP, 'A'},
                {0, PM_NOREMOVE, WM_CHAR, 'a'},  {0, PM_REMOVE, WM_CHAR, 0x161},
                {0, PM_REMOVE, WM_PAINT, 0},     {-1, PM_REMOVE, WM_CHAR, 'a'}};
  for (const auto& other : others) {
    MSG retrieved{};
    retrieved.message = other.message;
    retrieved.wParam = other.character;
    MessageHookProc(other.code, other.removal, reinterpret_cast<LPARAM>(&retrieved));
    EXPECT_EQ(retrieved.wParam, other.character) << other.message;
    EXPECT_EQ(RemapBlockHeld().LastWaitMs(), kHookWaitMs) << other.message;
  }
  EXPECT_TRUE(holder.LetGo());
  EXPECT_EQ(MessageHookProc(0, PM_REMOVE, reinterpret_cast<LPARAM>(&typed)), 1);
  EXPECT_EQ(typed.wParam, static_cast<WPARAM>('b'));
}

// Sets this thread's view of the modifier keys, which GetKeyState reads in the hook.
bool SetModifiers(bool ctrl) {
  BYTE state[256] = {};
  if (!::GetKeyboardState(state)) return false;
  state[VK_CONTROL] = state[VK_LCONTROL] = ctrl ? 0x80 : 0;
  state[VK_MENU] = state[VK_LMENU] = state[VK_SHIFT] = state[VK_LSHIFT] = 0;
  state['A'] = 0;
  return ::SetKeyboardState(state) != FALSE;
}

TEST(HookDllProcedures, TheKeyboardHookSwallowsAHotkeyAndReportsItOnRelease) {
  TestWindows windows;
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no windows without a display";
  OwnedBlock<SharedMacroTable> owned(storage::kTableBlockName, storage::kTableMutexName);
  SKIP_UNLESS_OURS(owned);
  HWND mainWindow = windows.Create(TestWindows::Unique("Keyboard hook main"));
  ASSERT_NE(mainWindow, nullptr);
  SharedMacroTable* table = owned.View();
  ASSERT_NE(table, nullptr);
  const int ctrlA = EncodeHotkey('A', true, false, false, false);
  ASSERT_EQ(ctrlA, 0);
  table->MainWindow = FromHwnd(mainWindow);
  table->SecWindow = FromHwnd(mainWindow);
  table->Count = 1;
  table->ScopeKind[0] = storage::ScopeGlobal;
  table->Enabled[0] = true;
  table->HotkeyNumber[0] = static_cast<std::uint16_t>(ctrlA);
  table->CodeInUse[ctrlA] = true;
  table->PlaybackMarker = true;  // no Typlet feed: only the hotkey reports are counted

  ASSERT_TRUE(SetModifiers(true));
  EXPECT_EQ(KeyboardHookProc(0, 'A', 0x001E0001), 1);
  EXPECT_TRUE(table->WaitRelease);
  ASSERT_TRUE(SetModifiers(false));
  KeyboardHookProc(0, 'A', static_cast<LPARAM>(0xC01E0001u));
  Reports reports(mainWindow);
  EXPECT_TRUE(reports.WaitFor(WM_HOTKEY_PRESSED, static_cast<std::uintptr_t>(ctrlA)) ||
              reports.WaitFor(WM_HOTKEY_PRESSED, static_cast<std::uintptr_t>(ctrlA) | 0x8000));
  EXPECT_EQ(reports.Count(WM_HOTKEY_PRESSED), 1);

  // A plain letter is no hotkey: it goes on to the application.
  EXPECT_EQ(KeyboardHookProc(0, 'B', 0x00300001), 0);
  EXPECT_EQ(KeyboardHookProc(-1, 'A', 0x001E0001), 0);
}

// Last in this file, and one test: the hooks it installs run the library's own copy of the
// procedures in this program, whose blocks stay open as long as the system keeps the library
// loaded here, while the tests above make the names afresh.
TEST(HookDll, ExportsSixNamesAndItsGlobalAndThreadCbtHooksReportActivations) {
  using ThreadExport = std::uint32_t(__stdcall*)(std::uint32_t, std::uint32_t);
  ModuleHandle dll(::LoadLibraryA(DllPath().c_str()));
  ASSERT_TRUE(dll) << DllPath();
  for (const char* name : {"QnlHookKeyboard", "QnlHookMouse", "QnlHookSwap", "QnlHookCBT",
                           "QnlUnHook", "QnlHookThread"}) {
    EXPECT_NE(::GetProcAddress(dll.Get(), name), nullptr) << name;
  }
  const auto hookCbt = Export<InstallExport>(dll.Get(), "QnlHookCBT");
  const auto unHook = Export<RemoveExport>(dll.Get(), "QnlUnHook");
  // The export with which the 32-bit host hooks one thread of a 32-bit program at a time.
  const auto hookThread = Export<ThreadExport>(dll.Get(), "QnlHookThread");
  ASSERT_NE(hookCbt, nullptr);
  ASSERT_NE(unHook, nullptr);
  ASSERT_NE(hookThread, nullptr);
  const std::uint32_t self = ::GetCurrentThreadId();
  struct Row {
    std::uint32_t kind;
    bool installs;
  };
  // Swap, CBT, keyboard, mouse, then kinds that name no hook.
  for (const Row row : {Row{0, true}, Row{1, true}, Row{2, true}, Row{3, true}, Row{4, false},
                        Row{0xFFFFFFFFu, false}}) {
    SCOPED_TRACE(row.kind);
    const std::uint32_t hook = hookThread(row.kind, self);
    EXPECT_EQ(hook != 0, row.installs);
    if (hook != 0) {
      EXPECT_NE(unHook(hook), 0u);
    }
  }

  TestWindows windows;
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no windows without a display";
  OwnedBlock<ActivationBlock> owned(storage::kActivationBlockName, storage::kActivationMutexName);
  SKIP_UNLESS_OURS(owned);
  HWND mainWindow = windows.Create(TestWindows::Unique("Hook DLL main"));
  ASSERT_NE(mainWindow, nullptr);
  ActivationBlock* block = owned.View();
  ASSERT_NE(block, nullptr);
  block->MainWindow = FromHwnd(mainWindow);
  Reports reports(mainWindow);

  const std::uint32_t hook = hookCbt();
  ASSERT_NE(hook, 0u);
  block->CbtHook = hook;
  HWND target = windows.Create(TestWindows::Unique("Hook DLL target"), true);
  ASSERT_NE(target, nullptr);
  static_cast<void>(::SetForegroundWindow(target));
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, reinterpret_cast<std::uintptr_t>(target)));
  EXPECT_NE(unHook(hook), 0u);
  EXPECT_EQ(unHook(hook), 0u);  // gone already
  EXPECT_EQ(unHook(0), 0u);

  // The block keeps no handle of the thread's hook: the next hook is found without it.
  block->CbtHook = 0;
  const std::uint32_t threadHook = hookThread(1, self);
  ASSERT_NE(threadHook, 0u);
  HWND second = windows.Create(TestWindows::Unique("Hook DLL thread target"), true);
  ASSERT_NE(second, nullptr);
  static_cast<void>(::SetForegroundWindow(second));
  EXPECT_TRUE(reports.WaitFor(WM_WINDOW_ACTIVATED, reinterpret_cast<std::uintptr_t>(second)));
  EXPECT_NE(unHook(threadHook), 0u);
}

}  // namespace
}  // namespace quindle::hooklib::win32
