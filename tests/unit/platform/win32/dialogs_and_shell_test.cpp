// A modeless dialog routed by the message loop, menus from the resources, the tray icon and the
// common dialogs' refusals, on real windows.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/win32/main_window_res.h"
#include "engine/win32/playback_dialogs_res.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/menu.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/tray_icon.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::Driver;
using testing::FindShown;

class Modeless final : public DialogBase {
 public:
  bool initRan = false;

 protected:
  bool OnInit() override {
    initRan = true;
    SetCaption(testing::TestWindows::Unique("modeless"));
    return true;
  }
};

MSG KeyDown(HWND window, WPARAM key) {
  MSG message{};
  message.hwnd = window;
  message.message = WM_KEYDOWN;
  message.wParam = key;
  message.lParam = 1;
  return message;
}

TEST(ModelessDialogTest, TheLoopRoutesItsKeysAndForgetsItOnceClosed) {
  MessageLoop loop;
  Modeless dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr, IDD_ON_TOP_MESSAGE, &loop));
  EXPECT_TRUE(dialog.initRan);
  EXPECT_TRUE(dialog.IsModeless());
  EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
  EXPECT_EQ(loop.DialogCount(), 1u);
  EXPECT_FALSE(dialog.CreateModeless(nullptr, IDD_ON_TOP_MESSAGE, &loop));  // one per object

  // A key for a window that is not the dialog's is none of its business.
  MSG other = KeyDown(nullptr, VK_RETURN);
  EXPECT_FALSE(loop.Route(other));
  // Enter on the dialog's OK button: the dialog manager makes it IDOK, End destroys the window.
  MSG enter = KeyDown(GetDlgItem(dialog.Handle(), IDOK), VK_RETURN);
  EXPECT_TRUE(loop.Route(enter));
  EXPECT_TRUE(testing::PollFor([&] { return !dialog.IsOpen(); }));
  EXPECT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(loop.DialogCount(), 0u);
  EXPECT_FALSE(dialog.CreateModeless(nullptr, 1, &loop));  // no such template
  EXPECT_EQ(loop.DialogCount(), 0u);
}

