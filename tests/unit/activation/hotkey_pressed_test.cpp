// The WM_HOTKEY_PRESSED handler around the scope choice: refusals, Caps Lock, pauses, the direct
// form of the tray menus, system hotkeys, a changed shared file and a refused table lock.
#include <gtest/gtest.h>

#include <algorithm>

#include "activation_test_support.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"

namespace quindle::activation::testing {
namespace {

constexpr int kCode = 5;
constexpr int kOtherCode = 6;
constexpr int kCaps = static_cast<int>(hooklib::kCapsLockBit);

class Refusals : public ActivationTest {
 protected:
  void SetUp() override { Load({{"Global", kCode, storage::ScopeGlobal, "", "g"}}); }
};

TEST_F(Refusals, APopupMenuOnShowRefusesEveryHotkey) {
  State().PopupShowing = true;
  Hotkey(kCode);
  Hotkey(kActivateMeCode);
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(host.events,
            (Lines{FakeHost::Warning(kPopupRefusal), FakeHost::Warning(kPopupRefusal)}));
}

TEST_F(Refusals, ARunningOrCompletingCaptureRefusesEveryHotkey) {
  for (const bool completing : {false, true}) {
    host.events.clear();
    Table().CaptureActive = !completing;
    host.captureCompleting = completing;
    Hotkey(kCode);
    Hotkey(kActivateMeCode);
    Hotkey(static_cast<int>(hooklib::kDirectMacroBit) | 1);
    EXPECT_TRUE(Log().empty()) << completing;
    EXPECT_EQ(host.events,
              (Lines{FakeHost::Warning(kCaptureRefusal), FakeHost::Warning(kCaptureRefusal),
                     FakeHost::Warning(kCaptureRefusal)}))
        << completing;
  }
}

TEST_F(Refusals, TheMessageIsShownWithTheTableFree) {
  Table().CaptureActive = true;
  bool heldDuringMessage = true;
  host.onMessage = [&] { heldDuringMessage = lock.Held(); };
  Hotkey(kCode);
  EXPECT_FALSE(heldDuringMessage);
}

TEST_F(Refusals, WithTheTableLockRefusedNothingHappensNotEvenTheCaptureRefusal) {
  Table().CaptureActive = true;
  objects.SetOpenFails(true);
  Hotkey(kCode);
  Hotkey(kActivateMeCode);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(activation.GetMacro(kCode), 0);
}

TEST_F(Refusals, WithTheViewUnmappableNothingHappens) {
  objects.SetMapFails(true);
  Hotkey(kCode);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(host.events.empty());
}

using CapsLock = ActivationTest;

TEST_F(CapsLock, TheCapsBitPlaysWithCapsLockOffAndTurnsItBackOn) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  CapsLockOnBeforehand();
  Hotkey(kCaps | kCode);
  EXPECT_TRUE(State().CapsWasOn);
  EXPECT_EQ(Log(), Seq({Press(20), Typed("ab"), Press(20), Marker()}));
  EXPECT_TRUE(fake.CapsLockOn());
  EXPECT_EQ(activation.CurrentMacroNumber(), 1);
}

TEST_F(CapsLock, WithoutTheBitCapsWasOnIsCleared) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  State().CapsWasOn = true;
  Hotkey(kCode);
  EXPECT_FALSE(State().CapsWasOn);
  EXPECT_EQ(Log(), Seq({Typed("ab"), Marker()}));
}

TEST_F(CapsLock, DuringAPlaybackTheOuterStateIsKept) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  Table().PlaybackMarker = true;
  State().CapsWasOn = false;
  Hotkey(kCaps | kCode);
  EXPECT_FALSE(State().CapsWasOn);
  State().CapsWasOn = true;
  Table().PlaybackMarker = true;
  Hotkey(kCode);
  EXPECT_TRUE(State().CapsWasOn);
}

