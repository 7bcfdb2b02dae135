// The playback prompts as real dialogs. Each test opens a modal prompt on this thread and drives
// it from a thread timer that the prompt's own modal loop dispatches: the timer polls for the
// window by its caption, looks at it, and answers with posted clicks, so the modal call returns.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/win32/playback_dialogs_res.h"
#include "engine/win32/playback_prompts.h"
#include "engine/win32/prompt_dialogs.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/window_handle.h"

namespace quindle::engine::win32 {
namespace {

using platform::WindowHandle;
using platform::win32::FromHwnd;
using platform::win32::ToHwnd;
using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;

constexpr std::uint16_t kCtrlAltShiftT = 259;
constexpr DWORD kLimitMs = 20000;

// IWindows for the prompts: ForceForeground is recorded and done with SetForegroundWindow.
class RecordingWindows final : public platform::IWindows {
 public:
  std::vector<WindowHandle> forced;

  WindowHandle FindByExactTitle(std::string_view) override { return 0; }
  std::vector<WindowHandle> TopLevelWindows() override { return {}; }
  std::string Title(WindowHandle) override { return {}; }
  WindowHandle Foreground() override { return FromHwnd(::GetForegroundWindow()); }
  WindowHandle Parent(WindowHandle) override { return 0; }
  std::uint32_t ProcessOf(WindowHandle) override { return 0; }
  bool IsIconic(WindowHandle) override { return false; }
  platform::Rect WindowRect(WindowHandle) override { return {}; }
  void ShowWindow(WindowHandle, int) override {}
  void SetWindowPos(WindowHandle, int, int, int, int, std::uint32_t) override {}
  void PostMessage(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {}
  void SendMessage(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {}
  void ForceForeground(WindowHandle window) override {
    forced.push_back(window);
    static_cast<void>(::SetForegroundWindow(ToHwnd(window)));
  }
  void SetForegroundWindow(WindowHandle) override {}
  void SetActiveWindow(WindowHandle) override {}
  void SetFocus(WindowHandle) override {}
};

class RecordingApp final : public platform::IAppWindow {
 public:
  bool tray = false;
  bool minimized = false;
  std::vector<std::string> calls;

  WindowHandle MainWindow() override { return 0; }
  bool UseTray() override { return tray; }
  bool IsApplicationMinimized() override { return minimized; }
  void RestoreApplication() override { calls.push_back("restore"); }
  void MinimizeApplication() override { calls.push_back("minimize"); }
  void ShowApplication() override { calls.push_back("show app"); }
  void HideApplication() override { calls.push_back("hide app"); }
  void ShowMainWindow() override { calls.push_back("show main"); }
  void HideMainWindow() override { calls.push_back("hide main"); }
};

// A plain top-level window standing for the program the macro types into.
class TargetWindow {
 public:
  TargetWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QnlPromptsTestTarget";
    if (::RegisterClassA(&windowClass) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      return;
    }
    window_ = ::CreateWindowExA(0, "QnlPromptsTestTarget", "Prompts Test Target",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
  }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow() {
    if (window_ != nullptr) static_cast<void>(::DestroyWindow(window_));
  }
  HWND Get() const { return window_; }

  // Brings it to the front and waits until it is there.
  bool Activate() const {
    static_cast<void>(::SetForegroundWindow(window_));
    const DWORD start = ::GetTickCount();
    while (::GetForegroundWindow() != window_) {
      if (::GetTickCount() - start > kLimitMs) return false;
      MSG message;
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }

 private:
  HWND window_ = nullptr;
};

RECT ClientRectOf(HWND dialog, HWND control) {
  RECT rect{};
  static_cast<void>(::GetWindowRect(control, &rect));
  static_cast<void>(::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2));
  return rect;
}

class PromptsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (target_.Get() == nullptr) {
      GTEST_SKIP() << "windows cannot be created here (Wine without a display driver)";
    }
    ASSERT_TRUE(target_.Activate());
  }

