#include <gtest/gtest.h>

#include <algorithm>

#include "engine/player_test_support.h"
#include "platform/date_time.h"

namespace quindle::engine::playtest {
namespace {

const std::string kAbortLine = "message \"Macro Abort\" \"Quindle 98 macro has been aborted.\"";

struct TextCase {
  const char* name;
  std::string macro;
  std::string typed;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class RepeatTest : public PlayerFixture, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RepeatTest, Types) {
  Play(GetParam().macro);
  EXPECT_EQ(TypedText(fake.Log()), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, RepeatTest,
    ::testing::Values(
        TextCase{"CountZeroPlaysOnce", "<REPEAT:0000>x<ENDREP>y", "xy"},
        TextCase{"CountOnePlaysOnce", "<REPEAT:0001>x<ENDREP>", "x"},
        TextCase{"CountThree", "<REPEAT:0003>ab<ENDREP>", "ababab"},
        TextCase{"PassNumbers", "<REPEAT:0003><II>,<ENDREP>", "01,02,03,"},
        TextCase{"WideAndNarrowPassNumbers", "<REPEAT:0002><IIII><I><ENDREP>", "0001100022"},
        TextCase{"PassNumberOutsideTypesNothing", "a<I><II>b", "ab"},
        TextCase{"PassNumberAfterTheBlockTypesNothing", "<REPEAT:0002><I><ENDREP><I>", "12"},
        TextCase{"FirstEndRepClosesTheBlock", "<REPEAT:0002>a<REPEAT:0002>b<ENDREP>c<ENDREP>",
                 "ababbc"},
        TextCase{"MissingEndRepPlaysTheRestOnce", "<REPEAT:0003>ab", "ab"}),
    [](const ::testing::TestParamInfo<TextCase>& p) { return p.param.name; });

using PlayerTest = PlayerFixture;

TEST_F(PlayerTest, PromptRepAsksFirstAndRepeats) {
  fake.QueueRepeatCount(3);
  Play("<PROMPTREP>x<ENDREP>");
  EXPECT_EQ(fake.Log().front(), "prompt \"3\"");
  EXPECT_EQ(TypedText(fake.Log()), "xxx");
}

struct WaitCase {
  const char* name;
  std::string macro;
  Lines expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const WaitCase& c, std::ostream* os) {
  *os << c.name;
}

class WaitTest : public PlayerFixture, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(WaitTest, Logs) {
  EXPECT_EQ(Play(GetParam().macro), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, WaitTest,
    ::testing::Values(WaitCase{"Delay", "<DELAY:01.50>", Wait(1500)},
                      WaitCase{"SpeedZeroSkipsScaledWaits", "<SPEED:00000><DELAY:30.00><MSD:0100>a",
                               Plain("a")},
                      WaitCase{"SpeedTwoDoubles", "<SPEED:00002><DELAY:01.00>", Wait(2000)},
                      WaitCase{"MalformedSpeedLeavesTheFactor",
                               "<SPEED:00.50><SPEED:0x.y0><DELAY:01.00>", Wait(500)},
                      WaitCase{"MillisecondsAreCutTowardZero", "<SPEED:00.25><MSD:0010>", Wait(2)},
                      WaitCase{"UnscaledWaitIgnoresSpeedZero",
                               "<SPEED:00000><BEGCLIP>x<ENDCLIP>",
                               {"clipboard \"x\"", "wait 50"}},
                      WaitCase{"ShortDelayFieldIsText", "<DELAY:1>",
                               Seq({Down(16),   Press(0xBC), Up(16),     Down(16),    Press('D'),
                                    Up(16),     Down(16),    Press('E'), Up(16),      Down(16),
                                    Press('L'), Up(16),      Down(16),   Press('A'),  Up(16),
                                    Down(16),   Press('Y'),  Up(16),     Down(16),    Press(0xBA),
                                    Up(16),     Press('1'),  Down(16),   Press(0xBE), Up(16)})}),
    [](const ::testing::TestParamInfo<WaitCase>& p) { return p.param.name; });

TEST_F(PlayerTest, DelayCarriesOnAcrossMidnight) {
  fake.SetStartDateTime(platform::ToDateTime({1999, 12, 31, 23, 59, 59, 0, 0}));
  EXPECT_EQ(Play("<DELAY:02.00>"), Wait(2000));
  const platform::CivilDateTime end = platform::FromDateTime(fake.Now());
  EXPECT_EQ(end.day, 1);
  EXPECT_EQ(end.second, 1);
}

TEST_F(PlayerTest, MillisecondWaitCarriesOnAcrossTheTickWrap) {
  fake.SetTickBase(0xFFFFFFFFu - 50);
  EXPECT_EQ(Play("<MSD:0100>"), Wait(100));
}

TEST_F(PlayerTest, CapsLockIsTurnedOffAroundTheMacroOnly) {
  fake.KeyEvent(20, 0x3A, 0);
  fake.KeyEvent(20, 0x3A, platform::kKeyEventKeyUp);
  fake.ClearLog();
  fake.SetFile("t.txt", "b");
  player.State().CapsWasOn = true;
  Play("A<TFILE:t.txt><REPEAT:0002><I><ENDREP>c");
  EXPECT_EQ(TypedText(fake.Log()), "Ab12c");
  const auto capsPresses = std::count(fake.Log().begin(), fake.Log().end(), "key 20 down");
  EXPECT_EQ(capsPresses, 2);
  EXPECT_EQ(Lines(fake.Log().begin(), fake.Log().begin() + 2), Press(20));
  EXPECT_EQ(Lines(fake.Log().end() - 2, fake.Log().end()), Press(20));
  EXPECT_TRUE(fake.CapsLockOn());
}

TEST_F(PlayerTest, AbortDuringALongDelayEndsAfterThatWait) {
  player.State().CapsWasOn = true;
  fake.AtVirtualTime(1000, [this] { player.RequestAbort(); });
  EXPECT_EQ(Play("<DELAY:05.00>ab<DELAY:05.00>"), Seq({Press(20), Wait(5000), {kAbortLine}}));
}

TEST_F(PlayerTest, AbortInsideNestedTextsIsReportedOnce) {
  fake.SetFile("t.txt", "ab");
  fake.AtProcessMessagesCall(1, [this] { player.RequestAbort(); });
  EXPECT_EQ(Play("<REPEAT:0003><TFILE:t.txt>c<ENDREP>d"), Seq({Plain("a"), {kAbortLine}}));
}

TEST_F(PlayerTest, AbortInAPauseInsideARepeatEndsEverything) {
  const auto target = fake.AddWindow("Target");
  player.State().TargetWindow = target;
  player.State().CapsWasOn = true;
  fake.QueuePauseAnswer(false);
  Play("<REPEAT:0003>a<PAUSE>b<ENDREP>c");
  EXPECT_EQ(TypedText(fake.Log()), "a");
  EXPECT_EQ(fake.Pauses().size(), 1u);
  // Caps Lock back on, the main window visible again, the target in front.
  EXPECT_EQ(Lines(fake.Log().end() - 3, fake.Log().end()),
            Seq({Press(20), {"activate \"Target\""}}));
  EXPECT_TRUE(fake.MainWindowVisible());
  EXPECT_FALSE(player.State().PauseActive);
}

TEST_F(PlayerTest, PauseIsPlacedOnTheScreenAndNamesTheMacro) {
  bool activeWhileOpen = false;
  fake.OnPause([&] { activeWhileOpen = player.State().PauseActive; });
  Play("<PAUSE><PAUSE:050,100Please insert the disk><PAUSE:999,999" + std::string(30, 'm') + ">",
       "Backup", 262);
  EXPECT_TRUE(activeWhileOpen);
  const auto& pauses = fake.Pauses();
  ASSERT_EQ(pauses.size(), 3u);
  EXPECT_EQ(pauses[0].left, 400);
  EXPECT_EQ(pauses[0].top, 337);
  EXPECT_EQ(pauses[1].left, 100);
  EXPECT_EQ(pauses[1].top, 50);
  EXPECT_EQ(pauses[1].message, "Please insert the disk");
  EXPECT_EQ(pauses[2].left, 1024 - 224);
  EXPECT_EQ(pauses[2].top, 768 - 94 - 38);
  EXPECT_EQ(pauses[2].macroName, "Backup");
  EXPECT_EQ(pauses[2].hotkeyNumber, 262);
}

TEST_F(PlayerTest, PauseHidesTheMainWindowAndTheEndRestoresIt) {
  const auto target = fake.AddWindow("Target");
  const auto child = fake.AddChildWindow(target, "Edit");
  player.State().TargetWindow = child;
  fake.SetApplicationMinimized(true);
  Play("<PAUSE>x");
  EXPECT_EQ(fake.Calls(), (Lines{"RestoreApplication", "HideMainWindow", "ShowMainWindow",
                                 "MinimizeApplication"}));
  // After the dialog the focus goes back to the focused window; at the end to its top level.
  EXPECT_EQ(fake.Log(), Seq({{"pause \"337\" \"400\" \"\"", "activate \"Edit\""},
                             Plain("x"),
                             {"activate \"Target\""}}));
}

TEST_F(PlayerTest, FailedActivateEndsTheWholeMacroWithRestoration) {
  player.State().CapsWasOn = true;
  fake.SetFile("t.txt", "<ACTIVATE:NoSuchWindow>ab");
  EXPECT_EQ(Play("<ACTIVATE:NoSuchWindow>ab"), Seq({Press(20), Press(20)}));
  fake.ClearLog();
  EXPECT_EQ(Play("x<TFILE:t.txt>cd"), Seq({Press(20), Plain("x"), Press(20)}));
}

TEST_F(PlayerTest, TextFilesDropTheirEndMarkOnly) {
  fake.SetFile("end.txt", "ab\x1A");
  fake.SetFile("mid.txt",
               "a\x1A"
               "b");
  EXPECT_EQ(Play("<TFILE:end.txt>c<TFILE:missing.txt>"), Plain("abc"));
  fake.ClearLog();
  EXPECT_EQ(Play("<TFILE:mid.txt>"), Seq({Plain("a"), Press(255), Plain("b")}));
}

TEST_F(PlayerTest, LongRepeatBodyFromATextFileIsCut) {
  fake.SetFile("long.txt", "<REPEAT:0002>" + std::string(6000, 'a') + "<ENDREP>");
  Play("<TFILE:long.txt>");
  EXPECT_EQ(player.State().RepeatBodyLength, 5000u);
  // One replayed pass of the cut body, then the whole block inline.
  EXPECT_EQ(TypedText(fake.Log()), std::string(11000, 'a'));
}

TEST_F(PlayerTest, SelfIncludingTextFileStopsAtTheDepthLimit) {
  fake.SetFile("self.txt", "x<TFILE:self.txt>");
  Play("<TFILE:self.txt>y");
  EXPECT_EQ(TypedText(fake.Log()), std::string(kMaxTextFileDepth, 'x') + "y");
}

TEST_F(PlayerTest, ClipboardBlocks) {
  EXPECT_EQ(Play("<BEGCLIP>abc<ENDCLIP><CLIPP>"),
            Seq({{"clipboard \"abc\""}, Wait(50), Down(17), Press(86), Up(17), Wait(100)}));
  fake.ClearLog();
  Play("<BEGCLIP>a<TAB><ENDCLIP>");
  EXPECT_EQ(fake.ClipboardText(), "a<TAB>");
  fake.ClearLog();
  EXPECT_TRUE(Play("<BEGCLIP>never closed").empty());
  EXPECT_EQ(fake.ClipboardText(), "a<TAB>");
  fake.SetFile("clip.txt", "<BEGCLIP>" + std::string(6000, 'x') + "<ENDCLIP>");
  Play("<TFILE:clip.txt>");
  EXPECT_EQ(fake.ClipboardText(), std::string(5000, 'x'));
  fake.SetFile("c.txt", "hello\x1A");
  Play("<CLIPF:c.txt><CLIPF:none.txt>");
  EXPECT_EQ(fake.ClipboardText(), "hello");
}

struct PumpCase {
  const char* text;
  std::uint32_t clockMovesAtFirstPump;
  std::uint64_t pumps;
};

class PumpTest : public PlayerFixture, public ::testing::WithParamInterface<PumpCase> {};

TEST_P(PumpTest, AfterEveryTagButBetweenCharactersOnlyEveryFewMilliseconds) {
  fake.AtProcessMessagesCall(1, [this] { fake.AdvanceClock(GetParam().clockMovesAtFirstPump); });
  Play(GetParam().text);
  EXPECT_EQ(fake.ProcessMessagesCalls(), GetParam().pumps);
}

INSTANTIATE_TEST_SUITE_P(Player, PumpTest,
                         ::testing::Values(PumpCase{"abcdef", 0, 1},
                                           PumpCase{"ab<ENTER>cd<TAB>", 0, 3},
                                           PumpCase{"abcdef", kPumpEveryMs - 1, 1},
                                           PumpCase{"abcdef", kPumpEveryMs, 2}));

TEST_F(PlayerTest, HotkeyDuringPlaybackPlaysInsideTheRunningMacro) {
  fake.AtProcessMessagesCall(1, [this] { player.IntoProgram("z", "Inner", 3); });
  Play("ab");
  EXPECT_EQ(TypedText(fake.Log()), "azb");
}

TEST_F(PlayerTest, SwapAndSoundAndWebGoToThePlatform) {
  EXPECT_EQ(
      Play("<SWAP:c:\\other.qnl><WAV1:ding.wav><WAV2:dong.wav><BEEP><HTTP:http://x.org/>"),
      (Lines{"swap \"c:\\\\other.qnl\"", "sound \"wave\" \"ding.wav\" \"wait\"",
             "sound \"wave\" \"dong.wav\" \"nowait\"", "sound \"beep\"", "web \"http://x.org/\""}));
}

TEST_F(PlayerTest, StartCopiesAtMost5000Characters) {
  Play(std::string(5001, 'a') + "b");
  EXPECT_EQ(TypedText(fake.Log()), std::string(5000, 'a'));
}

}  // namespace
}  // namespace quindle::engine::playtest
