#include "editors/launch_dialog_model.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::FakePathChecks;
using testing_support::ReadBackCommand;
using testing_support::WrittenBack;

constexpr const char* kLongPath = "C:\\Program Files\\App\\app.exe";
constexpr const char* kShortPath = "C:\\PROGRA~1\\APP\\app.exe";

FakePathChecks Disk() {
  FakePathChecks checks;
  checks.shortForms[kLongPath] = kShortPath;
  checks.files.insert(kShortPath);
  checks.files.insert("C:\\NOTE.EXE");
  return checks;
}

ActiveForm Form(ActiveKind kind, const char* title, const char* path, const char* parameters = "",
                const char* delay = "") {
  return ActiveForm{kind, title, path, parameters, delay};
}

struct AcceptCase {
  const char* name;
  ActiveForm form;
  const char* text;  // nullptr: refused
  std::string_view message = {};
  ActiveField focus = ActiveField::Kind;
};

class ActiveAccept : public testing::TestWithParam<AcceptCase> {};

TEST_P(ActiveAccept, MakesTheTagOrNamesTheFieldInError) {
  const AcceptCase& c = GetParam();
  FakePathChecks checks = Disk();
  const auto outcome = AcceptActive(c.form, checks);
  if (c.text == nullptr) {
    ASSERT_FALSE(outcome.Accepted());
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.caption, kErrorCaption);
    EXPECT_EQ(outcome.focus, c.focus);
    EXPECT_FALSE(outcome.question);
    return;
  }
  ASSERT_TRUE(outcome.Accepted()) << outcome.message;
  const CommandResult& result = *outcome.result;
  EXPECT_EQ(result.text, c.text);
  EXPECT_EQ(result.kind, static_cast<int>(c.form.kind));
  EXPECT_EQ(WrittenBack(result), result.text);
  EXPECT_EQ(ReadBackCommand(result), result.command);
}

using K = ActiveKind;
using F = ActiveField;

INSTANTIATE_TEST_SUITE_P(
    Results, ActiveAccept,
    testing::Values(
        AcceptCase{"activate", Form(K::Activate, "  Notepad ", ""), "<ACTIVATE:Notepad>"},
        // The path of a window that is only activated is not looked at.
        AcceptCase{"activate_ignores_path", Form(K::Activate, "Calc", "C:\\missing.exe"),
                   "<ACTIVATE:Calc>"},
        AcceptCase{"activate_title_with_lt", Form(K::Activate, "a<b", ""), "<ACTIVATE:a<b>"},
        AcceptCase{"launch_without_title", Form(K::Launch, "", kLongPath),
                   "<LAUNCH:C:\\PROGRA~1\\APP\\app.exe>"},
        AcceptCase{"launch_with_parameters", Form(K::Launch, "", kLongPath, " /x "),
                   "<LAUNCH:C:\\PROGRA~1\\APP\\app.exe<PARAM>/x>"},
        AcceptCase{"launch_and_activate", Form(K::LaunchAndActivate, "Note", "C:\\NOTE.EXE"),
                   "<LAUNCHNO:00Note<LAUNCH:C:\\NOTE.EXE>"},
        AcceptCase{"delay_five", Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "5"),
                   "<LAUNCHYES:05Note<LAUNCH:C:\\NOTE.EXE>"},
        AcceptCase{"delay_zero", Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "0"),
                   "<LAUNCHYES:00Note<LAUNCH:C:\\NOTE.EXE>"},
        AcceptCase{"delay_99", Form(K::LaunchAndActivate, "Note", "C:\\NOTE.EXE", "-p", "99"),
                   "<LAUNCHNO:99Note<LAUNCH:C:\\NOTE.EXE<PARAM>-p>"},
        // Not a number: its leading digits, none being 0.
        AcceptCase{"delay_letters", Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "x"),
                   "<LAUNCHYES:00Note<LAUNCH:C:\\NOTE.EXE>"},
        AcceptCase{"delay_digit_letter",
                   Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "7x"),
                   "<LAUNCHYES:07Note<LAUNCH:C:\\NOTE.EXE>"},
        // The field holds two characters; a longer text cannot widen the tag.
        AcceptCase{"delay_overlong", Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "123"),
                   "<LAUNCHYES:12Note<LAUNCH:C:\\NOTE.EXE>"}),
    testing_support::CaseName());

