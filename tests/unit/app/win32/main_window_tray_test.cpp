// Tray mode in the main window: the setting's menu entries, "Place in System &Tray" saving at
// once, the recording icon's right button asking for the end of the capture, and the focus
// loss that hides the program (and the one-shot flag that keeps it up once).
#include <gtest/gtest.h>

#include "app/win32/main_window_fixture.h"
#include "app/win32/main_window_res.h"
#include "app/win32/tray_controller.h"

namespace quindle::app::win32 {
namespace {

using testing::MainWindowTest;

bool Checked(HWND window, int command) {
  return (::GetMenuState(::GetMenu(window), static_cast<UINT>(command), MF_BYCOMMAND) &
          MF_CHECKED) != 0;
}

bool Enabled(HWND window, int command) {
  return (::GetMenuState(::GetMenu(window), static_cast<UINT>(command), MF_BYCOMMAND) &
          (MF_GRAYED | MF_DISABLED)) == 0;
}

// The WM_COMMAND a handler posted to the window, removed from the queue; 0 when none.
int PostedCommand(HWND window) {
  MSG message{};
  if (::PeekMessageA(&message, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) == FALSE) return 0;
  return LOWORD(message.wParam);
}

bool Visible(HWND window) {
  return ::IsWindowVisible(window) != FALSE;
}

// The focus loss and what the window posts itself on it (the hide comes once it is over).
void LoseFocus(HWND window) {
  ::SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
  MSG message{};
  while (::PeekMessageA(&message, window, 0, 0, PM_REMOVE) != FALSE) ::DispatchMessageA(&message);
}

TEST_F(MainWindowTest, InTrayModeTheEntryIsCheckedAndHideEnabled) {
  settings.useTray = true;
  auto window = Start();
  ASSERT_NE(window->Handle(), nullptr);
  EXPECT_TRUE(window->UseTray());
  EXPECT_TRUE(Checked(window->Handle(), IDM_OPTIONS_USE_TRAY));
  EXPECT_TRUE(Enabled(window->Handle(), IDM_FILE_HIDE));
}

TEST_F(MainWindowTest, PlaceInSystemTrayTurnsTheSettingOverAndSavesIt) {
  auto window = Start();
  HWND handle = window->Handle();
  ASSERT_NE(handle, nullptr);
  EXPECT_FALSE(Checked(handle, IDM_OPTIONS_USE_TRAY));
  EXPECT_FALSE(Enabled(handle, IDM_FILE_HIDE));

  ::SendMessageA(handle, WM_COMMAND, IDM_OPTIONS_USE_TRAY, 0);
  EXPECT_TRUE(settings.useTray);
  EXPECT_EQ(profile.Read("Misc", "Use Tray", ""), "Yes");
  EXPECT_TRUE(Checked(handle, IDM_OPTIONS_USE_TRAY));
  EXPECT_TRUE(Enabled(handle, IDM_FILE_HIDE));

  ::SendMessageA(handle, WM_COMMAND, IDM_OPTIONS_USE_TRAY, 0);
  EXPECT_FALSE(settings.useTray);
  EXPECT_EQ(profile.Read("Misc", "Use Tray", ""), "No");
  EXPECT_FALSE(Checked(handle, IDM_OPTIONS_USE_TRAY));
}

TEST_F(MainWindowTest, HideWorksOnlyInTrayMode) {
  auto window = Start();
  HWND handle = window->Handle();
  ASSERT_NE(handle, nullptr);
  ::ShowWindow(handle, SW_SHOWNOACTIVATE);
  ::SendMessageA(handle, WM_COMMAND, IDM_FILE_HIDE, 0);
  EXPECT_TRUE(Visible(handle));
  ::SendMessageA(handle, WM_COMMAND, IDM_OPTIONS_USE_TRAY, 0);
  ::SendMessageA(handle, WM_COMMAND, IDM_FILE_HIDE, 0);
  EXPECT_FALSE(Visible(handle));
}

TEST_F(MainWindowTest, TheRecordingIconsRightButtonAsksToEndTheCapture) {
  auto window = Start();
  HWND handle = window->Handle();
  ASSERT_NE(handle, nullptr);
  window->SetRecordingIcon(true);
  ::SendMessageA(handle, kTrayCallbackMessage, kRecordingTrayIcon, WM_LBUTTONUP);
  EXPECT_EQ(PostedCommand(handle), 0);
  ::SendMessageA(handle, kTrayCallbackMessage, kRecordingTrayIcon, WM_RBUTTONUP);
  EXPECT_EQ(PostedCommand(handle), IDM_MACROS_END_CAPTURE);
  window->SetRecordingIcon(false);
}

TEST_F(MainWindowTest, LosingTheFocusHidesOnlyInTrayModeAndNotRightAfterACapture) {
  auto window = Start();
  HWND handle = window->Handle();
  ASSERT_NE(handle, nullptr);
  ::ShowWindow(handle, SW_SHOWNOACTIVATE);
  LoseFocus(handle);
  EXPECT_TRUE(Visible(handle)) << "without tray mode";

  ::SendMessageA(handle, WM_COMMAND, IDM_OPTIONS_USE_TRAY, 0);
  window->SuppressNextFocusLoss();
  LoseFocus(handle);
  EXPECT_TRUE(Visible(handle)) << "the focus loss right after a capture";
  LoseFocus(handle);
  EXPECT_FALSE(Visible(handle)) << "the next focus loss";
}

TEST_F(MainWindowTest, APlaybackPromptInTrayModeLeavesTheWindowHiddenAndHidesItAfterwards) {
  settings.useTray = true;
  auto window = Start();
  HWND handle = window->Handle();
  ASSERT_NE(handle, nullptr);
  window->ShowApplication();
  EXPECT_FALSE(Visible(handle));
  ::ShowWindow(handle, SW_SHOWNOACTIVATE);
  window->HideApplication();
  EXPECT_FALSE(Visible(handle));
}

}  // namespace
}  // namespace quindle::app::win32
