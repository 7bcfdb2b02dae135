#include "editors/timing_dialog_models.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::CaseName;
using testing_support::ExpectCommand;
using testing_support::ExpectRefusal;

// ---- "Set Delay"

struct Delay2Case {
  const char* name;
  bool milliseconds;
  const char* amount;
  const char* text;  // nullptr: refused
  std::string_view message = {};
};

class Delay2Accept : public testing::TestWithParam<Delay2Case> {};

TEST_P(Delay2Accept, ChecksTheAmountOfItsUnit) {
  const Delay2Case& c = GetParam();
  const auto outcome = AcceptDelay2(Delay2Form{c.milliseconds, c.amount});
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, Delay2Field::Seconds);
  ExpectCommand(outcome, c.text);
  EXPECT_EQ(outcome.result->kind, c.milliseconds ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, Delay2Accept,
    testing::Values(Delay2Case{"one_and_a_half", false, "1.5", "<DELAY:01.50>"},
                    Delay2Case{"sixty", false, "60", "<DELAY:60.00>"},
                    Delay2Case{"trimmed", false, "  2 ", "<DELAY:02.00>"},
                    Delay2Case{"hundredth", false, ".01", "<DELAY:00.01>"},
                    Delay2Case{"above_sixty", false, "60.01", nullptr, kDelaySecondsRange},
                    Delay2Case{"zero", false, "0", nullptr, kDelaySecondsRange},
                    // Would be written as 00.00: no delay at all.
                    Delay2Case{"rounds_to_zero", false, "0.004", nullptr, kDelaySecondsRange},
                    Delay2Case{"negative", false, "-1", nullptr, kDelaySecondsRange},
                    Delay2Case{"empty", false, "", nullptr, kDelaySecondsRange},
                    Delay2Case{"exponent", false, "1e1", nullptr, kDelaySecondsRange},
                    Delay2Case{"hex", false, "0x10", nullptr, kDelaySecondsRange}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Milliseconds, Delay2Accept,
    testing::Values(Delay2Case{"quarter", true, "250", "<MSD:0250>"},
                    Delay2Case{"one", true, "1", "<MSD:0001>"},
                    Delay2Case{"largest", true, "9999", "<MSD:9999>"},
                    Delay2Case{"ten_thousand", true, "10000", nullptr, kDelayBelowLimit},
                    Delay2Case{"zero", true, "0", nullptr, kGreaterThanZero},
                    Delay2Case{"negative", true, "-5", nullptr, kGreaterThanZero},
                    Delay2Case{"fraction", true, "2.5", nullptr, kGreaterThanZero},
                    Delay2Case{"empty", true, "", nullptr, kGreaterThanZero},
                    Delay2Case{"letters", true, "12a", nullptr, kGreaterThanZero}),
    CaseName());

TEST(Delay2Presets, SecondsFirstAndAnEditedLineRefillsItsUnit) {
  EXPECT_FALSE(DirectDelay2Form().milliseconds);
  const Delay2Form seconds = Delay2FormOf(DelayData{1.0, 1.5});
  EXPECT_FALSE(seconds.milliseconds);
  EXPECT_EQ(seconds.amount, "1.5");
  const Delay2Form milliseconds = Delay2FormOf(DelayData{2.0, 250});
  EXPECT_TRUE(milliseconds.milliseconds);
  EXPECT_EQ(milliseconds.amount, "250");
  ExpectCommand(AcceptDelay2(milliseconds), "<MSD:0250>");
}

// ---- `TDoDelay`

TEST(DelayModes, NameTheirCaptionLabelAndLimit) {
  EXPECT_EQ(TextsOfDelayMode(DelayMode::Seconds).caption, "Set Delay");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::Seconds).label, "Seconds To Delay");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::Seconds).limit, 10u);
  EXPECT_EQ(TextsOfDelayMode(DelayMode::AltKeypad).caption, "Alt Keypad Sequence");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::AltKeypad).label, "Keypad Numbers");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::AltKeypad).limit, 4u);
  EXPECT_EQ(TextsOfDelayMode(DelayMode::TimerSeconds).caption, "Scheduler Frequency");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::TimerSeconds).label, "Check Every");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::TimerSeconds).trailer, "Seconds");
  EXPECT_EQ(TextsOfDelayMode(DelayMode::TimerSeconds).limit, 2u);
}