INSTANTIATE_TEST_SUITE_P(
    Refusals, ActiveAccept,
    testing::Values(
        AcceptCase{"activate_empty", Form(K::Activate, "   ", ""), nullptr, kNoWindowTitleEntry,
                   F::WinTitle},
        AcceptCase{"launch_activate_empty", Form(K::LaunchAndActivate, "", "C:\\NOTE.EXE"), nullptr,
                   kNoWindowTitleEntry, F::WinTitle},
        // The title is checked before the path.
        AcceptCase{"either_empty_title_first", Form(K::ActivateOrLaunch, "", "C:\\nothing"),
                   nullptr, kNoWindowTitleEntry, F::WinTitle},
        AcceptCase{"missing_program", Form(K::Launch, "", "C:\\nothing.exe"), nullptr,
                   kNoSuchProgram, F::ProgPath},
        AcceptCase{"empty_program", Form(K::ActivateOrLaunch, "Note", "  "), nullptr,
                   kNoSuchProgram, F::ProgPath},
        // The path is checked before the delay.
        AcceptCase{"missing_program_before_delay",
                   Form(K::ActivateOrLaunch, "Note", "C:\\nothing.exe", "", "-1"), nullptr,
                   kNoSuchProgram, F::ProgPath},
        AcceptCase{"negative_delay", Form(K::ActivateOrLaunch, "Note", "C:\\NOTE.EXE", "", "-1"),
                   nullptr, kGreaterThanZero, F::DelaySecs},
        AcceptCase{"title_with_tag_end", Form(K::Activate, "a>b", ""), nullptr, kNoTagEndMessage,
                   F::WinTitle},
        AcceptCase{"title_with_tag_start", Form(K::ActivateOrLaunch, "a<b", "C:\\NOTE.EXE"),
                   nullptr, kNoTagStartMessage, F::WinTitle},
        AcceptCase{"parameters_with_tag_end", Form(K::Launch, "", "C:\\NOTE.EXE", "a>b"), nullptr,
                   kNoTagEndMessage, F::Params}),
    testing_support::CaseName());

TEST(ActiveAcceptData, CarriesTheValuesOfTheLine) {
  FakePathChecks checks = Disk();
  const auto outcome =
      AcceptActive(Form(K::ActivateOrLaunch, " Note ", kLongPath, " /x ", " 5 "), checks);
  ASSERT_TRUE(outcome.Accepted());
  EXPECT_EQ(outcome.result->command, kCmdActivateOrLaunch);
  const auto* data = std::get_if<LaunchData>(&outcome.result->data);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->kind, 4);
  EXPECT_EQ(data->title, "Note");
  EXPECT_EQ(data->path, kShortPath);
  EXPECT_EQ(data->parameters, "/x");
  EXPECT_EQ(data->delay, 5);
}

struct LayoutCase {
  ActiveKind kind;
  bool windowPanel;
  bool programPanel;
  int buttonRowTop;
  int clientHeight;
  ActiveField firstFocus;
};

class ActiveLayouts : public testing::TestWithParam<LayoutCase> {};

TEST_P(ActiveLayouts, ShowThePanelsOfTheKind) {
  const LayoutCase& c = GetParam();
  const ActiveLayout layout = LayoutOfActive(c.kind);
  EXPECT_EQ(layout.windowPanel, c.windowPanel);
  EXPECT_EQ(layout.programPanel, c.programPanel);
  EXPECT_EQ(layout.buttonRowTop, c.buttonRowTop);
  EXPECT_EQ(layout.clientHeight, c.clientHeight);
  EXPECT_EQ(FirstFocusOfActive(c.kind), c.firstFocus);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ActiveLayouts,
    testing::Values(LayoutCase{K::Activate, true, false, 190, 214, F::WinTitle},
                    LayoutCase{K::Launch, false, true, 273, 297, F::ProgPath},
                    LayoutCase{K::LaunchAndActivate, true, true, 341, 365, F::WinTitle},
                    LayoutCase{K::ActivateOrLaunch, true, true, 341, 365, F::WinTitle}));

TEST(ActivePresets, DirectModeChoosesActivateOrLaunch) {
  EXPECT_EQ(DirectActiveForm().kind, K::ActivateOrLaunch);
}

TEST(ActivePresets, TheScriptingEditorsCommandChoosesItsKind) {
  EXPECT_EQ(ActiveFormForCommand(kCmdActivateWindow).kind, K::Activate);
  EXPECT_EQ(ActiveFormForCommand(kCmdLaunchProgram).kind, K::Launch);
  EXPECT_EQ(ActiveFormForCommand(kCmdLaunchAndActivate).kind, K::LaunchAndActivate);
  EXPECT_EQ(ActiveFormForCommand(kCmdActivateOrLaunch).kind, K::ActivateOrLaunch);
}

TEST(ActivePresets, AnEditedLineRefillsTheFieldsAndGivesItsTagAgain) {
  const LaunchData data{3, "Note", "C:\\NOTE.EXE", "-p", 7};
  const ActiveForm form = ActiveFormOf(kCmdLaunchAndActivate, data);
  EXPECT_EQ(form.kind, K::LaunchAndActivate);
  EXPECT_EQ(form.title, "Note");
  EXPECT_EQ(form.path, "C:\\NOTE.EXE");
  EXPECT_EQ(form.parameters, "-p");
  EXPECT_EQ(form.delay, "7");
  FakePathChecks checks = Disk();
  const auto outcome = AcceptActive(form, checks);
  ASSERT_TRUE(outcome.Accepted());
  EXPECT_EQ(outcome.result->text, WriteBack({ScriptLine{"Launch and Activate", data}}));
}

}  // namespace
}  // namespace quindle::editors