  RecordingWindows windows_;
  RecordingApp app_;
  TargetWindow target_;
};

struct PauseSeen {
  RECT window{};
  LONG_PTR exStyle = 0;
  std::string label, macroTitle, message, resume, abort;
  bool messageVisible = false;
  RECT resumeRect{}, abortRect{};
  COLORREF titleColour = 0;
  HWND dialog = nullptr;
  HWND foregroundBeforeClick = nullptr;
  bool pauseOpen = false;
};

void LookAtPause(HWND dialog, PauseSeen& seen) {
  seen.dialog = dialog;
  static_cast<void>(::GetWindowRect(dialog, &seen.window));
  seen.exStyle = ::GetWindowLongPtrA(dialog, GWL_EXSTYLE);
  seen.label = TextOf(::GetDlgItem(dialog, IDC_PAUSE_LABEL1));
  seen.macroTitle = TextOf(::GetDlgItem(dialog, IDC_MACRO_TITLE_LABEL));
  seen.message = TextOf(::GetDlgItem(dialog, IDC_MESSAGE_LABEL));
  seen.messageVisible = ::IsWindowVisible(::GetDlgItem(dialog, IDC_MESSAGE_LABEL)) != FALSE;
  seen.resume = TextOf(::GetDlgItem(dialog, IDC_RESUME_BUTTON));
  seen.abort = TextOf(::GetDlgItem(dialog, IDC_ABORT_BUTTON));
  seen.resumeRect = ClientRectOf(dialog, ::GetDlgItem(dialog, IDC_RESUME_BUTTON));
  seen.abortRect = ClientRectOf(dialog, ::GetDlgItem(dialog, IDC_ABORT_BUTTON));
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc != nullptr) {
    ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_MACRO_TITLE_LABEL)));
    seen.titleColour = ::GetTextColor(dc);
    static_cast<void>(::DeleteDC(dc));
  }
}

TEST_F(PromptsDialogTest, PauseShowsItsPartsFloatsAboveTheTargetAndResumes) {
  PlaybackPrompts prompts(windows_, app_);
  const std::string message(30, 'm');
  platform::PauseRequest request;
  request.left = 100;
  request.top = 120;
  request.message = message;
  request.macroName = "Letter";
  request.hotkeyNumber = kCtrlAltShiftT;
  request.targetWindow = FromHwnd(target_.Get());

  PauseSeen seen;
  bool resumed = false;
  const bool driven = Driver::Run(
      [&] {
        HWND dialog = FindShown("Pause (Ctrl+Alt+Shift+T)");
        if (dialog == nullptr) return false;
        // The dialog hands the focus back to the target once it is up: wait for that.
        if (::GetForegroundWindow() != target_.Get()) return false;
        LookAtPause(dialog, seen);
        seen.foregroundBeforeClick = ::GetForegroundWindow();
        seen.pauseOpen = prompts.PauseOpen();
        static_cast<void>(::PostMessageA(::GetDlgItem(dialog, IDC_RESUME_BUTTON), BM_CLICK, 0, 0));
        return true;
      },
      [] { EndIfOpen("Pause (Ctrl+Alt+Shift+T)"); }, [&] { resumed = prompts.ShowPause(request); });

  ASSERT_TRUE(driven);
  EXPECT_TRUE(resumed);
  EXPECT_FALSE(prompts.PauseOpen());
  EXPECT_TRUE(seen.pauseOpen);
  EXPECT_EQ(seen.window.left, 100);
  EXPECT_EQ(seen.window.top, 120);
  EXPECT_EQ(seen.window.right - seen.window.left, 224);
  EXPECT_EQ(seen.window.bottom - seen.window.top, 94 + 38);
  EXPECT_NE(seen.exStyle & WS_EX_TOPMOST, 0);
  EXPECT_EQ(seen.label, "Quindle Pause");
  EXPECT_EQ(seen.macroTitle, "Letter");
  EXPECT_EQ(seen.message, message);
  EXPECT_TRUE(seen.messageVisible);
  EXPECT_EQ(seen.resume, "&Resume");
  EXPECT_EQ(seen.abort, "&Abort");
  EXPECT_EQ(seen.resumeRect.top, 132 - 52);
  EXPECT_EQ(seen.abortRect.top, 132 - 52);
  EXPECT_EQ(seen.titleColour, RGB(255, 0, 0));
  // Brought to the front first, then the focus went back to the target.
  ASSERT_GE(windows_.forced.size(), 2u);
  EXPECT_EQ(windows_.forced.front(), FromHwnd(seen.dialog));
  EXPECT_EQ(windows_.forced.back(), FromHwnd(target_.Get()));
  EXPECT_EQ(seen.foregroundBeforeClick, target_.Get());
}

