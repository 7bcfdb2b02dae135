#include <gtest/gtest.h>

#include "hooklib/hook_fixture.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"

namespace quindle::hooklib::testing {
namespace {

constexpr PostedMessage Pressed(std::uintptr_t code) {
  return {kMain, WM_HOTKEY_PRESSED, code, static_cast<std::intptr_t>(kFocusWindow)};
}

class KeyboardHotkeyTest : public HookTest {};

TEST_F(KeyboardHotkeyTest, CtrlAIsSwallowedAndReportedOnceWhenBothKeysAreUp) {
  AddMacro(0);
  EXPECT_FALSE(Press(kCtrl).swallow);
  const Verdict a = Press('A');
  EXPECT_TRUE(a.swallow);
  EXPECT_FALSE(a.callNext);
  EXPECT_TRUE(table.WaitRelease);
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
  EXPECT_FALSE(Release('A').swallow);  // Ctrl still down: nothing yet
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
  EXPECT_FALSE(Release(kCtrl).swallow);
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED), std::vector<PostedMessage>{Pressed(0)});
  EXPECT_FALSE(table.WaitRelease);
  // Later key events report nothing more.
  Press('B');
  Release('B');
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED).size(), 1u);
}

TEST_F(KeyboardHotkeyTest, ReleaseInTheOtherOrderAndCapsLockBit) {
  AddMacro(0);
  env.SetCapsToggled(true);
  Press(kCtrl);
  EXPECT_TRUE(Press('A').swallow);
  Release(kCtrl);  // A still held
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
  Release('A');
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED), std::vector<PostedMessage>{Pressed(0x8000)});
}

TEST_F(KeyboardHotkeyTest, WhileWaitingForReleaseNoNewHotkeyAbortOrCapsMessage) {
  AddMacro(0);
  AddMacro(1);  // Ctrl+B
  Press(kCtrl);
  Press('A');
  Release('A');
  EXPECT_FALSE(Press('B').swallow);  // still waiting for Ctrl
  env.SetDown(19, true);
  env.SetDown(145, true);
  Press(20);
  EXPECT_TRUE(env.PostsOf(WM_ABORT_KEYS).empty());
  EXPECT_TRUE(env.PostsOf(WM_CAPSLOCK_STATE).empty());
  EXPECT_EQ(table.PendingCode, 0);
}

TEST_F(KeyboardHotkeyTest, CombinationsWithoutACodeAreNeverSwallowed) {
  for (int code = 0; code < 720; ++code) table.CodeInUse[code] = true;
  AddMacro(0);
  table.DefineMode = true;  // every coded combination would be swallowed
  const auto pressWith = [&](std::initializer_list<unsigned> mods, unsigned key) {
    for (unsigned m : mods) Press(m);
    const Verdict v = Press(key);
    Release(key);
    for (unsigned m : mods) Release(m);
    return v.swallow;
  };
  EXPECT_FALSE(pressWith({kCtrl, kAlt}, 46));  // Ctrl+Alt+Delete
  EXPECT_FALSE(pressWith({kAlt}, 9));          // Alt+Tab
  EXPECT_FALSE(pressWith({kShift}, 'Q'));      // Shift+letter
  EXPECT_FALSE(pressWith({}, 'Q'));            // plain letter
  EXPECT_FALSE(pressWith({}, '7'));            // plain digit
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_DEFINED).empty());
}

TEST_F(KeyboardHotkeyTest, UnusedCodeAndMissingWindowPassOn) {
  AddMacro(1, storage::ScopeWindow, "Notepad");  // Ctrl+B, only for a window that is not there
  Press(kCtrl);
  EXPECT_FALSE(Press('A').swallow);  // Ctrl+A: not in use
  EXPECT_FALSE(Press('B').swallow);
  EXPECT_FALSE(table.WaitRelease);
  Release('B');
  Release(kCtrl);
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
  env.AddWindow(kEditorWindow, "Untitled - Notepad");
  Press(kCtrl);
  EXPECT_TRUE(Press('B').swallow);
}

