// Modeless dialogs, menus from the resources, the tray icon and the common dialogs, for real.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
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
  int f1Button = 0;

 protected:
  bool OnInit() override {
    initRan = true;
    if (f1Button != 0) AnswerF1With(f1Button);
    SetCaption(testing::TestWindows::Unique("modeless"));
    return true;
  }
};

MSG EnterDown(HWND window) {
  MSG message{};
  message.hwnd = window;
  message.message = WM_KEYDOWN;
  message.wParam = VK_RETURN;
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

  MSG other = EnterDown(nullptr);  // not for the dialog's window: none of its business
  EXPECT_FALSE(loop.Route(other));
  MSG enter = EnterDown(GetDlgItem(dialog.Handle(), IDOK));  // made IDOK, which ends it
  EXPECT_TRUE(loop.Route(enter));
  EXPECT_TRUE(testing::PollFor([&] { return !dialog.IsOpen(); }));
  EXPECT_EQ(dialog.EndCode(), IDOK);
  EXPECT_EQ(loop.DialogCount(), 0u);
  EXPECT_FALSE(dialog.CreateModeless(nullptr, 1, &loop));  // no such template
  EXPECT_EQ(loop.DialogCount(), 0u);
}

LRESULT PressF1(HWND dialog) {
  HELPINFO info{};
  info.cbSize = sizeof(info);
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = dialog;
  return SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

TEST(DialogBaseTest, EveryOpenDialogCountsUntilItsWindowOrItsObjectIsGone) {
  const int before = DialogBase::OpenCount();
  {
    Modeless first;
    Modeless second;
    ASSERT_TRUE(first.CreateModeless(nullptr, IDD_ON_TOP_MESSAGE, nullptr));
    EXPECT_EQ(DialogBase::OpenCount(), before + 1);
    ASSERT_TRUE(second.CreateModeless(nullptr, IDD_ON_TOP_MESSAGE, nullptr));
    EXPECT_EQ(DialogBase::OpenCount(), before + 2);
    SendMessageA(first.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(first.IsOpen());
    EXPECT_EQ(DialogBase::OpenCount(), before + 1);
    // `second` dies with its window still there.
  }
  EXPECT_EQ(DialogBase::OpenCount(), before);
  Modeless failed;
  EXPECT_FALSE(failed.CreateModeless(nullptr, 1, nullptr));  // no such template: never counted
  EXPECT_EQ(DialogBase::OpenCount(), before);
}

TEST(DialogBaseTest, F1DoesWhatTheHelpButtonDoesWhileItIsEnabled) {
  struct Case {
    const char* name;
    int f1Button;
    bool buttonEnabled;
    bool ended;
  };
  const Case cases[] = {
      {"no help button named", 0, true, false},
      {"the named button is disabled", IDOK, false, false},
      {"the named button is enabled", IDOK, true, true},
      {"a button the template lacks", 4999, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Modeless dialog;
    dialog.f1Button = c.f1Button;
    ASSERT_TRUE(dialog.CreateModeless(nullptr, IDD_ON_TOP_MESSAGE, nullptr));
    EnableWindow(GetDlgItem(dialog.Handle(), IDOK), c.buttonEnabled ? TRUE : FALSE);
    PressF1(dialog.Handle());
    EXPECT_EQ(!dialog.IsOpen(), c.ended);
    if (c.ended) {
      EXPECT_EQ(dialog.EndCode(), IDOK);
    }
  }
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

// The tray as Shell_NotifyIconA finds it (Wine without a desktop has none): counts the requests.
class FakeTray {
 public:
  FakeTray() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &FakeTray::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&windowClass);
    window_.Reset(CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
  }
  ~FakeTray() {
    window_.Reset();
    UnregisterClassA("Shell_TrayWnd", GetModuleHandleA(nullptr));
  }
  bool Made() const { return static_cast<bool>(window_); }
  static inline int requests = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    ++requests;
    return TRUE;
  }
  WindowOwner window_;
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
    bool readded = false;
    const struct {
      std::function<bool()> step;  // true when the step did as it should
      int requests;                // requests that reached the tray by then
    } steps[] = {
        {[&] { return !tray.Modify(icon, "not shown yet") && !tray.Delete(); }, 0},
        {[&] { return tray.Add(icon, "Quindle 98") && tray.Shown(); }, 1},
        {[&] { return !tray.Add(icon, "twice"); }, 1},
        {[&] { return tray.Modify(icon, std::string(300, 'x')); }, 2},  // a long tip is cut
        {[&] { return !tray.OnMessage(WM_APP + 40, &readded); }, 2},    // not the broadcast
        {[&] { return tray.OnMessage(taskbarCreated, &readded) && readded; }, 3},
        {[&] { return tray.Delete() && !tray.Shown(); }, 4},
        {[&] { return tray.OnMessage(taskbarCreated, &readded) && !readded; }, 4},
        {[&] { return tray.Add(icon, "again"); }, 5},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
      EXPECT_TRUE(steps[i].step()) << "step " << i;
      EXPECT_EQ(FakeTray::requests, steps[i].requests) << "step " << i;
    }
  }
  EXPECT_EQ(FakeTray::requests, 6);  // the owner's end deleted the shown icon
}

TEST(CommonDialogsTest, ABadFilterIsRefusedAndACancelIsNoError) {
  unsigned long error = 0;
  FileDialogOptions bad;
  bad.filter = "Executable (*.EXE)";
  for (const auto ask : {&AskOpenFile, &AskSaveFile}) {
    error = 0;
    EXPECT_FALSE(ask(nullptr, bad, error).has_value());
    EXPECT_EQ(error, kBadFilterText);
  }

  const std::string title = testing::TestWindows::Unique("Pick a macro file");
  FileDialogOptions options;
  options.title = title;
  options.filter = "Macro Files (*.QNL)|*.QNL|All Files (*.*)|*.*";
  options.defaultExt = "QNL";
  std::optional<std::string> chosen = std::string("not asked");
  error = 1;
  const auto cancel = [&] {
    HWND dialog = FindShown(title.c_str());
    if (dialog != nullptr) static_cast<void>(PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0));
    return dialog != nullptr;
  };
  const bool driven = Driver::Run(
      cancel,
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
