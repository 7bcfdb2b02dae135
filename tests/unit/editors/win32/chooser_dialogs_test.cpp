// The dialogs that choose from a list, as real windows: the date and time formats with their
// remembered choices, "Insert Symbol" with its keypad sequence, and the window/program chooser
// with its question about the highlighted entry.
#include <gtest/gtest.h>

#include "editors/chooser_dialog_models.h"
#include "editors/text_dialog_models.h"
#include "editors/timing_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "editors/win32/dialog_steps.h"
#include "editors/win32/scope_chooser_dialog.h"
#include "editors/win32/symbol_dialog.h"

namespace quindle::editors::win32 {
namespace {

using namespace testing;

LRESULT SendTo(const char* caption, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return ::SendMessageA(Item(caption, id), message, wParam, lParam);
}

std::string RowText(const char* caption, int id, int row) {
  char text[256] = {};
  SendTo(caption, id, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
  return text;
}

// A double click on the selected row of list `id`, as the list reports it.
void DoubleClick(const char* caption, int id) {
  ::SendMessageA(FindShown(caption), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(Item(caption, id)));
}

TEST(DateTimeDialog, ANewDateOpensOnTheRememberedChoicesAndOkRemembersTheNewOnes) {
  DateTimeMemory memory;
  memory.dateFormat = 4;
  memory.dateNoLeadingZeros = true;
  memory.timeFormat = 7;
  int rows = 0;
  int selected = -1;
  std::string firstRow;
  bool zerosChecked = false;
  bool futureChecked = false;
  std::string days;
  std::size_t daysLimit = 0;
  CommandOutcome result;
  const bool driven = RunSteps(
      "Dates",
      {When("Dates",
            [&] {
              rows = static_cast<int>(SendTo("Dates", IDC_DT_FORMATS, LB_GETCOUNT));
              selected = static_cast<int>(SendTo("Dates", IDC_DT_FORMATS, LB_GETCURSEL));
              firstRow = RowText("Dates", IDC_DT_FORMATS, 0);
              zerosChecked = Checked("Dates", IDC_DT_NO_ZEROS);
              futureChecked = Checked("Dates", IDC_DT_FUTURE);
              days = Text("Dates", IDC_DT_DAYS);
              daysLimit = static_cast<std::size_t>(SendTo("Dates", IDC_DT_DAYS, EM_GETLIMITTEXT));
              SendTo("Dates", IDC_DT_FORMATS, LB_SETCURSEL, 0);
              Click("Dates", IDC_DT_NO_ZEROS);
              Click("Dates", IDC_DT_PAST);
              Type("Dates", IDC_DT_DAYS, "5");
            }),
       Press("Dates")},
      [&] {
        result = RunDateTimeDialog(nullptr, {kCmdDate, nullptr, false}, memory);
      });
  ASSERT_TRUE(driven);
  EXPECT_EQ(rows, FormatCount(true));
  EXPECT_EQ(selected, 3);
  EXPECT_EQ(firstRow, FormatName(true, 1));
  EXPECT_TRUE(zerosChecked);
  EXPECT_TRUE(futureChecked);
  EXPECT_EQ(days, "0");
  EXPECT_EQ(daysLimit, kDaysLimit);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<" + std::string(FormatName(true, 1)) + "{YP005}>");
  EXPECT_EQ(memory.dateFormat, 1);
  EXPECT_FALSE(memory.dateNoLeadingZeros);
  EXPECT_EQ(memory.timeFormat, 7) << "the time's memory is another's";
}

TEST(DateTimeDialog, TheTimeHidesTheDaysAndWithoutAFormatOkStaysOpen) {
  DateTimeMemory memory;
  int rows = 0;
  bool daysShown = true;
  bool openAfterOk = false;
  bool listFocused = false;
  CommandOutcome result;
  const bool driven =
      RunSteps("Times",
               {When("Times",
                     [&] {
                       rows = static_cast<int>(SendTo("Times", IDC_DT_FORMATS, LB_GETCOUNT));
                       daysShown = Visible("Times", IDC_DT_DAYS) || Visible("Times", IDC_DT_PAST);
                       SendTo("Times", IDC_DT_FORMATS, LB_SETCURSEL, static_cast<WPARAM>(-1));
                     }),
                Press("Times"),
                When("Times",
                     [&] {
                       openAfterOk = true;
                       listFocused = ::GetFocus() == Item("Times", IDC_DT_FORMATS);
                       SendTo("Times", IDC_DT_FORMATS, LB_SETCURSEL, 4);
                       Click("Times", IDC_DT_NO_ZEROS);
                     }),
                Press("Times")},
               [&] {
                 result = RunDateTimeDialog(nullptr, {kCmdTime, nullptr, false}, memory);
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(rows, FormatCount(false));
  EXPECT_FALSE(daysShown);
  EXPECT_TRUE(openAfterOk);
  EXPECT_TRUE(listFocused);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<" + std::string(FormatName(false, 5)) + "{N}>");
  EXPECT_EQ(memory.timeFormat, 5);
  EXPECT_TRUE(memory.timeNoLeadingZeros);
}

constexpr const char* kSymbol = "Insert Symbol";
constexpr const char* kKeypad = "Alt Keypad Sequence";

TEST(SymbolDialog, TheGridRunsColumnByColumnAndOkInsertsTheCharacter) {
  int rows = 0;
  RECT first{};
  RECT ninth{};
  std::optional<std::string> result;
  const bool driven = RunSteps(
      kSymbol,
      {When(kSymbol,
            [&] {
              rows = static_cast<int>(SendTo(kSymbol, IDC_SY_GRID, LB_GETCOUNT));
              SendTo(kSymbol, IDC_SY_GRID, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
              SendTo(kSymbol, IDC_SY_GRID, LB_GETITEMRECT, 8, reinterpret_cast<LPARAM>(&ninth));
              SendTo(kSymbol, IDC_SY_GRID, LB_SETCURSEL, 8);
            }),
       Press(kSymbol)},
      [&] { result = RunSymbolDialog(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(rows, kSymbolColumns * kSymbolRows);
  EXPECT_EQ(ninth.top, first.top) << "the ninth character starts the second column";
  EXPECT_GT(ninth.left, first.left);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, std::string(1, static_cast<char>(136)));
}

TEST(SymbolDialog, ADoubleClickInsertsTheLastCharacter) {
  std::optional<std::string> result;
  const bool driven = RunSteps(kSymbol,
                               {When(kSymbol,
                                     [] {
                                       SendTo(kSymbol, IDC_SY_GRID, LB_SETCURSEL, 127);
                                       DoubleClick(kSymbol, IDC_SY_GRID);
                                     })},
                               [&] { result = RunSymbolDialog(nullptr); });
  ASSERT_TRUE(driven);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, std::string(1, static_cast<char>(255)));
}

TEST(SymbolDialog, TheKeypadSequenceRefusesLettersAndInsertsItsTag) {
  std::size_t limit = 0;
  std::string message;
  bool focused = false;
  std::optional<std::string> result;
  const bool driven = RunSteps(
      kSymbol,
      {Press(kSymbol, IDC_SY_ALT),
       When(kKeypad,
            [&] {
              limit = static_cast<std::size_t>(SendTo(kKeypad, IDC_AK_VALUE, EM_GETLIMITTEXT));
              Type(kKeypad, IDC_AK_VALUE, "6a");
            }),
       Press(kKeypad), Answer("Error", message), FocusBack(kKeypad, "Error", IDC_AK_VALUE, focused),
       When(kKeypad, [] { Type(kKeypad, IDC_AK_VALUE, "65"); }), Press(kKeypad)},
      [&] { result = RunSymbolDialog(nullptr); });
  ASSERT_TRUE(driven);
  EXPECT_EQ(limit, TextsOfDelayMode(DelayMode::AltKeypad).limit);
  EXPECT_EQ(message, kAltNotNumeric);
  EXPECT_TRUE(focused);
  ASSERT_TRUE(result);
  EXPECT_EQ(*result, "<ALT:065>");
}

TEST(ScopeChooser, AnEmptyTitleIsRefusedAndTheHighlightedWindowOffered) {
  int rows = 0;
  std::string firstRow;
  std::string refusal;
  std::string question;
  std::optional<ScopeChoice> result;
  const bool driven =
      RunSteps("Set Title",
               {When("Set Title",
                     [&] {
                       rows = static_cast<int>(SendTo("Set Title", IDC_SC_LIST, LB_GETCOUNT));
                       firstRow = RowText("Set Title", IDC_SC_LIST, 0);
                       Type("Set Title", IDC_SC_NAME, "   ");
                     }),
                Press("Set Title"), Answer("Error", refusal),
                When("Set Title", [] { SendTo("Set Title", IDC_SC_LIST, LB_SETCURSEL, 0); }),
                Press("Set Title"), Answer("Error", question, IDYES)},
               [&] {
                 result = RunScopeChooser(nullptr, true, "Old", true,
                                          {"Notepad - a.txt", "  ", "Calculator"});
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(rows, 2) << "blank titles are not listed";
  EXPECT_EQ(firstRow, "Calculator") << "the list is sorted";
  EXPECT_EQ(refusal, "No window title has been entered.  Please correct.");
  EXPECT_EQ(question,
            "No window title has been entered.  \"Calculator\" is currently highlighted.  Would "
            "you like to use it?");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->name, "Calculator");
  EXPECT_TRUE(result->onTop);
}

TEST(ScopeChooser, ProgramsWithExeAreListedAndADoubleClickCopiesTheName) {
  int rows = 0;
  bool runningChecked = false;
  std::string current;
  std::size_t limit = 0;
  std::string copied;
  std::optional<ScopeChoice> result;
  const bool driven = RunSteps(
      "Set Program",
      {When("Set Program",
            [&] {
              rows = static_cast<int>(SendTo("Set Program", IDC_SC_LIST, LB_GETCOUNT));
              runningChecked = Checked("Set Program", IDC_SC_RUNNING);
              current = Text("Set Program", IDC_SC_NAME);
              limit = static_cast<std::size_t>(SendTo("Set Program", IDC_SC_NAME, EM_GETLIMITTEXT));
              SendTo("Set Program", IDC_SC_LIST, LB_SETCURSEL, 0);
              DoubleClick("Set Program", IDC_SC_LIST);
              copied = Text("Set Program", IDC_SC_NAME);
              Click("Set Program", IDC_SC_ON_TOP);
            }),
       Press("Set Program")},
      [&] {
        result = RunScopeChooser(nullptr, false, "WORD.EXE", false,
                                 {"NOTEPAD.EXE", "svchost", "averyveryverylongname.exe"});
      });
  ASSERT_TRUE(driven);
  EXPECT_EQ(rows, 2);
  EXPECT_TRUE(runningChecked);
  EXPECT_EQ(current, "WORD.EXE");
  EXPECT_EQ(limit, kSpecWindNameLimit);
  EXPECT_EQ(copied, "averyveryverylongnam") << "the first 20 characters of the entry";
  ASSERT_TRUE(result);
  EXPECT_EQ(result->name, "averyveryverylongnam");
  EXPECT_TRUE(result->onTop);
}

}  // namespace
}  // namespace quindle::editors::win32