TEST(MenuResourceTest, LoadsTheMainMenuAndSaysWhatIsMissing) {
  std::string failure;
  MenuOwner menu = LoadMenuResource(IDR_MAIN_MENU, failure);
  ASSERT_TRUE(menu) << failure;
  EXPECT_EQ(MenuCommandText(menu.Get(), IDM_HELP_ABOUT), "&About");
  EXPECT_TRUE(EnableMenuCommand(menu.Get(), IDM_HELP_ABOUT, false));
  EXPECT_NE(GetMenuState(menu.Get(), IDM_HELP_ABOUT, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_TRUE(CheckMenuCommand(menu.Get(), IDM_TOOLS_RESTORE_MOUSE, true));
  EXPECT_FALSE(EnableMenuCommand(menu.Get(), 9999, true));
  EXPECT_EQ(MenuCommandText(menu.Get(), 9999), "");

  MenuOwner missing = LoadMenuResource(9999, failure);
  EXPECT_FALSE(missing);
  EXPECT_EQ(failure.rfind("LoadMenuA(9999) failed (error ", 0), 0u) << failure;
  EXPECT_FALSE(AttachMenuBar(nullptr, missing, failure));
  EXPECT_EQ(LoadAcceleratorResource(9999, failure), nullptr);
  EXPECT_NE(LoadAcceleratorResource(IDR_MAIN_ACCELERATORS, failure), nullptr);

  testing::TestWindows windows;
  HWND window = windows.Create(testing::TestWindows::Unique("menu bar"));
  ASSERT_NE(window, nullptr);
  HMENU raw = menu.Get();
  ASSERT_TRUE(AttachMenuBar(window, menu, failure)) << failure;
  EXPECT_FALSE(menu);  // the window's now
  EXPECT_EQ(GetMenu(window), raw);
}

// The shell's tray as Shell_NotifyIconA finds it: a window of class "Shell_TrayWnd" that takes
// each request as WM_COPYDATA and answers TRUE. Under Wine without a desktop there is none, so
// the test makes one; it counts the requests that reached it.
class FakeTray {
 public:
  FakeTray() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &FakeTray::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  FakeTray(const FakeTray&) = delete;
  FakeTray& operator=(const FakeTray&) = delete;
  ~FakeTray() {
    if (window_ != nullptr) DestroyWindow(window_);
    UnregisterClassA("Shell_TrayWnd", GetModuleHandleA(nullptr));
  }
  bool Made() const { return window_ != nullptr; }
  static inline int requests = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
      ++requests;
      return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

TEST(TrayIconTest, AddModifyDeleteAndAddAgainWhenTheTaskbarComesBack) {
  if (FindWindowA("Shell_TrayWnd", nullptr) != nullptr)
    GTEST_SKIP() << "a real tray runs here; its requests cannot be counted";
  FakeTray fake;
  ASSERT_TRUE(fake.Made());
  FakeTray::requests = 0;
  testing::TestWindows windows;
  HWND owner = windows.Create(testing::TestWindows::Unique("tray owner"));
  ASSERT_NE(owner, nullptr);
  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  const UINT taskbarCreated = TrayIcon::TaskbarCreatedMessage();
  ASSERT_NE(taskbarCreated, 0u);
  EXPECT_EQ(TrayIcon::TaskbarCreatedMessage(), taskbarCreated);  // one number for everybody

  {
    TrayIcon tray(owner, 1, WM_APP + 40);
    EXPECT_FALSE(tray.Modify(icon, "not shown yet"));
    EXPECT_FALSE(tray.Delete());
    EXPECT_EQ(FakeTray::requests, 0);  // nothing shown: nothing asked of the shell
    ASSERT_TRUE(tray.Add(icon, "Quindle 98"));
    EXPECT_TRUE(tray.Shown());
    EXPECT_FALSE(tray.Add(icon, "twice"));
    EXPECT_EQ(FakeTray::requests, 1);
    EXPECT_TRUE(tray.Modify(icon, std::string(300, 'x')));  // a long tip is cut, not refused
    EXPECT_EQ(FakeTray::requests, 2);

    bool readded = false;
    EXPECT_FALSE(tray.OnMessage(WM_APP + 40, &readded));  // not the broadcast
    EXPECT_EQ(FakeTray::requests, 2);
    // A restarted Explorer broadcasts "TaskbarCreated": the shown icon goes in again.
    EXPECT_TRUE(tray.OnMessage(taskbarCreated, &readded));
    EXPECT_TRUE(readded);
    EXPECT_EQ(FakeTray::requests, 3);

    EXPECT_TRUE(tray.Delete());
    EXPECT_FALSE(tray.Shown());
    EXPECT_EQ(FakeTray::requests, 4);
    // A deleted icon stays away when the taskbar comes back.
    EXPECT_TRUE(tray.OnMessage(taskbarCreated, &readded));
    EXPECT_FALSE(readded);
    EXPECT_EQ(FakeTray::requests, 4);
    ASSERT_TRUE(tray.Add(icon, "again"));
  }
  EXPECT_EQ(FakeTray::requests, 6);  // the owner's end deleted the shown icon
}

TEST(CommonDialogsTest, ABadFilterIsRefusedAndACancelIsNoError) {
  unsigned long error = 0;
  FileDialogOptions bad;
  bad.filter = "Executable (*.EXE)";
  EXPECT_FALSE(AskOpenFile(nullptr, bad, error).has_value());
  EXPECT_EQ(error, kBadFilterText);
  EXPECT_FALSE(AskSaveFile(nullptr, bad, error).has_value());
  EXPECT_EQ(error, kBadFilterText);

  const std::string title = testing::TestWindows::Unique("Pick a macro file");
  FileDialogOptions options;
  options.title = title;
  options.filter = "Macro Files (*.QNL)|*.QNL|All Files (*.*)|*.*";
  options.defaultExt = "QNL";
  std::optional<std::string> chosen = std::string("not asked");
  error = 1;
  const bool driven = Driver::Run(
      [&] {
        HWND dialog = FindShown(title.c_str());
        if (dialog == nullptr) return false;
        static_cast<void>(PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0));
        return true;
      },
      [&] {
        if (HWND dialog = FindWindowA(nullptr, title.c_str()))
          PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { chosen = AskOpenFile(nullptr, options, error); });
  EXPECT_TRUE(driven);
  EXPECT_FALSE(chosen.has_value());
  EXPECT_EQ(error, 0u);
}

}  // namespace
}  // namespace quindle::platform::win32
