// A zeroed shared table, a scripted environment and key and mouse helpers that deliver events
// the way Windows does: the hook runs before GetKeyState reflects the event.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string_view>

#include "hooklib/fake_hook_env.h"
#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "storage/macro_record.h"

namespace quindle::hooklib::testing {

inline constexpr Hwnd kMain = 0x1100;
inline constexpr Hwnd kSec = 0x2200;
inline constexpr Hwnd kFocusWindow = 0x3300;
inline constexpr Hwnd kEditorWindow = 0x4400;

inline constexpr unsigned kShift = 16, kCtrl = 17, kAlt = 18, kLeftWin = 91;

class HookTest : public ::testing::Test {
 protected:
  HookTest() : tablePtr(new storage::SharedMacroTable), table(*tablePtr) {
    std::memset(tablePtr.get(), 0, sizeof(storage::SharedMacroTable));
    table.MainWindow = kMain;
    table.SecWindow = kMain;
    env.SetFocus(kFocusWindow);
  }

  // Appends a macro; returns its 0-based slot.
  int AddMacro(int hotkey, std::int16_t kind = storage::ScopeGlobal, std::string_view scope = {},
               bool topMostOnly = false, bool enabled = true) {
    const int slot = table.Count;
    table.HotkeyNumber[slot] = static_cast<std::uint16_t>(hotkey);
    table.ScopeKind[slot] = kind;
    table.ScopeText[slot].Assign(scope);
    table.TopMostOnly[slot] = topMostOnly;
    table.Enabled[slot] = enabled;
    if (enabled && hotkey >= 0 && hotkey < 720) table.CodeInUse[hotkey] = true;
    table.Count = slot + 1;
    return slot;
  }

  // One event as the hook procedures run it: the decision with the table's mutex held, the
  // scope lookup of a possible hotkey on a copy with the mutex let go, and the fire routine
  // with it held again. No window may be read while the mutex is held.
  template <typename Event, typename Decide, typename FireHotkey>
  Verdict Run(const Event& event, Decide decide, FireHotkey fire) {
    env.tableHeld = true;
    Verdict v = decide(table, env, event);
    env.tableHeld = false;
    if (v.scopeCode >= 0) {
      const auto copy = std::make_unique<storage::SharedMacroTable>(table);
      const bool inScope = FindMacroInScope(*copy, env, v.scopeCode) >= 0;
      env.tableHeld = true;
      v = inScope ? fire(table, env, event, v.scopeCode) : Verdict{};
      env.tableHeld = false;
    }
    EXPECT_EQ(env.windowReadsWhileHeld, 0) << "windows read with the table's mutex held";
    return v;
  }

  // Every key event of every test also checks the hook's way around the mutex: an event that
  // may take it must be one the decision passes on without a change or a report.
  Verdict Key(unsigned vk, bool down, int code = 0) {
    const KeyEvent event{code, vk, down ? 0u : 0xC0000000u};
    const bool unheld = KeyUpPassesUnheld(table, event);
    const auto before = std::make_unique<storage::SharedMacroTable>(table);
    const std::size_t posts = env.posts.size();
    const Verdict v = Run(event, KeyboardDecision, KeyboardFire);
    if (unheld) {
      EXPECT_FALSE(v.swallow) << "key " << vk << " passed without the mutex";
      EXPECT_EQ(std::memcmp(before.get(), &table, sizeof table), 0) << "key " << vk;
      for (std::size_t i = posts; i < env.posts.size(); ++i)
        EXPECT_EQ(env.posts[i].message, WM_ABORT_KEYS) << "key " << vk;
    }
    env.SetDown(static_cast<int>(vk), down);
    return v;
  }
  Verdict Press(unsigned vk) { return Key(vk, true); }
  Verdict Release(unsigned vk) { return Key(vk, false); }
  Verdict Mouse(std::uint32_t message, int x = 0, int y = 0, int code = 0) {
    return Run(MouseEvent{code, message, x, y}, MouseDecision, MouseFire);
  }

  std::unique_ptr<storage::SharedMacroTable> tablePtr;
  storage::SharedMacroTable& table;
  FakeHookEnv env;
};

}  // namespace quindle::hooklib::testing