TEST_F(KeyboardHotkeyTest, DefineModeReportsEveryCodedCombinationToTheSecondWindow) {
  table.DefineMode = true;
  table.SecWindow = kSec;
  int reported = 0;
  for (int code = 0; code < kFirstMouseCode; ++code) {
    const HotkeyKey k = DecipherKey(code);
    env.ClearPosts();
    env.ReleaseAll();
    env.SetDown(17, k.ctrl);
    env.SetDown(18, k.alt);
    env.SetDown(16, k.shift);
    env.SetDown(91, k.win);
    ASSERT_TRUE(Press(static_cast<unsigned>(k.vk)).swallow) << code;
    Release(static_cast<unsigned>(k.vk));
    for (unsigned m : {16u, 17u, 18u, 91u})
      if (env.KeyState(static_cast<int>(m)) < 0) Release(m);
    const auto defined = env.PostsOf(WM_HOTKEY_DEFINED);
    ASSERT_EQ(defined.size(), 1u) << code;
    EXPECT_EQ(defined[0], (PostedMessage{kSec, WM_HOTKEY_DEFINED, static_cast<std::uintptr_t>(code),
                                         static_cast<std::intptr_t>(kFocusWindow)}));
    EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
    ++reported;
  }
  EXPECT_EQ(reported, kFirstMouseCode);
}

// Every one of the 720 codes, driven with its own key and modifiers against a table in which a
// global macro uses it, fires with exactly that code.
TEST_F(KeyboardHotkeyTest, EveryCodeFiresWithItsOwnNumber) {
  for (int code = 0; code < kHotkeyCodeCount; ++code) {
    SCOPED_TRACE(code);
    std::memset(tablePtr.get(), 0, sizeof(storage::SharedMacroTable));
    table.MainWindow = kMain;
    env.ClearPosts();
    env.ReleaseAll();
    if (code == kEscapeCode) {
      table.Count = 1;  // Escape needs no in-use flag, only a macro in scope
      table.HotkeyNumber[0] = static_cast<std::uint16_t>(code);
      table.ScopeKind[0] = storage::ScopeGlobal;
      table.Enabled[0] = true;
    } else {
      AddMacro(code);
    }
    const HotkeyKey k = DecipherKey(code);
    env.SetDown(17, k.ctrl);
    env.SetDown(18, k.alt);
    env.SetDown(16, k.shift);
    env.SetDown(92, k.win);  // the right Win key counts as Win too
    if (k.mouseButton != 0) {
      const std::uint32_t down = kWmLButtonDown + 3 * static_cast<std::uint32_t>(k.mouseButton - 1);
      ASSERT_TRUE(Mouse(down).swallow);
      EXPECT_TRUE(Mouse(down + 1).swallow);  // its up goes with it
    } else {
      ASSERT_TRUE(Press(static_cast<unsigned>(k.vk)).swallow);
      Release(static_cast<unsigned>(k.vk));
    }
    for (unsigned m : {16u, 17u, 18u, 92u})
      if (env.KeyState(static_cast<int>(m)) < 0) Release(m);
    EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED), std::vector<PostedMessage>{Pressed(code)});
    EXPECT_FALSE(table.WaitRelease);
  }
}

TEST_F(KeyboardHotkeyTest, EscapeFiresWithoutTheInUseFlagButNeedsAMacro) {
  EXPECT_FALSE(Press(27).swallow);  // no macro at all
  Release(27);
  table.Count = 1;
  table.HotkeyNumber[0] = kEscapeCode;
  table.ScopeKind[0] = storage::ScopeGlobal;
  table.Enabled[0] = true;
  EXPECT_TRUE(Press(27).swallow);
  Release(27);
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED), std::vector<PostedMessage>{Pressed(kEscapeCode)});
}

