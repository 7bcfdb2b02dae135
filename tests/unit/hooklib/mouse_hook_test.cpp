#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "hooklib/hook_fixture.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib::testing {
namespace {

constexpr std::uint32_t kRButtonDown = kWmRButtonDown;
constexpr std::uint32_t kMButtonDown = kWmMButtonDown;

class MouseCaptureTest : public HookTest {
 protected:
  MouseCaptureTest() {
    table.CaptureActive = true;
    table.CaptureMouse = true;
    table.CaptureMacro = 3;
    env.AddWindow(kEditorWindow, "Editor", {100, 200, 739, 679});
    env.SetForeground(kEditorWindow);
  }
};

TEST_F(MouseCaptureTest, MoveRelativeToTheWindowInFront) {
  EXPECT_FALSE(Mouse(kWmMouseMove, 130, 245).swallow);
  EXPECT_EQ(env.CaptureText(), "<MMW:00030,00045>");
  env.ClearPosts();
  Mouse(kWmNcMouseMove, 95, 190);
  EXPECT_EQ(env.CaptureText(), "<MMW:-0005,-0010>");
}

TEST_F(MouseCaptureTest, MoveRelativeToTheScreenAndFarLeftMovesSkipped) {
  table.ScreenRelative = true;
  Mouse(kWmMouseMove, 512, 384);
  Mouse(kWmMouseMove, -1000, 5);
  Mouse(kWmMouseMove, -999, -3);
  EXPECT_EQ(env.CaptureText(), "<MMS:00512,00384><MMS:-0999,-0003>");
}

TEST_F(MouseCaptureTest, ButtonTagsForClientAndNonClientMessages) {
  for (std::uint32_t m = kWmLButtonDown; m <= kWmMButtonDblClk; ++m) Mouse(m);
  EXPECT_EQ(env.CaptureText(), "<LDN><LUP><LDCLK><RDN><RUP><RDCLK><MDN><MUP><MDCLK>");
  env.ClearPosts();
  for (std::uint32_t m = kWmNcLButtonDown; m <= kWmNcMButtonDblClk; ++m) Mouse(m);
  EXPECT_EQ(env.CaptureText(), "<LDN><LUP><LDCLK><RDN><RUP><RDCLK><MDN><MUP><MDCLK>");
  env.ClearPosts();
  Mouse(522);  // the wheel is not recorded
  Mouse(kWmLButtonDown, 0, 0, 3);
  EXPECT_TRUE(env.posts.empty());
}

TEST_F(MouseCaptureTest, ExactlyOneWindowSizeBeforeTheFirstAction) {
  table.WantWindowSize = true;
  Mouse(522);  // not an action: the size waits
  EXPECT_TRUE(table.WantWindowSize);
  Mouse(kWmMouseMove, 110, 210);
  Mouse(kWmLButtonDown, 110, 210);
  Mouse(kWmLButtonUp, 110, 210);
  EXPECT_EQ(env.CaptureText(), "<WSIZE:0640,0480\"CURRENT\"><MMW:00010,00010><LDN><LUP>");
  EXPECT_FALSE(table.WantWindowSize);
}

TEST_F(MouseCaptureTest, WindowSizeCarriesItsOwnDelay) {
  table.WantWindowSize = true;
  table.CaptureTiming = true;
  table.FirstEvent = false;
  table.LastEventTime = DayFraction({8, 0, 0, 0});
  env.SetTime({8, 0, 1, 0});
  Mouse(kWmRButtonDown);
  EXPECT_EQ(env.CaptureText(), "<MSD:1000><WSIZE:0640,0480\"CURRENT\"><MSD:0000><RDN>");
}

TEST_F(MouseCaptureTest, StopClickOfSetOneAndSetTwo) {
  table.StopSet1Button = 2;
  table.StopSet1Mods[0] = true;  // Ctrl
  env.SetDown(17, true);
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
  EXPECT_FALSE(table.StopSet1Hit);
  Mouse(kRButtonDown);
  EXPECT_TRUE(table.StopSet1Hit);
  EXPECT_EQ(env.CaptureText(), "<RUP>");
  // Set 2 counts only while set 1 has no mouse button.
  table.StopSet2Enabled = true;
  table.StopSet2Button = 3;
  table.StopSet2Mods[0] = true;
  Mouse(kMButtonDown);
  EXPECT_FALSE(table.StopSet2Hit);
  table.StopSet1Button = 0;
  Mouse(164 + 3);  // non-client middle down
  EXPECT_TRUE(table.StopSet2Hit);
  // The release of Ctrl at the next key event ends the capture.
  table.CaptureKeys = true;
  env.ClearPosts();
  EXPECT_TRUE(Release(kCtrl).swallow);
  EXPECT_EQ(env.PostsOf(WM_CAPTURE_STOP).size(), 1u);
}

TEST_F(MouseCaptureTest, NoWindowInFrontSkipsWindowRelativeMoves) {
  env.SetForeground(0);
  table.WantWindowSize = true;
  Mouse(kWmMouseMove, 10, 10);
  Mouse(kWmLButtonDown, 10, 10);
  EXPECT_EQ(env.CaptureText(), "<LDN>");
}

class MouseHotkeyTest : public HookTest {};

TEST_F(MouseHotkeyTest, PlainLeftClickIsNeverReportedInDefineMode) {
  table.DefineMode = true;
  table.SecWindow = kSec;
  EXPECT_FALSE(Mouse(kWmLButtonDown).swallow);
  EXPECT_FALSE(Mouse(kWmNcLButtonDown).swallow);
  EXPECT_TRUE(env.posts.empty());
}

TEST_F(MouseHotkeyTest, PlainRightAndMiddleClicksInDefineModeAreReportedAtOnce) {
  table.DefineMode = true;
  table.SecWindow = kSec;
  const Verdict v = Mouse(kRButtonDown);
  EXPECT_TRUE(v.swallow);
  EXPECT_TRUE(v.callNext);
  EXPECT_TRUE(Mouse(kWmRButtonUp).swallow);
  Mouse(kMButtonDown);
  EXPECT_EQ(env.posts, (std::vector<PostedMessage>{{kSec, WM_HOTKEY_DEFINED, 706, kFocusWindow},
                                                   {kSec, WM_HOTKEY_DEFINED, 713, kFocusWindow}}));
  EXPECT_FALSE(table.WaitRelease);
}

TEST_F(MouseHotkeyTest, PlainClickOutsideDefineModeOnlyWithAMacroInScope) {
  EXPECT_FALSE(Mouse(kRButtonDown).swallow);
  AddMacro(706, storage::ScopeWindow, "Paint", true);
  EXPECT_FALSE(Mouse(kRButtonDown).swallow);  // window not in front
  env.AddWindow(kEditorWindow, "untitled - Paint");
  env.SetForeground(kEditorWindow);
  env.SetCapsToggled(true);
  EXPECT_TRUE(Mouse(kRButtonDown).swallow);
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED),
            (std::vector<PostedMessage>{{kMain, WM_HOTKEY_PRESSED, 706 | 0x8000, kFocusWindow}}));
  EXPECT_FALSE(table.WaitRelease);
}