TEST(DelaySeconds, AcceptsUpToAMinute) {
  ExpectCommand(AcceptDelaySeconds("60"), "<DELAY:60.00>");
  ExpectCommand(AcceptDelaySeconds("0.5"), "<DELAY:00.50>");
  ExpectRefusal(AcceptDelaySeconds("60.01"), kDelaySecondsRange, DelayField::Value);
  ExpectRefusal(AcceptDelaySeconds("0"), kDelaySecondsRange, DelayField::Value);
  ExpectRefusal(AcceptDelaySeconds("abc"), kDelaySecondsRange, DelayField::Value);
}

struct AltCase {
  const char* name;
  const char* digits;
  const char* text;  // nullptr: "Value must be numeric."
};

class AltSequence : public testing::TestWithParam<AltCase> {};

TEST_P(AltSequence, PadsThreeDigitsOrTakesFour) {
  const AltCase& c = GetParam();
  const auto outcome = AcceptAltSequence(c.digits);
  if (c.text == nullptr) return ExpectRefusal(outcome, kAltNotNumeric, DelayField::Value);
  ExpectCommand(outcome, c.text);
  // An ALT sequence is typed text: it joins the text line of its neighbours.
  EXPECT_EQ(outcome.result->command, kCmdText);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, AltSequence,
    testing::Values(AltCase{"one", "7", "<ALT:007>"}, AltCase{"two", "65", "<ALT:065>"},
                    AltCase{"three", "169", "<ALT:169>"}, AltCase{"four", "0169", "<ALT4:0169>"},
                    AltCase{"trimmed", " 65 ", "<ALT:065>"}, AltCase{"letter", "6a", nullptr},
                    AltCase{"empty", "", nullptr}, AltCase{"sign", "+65", nullptr},
                    AltCase{"five", "01690", nullptr}),
    CaseName());

TEST(TimerSeconds, AcceptsOneToSixty) {
  EXPECT_EQ(AcceptTimerSeconds("1").result, 1);
  EXPECT_EQ(AcceptTimerSeconds("60").result, 60);
  EXPECT_EQ(AcceptTimerSeconds(" 10 ").result, 10);
  for (const char* text : {"0", "61", "", "5s", "-1"}) {
    ExpectRefusal(AcceptTimerSeconds(text), kTimerSecondsRange, DelayField::Value);
  }
}

// ---- "Pause Window"

struct PauseCase {
  const char* name;
  PauseForm form;
  const char* text;  // nullptr: refused
  std::string_view message = {};
  PauseField focus = PauseField::Kind;
};

class PauseAccept : public testing::TestWithParam<PauseCase> {};

TEST_P(PauseAccept, ChecksTopThenLeft) {
  const PauseCase& c = GetParam();
  const auto outcome = AcceptPause(c.form);
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, c.focus);
  ExpectCommand(outcome, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PauseAccept,
    testing::Values(
        // A basic pause ignores what the disabled fields hold.
        PauseCase{"basic", PauseForm{false, "x", "y", "z"}, "<PAUSE>"},
        PauseCase{"complex", PauseForm{true, "10", "20", " Wait "}, "<PAUSE:010,020Wait>"},
        PauseCase{"origin_no_message", PauseForm{true, "0", "0", ""}, "<PAUSE:000,000>"},
        PauseCase{"largest", PauseForm{true, "999", "999", "m"}, "<PAUSE:999,999m>"},
        PauseCase{"bad_top_first", PauseForm{true, "a", "b", ""}, nullptr, kInvalidTopCoord,
                  PauseField::TopCoord},
        PauseCase{"negative_top", PauseForm{true, "-1", "0", ""}, nullptr, kInvalidTopCoord,
                  PauseField::TopCoord},
        PauseCase{"empty_left", PauseForm{true, "5", "", ""}, nullptr, kInvalidLeftCoord,
                  PauseField::LeftCoord},
        PauseCase{"wide_left", PauseForm{true, "5", "1000", ""}, nullptr, kInvalidLeftCoord,
                  PauseField::LeftCoord},
        PauseCase{"message_tag_end", PauseForm{true, "5", "5", "a>b"}, nullptr, kNoTagEndMessage,
                  PauseField::PauseMessage}),
    CaseName());

