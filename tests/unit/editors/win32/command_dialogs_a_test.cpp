// The command dialogs of activating, sounds, delays, pauses, repeats, speeds, windows and the
// mouse as real windows: each opens with its preset, its choices enable, hide or relabel the
// fields they need, a wrong entry at "&Ok" shows the model's message and puts the focus back on
// the field, and a right one closes the dialog with the command's MacroText.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editors/dialog_test_support.h"
#include "editors/file_dialog_models.h"
#include "editors/launch_dialog_model.h"
#include "editors/script_format.h"
#include "editors/timing_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/command_dialogs_a_res.h"
#include "editors/win32/sound_dialog.h"
#include "editors/window_dialog_models.h"
#include "platform/win32/modal_driver.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::testing::Driver;
using platform::win32::testing::EndIfOpen;
using platform::win32::testing::FindShown;
using platform::win32::testing::TextOf;
using testing_support::FakePathChecks;

void DrainQueue() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

HWND ItemOf(HWND dialog, int id) {
  return ::GetDlgItem(dialog, id);
}
bool Enabled(HWND dialog, int id) {
  return ::IsWindowEnabled(ItemOf(dialog, id)) != FALSE;
}
bool Visible(HWND dialog, int id) {
  return ::IsWindowVisible(ItemOf(dialog, id)) != FALSE;
}
bool Checked(HWND dialog, int id) {
  return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
void Click(HWND dialog, int id) {
  ::SendMessageA(ItemOf(dialog, id), BM_CLICK, 0, 0);
}
void Type(HWND dialog, int id, const char* text) {
  ::SetWindowTextA(ItemOf(dialog, id), text);
}
std::string Text(HWND dialog, int id) {
  return TextOf(ItemOf(dialog, id));
}
LRESULT Limit(HWND dialog, int id) {
  return ::SendMessageA(ItemOf(dialog, id), EM_GETLIMITTEXT, 0, 0);
}
int ClientHeight(HWND dialog) {
  RECT client{};
  ::GetClientRect(dialog, &client);
  return client.bottom;
}
int TopOf(HWND dialog, int id) {
  RECT rect{};
  ::GetWindowRect(ItemOf(dialog, id), &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect.top;
}

// One session with a dialog: `look` sees it as it opened; `wrong` makes an entry that "&Ok"
// refuses, whose message and focus are recorded; `right` makes the entry that "&Ok" takes.
struct Session {
  const char* caption = "";
  std::function<void(HWND)> look;
  std::function<void(HWND)> wrong;
  int focusAfterRefusal = 0;
  std::function<void(HWND)> right;
};

struct Seen {
  bool driven = false;
  std::string message;
  std::string messageCaption;
  bool refocused = false;
};

Seen Drive(const Session& session, const std::function<void()>& modal) {
  DrainQueue();
  Seen seen;
  int stage = 0;
  HWND dialog = nullptr;
  const auto pressOk = [&] { ::PostMessageA(ItemOf(dialog, IDOK), BM_CLICK, 0, 0); };
  seen.driven = Driver::Run(
      [&] {
        if (stage == 0) {
          dialog = FindShown(session.caption);
          if (dialog == nullptr) return false;
          if (session.look) session.look(dialog);
          if (!session.wrong) {
            session.right(dialog);
            pressOk();
            return true;
          }
          session.wrong(dialog);
          pressOk();
          stage = 1;
          return false;
        }
        if (stage == 1) {
          HWND box = FindShown("Error");
          if (box == nullptr) return false;
          seen.message = TextOf(::GetDlgItem(box, 0xFFFF));
          seen.messageCaption = TextOf(box);
          ::PostMessageA(box, WM_COMMAND, IDOK, 0);
          stage = 2;
          return false;
        }
        if (FindShown("Error") != nullptr) return false;
        if (::GetFocus() != ItemOf(dialog, session.focusAfterRefusal)) return false;
        seen.refocused = true;
        session.right(dialog);
        pressOk();
        return true;
      },
      [&] {
        EndIfOpen("Error");
        EndIfOpen(session.caption);
      },
      modal);
  return seen;
}

void ExpectRefused(const Seen& seen, std::string_view message) {
  ASSERT_TRUE(seen.driven);
  EXPECT_EQ(seen.message, message);
  EXPECT_EQ(seen.messageCaption, "Error");
  EXPECT_TRUE(seen.refocused) << "the field in error has the focus after the message";
}

// ---- "Activate/Launch Program"

class ActiveDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    paths.shortForms["C:\\Program Files\\App\\app.exe"] = "C:\\PROGRA~1\\App\\app.exe";
    paths.files.insert("C:\\PROGRA~1\\App\\app.exe");
  }
  FakePathChecks paths;
};

