#include "editors/chooser_dialog_models.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::ExpectCommand;
using testing_support::ExpectRefusal;

// ---- "Insert Symbol"

struct CellCase {
  int column;
  int row;
  int symbol;
};

class SymbolCells : public testing::TestWithParam<CellCase> {};

TEST_P(SymbolCells, RunColumnByColumnFrom128) {
  const CellCase& c = GetParam();
  EXPECT_EQ(SymbolAt(c.column, c.row), static_cast<unsigned char>(c.symbol));
  const auto cell = CellOfSymbol(static_cast<unsigned char>(c.symbol));
  ASSERT_TRUE(cell.has_value());
  EXPECT_EQ(cell->column, c.column);
  EXPECT_EQ(cell->row, c.row);
}

INSTANTIATE_TEST_SUITE_P(Grid, SymbolCells,
                         testing::Values(CellCase{0, 0, 128}, CellCase{0, 7, 135},
                                         CellCase{1, 0, 136}, CellCase{2, 3, 147},
                                         CellCase{15, 7, 255}));

TEST(SymbolGrid, HasNoCellsOutsideItsSixteenColumnsAndEightRows) {
  EXPECT_EQ(SymbolAt(16, 0), std::nullopt);
  EXPECT_EQ(SymbolAt(0, 8), std::nullopt);
  EXPECT_EQ(SymbolAt(-1, 0), std::nullopt);
  EXPECT_EQ(SymbolAt(0, -1), std::nullopt);
  EXPECT_EQ(CellOfSymbol(127), std::nullopt);
}

TEST(SymbolAccept, YieldsTheCharacterAsText) {
  const auto outcome = AcceptSymbol(1, 0);
  ExpectCommand(outcome, "\x88");
  EXPECT_EQ(outcome.result->command, kCmdText);
  EXPECT_FALSE(AcceptSymbol(16, 0).Accepted());
}

// ---- "Set Title" / "Set Program"

TEST(SpecWindModes, NameTheirTexts) {
  const SpecWindTexts window = TextsOfSpecWind(SpecWindMode::Window);
  EXPECT_EQ(window.caption, "Set Title");
  EXPECT_EQ(window.nameLabel, "Window Title (may be partial title)");
  EXPECT_EQ(window.listLabel, "List of Windows currently running");
  EXPECT_EQ(window.onTopText, "Run Macro If Window On Top");
  EXPECT_EQ(window.runningText, "Run Macro If Window Running");
  const SpecWindTexts program = TextsOfSpecWind(SpecWindMode::Program);
  EXPECT_EQ(program.caption, "Set Program");
  EXPECT_EQ(program.nameLabel, "Program Name (may be partial name)");
  EXPECT_EQ(program.listLabel, "List of Programs currently running");
  EXPECT_EQ(program.onTopText, "Run Macro If Program On Top");
  EXPECT_EQ(program.runningText, "Run Macro If Program Running");
}

TEST(SpecWindList, ShowsTitlesThatAreNotBlankAndProgramsOfExeFiles) {
  EXPECT_TRUE(ListsWindowTitle("Untitled - Notepad"));
  EXPECT_FALSE(ListsWindowTitle(""));
  EXPECT_FALSE(ListsWindowTitle("   "));
  EXPECT_TRUE(ListsProgramName("NOTEPAD.EXE"));
  EXPECT_TRUE(ListsProgramName("notepad.exe"));
  EXPECT_FALSE(ListsProgramName("System"));
  EXPECT_EQ(NameOfListEntry("A window title of thirty chars"), "A window title of th");
  EXPECT_EQ(NameOfListEntry("Short"), "Short");
}

TEST(SpecWindAccept, TakesTheTrimmedNameAndTheOnTopChoice) {
  const auto outcome =
      AcceptSpecWind(SpecWindForm{SpecWindMode::Window, "  Notepad ", std::nullopt, false});
  ASSERT_TRUE(outcome.Accepted());
  EXPECT_EQ(outcome.result->name, "Notepad");
  EXPECT_FALSE(outcome.result->onTop);
}

TEST(SpecWindAccept, AnEmptyNameWithNothingHighlightedIsRefused) {
  ExpectRefusal(AcceptSpecWind(SpecWindForm{SpecWindMode::Window, " ", std::nullopt, true}),
                "No window title has been entered.  Please correct.", SpecWindField::TheTitle);
  ExpectRefusal(AcceptSpecWind(SpecWindForm{SpecWindMode::Program, "", std::nullopt, true}),
                "No program name has been entered.  Please correct.", SpecWindField::TheTitle);
}

TEST(SpecWindAccept, AnEmptyNameOffersTheHighlightedEntry) {
  const SpecWindForm form{SpecWindMode::Program, "", "WORDPAD.EXE", true};
  const auto asked = AcceptSpecWind(form);
  ASSERT_FALSE(asked.Accepted());
  EXPECT_TRUE(asked.question);
  EXPECT_EQ(asked.caption, kErrorCaption);
  EXPECT_EQ(asked.message,
            "No program name has been entered.  \"WORDPAD.EXE\" is currently highlighted.  Would "
            "you like to use it?");

  const auto yes = AcceptSpecWind(form, Answer::Yes);
  ASSERT_TRUE(yes.Accepted());
  EXPECT_EQ(yes.result->name, "WORDPAD.EXE");
  EXPECT_TRUE(yes.result->onTop);

  const auto no = AcceptSpecWind(form, Answer::No);
  EXPECT_FALSE(no.Accepted());
  EXPECT_TRUE(no.message.empty());
  EXPECT_EQ(no.focus, SpecWindField::TheTitle);
}

TEST(SpecWindAccept, YesTakesAsMuchOfTheEntryAsTheNameHolds) {
  const SpecWindForm form{SpecWindMode::Window, "", "Document1 - Microsoft Word", true};
  EXPECT_EQ(AcceptSpecWind(form).message,
            "No window title has been entered.  \"Document1 - Microsoft Word\" is currently "
            "highlighted.  Would you like to use it?");
  EXPECT_EQ(AcceptSpecWind(form, Answer::Yes).result->name, "Document1 - Microsof");
}

}  // namespace
}  // namespace quindle::editors