TEST(PausePresets, DirectModeIsComplexAndAnEditedLineRefillsIt) {
  EXPECT_TRUE(DirectPauseForm().complex);
  EXPECT_TRUE(PauseFieldsEnabled(DirectPauseForm()));
  EXPECT_FALSE(PauseFieldsEnabled(PauseFormForCommand()));
  const PauseForm form = PauseFormOf(PauseData{2, 20, 10, "Wait"});
  EXPECT_EQ(form.top, "10");
  EXPECT_EQ(form.left, "20");
  ExpectCommand(AcceptPause(form), "<PAUSE:010,020Wait>");
}

// ---- "Repeat Options"

struct RepeatCase {
  const char* name;
  RepeatKind kind;
  const char* count;
  const char* text;  // nullptr: refused
  std::string_view message = {};
};

class RepeatAccept : public testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatAccept, JudgesTheCountByItsRange) {
  const RepeatCase& c = GetParam();
  const auto outcome = AcceptRepeat(RepeatForm{c.kind, c.count});
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, RepeatField::Count);
  ExpectCommand(outcome, c.text);
}

using RK = RepeatKind;

INSTANTIATE_TEST_SUITE_P(
    Kinds, RepeatAccept,
    testing::Values(RepeatCase{"start_12", RK::Start, "12", "<REPEAT:0012>"},
                    RepeatCase{"start_largest", RK::Start, "9999", "<REPEAT:9999>"},
                    RepeatCase{"start_digits_then_letters", RK::Start, "3x", "<REPEAT:0003>"},
                    RepeatCase{"start_overlong", RK::Start, "123456", "<REPEAT:1234>"},
                    RepeatCase{"start_zero", RK::Start, "0", nullptr, kGreaterThanZero},
                    RepeatCase{"start_letters", RK::Start, "abc", nullptr, kGreaterThanZero},
                    RepeatCase{"start_negative", RK::Start, "-3", nullptr, kGreaterThanZero},
                    RepeatCase{"prompt", RK::PromptStart, "junk", "<PROMPTREP>"},
                    RepeatCase{"end", RK::End, "", "<ENDREP>"},
                    RepeatCase{"counter_1", RK::Counter, "1", "<I>"},
                    RepeatCase{"counter_4", RK::Counter, "4", "<IIII>"},
                    RepeatCase{"counter_0", RK::Counter, "0", nullptr, kCounterWidthRange},
                    RepeatCase{"counter_5", RK::Counter, "5", nullptr, kCounterWidthRange},
                    RepeatCase{"counter_empty", RK::Counter, "", nullptr, kCounterWidthRange}),
    CaseName());

