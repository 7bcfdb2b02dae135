// TMainWin as the program entry drives it, for the tests of the main window: the hook exports
// are the test's own, so nothing is hooked system-wide; the small blocks carry the real names,
// which a running Quindle under the same Wine server would own (the tests then skip).
#pragma once

#include "app/win32/main_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/memory_profile.h"
#include "app/settings.h"
#include "platform/std_file_io.h"
#include "platform/win32/clock.h"
#include "platform/win32/prompts.h"
#include "support/in_process_table.h"
#include "storage/macro_store.h"
#include "storage/storage_test_support.h"
#include "storage/win32/named_objects.h"

namespace quindle::app::win32::testing {

// What the fake exports saw, in order; handles are small distinct numbers.
inline std::vector<std::string> gCalls;

inline std::uint32_t FakeKeyboard() {
  gCalls.push_back("keyboard");
  return 11;
}
inline std::uint32_t FakeMouse() {
  gCalls.push_back("mouse");
  return 22;
}
inline std::uint32_t FakeSwap() {
  gCalls.push_back("swap");
  return 33;
}
inline std::uint32_t FakeCbt() {
  gCalls.push_back("cbt");
  return 44;
}
inline bool FakeUnHook(std::uint32_t handle) {
  gCalls.push_back("unhook " + std::to_string(handle));
  return true;
}

inline HookExports FakeExports() {
  HookExports hooks;
  hooks.hookKeyboard = FakeKeyboard;
  hooks.hookMouse = FakeMouse;
  hooks.hookSwap = FakeSwap;
  hooks.hookCbt = FakeCbt;
  hooks.unHook = FakeUnHook;
  return hooks;
}

inline bool NamesInUse() {
  return storage::win32::SharedBlock::Exists(storage::kRemapBlockName) ||
         storage::win32::SharedBlock::Exists(storage::kActivationBlockName);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gCalls.clear();
    // A main window closed by an earlier test posted WM_QUIT; a modal dialog's loop would end
    // at once on it.
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    if (NamesInUse()) GTEST_SKIP() << "a running Quindle owns the block names";
    settings.mainLeft = 40;
    settings.mainTop = 30;
    settings.mainWidth = 500;
    settings.mainHeight = 300;
    ASSERT_TRUE(store.LoadMacroFile(macroFile));
  }

  std::unique_ptr<TMainWin> Start(std::vector<std::string> arguments = {}) {
    context = std::make_unique<MainWindowContext>(MainWindowContext{
        settings, profile, folder.File("."), lock, store, FakeExports(), std::move(arguments)});
    auto window = std::make_unique<TMainWin>(*context);
    EXPECT_TRUE(window->Create(SW_HIDE));
    return window;
  }

  storage::testing::TempFolder folder;
  std::string macroFile = folder.File("MAIN.QNL");
  Settings settings;
  MemoryProfile profile;
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  platform::StdBinaryFiles files;
  platform::win32::Win32Prompts prompts{0};
  platform::win32::Win32Clock clock;
  storage::MacroStore store{files, lock, prompts, clock};
  std::unique_ptr<MainWindowContext> context;
};

}  // namespace quindle::app::win32::testing
