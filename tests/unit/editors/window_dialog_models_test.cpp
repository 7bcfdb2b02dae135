#include "editors/window_dialog_models.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::CaseName;
using testing_support::ExpectCommand;
using testing_support::ExpectRefusal;

// ---- "Size or Position a Window"

struct SizeItCase {
  const char* name;
  SizeItForm form;
  const char* text;  // nullptr: refused
  std::string_view message = {};
  SizeItField focus = SizeItField::Kind;
};

class SizeItAccept : public testing::TestWithParam<SizeItCase> {};

TEST_P(SizeItAccept, ChecksTitleThenFirstThenSecond) {
  const SizeItCase& c = GetParam();
  const auto outcome = AcceptSizeIt(c.form);
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, c.focus);
  ExpectCommand(outcome, c.text);
}

constexpr bool kCurrent = true;
constexpr bool kSpecific = false;
constexpr bool kPosition = true;
constexpr bool kResize = false;
using SF = SizeItField;

INSTANTIATE_TEST_SUITE_P(
    Forms, SizeItAccept,
    testing::Values(
        SizeItCase{"resize_specific", SizeItForm{kSpecific, " Notepad ", kResize, "640", "480"},
                   "<WSIZE:0640,0480Notepad>"},
        SizeItCase{"resize_smallest", SizeItForm{kCurrent, "", kResize, "10", "30"},
                   "<WSIZE:0010,0030\"CURRENT\">"},
        // The title of the current window is neither needed nor kept.
        SizeItCase{"current_ignores_title", SizeItForm{kCurrent, "a>b", kResize, "10", "30"},
                   "<WSIZE:0010,0030\"CURRENT\">"},
        SizeItCase{"position_origin", SizeItForm{kCurrent, "", kPosition, "0", "0"},
                   "<WPOS:0000,0000\"CURRENT\">"},
        SizeItCase{"position_largest", SizeItForm{kSpecific, "W", kPosition, "9999", "9999"},
                   "<WPOS:9999,9999W>"},
        SizeItCase{"no_title", SizeItForm{kSpecific, "  ", kResize, "x", "y"}, nullptr,
                   kNoWindowTitle, SF::WinTitle},
        SizeItCase{"title_tag_end", SizeItForm{kSpecific, "a>b", kResize, "10", "30"}, nullptr,
                   kNoTagEndMessage, SF::WinTitle},
        SizeItCase{"width_9", SizeItForm{kCurrent, "", kResize, "9", "30"}, nullptr, kInvalidWidth,
                   SF::TheWidth},
        SizeItCase{"width_letters_first", SizeItForm{kCurrent, "", kResize, "abc", "1"}, nullptr,
                   kInvalidWidth, SF::TheWidth},
        SizeItCase{"height_29", SizeItForm{kCurrent, "", kResize, "10", "29"}, nullptr,
                   kInvalidHeight, SF::TheHeight},
        SizeItCase{"height_empty", SizeItForm{kCurrent, "", kResize, "10", ""}, nullptr,
                   kInvalidHeight, SF::TheHeight},
        SizeItCase{"left_negative", SizeItForm{kCurrent, "", kPosition, "-1", "0"}, nullptr,
                   kInvalidLeft, SF::TheWidth},
        SizeItCase{"top_exponent", SizeItForm{kCurrent, "", kPosition, "0", "1e2"}, nullptr,
                   kInvalidTop, SF::TheHeight},
        SizeItCase{"width_wider_than_tag", SizeItForm{kCurrent, "", kResize, "10000", "30"},
                   nullptr, kInvalidWidth, SF::TheWidth}),
    CaseName());

TEST(SizeItPresets, FollowTheModeAndTheCommand) {
  const SizeItForm direct = DirectSizeItForm();
  EXPECT_FALSE(direct.position);
  EXPECT_FALSE(direct.current);
  EXPECT_TRUE(SizeItFormForCommand(kCmdRepositionWindow).position);
  EXPECT_EQ(LabelsOfSizeIt(direct).first, "Width");
  EXPECT_EQ(LabelsOfSizeIt(direct).second, "Height");
  EXPECT_EQ(LabelsOfSizeIt(SizeItFormForCommand(kCmdRepositionWindow)).first, "Left");
  EXPECT_EQ(LabelsOfSizeIt(SizeItFormForCommand(kCmdRepositionWindow)).second, "Top");
  EXPECT_TRUE(WindowTitleEnabled(false));
  EXPECT_FALSE(WindowTitleEnabled(true));
  const SizeItForm edited = SizeItFormOf(kCmdRepositionWindow, WindowSizeData{"W", 2, false, 5, 6});
  ExpectCommand(AcceptSizeIt(edited), "<WPOS:0005,0006W>");
}