TEST(RepeatPresets, FollowTheCommandAndLabelTheCount) {
  EXPECT_EQ(DirectRepeatForm().kind, RK::Start);
  EXPECT_EQ(RepeatFormForCommand(kCmdRepeatPromptStart).kind, RK::PromptStart);
  EXPECT_EQ(RepeatFormForCommand(kCmdRepeatEnd).kind, RK::End);
  EXPECT_EQ(RepeatFormForCommand(kCmdRepeatCounter).kind, RK::Counter);
  EXPECT_EQ(RepeatCountLabel(RK::Start), "Repeat Count");
  EXPECT_EQ(RepeatCountLabel(RK::Counter), "Counter Width");
  EXPECT_TRUE(RepeatCountEnabled(RK::Start));
  EXPECT_FALSE(RepeatCountEnabled(RK::End));
  EXPECT_FALSE(RepeatCountEnabled(RK::PromptStart));
  EXPECT_EQ(RepeatFormOf(kCmdRepeatCounter, RepeatData{4, 3}).count, "3");
  ExpectCommand(AcceptRepeat(RepeatFormOf(kCmdRepeatStart, RepeatData{1, 7})), "<REPEAT:0007>");
}

// ---- "Speed"

struct SpeedCase {
  const char* name;
  SpeedKind kind;
  const char* count;
  const char* text;  // nullptr: refused
  std::string_view message = {};
};

class SpeedAccept : public testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedAccept, AcceptsZeroOrMore) {
  const SpeedCase& c = GetParam();
  const auto outcome = AcceptSpeed(SpeedForm{c.kind, c.count});
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, SpeedField::Count);
  ExpectCommand(outcome, c.text);
}

using SK = SpeedKind;

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpeedAccept,
    testing::Values(SpeedCase{"keys", SK::Keystroke, "50", "<SPKEY:0050>"},
                    SpeedCase{"keys_zero", SK::Keystroke, "0", "<SPKEY:0000>"},
                    SpeedCase{"keys_empty", SK::Keystroke, "", "<SPKEY:0000>"},
                    SpeedCase{"mouse", SK::Mouse, "9999", "<SPMSE:9999>"},
                    SpeedCase{"mouse_overlong", SK::Mouse, "123456", "<SPMSE:1234>"},
                    SpeedCase{"keys_negative", SK::Keystroke, "-1", nullptr, kZeroOrGreater},
                    SpeedCase{"factor_half", SK::Playback, ".5", "<SPEED:00.50>"},
                    SpeedCase{"factor_two", SK::Playback, "2", "<SPEED:02.00>"},
                    SpeedCase{"factor_zero", SK::Playback, "0", "<SPEED:00.00>"},
                    SpeedCase{"factor_letters", SK::Playback, "2.5x", "<SPEED:02.50>"},
                    SpeedCase{"factor_largest", SK::Playback, "99.9", "<SPEED:99.90>"},
                    SpeedCase{"factor_negative", SK::Playback, "-1", nullptr, kZeroOrGreater},
                    SpeedCase{"factor_100", SK::Playback, "100", nullptr, kFactorBelow100},
                    SpeedCase{"factor_9999", SK::Playback, "9999", nullptr, kFactorBelow100},
                    // The field holds four characters: "99.999" is "99.9".
                    SpeedCase{"factor_overlong", SK::Playback, "99.999", "<SPEED:99.90>"}),
    CaseName());

TEST(SpeedPresets, FollowTheCommandAndLabelTheCount) {
  EXPECT_EQ(DirectSpeedForm().kind, SK::Keystroke);
  EXPECT_EQ(SpeedFormForCommand(kCmdMouseSpeed).kind, SK::Mouse);
  EXPECT_EQ(SpeedFormForCommand(kCmdPlaybackSpeed).kind, SK::Playback);
  EXPECT_EQ(SpeedCountLabel(SK::Mouse), "Delay in Milliseconds");
  EXPECT_EQ(SpeedCountLabel(SK::Playback), "Playback Factor");
  const SpeedForm form = SpeedFormOf(kCmdPlaybackSpeed, SpeedData{3, 0, 2.5});
  EXPECT_EQ(form.count, "2.5");
  ExpectCommand(AcceptSpeed(form), "<SPEED:02.50>");
  EXPECT_EQ(SpeedFormOf(kCmdKeystrokeSpeed, SpeedData{1, 40, 1.0}).count, "40");
}

}  // namespace
}  // namespace quindle::editors
