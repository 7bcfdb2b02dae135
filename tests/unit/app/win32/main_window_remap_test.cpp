// "&Remap" on the main window: the remapper over the real remap block, then the remap file and
// the message hook as the mapping needs them.
#include <gtest/gtest.h>

#include <vector>

#include "app/win32/main_window_fixture.h"
#include "app/win32/main_window_res.h"
#include "app/win32/remap_dialogs_res.h"
#include "editors/win32/dialog_steps.h"

namespace quindle::app::win32 {
namespace {

using namespace editors::win32::testing;
using testing::gCalls;
using testing::MainWindowTest;

void PostKey(HWND window, WPARAM key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 1);
  ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// "&Remap", the first key of "Lower Case" ("a"), Enter, `move` in the chart, Enter, "&Ok".
bool RemapA(HWND mainWindow, WPARAM move) {
  const char* remapper = "Keyboard Remapper";
  const char* special = "Select Character";
  return RunSteps(remapper,
                  {When(remapper,
                        [&] {
                          HWND lower = Item(remapper, IDC_REMAP_LOWER_GRID);
                          ::SetFocus(lower);
                          PostKey(lower, VK_HOME);
                          PostKey(lower, VK_RETURN);
                        }),
                   When(special,
                        [&] {
                          PostKey(Item(special, IDC_SPECIAL_CHART), move);
                          PostKey(Item(special, IDC_SPECIAL_CHART), VK_RETURN);
                        }),
                   [&] {
                     if (FindShown(special) != nullptr || FindShown(remapper) == nullptr)
                       return false;
                     ::PostMessageA(FindShown(remapper), WM_COMMAND, IDOK, 0);
                     return true;
                   }},
                  [&] { ::SendMessageA(mainWindow, WM_COMMAND, IDM_REMAP, 0); });
}

TEST_F(MainWindowTest, RemappingAKeyInstallsTheMessageHookAndSettingItBackRemovesIt) {
  auto window = Start();
  const std::string remapFile = folder.File("MAIN.QNS");
  gCalls.clear();
  ASSERT_TRUE(RemapA(window->Handle(), VK_RIGHT));
  EXPECT_EQ(gCalls, (std::vector<std::string>{"swap"}));
  EXPECT_EQ(storage::testing::ReadBytes(remapFile)[26], 'b');

  gCalls.clear();
  ASSERT_TRUE(RemapA(window->Handle(), VK_LEFT));
  EXPECT_EQ(gCalls, (std::vector<std::string>{"unhook 33"}));
  EXPECT_EQ(storage::testing::ReadBytes(remapFile)[26], 'a');
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace quindle::app::win32