// ---- "System Commands"

struct SystemCase {
  int action;
  bool current;
  const char* title;
  const char* text;
  int command;
};

class SystemCommandAccept : public testing::TestWithParam<SystemCase> {};

TEST_P(SystemCommandAccept, MakesTheTagOfTheAction) {
  const SystemCase& c = GetParam();
  const auto outcome = AcceptSystemCommand(SystemCommandForm{c.action, c.current, c.title});
  ExpectCommand(outcome, c.text);
  EXPECT_EQ(outcome.result->command, c.command);
  // The scripting editor's new line of that command opens on the same action.
  EXPECT_EQ(SystemCommandFormForCommand(c.command).action, c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, SystemCommandAccept,
    testing::Values(SystemCase{1, false, "Calc", "<WMAX:Calc>", kCmdMaximizeWindow},
                    SystemCase{2, true, "", "<WMIN:\"CURRENT\">", kCmdMinimizeWindow},
                    SystemCase{3, false, " Calc ", "<WRES:Calc>", kCmdRestoreWindow},
                    SystemCase{4, false, "Calc", "<WCLS:Calc>", kCmdCloseWindow},
                    SystemCase{5, true, "", "<WHIDE:\"CURRENT\">", kCmdHideWindow},
                    SystemCase{6, false, "Calc", "<WSHOW:Calc>", kCmdShowWindow},
                    SystemCase{7, false, "Calc", "<WSHUT:Calc>", kCmdShutDownProgram}));

TEST(SystemCommandChecks, ASpecificWindowNeedsASafeTitle) {
  using F = SystemCommandField;
  ExpectRefusal(AcceptSystemCommand(SystemCommandForm{1, false, " "}), kNoWindowTitle, F::WinTitle);
  ExpectRefusal(AcceptSystemCommand(SystemCommandForm{1, false, "x>"}), kNoTagEndMessage,
                F::WinTitle);
  EXPECT_FALSE(AcceptSystemCommand(SystemCommandForm{0, true, ""}).Accepted());
  EXPECT_FALSE(AcceptSystemCommand(SystemCommandForm{8, true, ""}).Accepted());
}

TEST(SystemCommandPresets, DirectModeMaximizesASpecificWindow) {
  const SystemCommandForm direct = DirectSystemCommandForm();
  EXPECT_EQ(direct.action, 1);
  EXPECT_FALSE(direct.current);
  const SystemCommandForm edited = SystemCommandFormOf(kCmdHideWindow, WindowData{"", 5, true});
  ExpectCommand(AcceptSystemCommand(edited), "<WHIDE:\"CURRENT\">");
}

// ---- "Mouse Commands"

struct MouseCase {
  const char* name;
  MouseForm form;
  const char* text;  // nullptr: refused
  std::string_view message = {};
  MouseField focus = MouseField::Action;
};

class MouseAccept : public testing::TestWithParam<MouseCase> {};

TEST_P(MouseAccept, ChecksOnlyTheFieldsOfTheAction) {
  const MouseCase& c = GetParam();
  const auto outcome = AcceptMouse(c.form);
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, c.focus);
  ExpectCommand(outcome, c.text);
}

MouseForm Move(bool window, const char* x, const char* y) {
  return MouseForm{1, window, x, y, ""};
}
MouseForm Wheel(int action, const char* clicks) {
  return MouseForm{action, false, "", "", clicks};
}
using MF = MouseField;