TEST_F(ActiveDialog, TheKindShowsItsPanelsAndOkMakesTheTag) {
  std::vector<std::string> kindTexts;
  bool titleShownForLaunch = true;
  bool pathShownForLaunch = false;
  LRESULT titleLimit = 0;
  LRESULT delayLimit = 0;
  int heightLaunch = 0;
  int heightActivate = 0;
  int heightBoth = 0;
  int pathTopLaunch = 0;
  int pathTopBoth = 0;
  bool pathShownForActivate = true;
  Session session;
  session.caption = "Activate/Launch Program";
  session.look = [&](HWND d) {
    for (int id = IDC_ACT_KIND_FIRST; id <= IDC_ACT_KIND_LAST; ++id)
      kindTexts.push_back(Text(d, id));
    titleShownForLaunch = Visible(d, IDC_ACT_TITLE);
    pathShownForLaunch = Visible(d, IDC_ACT_PATH);
    titleLimit = Limit(d, IDC_ACT_TITLE);
    delayLimit = Limit(d, IDC_ACT_DELAY);
    heightLaunch = ClientHeight(d);
    pathTopLaunch = TopOf(d, IDC_ACT_PATH);
  };
  session.wrong = [&](HWND d) {
    Click(d, IDC_ACT_KIND_FIRST);  // activate only: the title is needed
    heightActivate = ClientHeight(d);
    pathShownForActivate = Visible(d, IDC_ACT_PATH);
  };
  session.focusAfterRefusal = IDC_ACT_TITLE;
  session.right = [&](HWND d) {
    Click(d, IDC_ACT_KIND_LAST);
    heightBoth = ClientHeight(d);
    pathTopBoth = TopOf(d, IDC_ACT_PATH);
    Type(d, IDC_ACT_TITLE, " Notepad ");
    Type(d, IDC_ACT_PATH, "C:\\Program Files\\App\\app.exe");
    Type(d, IDC_ACT_PARAMS, "/x");
    Type(d, IDC_ACT_DELAY, "5");
  };
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    result = RunActiveDialog(nullptr, CommandDialogRequest{kCmdLaunchProgram}, paths);
  });
  ExpectRefused(seen, kNoWindowTitleEntry);
  EXPECT_EQ(kindTexts,
            std::vector<std::string>(std::begin(kActiveKindTexts), std::end(kActiveKindTexts)));
  EXPECT_FALSE(titleShownForLaunch);
  EXPECT_TRUE(pathShownForLaunch);
  EXPECT_FALSE(pathShownForActivate);
  EXPECT_EQ(titleLimit, static_cast<LRESULT>(kActiveTitleLimit));
  EXPECT_EQ(delayLimit, static_cast<LRESULT>(kActiveDelayLimit));
  // The heights follow the form's 214, 297 and 365 pixels.
  EXPECT_LT(heightActivate, heightLaunch);
  EXPECT_LT(heightLaunch, heightBoth);
  EXPECT_NEAR(static_cast<double>(heightActivate) / heightBoth, 214.0 / 365.0, 0.02);
  EXPECT_NEAR(static_cast<double>(heightLaunch) / heightBoth, 297.0 / 365.0, 0.02);
  EXPECT_LT(pathTopLaunch, pathTopBoth) << "alone, the program panel moves up";
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<LAUNCHYES:05Notepad<LAUNCH:C:\\PROGRA~1\\App\\app.exe<PARAM>/x>");
  EXPECT_EQ(result->command, kCmdActivateOrLaunch);
}

TEST_F(ActiveDialog, AMissingProgramIsRefusedAndCancelReturnsNothing) {
  Session session;
  session.caption = "Activate/Launch Program";
  session.wrong = [](HWND d) { Type(d, IDC_ACT_PATH, "C:\\nothing.exe"); };
  session.focusAfterRefusal = IDC_ACT_PATH;
  session.right = [](HWND d) { ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0); };
  CommandOutcome result{CommandResult{}};
  LaunchData edited;
  edited.kind = 2;
  edited.path = "C:\\old.exe";
  const CommandData data = edited;
  const Seen seen = Drive(session, [&] {
    result = RunActiveDialog(nullptr, CommandDialogRequest{kCmdLaunchProgram, &data}, paths);
  });
  ExpectRefused(seen, kNoSuchProgram);
  EXPECT_FALSE(result);
}

// ---- "Set Sound"