TEST_F(KeyboardHotkeyTest, AKeyReleaseNeverStartsAHotkey) {
  AddMacro(0);
  Press('A');
  env.SetDown(17, true);  // Ctrl went down while A was held
  EXPECT_FALSE(Release('A').swallow);
  EXPECT_FALSE(table.WaitRelease);
}

TEST_F(KeyboardHotkeyTest, AbortKeysAndCapsLockReports) {
  env.SetDown(19, true);
  Press(145);
  EXPECT_EQ(env.PostsOf(WM_ABORT_KEYS), (std::vector<PostedMessage>{{kMain, WM_ABORT_KEYS, 0, 0}}));
  env.SetCapsToggled(true);
  Press(20);
  env.SetCapsToggled(false);
  Release(20);
  EXPECT_EQ(env.PostsOf(WM_CAPSLOCK_STATE),
            (std::vector<PostedMessage>{{kMain, WM_CAPSLOCK_STATE, 1, 0},
                                        {kMain, WM_CAPSLOCK_STATE, 0, 0}}));
}

TEST_F(KeyboardHotkeyTest, DamagedReleaseKeyStillEndsTheWaitWhenModifiersAreUp) {
  table.WaitRelease = true;
  table.ReleaseKey = 123456;
  table.PendingCode = 5;
  table.PendingFocus = kFocusWindow;
  Press(kCtrl);
  Release(kCtrl);
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED), std::vector<PostedMessage>{Pressed(5)});
}

TEST_F(KeyboardHotkeyTest, DamagedHotkeyNumbersNeverIndexTheInUseFlags) {
  table.Count = 500;
  for (std::size_t i = 0; i < 500; ++i) {
    table.HotkeyNumber[i] = static_cast<std::uint16_t>(720 + i * 100);
    table.Enabled[i] = true;
    table.ScopeKind[i] = static_cast<std::int16_t>(i % 7 - 1);
  }
  Press(kCtrl);
  EXPECT_FALSE(Press('A').swallow);
  EXPECT_EQ(FindMacroInScope(table, env, 720), -1);
  EXPECT_EQ(FindMacroInScope(table, env, 65535), -1);
  EXPECT_EQ(FindMacroInScope(table, env, -1), -1);
}

// The scope lookup runs with the table let go; what changed meanwhile decides the fire.
TEST_F(KeyboardHotkeyTest, HotkeyPassesWhenTheTableChangedDuringTheScopeLookup) {
  AddMacro(0);
  env.SetDown(kCtrl, true);
  const KeyEvent a{0, 'A', 0};
  struct Change {
    const char* what;
    void (*apply)(storage::SharedMacroTable&);
  };
  const Change changes[] = {
      {"another hotkey waits", [](storage::SharedMacroTable& t) { t.WaitRelease = true; }},
      {"a capture began", [](storage::SharedMacroTable& t) { t.CaptureActive = true; }},
  };
  for (const Change& change : changes) {
    table.WaitRelease = false;
    table.CaptureActive = false;
    const Verdict decided = KeyboardDecision(table, env, a);
    ASSERT_EQ(decided.scopeCode, 0) << change.what;
    EXPECT_FALSE(decided.swallow) << change.what;
    change.apply(table);
    EXPECT_FALSE(KeyboardFire(table, env, a, decided.scopeCode).swallow) << change.what;
    EXPECT_EQ(table.PendingCode, 0) << change.what;
  }
  table.WaitRelease = false;
  table.CaptureActive = false;
  EXPECT_TRUE(KeyboardFire(table, env, a, 0).swallow);
  EXPECT_TRUE(table.WaitRelease);
}

TEST_F(KeyboardHotkeyTest, NegativeHookCodeIsPassedOnUntouched) {
  AddMacro(0);
  env.SetDown(17, true);
  const Verdict v = KeyboardDecision(table, env, {-1, 'A', 0});
  EXPECT_FALSE(v.swallow);
  EXPECT_TRUE(v.callNext);
  EXPECT_TRUE(env.posts.empty());
}

}  // namespace
}  // namespace quindle::hooklib::testing