TEST_F(PromptsDialogTest, PauseWithoutHotkeyOrMessageAbortsCloseAndIgnoresEnter) {
  PlaybackPrompts prompts(windows_, app_);
  for (const char* how : {"abort", "close"}) {
    SCOPED_TRACE(how);
    platform::PauseRequest request;
    request.left = 50;
    request.top = 60;
    request.macroName = "Timed";
    request.hotkeyNumber = std::string(how) == "abort" ? 10000 : 20000;
    PauseSeen seen;
    int stage = 0;
    bool enterKeptItOpen = false;
    bool resumed = true;
    const bool driven = Driver::Run(
        [&] {
          HWND dialog = FindShown("Pause");
          if (dialog == nullptr) return false;
          if (stage == 0) {
            LookAtPause(dialog, seen);
            static_cast<void>(::PostMessageA(dialog, WM_COMMAND, IDOK, 0));  // Enter
            stage = 1;
            return false;
          }
          enterKeptItOpen = true;
          if (std::string(how) == "abort") {
            static_cast<void>(
                ::PostMessageA(::GetDlgItem(dialog, IDC_ABORT_BUTTON), BM_CLICK, 0, 0));
          } else {
            static_cast<void>(::PostMessageA(dialog, WM_CLOSE, 0, 0));
          }
          return true;
        },
        [] { EndIfOpen("Pause"); }, [&] { resumed = prompts.ShowPause(request); });
    ASSERT_TRUE(driven);
    EXPECT_FALSE(resumed);
    EXPECT_TRUE(enterKeptItOpen);
    EXPECT_EQ(seen.window.right - seen.window.left, 224);
    EXPECT_EQ(seen.window.bottom - seen.window.top, 94);
    EXPECT_FALSE(seen.messageVisible);
    EXPECT_EQ(seen.macroTitle, "Timed");
    EXPECT_EQ(seen.resumeRect.top, 94 - 52);
  }
}