class RecordingSound final : public platform::ISound {
 public:
  void PlayWave(std::string_view file, bool wait) override {
    played.push_back(std::string(file) + (wait ? " wait" : " async"));
  }
  void Beep() override { played.push_back("beep"); }
  std::vector<std::string> played;
};

TEST(SoundDialog, TheWaveControlsFollowTheChoiceTestPlaysAndOkMakesTheTag) {
  FakePathChecks paths;
  paths.files.insert("C:\\ding.wav");
  RecordingSound sound;
  bool pathEnabledAtStart = true;
  bool pathEnabledForWave = false;
  bool testEnabledForWave = false;
  Session session;
  session.caption = "Set Sound";
  session.look = [&](HWND d) {
    pathEnabledAtStart = Enabled(d, IDC_SND_PATH) || Enabled(d, IDC_SND_TEST);
    Click(d, IDC_SND_WAVE);
    pathEnabledForWave = Enabled(d, IDC_SND_PATH);
    testEnabledForWave = Enabled(d, IDC_SND_TEST);
  };
  session.wrong = [](HWND d) { Type(d, IDC_SND_PATH, "C:\\missing.wav"); };
  session.focusAfterRefusal = IDC_SND_PATH;
  session.right = [](HWND d) {
    Type(d, IDC_SND_PATH, "C:\\ding.wav");
    Click(d, IDC_SND_TEST);
    Click(d, IDC_SND_WAIT);
  };
  CommandOutcome result;
  TDoSound dialog(DirectSoundForm(), paths, sound);
  const Seen seen = Drive(session, [&] { result = dialog.Run(nullptr); });
  ExpectRefused(seen, kNoSuchWaveFile);
  EXPECT_FALSE(pathEnabledAtStart) << "\"&Beep\" is the preset";
  EXPECT_TRUE(pathEnabledForWave);
  EXPECT_TRUE(testEnabledForWave);
  EXPECT_EQ(sound.played, std::vector<std::string>{"C:\\ding.wav async"});
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<WAV1:C:\\ding.wav>");
}

// ---- "Set Delay"

TEST(Delay2Dialog, MillisecondsAtTheBoundAreRefusedAndBelowItMakeTheTag) {
  LRESULT limit = 0;
  bool secondsAtStart = false;
  Session session;
  session.caption = "Set Delay";
  session.look = [&](HWND d) {
    limit = Limit(d, IDC_DLY_AMOUNT);
    secondsAtStart = Checked(d, IDC_DLY_SECONDS);
  };
  session.wrong = [](HWND d) {
    Click(d, IDC_DLY_MILLISECONDS);
    Type(d, IDC_DLY_AMOUNT, "10000");
  };
  session.focusAfterRefusal = IDC_DLY_AMOUNT;
  session.right = [](HWND d) { Type(d, IDC_DLY_AMOUNT, "250"); };
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    CommandDialogRequest request;
    request.direct = true;
    result = RunDelayDialog(nullptr, request);
  });
  ExpectRefused(seen, kDelayBelowLimit);
  EXPECT_EQ(limit, static_cast<LRESULT>(kDelay2Limit));
  EXPECT_TRUE(secondsAtStart);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<MSD:0250>");
}

TEST(Delay2Dialog, AnEditedDelayOpensWithItsSeconds) {
  std::string shown;
  Session session;
  session.caption = "Set Delay";
  session.look = [&](HWND d) { shown = Text(d, IDC_DLY_AMOUNT); };
  session.right = [](HWND) {};
  DelayData delay;
  delay.amount = 1.5;
  const CommandData data = delay;
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    result = RunDelayDialog(nullptr, CommandDialogRequest{kCmdDelay, &data});
  });
  ASSERT_TRUE(seen.driven);
  EXPECT_FALSE(shown.empty());
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<DELAY:01.50>");
}

// ---- "Pause Window"

