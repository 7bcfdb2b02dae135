// The three capture dialogs as real windows: the dependent options follow their masters, the
// choices come back at "&Ok" / "&Start Capture", a forced program scope cannot be undone, and in
// "Capture Complete" definition mode follows the hotkey field, a reported combination selects
// its line, and "&Typlets" hides the key list and shrinks the dialog.
#include <gtest/gtest.h>

#include "capture/win32/cap_complete_dialog.h"
#include "capture/win32/capture_defaults_dialog.h"
#include "capture/win32/capture_dialogs.h"
#include "capture/win32/capture_dialogs_res.h"
#include "capture/win32/capture_keys_dialog.h"
#include "hooklib/hook_messages.h"
#include "platform/fake/recording_platform.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/window_handle.h"
#include "support/in_process_table.h"

namespace quindle::capture::win32 {
namespace {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;

constexpr int kGlobalCode = 30;
constexpr int kFreeCode = 40;

// A window closed by an earlier test may have posted WM_QUIT, which would end a modal loop at
// once.
void DrainQueue() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

bool Enabled(HWND dialog, int id) {
  return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}
bool Checked(HWND dialog, int id) {
  return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
bool Visible(HWND dialog, int id) {
  return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE;
}
void Click(HWND dialog, int id) {
  ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST(CaptureDefaultsDialog, DependentOptionsFollowTheirMastersAndOkReturnsTheTicks) {
  DrainQueue();
  CaptureOptions current;
  current.speed = 2;
  current.prompt = false;
  TCaptureDefaults dialog(current);
  bool atStart[4] = {};
  bool afterUntick[3] = {true, true, true};
  bool windowSizeWithWindow = false;
  std::optional<CaptureOptions> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Defaults");
        if (shown == nullptr) return false;
        atStart[0] = Enabled(shown, IDC_CAP_DOUBLE_ALT);
        atStart[1] = Enabled(shown, IDC_CAP_WINDOW_SIZE);  // screen-relative: off
        atStart[2] = Checked(shown, IDC_CAP_SPEED_HALF);
        atStart[3] = Checked(shown, IDC_CAP_PROMPT);
        Click(shown, IDC_CAP_WINDOW);
        windowSizeWithWindow = Enabled(shown, IDC_CAP_WINDOW_SIZE);
        Click(shown, IDC_CAP_KEYS);
        Click(shown, IDC_CAP_TIMING);
        Click(shown, IDC_CAP_MOUSE);
        afterUntick[0] = Enabled(shown, IDC_CAP_DOUBLE_ALT);
        afterUntick[1] = Enabled(shown, IDC_CAP_SPEED_QUADRUPLE);
        afterUntick[2] = Enabled(shown, IDC_CAP_SCREEN) || Enabled(shown, IDC_CAP_WINDOW_SIZE);
        Click(shown, IDC_CAP_PROGRAM);
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Capture Defaults"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(atStart[0]);
  EXPECT_FALSE(atStart[1]);
  EXPECT_TRUE(atStart[2]);
  EXPECT_FALSE(atStart[3]);
  EXPECT_TRUE(windowSizeWithWindow);
  EXPECT_FALSE(afterUntick[0]);
  EXPECT_FALSE(afterUntick[1]);
  EXPECT_FALSE(afterUntick[2]);
  ASSERT_TRUE(result);
  CaptureOptions expected = current;
  expected.keys = false;
  expected.timing = false;
  expected.mouse = false;
  expected.screenRelative = false;
  expected.global = false;
  EXPECT_EQ(*result, expected) << "dependent options keep their ticks while disabled";
}

TEST(CaptureDefaultsDialog, CancelDiscards) {
  DrainQueue();
  TCaptureDefaults dialog(CaptureOptions{});
  std::optional<CaptureOptions> result{CaptureOptions{}};
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Defaults");
        if (shown == nullptr) return false;
        Click(shown, IDC_CAP_KEYS);
        ::PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
        return true;
      },
      [] { EndIfOpen("Capture Defaults"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_FALSE(result);
}

TEST(CaptureMacroDialog, AForcedProgramScopeCannotBeUndoneAndStartCaptureReturnsTheChoices) {
  DrainQueue();
  CaptureKeysRequest request;
  request.stopText1 = "Press Ctrl+Alt+Shift+X to end capture";
  request.nickname = "Letter";
  request.forceProgram = true;
  TCaptureKeys dialog(request);
  std::string stop1;
  bool stop2Visible = true;
  bool globalEnabled = true;
  bool programChecked = false;
  std::optional<CaptureKeysResult> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Macro");
        if (shown == nullptr) return false;
        stop1 = TextOf(::GetDlgItem(shown, IDC_CAP_STOP_TEXT_1));
        stop2Visible = Visible(shown, IDC_CAP_STOP_TEXT_2);
        globalEnabled = Enabled(shown, IDC_CAP_GLOBAL);
        programChecked = Checked(shown, IDC_CAP_PROGRAM);
        ::SetDlgItemTextA(shown, IDC_CAP_NICKNAME, "Letter 2");
        Click(shown, IDC_CAP_SPEED_QUADRUPLE);
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Capture Macro"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(stop1, request.stopText1);
  EXPECT_FALSE(stop2Visible) << "a Typlet macro has no hotkey to end the capture with";
  EXPECT_FALSE(globalEnabled);
  EXPECT_TRUE(programChecked);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->nickname, "Letter 2");
  EXPECT_EQ(result->scope, ScopeChoice::Program);
  EXPECT_EQ(result->options.speed, 4);
}

TEST(CaptureMacroDialog, ClosingReturnsNothing) {
  DrainQueue();
  TCaptureKeys dialog(CaptureKeysRequest{});
  std::optional<CaptureKeysResult> result{CaptureKeysResult{}};
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Macro");
        if (shown == nullptr) return false;
        ::PostMessageA(shown, WM_CLOSE, 0, 0);
        return true;
      },
      [] { EndIfOpen("Capture Macro"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_FALSE(result);
}

class CapCompleteDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    storage::SharedMacroTable& table = objects.Block();
    table.HotkeyNumber[0] = static_cast<std::uint16_t>(kGlobalCode);
    table.ScopeKind[0] = storage::ScopeGlobal;
    table.HotkeyNumber[1] = storage::kActivationTyplet;
    table.ScopeKind[1] = storage::ScopeGlobal;
    table.Count = 2;
    DrainQueue();
  }
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  platform::fake::RecordingPlatform windows;
};

TEST_F(CapCompleteDialog, APressedCombinationSelectsItsLineAndOkReturnsIt) {
  CapCompleteRequest request;
  request.table = &objects.Block();
  request.scope = ScopeChoice::Program;
  TCapComplete dialog(lock, request, windows);
  bool defineModeWhileOpen = false;
  int lines = 0;
  std::string globalLine;
  std::string entry;
  int selected = -1;
  LRESULT defaultId = 0;
  std::optional<CapCompleteResult> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Complete");
        if (shown == nullptr) return false;
        storage::SharedMacroTable& table = objects.Block();
        if (!table.DefineMode) return false;  // the focus message has not come yet
        defineModeWhileOpen = table.SecWindow == platform::win32::FromHwnd(shown);
        HWND list = ::GetDlgItem(shown, IDC_CC_KEY_LIST);
        lines = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        char text[64] = {};
        ::SendMessageA(list, LB_GETTEXT, kGlobalCode, reinterpret_cast<LPARAM>(text));
        globalLine = text;
        ::SendMessageA(shown, hooklib::WM_HOTKEY_DEFINED, kFreeCode, 0);
        defaultId = ::SendMessageA(shown, DM_GETDEFID, 0, 0);
        selected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
        entry = TextOf(::GetDlgItem(shown, IDC_CC_HOT_KEY_ENTRY));
        ::SetDlgItemTextA(shown, IDC_CC_NICKNAME, "  Mail  ");
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Capture Complete"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(defineModeWhileOpen) << "the hotkey field has the focus at the start";
  ASSERT_FALSE(windows.Log().empty());
  EXPECT_EQ(windows.Log().front().rfind("activate", 0), 0u)
      << "the capture ends with another program in front: the dialog pulls itself forward";
  EXPECT_EQ(lines, 720);
  EXPECT_EQ(globalLine, "Ctrl+4  (1 macro in use)");
  EXPECT_EQ(selected, kFreeCode);
  EXPECT_EQ(entry, "Ctrl+F5");
  EXPECT_EQ(LOWORD(defaultId), IDOK);
  EXPECT_FALSE(objects.Block().DefineMode) << "closing leaves definition mode";
  ASSERT_TRUE(result);
  EXPECT_FALSE(result->typlet);
  EXPECT_EQ(result->hotkeyNumber, kFreeCode);
  EXPECT_EQ(result->nickname, "Mail");
  EXPECT_EQ(result->scope, ScopeChoice::Program);
}

TEST_F(CapCompleteDialog, TypletsHideTheKeyListShrinkTheDialogAndComeBack) {
  TCapComplete dialog(lock, CapCompleteRequest{},
                      windows);  // no table given: read through the lock
  RECT hotKeys{};
  RECT typlets{};
  RECT back{};
  bool listAfter = true;
  bool nameAfter = false;
  bool listBack = false;
  std::string globalLine;
  std::optional<CapCompleteResult> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Complete");
        if (shown == nullptr) return false;
        char text[64] = {};
        ::SendDlgItemMessageA(shown, IDC_CC_KEY_LIST, LB_GETTEXT, kGlobalCode,
                              reinterpret_cast<LPARAM>(text));
        globalLine = text;
        ::GetWindowRect(shown, &hotKeys);
        Click(shown, IDC_CC_TYPLETS);
        ::GetWindowRect(shown, &typlets);
        listAfter = Visible(shown, IDC_CC_KEY_LIST) || Visible(shown, IDC_CC_HOT_KEY_ENTRY);
        nameAfter = Visible(shown, IDC_CC_TYPLET_NAME);
        Click(shown, IDC_CC_HOT_KEYS);
        ::GetWindowRect(shown, &back);
        listBack = Visible(shown, IDC_CC_KEY_LIST);
        Click(shown, IDC_CC_TYPLETS);
        ::SetDlgItemTextA(shown, IDC_CC_TYPLET_NAME, " sig ");
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Capture Complete"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(globalLine, "Ctrl+4  (1 macro in use)");
  EXPECT_FALSE(listAfter);
  EXPECT_TRUE(nameAfter);
  EXPECT_LT(typlets.bottom - typlets.top, hotKeys.bottom - hotKeys.top);
  EXPECT_EQ(back.bottom - back.top, hotKeys.bottom - hotKeys.top);
  EXPECT_TRUE(listBack);
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->typlet);
  EXPECT_EQ(result->typletName, "sig");
  EXPECT_EQ(result->hotkeyNumber, 20000);
  EXPECT_EQ(result->scope, ScopeChoice::Global);
}

TEST_F(CapCompleteDialog, ClosingReturnsNothingAndEndsDefinitionMode) {
  TCapComplete dialog(lock, CapCompleteRequest{&objects.Block(), ScopeChoice::Global}, windows);
  std::optional<CapCompleteResult> result{CapCompleteResult{}};
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Complete");
        if (shown == nullptr || !objects.Block().DefineMode) return false;
        // Esc in definition mode arrives as the hook's report, not as a key.
        ::SendMessageA(shown, hooklib::WM_HOTKEY_DEFINED, hooklib::kEscapeCode, 0);
        return true;
      },
      [] { EndIfOpen("Capture Complete"); }, [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_FALSE(result);
  EXPECT_FALSE(objects.Block().DefineMode);
}

TEST_F(CapCompleteDialog, NoToAReservedCodeKeepsTheDialogOpenAndYesTakesIt) {
  constexpr int kAltF6 = 89;
  TCapComplete dialog(lock, CapCompleteRequest{&objects.Block(), ScopeChoice::Global}, windows);
  int step = 0;
  int questions = 0;
  bool openAfterNo = false;
  std::optional<CapCompleteResult> result;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Complete");
        HWND warning = FindShown("Warning");
        switch (step) {
          case 0:  // pick the reserved line and press "&Ok"
            if (shown == nullptr) return false;
            ::SendDlgItemMessageA(shown, IDC_CC_KEY_LIST, LB_SETCURSEL, kAltF6, 0);
            ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
            step = 1;
            return false;
          case 1:  // answer No
          case 3:  // answer Yes
            if (warning == nullptr) return false;
            ++questions;
            ::PostMessageA(warning, WM_COMMAND, step == 1 ? IDNO : IDYES, 0);
            ++step;
            return step == 4;  // after Yes the dialog closes
          case 2:              // still open: "&Ok" again
            if (shown == nullptr) return false;
            openAfterNo = true;
            ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
            step = 3;
            return false;
          default:
            return true;
        }
      },
      [] {
        EndIfOpen("Warning");
        EndIfOpen("Capture Complete");
      },
      [&] { result = dialog.Run(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(questions, 2);
  EXPECT_TRUE(openAfterNo);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->hotkeyNumber, kAltF6);
}

TEST_F(CapCompleteDialog, TheSessionsInterfaceRunsBothDialogsOverTheOwner) {
  CaptureDialogs dialogs(nullptr, lock, windows);
  ICaptureDialogs& asked = dialogs;
  std::optional<CaptureKeysResult> keys;
  std::optional<CapCompleteResult> complete;
  const bool driven = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Macro");
        if (shown == nullptr) return false;
        ::PostMessageA(shown, WM_COMMAND, IDOK, 0);
        return true;
      },
      [] { EndIfOpen("Capture Macro"); }, [&] { keys = asked.RunCaptureKeys({}); });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(keys);
  DrainQueue();
  const bool closed = Driver::Run(
      [&] {
        HWND shown = FindShown("Capture Complete");
        if (shown == nullptr) return false;
        ::PostMessageA(shown, WM_CLOSE, 0, 0);
        return true;
      },
      [] { EndIfOpen("Capture Complete"); },
      [&] {
        complete = asked.RunCapComplete({&objects.Block(), ScopeChoice::Global});
      });
  ASSERT_TRUE(closed);
  EXPECT_FALSE(complete);
}

}  // namespace
}  // namespace quindle::capture::win32
