// TMainWin's start and end as the program entry drives them: the small blocks filled before
// their hooks go in, the table's control fields set up, the hooks installed in order and removed
// again, and the settings saved with the window's geometry. The hook exports are the test's own,
// so nothing is hooked system-wide; the small blocks carry the real names, which a running
// Quindle under the same Wine server would own (the test then skips).
#include "app/win32/main_window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace quindle::app::win32 {
namespace {

using testing::gCalls;
using testing::MainWindowTest;

TEST_F(MainWindowTest, StartFillsTheBlocksBeforeItsHooksAndCloseUndoesItAll) {
  objects.Block().WaitRelease = true;  // left from an earlier run of the program
  objects.Block().DefineMode = true;
  objects.Block().ForegroundProgram.Assign("OLD.EXE");
  auto window = Start();
  ASSERT_NE(window->Handle(), nullptr);
  const auto self = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window->Handle()));

  // No remapping in a new file: no message hook; then CBT, keyboard, mouse.
  EXPECT_EQ(gCalls, (std::vector<std::string>{"cbt", "keyboard", "mouse"}));
  const storage::SharedMacroTable& table = objects.Block();
  EXPECT_EQ(table.MainWindow, self);
  EXPECT_EQ(table.SecWindow, self);
  EXPECT_EQ(table.KeyboardHook, 11u);
  EXPECT_EQ(table.MouseHook, 22u);
  EXPECT_FALSE(table.WaitRelease);
  EXPECT_FALSE(table.DefineMode);
  EXPECT_TRUE(table.ForegroundProgram.Empty());
  EXPECT_TRUE(table.CodeInUse[262]);  // the system macros a new file gets

  storage::win32::SharedBlock activation;
  ASSERT_TRUE(
      activation.OpenExisting(storage::kActivationBlockName, sizeof(storage::ActivationBlock)));
  const auto* block = static_cast<const storage::ActivationBlock*>(activation.View());
  EXPECT_EQ(block->MainWindow, self);
  EXPECT_EQ(block->MainWindow3, self);
  EXPECT_EQ(block->CbtHook, 44u);
  // The remap file of the new macro file exists at once.
  EXPECT_TRUE(files.Exists(folder.File("MAIN.QNS")));

  gCalls.clear();
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"unhook 11", "unhook 22", "unhook 44"}));
  EXPECT_EQ(table.KeyboardHook, 0u);
  EXPECT_EQ(table.MouseHook, 0u);
  EXPECT_EQ(profile.Read("Main Window", "Width", ""), "500");
  EXPECT_EQ(profile.Read("Main Window", "Left", ""), "40");
  EXPECT_EQ(profile.Read("Misc", "Current File", "?"), "");
  EXPECT_EQ(profile.SectionNames().size(), 10u);
}

// A window that goes without its close (an error on the way out) still takes its hooks with it:
// a hook left in the system keeps being called after the program is gone.
TEST_F(MainWindowTest, AWindowGoneWithoutItsCloseRemovesItsHooks) {
  auto window = Start();
  ASSERT_NE(window->Handle(), nullptr);
  gCalls.clear();
  window.reset();
  std::sort(gCalls.begin(), gCalls.end());
  EXPECT_EQ(gCalls, (std::vector<std::string>{"unhook 11", "unhook 22", "unhook 44"}));
}

TEST_F(MainWindowTest, ARemappingInstallsTheMessageHookFirst) {
  std::string slots;
  for (char c = 'A'; c <= 'Z'; ++c) slots += c;
  for (char c = 'a'; c <= 'z'; ++c) slots += c;
  slots += "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~";
  ASSERT_EQ(slots.size(), 93u);
  slots[26] = 'b';
  {
    std::ofstream out(folder.File("MAIN.QNS"), std::ios::binary);
    out << slots;
  }
  auto window = Start();
  EXPECT_EQ(gCalls, (std::vector<std::string>{"swap", "cbt", "keyboard", "mouse"}));
  gCalls.clear();
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"unhook 11", "unhook 22", "unhook 33", "unhook 44"}));
}

TEST_F(MainWindowTest, CommandLineOpensAnExistingFileAndIgnoresAMissingOne) {
  storage::MacroStore other{files, lock, prompts, clock};
  const std::string otherFile = folder.File("OTHER.QNL");
  ASSERT_TRUE(other.LoadMacroFile(otherFile));
  ASSERT_TRUE(store.LoadMacroFile(macroFile));

  auto window = Start({"/f" + otherFile, "/SM42"});
  std::string upper = otherFile;  // "/F" paths are taken upper-cased
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  EXPECT_EQ(store.FileName(), upper);
  char caption[256] = {};
  GetWindowTextA(window->Handle(), caption, sizeof caption);
  EXPECT_EQ(std::string(caption), "Quindle 98 (OTHER)");
  EXPECT_EQ(settings.syncMinutes, 42);
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);

  auto second = Start({"/F" + folder.File("MISSING.QNL"), "/B"});
  GetWindowTextA(second->Handle(), caption, sizeof caption);
  EXPECT_EQ(std::string(caption), "Quindle 98 (OTHER)    (Browse Mode)");
  SendMessageA(second->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace quindle::app::win32
