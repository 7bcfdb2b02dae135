// The main window's menu, its Help entries and the faults that the window itself had: the first
// "Activate Quindle" after "/HIDE" hid the window again, and the quick-capture and
// menu-for-window hotkeys did nothing at all after the hook had swallowed their keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/unavailable_commands.h"
#include "app/win32/main_window_fixture.h"
#include "app/win32/main_window_res.h"
#include "engine/win32/playback_dialogs_res.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "platform/win32/menu.h"
#include "platform/win32/modal_driver.h"
#include "support/test_windows.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;
using testing::MainWindowTest;

// Empties this thread's queue, so that whatever the window does on its own (its paint) has run.
void DrainMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

std::string TopLevelText(HMENU menu, int position) {
  char text[64] = {};
  const int length =
      ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

TEST_F(MainWindowTest, StartedHiddenTheFirstActivationShowsTheWindowForGood) {
  auto window = Start({"/HIDE"});
  ASSERT_NE(window->Handle(), nullptr);
  DrainMessages();
  EXPECT_FALSE(::IsWindowVisible(window->Handle()));

  window->ActivateMe();
  // Its first paint comes now; the window must still be there after it.
  ::UpdateWindow(window->Handle());
  DrainMessages();
  EXPECT_TRUE(::IsWindowVisible(window->Handle()));
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

TEST_F(MainWindowTest, TheMenuBarComesFromTheResourcesWithEveryCommand) {
  auto window = Start();
  HMENU bar = ::GetMenu(window->Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(::GetMenuItemCount(bar), 3);
  EXPECT_EQ(TopLevelText(bar, 0), "&File");
  EXPECT_EQ(TopLevelText(bar, 1), "&Tools");
  EXPECT_EQ(TopLevelText(bar, 2), "&Help");
  using platform::win32::MenuCommandText;
  EXPECT_EQ(MenuCommandText(bar, IDM_FILE_TERMINATE), "&Terminate Quindle 98");
  EXPECT_EQ(MenuCommandText(bar, IDM_TOOLS_RESTORE_KEYBOARD), "Restore &Keyboard Hooks");
  EXPECT_EQ(MenuCommandText(bar, IDM_TOOLS_RESTORE_MOUSE), "Restore &Mouse Hooks");
  EXPECT_EQ(MenuCommandText(bar, IDM_HELP_CONTENTS), "&Contents\tF1");
  EXPECT_EQ(MenuCommandText(bar, IDM_HELP_TUTORIAL), "&Tutorial / User Guide");
  EXPECT_EQ(MenuCommandText(bar, IDM_HELP_ABOUT), "&About");
  EXPECT_NE(window->Accelerators(), nullptr);

  // "&Terminate Quindle 98" closes the window as the close button does.
  SendMessageA(window->Handle(), WM_COMMAND, IDM_FILE_TERMINATE, 0);
  EXPECT_TRUE(platform::win32::testing::PollFor([&] { return window->Handle() == nullptr; }));
}

TEST_F(MainWindowTest, AboutShowsTheProgramNameAndClosesWithOk) {
  auto window = Start();
  std::string name;
  std::string detail;
  const bool driven = Driver::Run(
      [&] {
        HWND about = FindShown("About Quindle 98");
        if (about == nullptr) return false;
        name = TextOf(::GetDlgItem(about, IDC_ABOUT_NAME));
        detail = TextOf(::GetDlgItem(about, IDC_ABOUT_FILE));
        static_cast<void>(::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0));
        return true;
      },
      [] { EndIfOpen("About Quindle 98"); },
      [&] { SendMessageA(window->Handle(), WM_COMMAND, IDM_HELP_ABOUT, 0); });
  EXPECT_TRUE(driven);
  EXPECT_EQ(name, "Quindle 98");
  EXPECT_NE(detail.find("MAIN.QNL"), std::string::npos) << detail;
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

// Ctrl+Alt+Shift+X and Z are the quick-capture and menu-for-window hotkeys of every new file.
TEST_F(MainWindowTest, UnbuiltSystemHotkeysSayOnScreenThatTheyAreNotAvailable) {
  auto window = Start();
  const struct {
    char key;
    std::string_view text;
  } cases[] = {{'X', kQuickCaptureUnavailable}, {'Z', kMenuTopWindowUnavailable}};
  for (const auto& c : cases) {
    const int code = hooklib::EncodeHotkey(c.key, true, true, true, false);
    ASSERT_GE(code, 0);
    std::string shown;
    const bool driven = Driver::Run(
        [&] {
          HWND notice = FindShown("Notice");
          if (notice == nullptr) return false;
          shown = TextOf(::GetDlgItem(notice, IDC_THE_MESSAGE));
          static_cast<void>(::PostMessageA(::GetDlgItem(notice, IDOK), BM_CLICK, 0, 0));
          return true;
        },
        [] { EndIfOpen("Notice"); },
        [&] {
          SendMessageA(window->Handle(), hooklib::WM_HOTKEY_PRESSED, static_cast<WPARAM>(code), 0);
        });
    EXPECT_TRUE(driven) << c.key;
    EXPECT_EQ(shown, c.text) << c.key;
  }
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace quindle::app::win32