TEST_F(MouseHotkeyTest, ModifiedClickIsSwallowedAndReportedByTheKeyboardRelease) {
  AddMacro(701);  // Ctrl+LMouse
  env.SetDown(17, true);
  EXPECT_TRUE(Mouse(kWmLButtonDown).swallow);
  EXPECT_TRUE(Mouse(kWmLButtonUp).swallow);
  EXPECT_TRUE(table.WaitRelease);
  EXPECT_EQ(table.ReleaseKey, -1);
  EXPECT_TRUE(env.PostsOf(WM_HOTKEY_PRESSED).empty());
  Release(kCtrl);
  EXPECT_EQ(env.PostsOf(WM_HOTKEY_PRESSED),
            (std::vector<PostedMessage>{{kMain, WM_HOTKEY_PRESSED, 701, kFocusWindow}}));
}

// The up of a hotkey click would open the program's context menu on its own, so it goes with
// its down; the next click of the button, and ups of other buttons, pass as usual.
TEST_F(MouseHotkeyTest, TheUpOfAHotkeyClickGoesWithItsDownOnce) {
  AddMacro(708);  // Ctrl+RMouse
  env.SetDown(17, true);
  EXPECT_TRUE(Mouse(kRButtonDown).swallow);
  EXPECT_FALSE(Mouse(kWmLButtonUp).swallow);
  EXPECT_TRUE(Mouse(kWmNcLButtonDown + 4).swallow);  // its up, non-client (165)
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
  env.SetDown(17, false);
  EXPECT_FALSE(Mouse(kRButtonDown).swallow);
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
  EXPECT_EQ(table.AltTabKey, 0);
}

TEST_F(MouseHotkeyTest, APendingUpIsNotAKeyForTheCaptureAltTabCheck) {
  AddMacro(708);
  env.SetDown(17, true);
  ASSERT_TRUE(Mouse(kRButtonDown).swallow);
  // A capture starts before the up: the program clears AltTabHeld, so the leftover value is
  // never taken for a held Tab, and the up is recorded like any other.
  table.CaptureActive = true;
  table.CaptureMouse = true;
  table.AltTabHeld = false;
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
  EXPECT_EQ(env.CaptureText(), "<RUP>");
}

