#include <gtest/gtest.h>

#include "engine/player_test_support.h"
#include "platform/date_time.h"

namespace quindle::engine::playtest {
namespace {

constexpr int kShift = 16;
constexpr int kCtrl = 17;
constexpr int kAlt = 18;
constexpr int kEnter = 13;

struct TypingCase {
  const char* name;
  std::string text;
  Lines expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const TypingCase& c, std::ostream* os) {
  *os << c.name;
}

class TypingTest : public PlayerFixture, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, SendsTheseEvents) {
  // Two layout answers the US layout does not give: an AltGr character and a Shift+Ctrl one.
  fake.SetVkKeyScan('\x01', 0x0651);  // state 6: Ctrl+Alt, key Q
  fake.SetVkKeyScan('\x02', 0x0333);  // state 3: no modifier at all
  EXPECT_EQ(Play(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, TypingTest,
    ::testing::Values(
        TypingCase{"ShiftOnlyOnTheCapital", "Hello",
                   Seq({Down(kShift), Press('H'), Up(kShift), Plain("ello")})},
        TypingCase{"CrLfIsOneEnter", "x\r\ny", Seq({Plain("x"), Press(kEnter), Plain("y")})},
        TypingCase{"LoneLfIsCtrlEnter", "x\ny",
                   Seq({Plain("x"), Down(kCtrl), Press(kEnter), Up(kCtrl), Plain("y")})},
        TypingCase{"CrCrLfIsTwoEnters", "\r\r\n", Seq({Press(kEnter), Press(kEnter)})},
        TypingCase{"AltGrHoldsCtrlAndAlt", "\x01",
                   Seq({Down(kCtrl), Down(kAlt), Press('Q'), Up(kCtrl), Up(kAlt)})},
        TypingCase{"ShiftState3PressesNoModifier", "\x02", Press('3')},
        TypingCase{"NoKeyIsKey255", "\x03", Press(255)},
        TypingCase{"HighCharacterIsAnAltCode", "\xE9",
                   Seq({Down(kAlt), Press(96), Press(98), Press(99), Press(99), Up(kAlt)})},
        TypingCase{"AltTag", "<ALT:065>",
                   Seq({Down(kAlt), Press(96), Press(102), Press(101), Up(kAlt)})},
        TypingCase{"Alt4Tag", "<ALT4:0128>",
                   Seq({Down(kAlt), Press(96), Press(97), Press(98), Press(104), Up(kAlt)})},
        TypingCase{"AltTagSkipsNonDigits", "<ALT: 6x>", Seq({Down(kAlt), Press(102), Up(kAlt)})},
        TypingCase{"UnknownTagIsText", "a<b",
                   Seq({Plain("a"), Down(kShift), Press(0xBC), Up(kShift), Plain("b")})},
        TypingCase{"CtrlOneShot", "<CTRL>ab",
                   Seq({Down(kCtrl), Press('A'), Up(kCtrl), Plain("b")})},
        TypingCase{"CtrlShiftOneShotReleasesShiftFirst", "<CTRL>A",
                   Seq({Down(kCtrl), Down(kShift), Press('A'), Up(kShift), Up(kCtrl)})},
        TypingCase{"AltTwiceIsAltAlone", "<ALT><ALT>a", Seq({Down(kAlt), Up(kAlt), Plain("a")})},
        TypingCase{"ShiftOneShotEndsAfterAKeyTag", "<SHIFT><TAB>a",
                   Seq({Down(kShift), Press(9), Up(kShift), Plain("a")})},
        TypingCase{"OneShotOutlivesAnAltCode", "<CTRL>\xE9x",
                   Seq({Down(kCtrl), Down(kAlt), Press(96), Press(98), Press(99), Press(99),
                        Up(kAlt), Press('X'), Up(kCtrl)})},
        TypingCase{"HeldModifiersStay", "<CTLD>a<CTLU><WIND><WINU>",
                   Seq({Down(kCtrl), Plain("a"), Up(kCtrl), Down(91), Up(91)})},
        TypingCase{"MouseKeysReleaseOneShots", "<SHIFT><RIGHT MOUSE>",
                   Seq({Down(kShift), Press(2), Up(kShift)})},
        TypingCase{"FunctionAndKeypadKeys", "<F24><KEYP/><PA1>",
                   Seq({Press(135), Press(111), Press(253)})},
        TypingCase{"CopyAndPaste", "<CLIPC><CLIPP>",
                   Seq({Down(kCtrl), Press(67), Up(kCtrl), Down(kCtrl), Press(86), Up(kCtrl),
                        Wait(100)})}),
    [](const ::testing::TestParamInfo<TypingCase>& p) { return p.param.name; });

struct MouseCase {
  const char* name;
  std::string text;
  Lines expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const MouseCase& c, std::ostream* os) {
  *os << c.name;
}

class MouseTest : public PlayerFixture, public ::testing::WithParamInterface<MouseCase> {};

TEST_P(MouseTest, SendsTheseEvents) {
  const auto window = fake.AddWindow("Editor", 1, {100, 200, 500, 600});
  fake.SetForeground(window);
  EXPECT_EQ(Play(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tags, MouseTest,
    ::testing::Values(
        MouseCase{"ScreenCentre", "<MMS:00512,00384>", {"mouse 32769 32767 32767 0"}},
        MouseCase{"ScreenCorner", "<MMS:01024,00768>", {"mouse 32769 65535 65535 0"}},
        // 110 * 65535 / 1024 = 7039.9 and 220 * 65535 / 768 = 18773.05: cut toward zero.
        MouseCase{"FromTheWindowInFront", "<MMW:00010,00020>", {"mouse 32769 7039 18773 0"}},
        MouseCase{"WheelBackward", "<WBW:003>", {"mouse 2048 0 0 -360"}},
        MouseCase{"WheelForward", "<WFW:002>", {"mouse 2048 0 0 240"}},
        MouseCase{"LeftDoubleClick",
                  "<LDCLK>",
                  {"mouse 2 0 0 0", "mouse 4 0 0 0", "mouse 2 0 0 0", "mouse 4 0 0 0"}},
        MouseCase{"RightButton",
                  "<RDN><RUP><RCLK>",
                  {"mouse 8 0 0 0", "mouse 16 0 0 0", "mouse 8 0 0 0", "mouse 16 0 0 0"}},
        MouseCase{
            "MiddleClick", "<MCLK><MUP>", {"mouse 32 0 0 0", "mouse 64 0 0 0", "mouse 64 0 0 0"}},
        MouseCase{"MouseDelayOncePerTag",
                  "<SPMSE:0050><LDCLK>a",
                  {"wait 50", "mouse 2 0 0 0", "mouse 4 0 0 0", "mouse 2 0 0 0", "mouse 4 0 0 0",
                   "key 65 down", "key 65 up"}}),
    [](const ::testing::TestParamInfo<MouseCase>& p) { return p.param.name; });

using KeyOutputTest = PlayerFixture;

TEST_F(KeyOutputTest, EventsCarryTheScanCodeAndOnlyTheKeyUpFlag) {
  Play("H<DELETE>");
  const auto& events = fake.KeyEvents();
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[1].vk, 'H');
  EXPECT_EQ(events[1].scan, 0x23);
  EXPECT_EQ(events[1].flags, 0u);
  EXPECT_EQ(events[2].flags, platform::kKeyEventKeyUp);
  EXPECT_EQ(events[4].vk, 46);
  EXPECT_EQ(events[4].scan, 0x53);  // no extended-key flag even for Delete
  EXPECT_EQ(events[4].flags, 0u);
}

TEST_F(KeyOutputTest, KeystrokeDelayComesBeforeEveryKeyAndFollowsTheSpeed) {
  EXPECT_EQ(Play("<SPKEY:0100>abc"),
            Seq({Wait(100), Plain("a"), Wait(100), Plain("b"), Wait(100), Plain("c")}));
  fake.ClearLog();
  EXPECT_EQ(Play("<SPEED:00002><SPKEY:0100>a<TAB><RIGHT MOUSE><ALT:065><SPKEY:0000>b"),
            Seq({Wait(200), Plain("a"), Wait(200), Press(9), Press(2), Wait(200), Down(kAlt),
                 Press(96), Press(102), Press(101), Up(kAlt), Plain("b")}));
}

TEST_F(KeyOutputTest, DelaysAreOffAtEachStart) {
  Play("<SPKEY:0100><SPMSE:0100><SPEED:00002>");
  fake.ClearLog();
  EXPECT_EQ(Play("a<LCLK><MSD:0010>"),
            Seq({Plain("a"), {"mouse 2 0 0 0", "mouse 4 0 0 0"}, Wait(10)}));
}

TEST_F(KeyOutputTest, DateTagsTypeTheDateWithTheDayOffset) {
  fake.SetStartDateTime(platform::ToDateTime({2000, 1, 1, 0, 30, 0, 0, 0}));
  Play("<MM/DD/YY{N}> <YYYY-MM-DD{YP001}> <hh:mma{N}>");
  EXPECT_EQ(TypedText(fake.Log()), "1/1/00 1999-12-31 12:30a");
}

TEST_F(KeyOutputTest, FutureDatesCrossTheMonth) {
  fake.SetStartDateTime(platform::ToDateTime({1998, 3, 5, 9, 5, 0, 0, 0}));
  Play("<DD.MM.YYYY{YF030}>,<hh:mm{Y}>");
  EXPECT_EQ(TypedText(fake.Log()), "04.04.1998,09:05");
}

}  // namespace
}  // namespace quindle::engine::playtest