TEST(PauseDialog, TheLocationFollowsTheChoiceAndAWrongTopIsRefused) {
  bool complexAtStart = false;
  bool topEnabledForBasic = true;
  bool topEnabledForComplex = false;
  LRESULT messageLimit = 0;
  Session session;
  session.caption = "Pause Window";
  session.look = [&](HWND d) {
    complexAtStart = Checked(d, IDC_PAU_COMPLEX);
    messageLimit = Limit(d, IDC_PAU_MESSAGE);
    Click(d, IDC_PAU_BASIC);
    topEnabledForBasic = Enabled(d, IDC_PAU_TOP) || Enabled(d, IDC_PAU_MESSAGE);
    Click(d, IDC_PAU_COMPLEX);
    topEnabledForComplex = Enabled(d, IDC_PAU_TOP);
  };
  session.wrong = [](HWND d) {
    Type(d, IDC_PAU_TOP, "x");
    Type(d, IDC_PAU_LEFT, "20");
  };
  session.focusAfterRefusal = IDC_PAU_TOP;
  session.right = [](HWND d) {
    Type(d, IDC_PAU_TOP, "10");
    Type(d, IDC_PAU_MESSAGE, "Check the printer");
  };
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    CommandDialogRequest request;
    request.direct = true;
    result = RunPauseDialog(nullptr, request);
  });
  ExpectRefused(seen, kInvalidTopCoord);
  EXPECT_TRUE(complexAtStart) << "the keystroke editor's preset";
  EXPECT_FALSE(topEnabledForBasic);
  EXPECT_TRUE(topEnabledForComplex);
  EXPECT_EQ(messageLimit, static_cast<LRESULT>(kPauseMessageLimit));
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<PAUSE:010,020Check the printer>");
}

// ---- "Repeat Options"

TEST(RepeatDialog, TheCountFieldFollowsTheKindAndAWideCounterIsRefused) {
  std::vector<std::string> kindTexts;
  std::string labelAtStart;
  bool countEnabledForEnd = true;
  std::string labelForStart;
  Session session;
  session.caption = "Repeat Options";
  session.look = [&](HWND d) {
    for (int id = IDC_REP_KIND_FIRST; id <= IDC_REP_KIND_LAST; ++id)
      kindTexts.push_back(Text(d, id));
    labelAtStart = Text(d, IDC_REP_COUNT_LABEL);
    Click(d, IDC_REP_KIND_FIRST + 2);
    countEnabledForEnd = Enabled(d, IDC_REP_COUNT);
    Click(d, IDC_REP_KIND_FIRST);
    labelForStart = Text(d, IDC_REP_COUNT_LABEL);
    Click(d, IDC_REP_KIND_LAST);
  };
  session.wrong = [](HWND d) { Type(d, IDC_REP_COUNT, "5"); };
  session.focusAfterRefusal = IDC_REP_COUNT;
  session.right = [](HWND d) { Type(d, IDC_REP_COUNT, "3"); };
  CommandOutcome result;
  const Seen seen = Drive(
      session, [&] { result = RunRepeatDialog(nullptr, CommandDialogRequest{kCmdRepeatCounter}); });
  ExpectRefused(seen, kCounterWidthRange);
  EXPECT_EQ(kindTexts,
            std::vector<std::string>(std::begin(kRepeatKindTexts), std::end(kRepeatKindTexts)));
  EXPECT_EQ(labelAtStart, kCounterWidthLabel);
  EXPECT_FALSE(countEnabledForEnd);
  EXPECT_EQ(labelForStart, kRepeatCountLabel);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<III>");
}

// ---- "Speed"

TEST(SpeedDialog, TheLabelFollowsTheKindAndANegativeFactorIsRefused) {
  std::string labelAtStart;
  std::string labelForKeys;
  Session session;
  session.caption = "Speed";
  session.look = [&](HWND d) {
    labelAtStart = Text(d, IDC_SPD_COUNT_LABEL);
    Click(d, IDC_SPD_KIND_FIRST);
    labelForKeys = Text(d, IDC_SPD_COUNT_LABEL);
    Click(d, IDC_SPD_KIND_LAST);
  };
  session.wrong = [](HWND d) { Type(d, IDC_SPD_COUNT, "-1"); };
  session.focusAfterRefusal = IDC_SPD_COUNT;
  session.right = [](HWND d) { Type(d, IDC_SPD_COUNT, "1.5"); };
  CommandOutcome result;
  const Seen seen = Drive(
      session, [&] { result = RunSpeedDialog(nullptr, CommandDialogRequest{kCmdPlaybackSpeed}); });
  ExpectRefused(seen, kZeroOrGreater);
  EXPECT_EQ(labelAtStart, kSpeedFactorLabel);
  EXPECT_EQ(labelForKeys, kSpeedDelayLabel);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<SPEED:01.50>");
}

// ---- "Size or Position a Window"