class Pause : public ActivationTest {
 protected:
  void SetUp() override {
    Load({{"Paused", kCode, storage::ScopeGlobal, "", "a<PAUSE>b"},
          {"Other", kOtherCode, storage::ScopeGlobal, "", "o"}});
  }
  // Presses `code` while the first macro stands in its pause.
  void PressDuringPause(int code) {
    fake.OnPause([this, code] {
      playingDuringPause = activation.PlayingMacroNumber();
      Hotkey(code);
    });
    Hotkey(kCode);
  }
  int playingDuringPause = -1;
};

TEST_F(Pause, AnotherMacrosHotkeyIsRefused) {
  PressDuringPause(kOtherCode);
  EXPECT_EQ(playingDuringPause, 1);
  EXPECT_EQ(host.events, Lines{FakeHost::Warning(kPauseRefusal)});
  EXPECT_EQ(Log(), Seq({Typed("a"), {"pause \"337\" \"400\" \"\""}, Typed("b"), Marker()}))
      << "the refused macro must not play";
}

TEST_F(Pause, TheResumeSystemHotkeyResumes) {
  PressDuringPause(kResumeCode);
  EXPECT_EQ(host.events, Lines{"resume"});
}

TEST_F(Pause, TheResumeSystemHotkeyWithCapsBitTogglesCapsLockBack) {
  PressDuringPause(kCaps | kResumeCode);
  EXPECT_EQ(host.events, Lines{"resume"});
  const Lines& log = Log();
  const auto pause = std::find_if(
      log.begin(), log.end(), [](const std::string& line) { return line.starts_with("pause "); });
  ASSERT_NE(pause, log.end());
  // The pause dialog's line is written before it "opens", so the toggle follows it at once.
  EXPECT_EQ(Lines(pause + 1, pause + 3), Press(20));
}

TEST_F(Pause, ThePausedMacrosOwnHotkeyResumes) {
  PressDuringPause(kCode);
  EXPECT_EQ(host.events, Lines{"resume"});
  PressDuringPause(kCaps | kCode);
  EXPECT_EQ(host.events, (Lines{"resume", "resume"}));
  const Lines caps = Press(20);
  EXPECT_NE(std::search(Log().begin(), Log().end(), caps.begin(), caps.end()), Log().end());
}

TEST_F(Pause, AskingDuringThePauseActivatesNoWindowAndKeepsTheTarget) {
  Load({{"Paused", kCode, storage::ScopeGlobal, "", "a<PAUSE>b"},
        {"Pad", kOtherCode, storage::ScopeWindow, "notepad", "w"}});
  Window("Notepad");
  platform::WindowHandle targetDuringPause = 0;
  fake.OnPause([&] {
    Hotkey(kOtherCode, 99);
    targetDuringPause = State().TargetWindow;
  });
  Hotkey(kCode, 42);
  EXPECT_EQ(targetDuringPause, 42u);
  EXPECT_EQ(host.events, Lines{FakeHost::Warning(kPauseRefusal)});
  // Only the paused macro's own target comes back to the front when it ends.
  for (const std::string& line : Log()) EXPECT_NE(line, "activate \"Notepad\"");
}

TEST_F(Pause, APauseOfAMacroNotStartedByAHotkeyIsNeverResumedByAnUnusedHotkey) {
  fake.OnPause([this] { Hotkey(kOtherCode + 50); });
  player.IntoProgram("a<PAUSE>b", "Typlet", 20000);
  EXPECT_EQ(host.events, Lines{FakeHost::Warning(kPauseRefusal)});
}

using DirectForm = ActivationTest;

TEST_F(DirectForm, RunsTheNumberedMacroWhateverItsHotkeyAndScope) {
  Load({{"One", kCode, storage::ScopeGlobal, "", "a"},
        {"Two", kOtherCode, storage::ScopeWindow, "nowhere", "b", true}});
  State().TargetWindow = 31;
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit) | 2, 99);
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit | hooklib::kDirectExtraBit) | 1, 99);
  EXPECT_EQ(Log(), Seq({Typed("b"), Marker(), Typed("a"), Marker()}));
  EXPECT_EQ(State().TargetWindow, 31u) << "the tray menu set the target before";
  EXPECT_EQ(activation.CurrentMacroNumber(), 1);
}