// The up of a swallowed hotkey down may never reach the hook: a capture takes it, or the hook's
// mutex timed out and the up passed unseen. Whatever kept it away, the next ordinary click of
// that button must arrive whole, its down and its up.
TEST_F(MouseHotkeyTest, AClickAfterACaptureTookTheUpArrivesWhole) {
  AddMacro(708);  // Ctrl+RMouse
  env.SetDown(17, true);
  ASSERT_TRUE(Mouse(kRButtonDown).swallow);
  table.CaptureActive = true;
  table.CaptureMouse = true;
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
  table.CaptureActive = false;
  env.SetDown(17, false);
  EXPECT_FALSE(Mouse(kRButtonDown).swallow);
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
}

TEST_F(MouseHotkeyTest, AClickAfterAnUpThatPassedUnseenArrivesWhole) {
  AddMacro(708);
  env.SetDown(17, true);
  ASSERT_TRUE(Mouse(kRButtonDown).swallow);
  env.SetDown(17, false);  // the up went by while the hook could not take the table
  for (const std::uint32_t down : {kRButtonDown, static_cast<std::uint32_t>(kWmRButtonDblClk)}) {
    EXPECT_FALSE(Mouse(down).swallow);
    EXPECT_FALSE(Mouse(kWmRButtonUp).swallow) << down;
  }
  // Another hotkey click after that is swallowed whole again.
  env.SetDown(17, true);
  EXPECT_TRUE(Mouse(kRButtonDown).swallow);
  EXPECT_TRUE(Mouse(kWmRButtonUp).swallow);
}

// The up goes with its down only while it can still belong to the same click.
struct UpTimingCase {
  const char* name;
  TimeOfDay down;
  TimeOfDay up;
  bool swallowed;
};

class MouseUpTiming : public HookTest, public ::testing::WithParamInterface<UpTimingCase> {};

TEST_P(MouseUpTiming, TheUpOfAHotkeyClickIsTakenOnlySoonAfterItsDown) {
  AddMacro(708);
  env.SetDown(17, true);
  env.SetTime(GetParam().down);
  ASSERT_TRUE(Mouse(kRButtonDown).swallow);
  env.SetTime(GetParam().up);
  EXPECT_EQ(Mouse(kWmRButtonUp).swallow, GetParam().swallowed);
  EXPECT_EQ(table.AltTabKey, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, MouseUpTiming,
    ::testing::Values(UpTimingCase{"AtOnce", {10, 0, 0, 0}, {10, 0, 0, 0}, true},
                      UpTimingCase{"HeldTwoSeconds", {10, 0, 0, 0}, {10, 0, 2, 0}, true},
                      UpTimingCase{"AtTheLimit", {10, 0, 0, 0}, {10, 0, 3, 0}, true},
                      UpTimingCase{"PastTheLimit", {10, 0, 0, 0}, {10, 0, 3, 1}, false},
                      UpTimingCase{"MinutesLater", {10, 0, 0, 0}, {10, 5, 0, 0}, false},
                      UpTimingCase{"OverMidnight", {23, 59, 59, 500}, {0, 0, 0, 200}, true},
                      UpTimingCase{"ClockWentBack", {10, 0, 5, 0}, {10, 0, 0, 0}, false}),
    [](const ::testing::TestParamInfo<UpTimingCase>& p) { return p.param.name; });

TEST_F(MouseHotkeyTest, ADamagedDownTimeLetsTheUpPass) {
  AddMacro(708);
  env.SetDown(17, true);
  ASSERT_TRUE(Mouse(kRButtonDown).swallow);
  table.LastEventTime = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(Mouse(kWmRButtonUp).swallow);
}

TEST_F(MouseHotkeyTest, ModifiedClickWithoutMacroOrInUseFlagPassesOn) {
  env.SetDown(18, true);
  EXPECT_FALSE(Mouse(kMButtonDown).swallow);  // Alt+MMouse 716 not in use
  table.CodeInUse[716] = true;                // flag without a macro in scope
  EXPECT_FALSE(Mouse(kMButtonDown).swallow);
  table.DefineMode = true;  // define mode needs neither
  EXPECT_TRUE(Mouse(kMButtonDown).swallow);
  EXPECT_EQ(table.PendingCode, 716);
}

TEST_F(MouseHotkeyTest, MovesDoubleClicksAndPeeksAreNeverHotkeys) {
  table.DefineMode = true;
  env.SetDown(17, true);
  EXPECT_FALSE(Mouse(kWmMouseMove).swallow);
  EXPECT_FALSE(Mouse(kWmRButtonDblClk).swallow);
  EXPECT_FALSE(Mouse(kRButtonDown, 0, 0, 3).swallow);
  EXPECT_FALSE(Mouse(kRButtonDown, 0, 0, -1).swallow);
  EXPECT_FALSE(table.WaitRelease);
}

}  // namespace
}  // namespace quindle::hooklib::testing
