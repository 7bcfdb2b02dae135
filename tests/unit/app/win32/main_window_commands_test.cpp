// The main window's menu and Help entries, and two faults it had: the first activation after
// "/HIDE" hid it again, and the quick-capture and menu-for-window hotkeys did nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/popup_menus.h"
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

// Empties this thread's queue, so that what the window does on its own (its paint) has run.
void DrainMessages() {
  platform::win32::testing::PollFor([] { return true; });
}

std::string TopLevelText(HMENU menu, int position) {
  char text[64] = {};
  const int length =
      ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// Runs `open`, which shows the dialog `caption`, reads its `items` and closes it with OK.
std::vector<std::string> AnswerWithOk(const char* caption, const std::vector<int>& items,
                                      const std::function<void()>& open) {
  std::vector<std::string> texts;
  const bool driven = Driver::Run(
      [&] {
        HWND dialog = FindShown(caption);
        if (dialog == nullptr) return false;
        for (const int item : items) texts.push_back(TextOf(::GetDlgItem(dialog, item)));
        static_cast<void>(::PostMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0));
        return true;
      },
      [&] { EndIfOpen(caption); }, open);
  EXPECT_TRUE(driven) << caption;
  return texts;
}

TEST_F(MainWindowTest, StartedHiddenTheFirstActivationShowsTheWindowForGood) {
  auto window = Start({"/HIDE"});
  ASSERT_NE(window->Handle(), nullptr);
  DrainMessages();
  EXPECT_FALSE(::IsWindowVisible(window->Handle()));
  window->ActivateMe();
  ::UpdateWindow(window->Handle());  // its first paint comes now; the window must outlive it
  DrainMessages();
  EXPECT_TRUE(::IsWindowVisible(window->Handle()));
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

TEST_F(MainWindowTest, TheMenuBarComesFromTheResourcesWithEveryCommand) {
  auto window = Start();
  HMENU bar = ::GetMenu(window->Handle());
  ASSERT_NE(bar, nullptr);
  const std::vector<std::string> menus{"&File", "&Macros", "&Remap", "&Options", "&Tools", "&Help"};
  ASSERT_EQ(::GetMenuItemCount(bar), static_cast<int>(menus.size()));
  for (int i = 0; i < ::GetMenuItemCount(bar); ++i) EXPECT_EQ(TopLevelText(bar, i), menus[i]);
  const std::pair<int, std::string_view> commands[] = {
      {IDM_FILE_TERMINATE, "&Terminate Quindle 98"},
      {IDM_MACROS_SCRIPTING, "&Scripting Editor"},
      {IDM_MACROS_RECAPTURE, "Re&capture Macro"},
      {IDM_MACROS_ADD, "&Add Macro"},
      {IDM_FILE_OUTPUT, "O&utput Macro Information"},
      {IDM_MACROS_EXPORT, "E&xport Macros"},
      {IDM_OPTIONS_TYPLETS, "T&yplets"},
      {IDM_OPTIONS_SHOW_DATE, "&Show Date && Time"},
      {IDM_OPTIONS_DISABLE_SCREEN_SAVER, "&Disable if using Timed Macros"},
      {IDM_OPTIONS_USE_TRAY, "Place in System &Tray"},
      {IDM_TOOLS_RESTORE_KEYBOARD, "Restore &Keyboard Hooks"},
      {IDM_TOOLS_RESTORE_MOUSE, "Restore &Mouse Hooks"},
      {IDM_HELP_CONTENTS, "&Contents\tF1"},
      {IDM_HELP_TUTORIAL, "&Tutorial / User Guide"},
      {IDM_HELP_ABOUT, "&About"},
  };
  for (const auto& [id, text] : commands)
    EXPECT_EQ(platform::win32::MenuCommandText(bar, id), text);
  EXPECT_NE(window->Accelerators(), nullptr);

  // "&Terminate Quindle 98" closes the window as the close button does.
  SendMessageA(window->Handle(), WM_COMMAND, IDM_FILE_TERMINATE, 0);
  EXPECT_TRUE(platform::win32::testing::PollFor([&] { return window->Handle() == nullptr; }));
}

TEST_F(MainWindowTest, RecaptureIsGreyedForASystemMacroAndInTheBrowseModes) {
  const auto greyed = [](HWND window, int command) {
    return (::GetMenuState(::GetMenu(window), command, MF_BYCOMMAND) & MF_GRAYED) != 0;
  };
  for (const char* browse : {"", "/B", "/BA"}) {
    SCOPED_TRACE(browse);
    auto window =
        Start(*browse != '\0' ? std::vector<std::string>{browse} : std::vector<std::string>{});
    // The new file's first row, selected when it opens, is a system macro: its record holds an
    // action, not a text, and it is renamed only in "System Hot Keys".
    EXPECT_TRUE(greyed(window->Handle(), IDM_MACROS_RECAPTURE));
    EXPECT_TRUE(greyed(window->Handle(), IDM_MACROS_SCRIPTING));
    // Rename opens "System Hot Keys" for it, except in the browse modes, where nothing changes.
    EXPECT_EQ(greyed(window->Handle(), IDM_MACROS_RENAME), *browse != '\0');
    SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
  }
}

TEST_F(MainWindowTest, AboutShowsTheProgramNameAndClosesWithOk) {
  auto window = Start();
  const std::vector<std::string> texts =
      AnswerWithOk("About Quindle 98", {IDC_ABOUT_NAME, IDC_ABOUT_FILE},
                   [&] { SendMessageA(window->Handle(), WM_COMMAND, IDM_HELP_ABOUT, 0); });
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Quindle 98");
  EXPECT_NE(texts[1].find("MAIN.QNL"), std::string::npos) << texts[1];
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

// Ctrl+Alt+Shift+Z is the menu-for-window hotkey of every new file; a file without window- or
// program-scoped macros has nothing to offer for any window.
TEST_F(MainWindowTest, MenuForTheWindowInFrontWithoutScopedMacrosWarns) {
  auto window = Start();
  const int code = hooklib::EncodeHotkey('Z', true, true, true, false);
  ASSERT_GE(code, 0);
  const std::vector<std::string> shown = AnswerWithOk("Warning", {IDC_THE_MESSAGE}, [&] {
    SendMessageA(window->Handle(), hooklib::WM_HOTKEY_PRESSED, static_cast<WPARAM>(code), 0);
  });
  EXPECT_EQ(shown, std::vector<std::string>{std::string(kNoMacrosForTopWindow)});
  SendMessageA(window->Handle(), WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace quindle::app::win32