TEST(SizeItDialog, TheChoicesRelabelAndEnableAndANarrowWidthIsRefused) {
  bool specificAtStart = false;
  bool titleEnabledForCurrent = true;
  std::string firstForPosition;
  Session session;
  session.caption = "Size or Position a Window";
  session.look = [&](HWND d) {
    specificAtStart = Checked(d, IDC_SIZ_SPECIFIC) && Checked(d, IDC_SIZ_RESIZE);
    Click(d, IDC_SIZ_CURRENT);
    titleEnabledForCurrent = Enabled(d, IDC_SIZ_TITLE);
    Click(d, IDC_SIZ_SPECIFIC);
    Click(d, IDC_SIZ_POSITION);
    firstForPosition = Text(d, IDC_SIZ_FIRST_LABEL);
    Click(d, IDC_SIZ_RESIZE);
  };
  session.wrong = [](HWND d) {
    Type(d, IDC_SIZ_TITLE, "Notepad");
    Type(d, IDC_SIZ_FIRST, "9");
    Type(d, IDC_SIZ_SECOND, "100");
  };
  session.focusAfterRefusal = IDC_SIZ_FIRST;
  session.right = [](HWND d) { Type(d, IDC_SIZ_FIRST, "400"); };
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    CommandDialogRequest request;
    request.direct = true;
    result = RunSizeItDialog(nullptr, request);
  });
  ExpectRefused(seen, kInvalidWidth);
  EXPECT_TRUE(specificAtStart);
  EXPECT_FALSE(titleEnabledForCurrent);
  EXPECT_EQ(firstForPosition, "Left");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<WSIZE:0400,0100" + WindowSpec("Notepad", false) + ">");
}

// ---- "System Commands"

TEST(SystemDialog, ASpecificWindowNeedsATitleAndTheCurrentOneNone) {
  std::vector<std::string> actionTexts;
  bool hideChecked = false;
  Session session;
  session.caption = "System Commands";
  session.look = [&](HWND d) {
    for (int id = IDC_SYS_ACTION_FIRST; id <= IDC_SYS_ACTION_LAST; ++id)
      actionTexts.push_back(Text(d, id));
    hideChecked = Checked(d, IDC_SYS_ACTION_FIRST + 4);
  };
  session.wrong = [](HWND d) { Click(d, IDC_SYS_SPECIFIC); };
  session.focusAfterRefusal = IDC_SYS_TITLE;
  session.right = [](HWND d) { Click(d, IDC_SYS_CURRENT); };
  CommandOutcome result;
  const Seen seen = Drive(
      session, [&] { result = RunSystemDialog(nullptr, CommandDialogRequest{kCmdHideWindow}); });
  ExpectRefused(seen, kNoWindowTitle);
  EXPECT_EQ(actionTexts, std::vector<std::string>(std::begin(kSystemCommandTexts),
                                                  std::end(kSystemCommandTexts)));
  EXPECT_TRUE(hideChecked);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<WHIDE:" + WindowSpec("", true) + ">");
}

// ---- "Mouse Commands"

TEST(MouseDialog, TheFieldsFollowTheActionAndAnXBeyond30000IsRefused) {
  bool moveAtStart = false;
  bool clicksEnabledForMove = true;
  bool xEnabledForWheel = true;
  bool clicksEnabledForWheel = false;
  bool relativeEnabledForClick = true;
  Session session;
  session.caption = "Mouse Commands";
  session.look = [&](HWND d) {
    moveAtStart = Checked(d, IDC_MOU_ACTION_BASE + 1) && Checked(d, IDC_MOU_SCREEN);
    clicksEnabledForMove = Enabled(d, IDC_MOU_CLICKS);
    Click(d, IDC_MOU_ACTION_BASE + 14);
    xEnabledForWheel = Enabled(d, IDC_MOU_X);
    clicksEnabledForWheel = Enabled(d, IDC_MOU_CLICKS);
    Click(d, IDC_MOU_ACTION_BASE + 2);
    relativeEnabledForClick = Enabled(d, IDC_MOU_SCREEN);
    Click(d, IDC_MOU_ACTION_BASE + 1);
  };
  session.wrong = [](HWND d) {
    Type(d, IDC_MOU_X, "30001");
    Type(d, IDC_MOU_Y, "5");
  };
  session.focusAfterRefusal = IDC_MOU_X;
  session.right = [](HWND d) { Type(d, IDC_MOU_X, "30000"); };
  CommandOutcome result;
  const Seen seen = Drive(session, [&] {
    CommandDialogRequest request;
    request.direct = true;
    result = RunMouseDialog(nullptr, request);
  });
  ExpectRefused(seen, kInvalidX);
  EXPECT_TRUE(moveAtStart);
  EXPECT_FALSE(clicksEnabledForMove);
  EXPECT_FALSE(xEnabledForWheel);
  EXPECT_TRUE(clicksEnabledForWheel);
  EXPECT_FALSE(relativeEnabledForClick);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<MMS:30000,00005>");
}

}  // namespace
}  // namespace quindle::editors::win32