TEST_F(PromptsDialogTest, ResumePauseClosesTheOpenPauseWithResume) {
  PlaybackPrompts prompts(windows_, app_);
  prompts.ResumePause();  // nothing open: nothing happens
  platform::PauseRequest request;
  request.macroName = "Letter";
  request.hotkeyNumber = kCtrlAltShiftT;
  bool resumed = false;
  const bool driven = Driver::Run(
      [&] {
        if (FindShown("Pause (Ctrl+Alt+Shift+T)") == nullptr) return false;
        prompts.ResumePause();
        return true;
      },
      [] { EndIfOpen("Pause (Ctrl+Alt+Shift+T)"); }, [&] { resumed = prompts.ShowPause(request); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(resumed);
  EXPECT_FALSE(prompts.PauseOpen());
}

TEST_F(PromptsDialogTest, RepeatPromptRefusesTextThatIsNoNumberAndClosesOnANumber) {
  PlaybackPrompts prompts(windows_, app_);
  int stage = 0;
  RECT client{};
  RECT window{};
  LRESULT limit = 0;
  bool focusInEdit = false;
  bool refocused = false;
  bool openFlag = false;
  std::string errorText;
  std::string typedSix;
  HWND prompt = nullptr;
  std::uint16_t count = 0;
  const bool driven = Driver::Run(
      [&] {
        if (stage == 0) {
          prompt = FindShown("Macro Repeat");
          if (prompt == nullptr) return false;
          HWND edit = ::GetDlgItem(prompt, IDC_NUM_REPS);
          if (::GetFocus() != edit) return false;  // the edit gets the focus: wait for it
          focusInEdit = true;
          openFlag = prompts.PromptOpen();
          static_cast<void>(::GetClientRect(prompt, &client));
          static_cast<void>(::GetWindowRect(prompt, &window));
          limit = ::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
          ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("123456"));
          typedSix = TextOf(edit);
          static_cast<void>(::SetWindowTextA(edit, "abc"));
          static_cast<void>(::PostMessageA(::GetDlgItem(prompt, IDOK), BM_CLICK, 0, 0));
          stage = 1;
          return false;
        }
        if (stage == 1) {
          HWND box = FindShown("Error");
          if (box == nullptr) return false;
          errorText = TextOf(::GetDlgItem(box, 0xFFFF));
          static_cast<void>(::PostMessageA(box, WM_COMMAND, IDOK, 0));
          stage = 2;
          return false;
        }
        // The box is gone, the prompt is still there with the focus in its edit field.
        if (FindShown("Error") != nullptr || !::IsWindow(prompt)) return false;
        HWND edit = ::GetDlgItem(prompt, IDC_NUM_REPS);
        if (::GetFocus() != edit) return false;
        refocused = true;
        static_cast<void>(::SetWindowTextA(edit, "3"));
        static_cast<void>(::PostMessageA(prompt, WM_CLOSE, 0, 0));  // the close button
        return true;
      },
      [] {
        EndIfOpen("Error");
        EndIfOpen("Macro Repeat");
      },
      [&] { count = prompts.AskRepeatCount(); });

  ASSERT_TRUE(driven);
  EXPECT_EQ(count, 3);
  EXPECT_TRUE(focusInEdit);
  EXPECT_TRUE(openFlag);
  EXPECT_FALSE(prompts.PromptOpen());
  EXPECT_EQ(client.right - client.left, 167);
  EXPECT_EQ(client.bottom - client.top, 56);
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(window.left, screenWidth - window.right, 1);
  EXPECT_NEAR(window.top, screenHeight - window.bottom, 1);
  EXPECT_EQ(limit, 4);
  EXPECT_EQ(typedSix, "1234");
  EXPECT_EQ(errorText, "Invalid numeric value entered.  Please Correct");
  EXPECT_TRUE(refocused);
  // The program stood aside for the prompt, and the window in front came back afterwards.
  EXPECT_EQ(app_.calls, (std::vector<std::string>{"hide main", "show main"}));
  ASSERT_FALSE(windows_.forced.empty());
  EXPECT_EQ(windows_.forced.front(), FromHwnd(prompt));
  EXPECT_EQ(windows_.forced.back(), FromHwnd(target_.Get()));
}

TEST_F(PromptsDialogTest, RepeatPromptTakesEnterAndFollowsTrayAndMinimizedModes) {
  for (const bool tray : {false, true}) {
    SCOPED_TRACE(tray ? "tray" : "window");
    RecordingApp app;
    app.tray = tray;
    app.minimized = true;
    RecordingWindows windows;
    PlaybackPrompts prompts(windows, app);
    std::uint16_t count = 0;
    const bool driven = Driver::Run(
        [&] {
          HWND prompt = FindShown("Macro Repeat");
          if (prompt == nullptr) return false;
          static_cast<void>(::SetWindowTextA(::GetDlgItem(prompt, IDC_NUM_REPS), " 12 "));
          static_cast<void>(::PostMessageA(prompt, WM_COMMAND, IDOK, 0));  // Enter
          return true;
        },
        [] { EndIfOpen("Macro Repeat"); }, [&] { count = prompts.AskRepeatCount(); });
    ASSERT_TRUE(driven);
    EXPECT_EQ(count, 12);
    if (tray) {
      EXPECT_EQ(app.calls, (std::vector<std::string>{"show app", "hide app"}));
      EXPECT_EQ(windows.forced.size(), 1u);  // only the prompt itself
    } else {
      EXPECT_EQ(app.calls, (std::vector<std::string>{"restore", "hide main", "show main"}));
      EXPECT_EQ(windows.forced.size(), 2u);
    }
  }
}

TEST_F(PromptsDialogTest, MessageIsCentredOnTopAndNotStacked) {
  PlaybackPrompts prompts(windows_, app_);
  RECT client{};
  RECT window{};
  LONG_PTR exStyle = 0;
  std::string text;
  bool openFlag = false;
  bool secondShown = true;
  HWND shown = nullptr;
  const bool driven = Driver::Run(
      [&] {
        shown = FindShown("Message");
        if (shown == nullptr) return false;
        static_cast<void>(::GetClientRect(shown, &client));
        static_cast<void>(::GetWindowRect(shown, &window));
        exStyle = ::GetWindowLongPtrA(shown, GWL_EXSTYLE);
        text = TextOf(::GetDlgItem(shown, IDC_THE_MESSAGE));
        openFlag = prompts.MessageOpen();
        // An abort message while this one is open returns at once and shows nothing.
        prompts.DoAMessage("Macro Abort", "Quindle 98 macro has been aborted.");
        secondShown = ::FindWindowA(nullptr, "Macro Abort") != nullptr;
        static_cast<void>(::PostMessageA(::GetDlgItem(shown, IDOK), BM_CLICK, 0, 0));
        return true;
      },
      [] {
        EndIfOpen("Message");
        EndIfOpen("Macro Abort");
      },
      [&] { prompts.DoAMessage("", "Hello & welcome"); });

  ASSERT_TRUE(driven);
  EXPECT_EQ(client.right - client.left, 235);
  EXPECT_EQ(client.bottom - client.top, 130);
  EXPECT_NEAR(window.left, ::GetSystemMetrics(SM_CXSCREEN) - window.right, 1);
  EXPECT_NEAR(window.top, ::GetSystemMetrics(SM_CYSCREEN) - window.bottom, 1);
  EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
  EXPECT_EQ(text, "Hello & welcome");
  EXPECT_TRUE(openFlag);
  EXPECT_FALSE(secondShown);
  EXPECT_FALSE(prompts.MessageOpen());
  // One stand-aside for the one message shown; the dropped one touched nothing.
  EXPECT_EQ(app_.calls, (std::vector<std::string>{"hide main", "show main"}));
  ASSERT_EQ(windows_.forced.size(), 2u);
  EXPECT_EQ(windows_.forced[0], FromHwnd(shown));
  EXPECT_EQ(windows_.forced[1], FromHwnd(target_.Get()));

  // Closed, the next message shows again, with the caller's caption.
  const bool again = Driver::Run(
      [&] {
        HWND next = FindShown("Warning");
        if (next == nullptr) return false;
        static_cast<void>(::PostMessageA(next, WM_CLOSE, 0, 0));
        return true;
      },
      [] { EndIfOpen("Warning"); }, [&] { prompts.DoAMessage("Warning", "Second"); });
  EXPECT_TRUE(again);
}

// A dialog of the base class alone, on the message template.
class EchoDialog final : public platform::win32::DialogBase {
 public:
  bool initRan = false;
  std::string textSeen;

 protected:
  bool OnInit() override {
    initRan = true;
    SetItemText(IDC_THE_MESSAGE, "echo");
    textSeen = ItemText(IDC_THE_MESSAGE);
    return true;
  }
  void OnOK() override { End(42); }
};

TEST_F(PromptsDialogTest, DialogBaseReturnsTheEndCodeAndReportsAMissingTemplate) {
  EchoDialog dialog;
  std::optional<INT_PTR> result;
  const bool driven = Driver::Run(
      [&] {
        if (!dialog.IsOpen()) return false;
        static_cast<void>(::PostMessageA(dialog.Handle(), WM_COMMAND, IDOK, 0));
        return true;
      },
      [&] {
        if (dialog.IsOpen()) static_cast<void>(::EndDialog(dialog.Handle(), IDCANCEL));
      },
      [&] { result = dialog.RunModal(nullptr, IDD_ON_TOP_MESSAGE); });
  ASSERT_TRUE(driven);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, 42);
  EXPECT_TRUE(dialog.initRan);
  EXPECT_EQ(dialog.textSeen, "echo");
  EXPECT_FALSE(dialog.IsOpen());

  EchoDialog missing;
  EXPECT_FALSE(missing.RunModal(nullptr, 1).has_value());
  EXPECT_FALSE(missing.initRan);
}

}  // namespace
}  // namespace quindle::engine::win32