TEST_F(DirectForm, NumbersOutsideTheFileAreIgnored) {
  Load({{"One", kCode, storage::ScopeGlobal, "", "a"}});
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit) | 0);
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit) | 9);
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit) | 0x3FFF);
  EXPECT_TRUE(Log().empty()) << ::testing::PrintToString(Log());
  EXPECT_TRUE(host.events.empty());
}

class SystemHotkeys : public ActivationTest {
 protected:
  void SetUp() override { Load({{"Global", kCode, storage::ScopeGlobal, "", "g"}}); }
};

TEST_F(SystemHotkeys, EachActionReachesTheMainWindow) {
  Hotkey(kActivateMeCode);
  Hotkey(kCaptureCode);
  Hotkey(kMenuTopCode);
  Hotkey(kResumeCode);  // outside a pause: nothing
  EXPECT_EQ(host.events, (Lines{"activate me", "start capture", "menu top window"}));
  EXPECT_TRUE(Log().empty());
}

TEST_F(SystemHotkeys, ActivateMeIsRefusedDuringPausePopupAndCapture) {
  State().PauseActive = true;
  activation.SystemActivateMe();
  State().PauseActive = false;
  State().PopupShowing = true;
  activation.SystemActivateMe();
  State().PopupShowing = false;
  host.captureRunning = true;
  activation.SystemActivateMe();
  Hotkey(kActivateMeCode);
  host.captureRunning = false;
  Hotkey(kActivateMeCode);
  EXPECT_EQ(host.events, (Lines{FakeHost::Warning(kActivateMePauseRefusal),
                                FakeHost::Warning(kActivateMePopupRefusal),
                                FakeHost::Warning(kActivateMeCaptureRefusal),
                                FakeHost::Warning(kActivateMeCaptureRefusal), "activate me"}));
}

TEST_F(SystemHotkeys, ADisabledSystemEntryLeavesItsCodeToOtherMacros) {
  std::vector<storage::MacroRecord> records = {
      MakeRecord({"Global", 300, storage::ScopeGlobal, "", "g"}),
      storage::MakeSystemMacro(0, 40000.0)};
  records[1].HotkeyNumber = 300;
  records[1].Enabled = false;
  storage::testing::WriteBytes(path, storage::testing::FileOf(records));
  ASSERT_TRUE(store.LoadMacroFile(path));
  fake.ClearLog();
  Hotkey(300);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
}

using SharedFile = ActivationTest;

TEST_F(SharedFile, AChangedFileIsReloadedAndTheKeyCombinationPressedAgain) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "g"}});
  const int code = hooklib::EncodeHotkey('T', true, true, true, false);
  ASSERT_GE(code, 0);
  host.sharedFileChanged = true;
  Hotkey(kCaps | code);
  EXPECT_EQ(host.events, Lines{"reload"});
  EXPECT_EQ(Log(), Seq({Down(18), Down(17), Down(16), Press('T'), Up(16), Up(17), Up(18)}));
  ASSERT_EQ(fake.KeyEvents().size(), 8u);
  EXPECT_EQ(fake.KeyEvents()[3].scan, fake.MapVirtualKey('T', platform::kMapVkToScan));
}

TEST_F(SharedFile, AWinCombinationPressesRightWinFirstAndReleasesItLast) {
  Load({});
  const int code = hooklib::EncodeHotkey('R', false, false, false, true);
  ASSERT_GE(code, 0);
  host.sharedFileChanged = true;
  Hotkey(code);
  EXPECT_EQ(Log(), Seq({Down(92), Press('R'), Up(92)}));
}

TEST_F(SharedFile, AMouseCombinationWaitsThenClicksItsButton) {
  Load({});
  const int code = hooklib::EncodeMouseHotkey(hooklib::kMouseRight, true, false, false);
  ASSERT_GE(code, 0);
  host.sharedFileChanged = true;
  Hotkey(code);
  EXPECT_EQ(WithoutWaits(Log()), Seq({Down(17), {"mouse 8 0 0 0", "mouse 16 0 0 0"}, Up(17)}));
  EXPECT_GE(fake.VirtualMilliseconds(), 50);
}

}  // namespace
}  // namespace quindle::activation::testing