INSTANTIATE_TEST_SUITE_P(
    Moves, MouseAccept,
    testing::Values(MouseCase{"screen", Move(false, "100", "200"), "<MMS:00100,00200>"},
                    MouseCase{"window", Move(true, " 5 ", "0"), "<MMW:00005,00000>"},
                    MouseCase{"largest", Move(false, "30000", "30000"), "<MMS:30000,30000>"},
                    MouseCase{"x_30001", Move(false, "30001", "0"), nullptr, kInvalidX, MF::XPos},
                    MouseCase{"x_negative", Move(false, "-1", "0"), nullptr, kInvalidX, MF::XPos},
                    MouseCase{"x_empty_first", Move(false, "", ""), nullptr, kInvalidX, MF::XPos},
                    MouseCase{"y_30001", Move(false, "0", "30001"), nullptr, kInvalidY, MF::YPos},
                    MouseCase{"y_fraction", Move(false, "0", "1.5"), nullptr, kInvalidY, MF::YPos}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Wheels, MouseAccept,
    testing::Values(MouseCase{"forward_7", Wheel(14, "7"), "<WFW:007>"},
                    MouseCase{"backward_largest", Wheel(15, "999"), "<WBW:999>"},
                    MouseCase{"zero", Wheel(14, "0"), nullptr, kInvalidWheelClicks, MF::NumClicks},
                    MouseCase{"letters", Wheel(15, "x"), nullptr, kInvalidWheelClicks,
                              MF::NumClicks},
                    MouseCase{"wider_than_tag", Wheel(14, "1000"), nullptr, kInvalidWheelClicks,
                              MF::NumClicks}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    Buttons, MouseAccept,
    testing::Values(MouseCase{"left_click", MouseForm{2, false, "x", "y", "z"}, "<LCLK>"},
                    MouseCase{"left_double", MouseForm{3, false, "", "", ""}, "<LDCLK>"},
                    MouseCase{"left_down", MouseForm{4, false, "", "", ""}, "<LDN>"},
                    MouseCase{"left_up", MouseForm{5, false, "", "", ""}, "<LUP>"},
                    MouseCase{"right_click", MouseForm{6, false, "", "", ""}, "<RCLK>"},
                    MouseCase{"right_double", MouseForm{7, false, "", "", ""}, "<RDCLK>"},
                    MouseCase{"right_down", MouseForm{8, false, "", "", ""}, "<RDN>"},
                    MouseCase{"right_up", MouseForm{9, false, "", "", ""}, "<RUP>"},
                    MouseCase{"middle_click", MouseForm{10, false, "", "", ""}, "<MCLK>"},
                    MouseCase{"middle_double", MouseForm{11, false, "", "", ""}, "<MDCLK>"},
                    MouseCase{"middle_down", MouseForm{12, false, "", "", ""}, "<MDN>"},
                    MouseCase{"middle_up", MouseForm{13, false, "", "", ""}, "<MUP>"},
                    MouseCase{"none", MouseForm{0, false, "", "", ""}, nullptr, "", MF::Action}),
    CaseName());

TEST(MousePresets, FollowTheModeAndTheCommand) {
  const MouseForm direct = DirectMouseForm();
  EXPECT_EQ(direct.action, 1);
  EXPECT_FALSE(direct.window);
  EXPECT_EQ(MouseFormForCommand(kCmdLeftButton).action, 2);
  EXPECT_EQ(MouseFormForCommand(kCmdRightButton).action, 6);
  EXPECT_EQ(MouseFormForCommand(kCmdMiddleButton).action, 10);
  EXPECT_EQ(MouseFormForCommand(kCmdMouseWheel).action, 14);
  ExpectCommand(AcceptMouse(MouseFormOf(MouseData{3, 4, 0, 1, true})), "<MMW:00003,00004>");
  ExpectCommand(AcceptMouse(MouseFormOf(MouseData{0, 0, 12, 15, false})), "<WBW:012>");
}

TEST(MouseEnablesOf, TheFieldsOfTheChosenAction) {
  EXPECT_TRUE(EnablesOfMouse(1).relative);
  EXPECT_TRUE(EnablesOfMouse(1).position);
  EXPECT_FALSE(EnablesOfMouse(1).clicks);
  EXPECT_TRUE(EnablesOfMouse(15).clicks);
  EXPECT_FALSE(EnablesOfMouse(15).position);
  EXPECT_FALSE(EnablesOfMouse(2).relative);
  EXPECT_FALSE(EnablesOfMouse(2).clicks);
}

// ---- "Keys Up Or Down"

TEST(KeyUpDown, EachCodeMakesItsTagAndCommand) {
  const char* const tags[] = {"<CTLD>", "<CTLU>", "<ALTD>", "<ALTU>",
                              "<SHFD>", "<SHFU>", "<WIND>", "<WINU>"};
  for (int code = 1; code <= 8; ++code) {
    const auto outcome = AcceptKeyUpDown(code);
    ExpectCommand(outcome, tags[code - 1]);
    EXPECT_EQ(outcome.result->command, kCmdControlKey + (code - 1) / 2);
  }
}

TEST(KeyUpDown, WithoutAChoiceTheDialogStaysOpenSilently) {
  const auto outcome = AcceptKeyUpDown(0);
  EXPECT_FALSE(outcome.Accepted());
  EXPECT_TRUE(outcome.message.empty());
}

TEST(KeyUpDown, TheScriptingEditorPresetsTheKeysDown) {
  EXPECT_EQ(KeyCodeForCommand(kCmdControlKey), 1);
  EXPECT_EQ(KeyCodeForCommand(kCmdAltKey), 3);
  EXPECT_EQ(KeyCodeForCommand(kCmdShiftKey), 5);
  EXPECT_EQ(KeyCodeForCommand(kCmdWinKey), 7);
  EXPECT_EQ(KeyCodeForCommand(kCmdText), 0);
}

}  // namespace
}  // namespace quindle::editors
