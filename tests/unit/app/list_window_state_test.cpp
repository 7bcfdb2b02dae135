#include "app/list_window_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::app {
namespace {

using Op = ListOperation;

MacroListEntry Macro(std::uint16_t hotkey, std::int16_t scope, bool enabled = true) {
  return {hotkey, "", "m", scope, "", enabled};
}

// The enabled operations as letters: S scripting, M modify, C recapture, N rename, Y copy,
// V activate, R remove, Q quick info.
std::string EnabledLetters(const ListButtonState& s) {
  const std::string letters = "SMCNYVRQ";
  std::string out;
  for (std::size_t i = 0; i < kListOperationCount; ++i)
    if (s.enabled[i]) out += letters[i];
  return out;
}

TEST(ListButtonStateTest, WhatEachMacroAndModeOffers) {
  const MacroListEntry hotkey = Macro(5, storage::ScopeGlobal);
  const MacroListEntry timed = Macro(storage::kActivationTimed, storage::ScopeWindow);
  const MacroListEntry popup = Macro(7, storage::ScopePopupMenu);
  const MacroListEntry system = Macro(262, storage::ScopeSystem);
  struct Case {
    std::string what;
    const MacroListEntry* selected;
    BrowseMode mode;
    std::string enabled;
  };
  const std::vector<Case> cases{
      {"no macro selected", nullptr, BrowseMode::None, ""},
      {"a hotkey macro", &hotkey, BrowseMode::None, "SMCNYVRQ"},
      {"a timed macro cannot be recaptured", &timed, BrowseMode::None, "SMNYVRQ"},
      {"a popup menu: neither recapture nor scripting", &popup, BrowseMode::None, "MNYVRQ"},
      {"a system macro: rename and quick info only", &system, BrowseMode::None, "NQ"},
      {"Browse Mode: quick info only", &hotkey, BrowseMode::Browse, "Q"},
      {"Browse All Mode: nothing", &hotkey, BrowseMode::BrowseAll, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EnabledLetters(ButtonStateFor(c.selected, c.mode)), c.enabled) << c.what;
}

TEST(ListButtonStateTest, CaptionsAndHintsFollowTheMacro) {
  const MacroListEntry popup = Macro(7, storage::ScopePopupMenu, false);
  const ListButtonState forPopup = ButtonStateFor(&popup, BrowseMode::None);
  EXPECT_EQ(forPopup.modifyCaption, "Mo&dify Popup Menu");
  EXPECT_EQ(forPopup.modifyHint, "Modify Macro Popup Menu");
  EXPECT_EQ(forPopup.activateCaption, "Acti&vate Macro");
  EXPECT_EQ(forPopup.activateHint, "Activate Macro");
  const MacroListEntry on = Macro(7, storage::ScopeGlobal, true);
  const ListButtonState forOn = ButtonStateFor(&on, BrowseMode::Browse);
  EXPECT_EQ(forOn.modifyCaption, "Modify &Directly");
  EXPECT_EQ(forOn.modifyHint, "Modify Macro Directly");
  EXPECT_EQ(forOn.activateCaption, "Deacti&vate Macro");
  EXPECT_EQ(forOn.activateHint, "Deactivate Macro");
  EXPECT_TRUE(forOn.Enabled(Op::QuickInfo));
}

TEST(MainCaptionTest, FileNameDateAndBrowseModes) {
  EXPECT_EQ(MainCaption("C:\\Macros\\WORK.QNL", false, "", BrowseMode::None), "Quindle 98 (WORK)");
  EXPECT_EQ(MainCaption("C:\\Macros\\WORK.QNL", true, "12/24/98  9:05 AM", BrowseMode::None),
            "Quindle 98 (WORK)     12/24/98  9:05 AM");
  EXPECT_EQ(MainCaption("WORK.QNL", false, "", BrowseMode::Browse),
            "Quindle 98 (WORK)    (Browse Mode)");
  EXPECT_EQ(MainCaption("D:/a.qnl", false, "", BrowseMode::BrowseAll),
            "Quindle 98 (a)    (Browse All Mode)");
  EXPECT_EQ(MainCaption("C:\\Q.Q", false, "", BrowseMode::None), "Quindle 98 ()");
}

TEST(LastFilesTest, DoLastFilesAndTheMenu) {
  using Files = std::array<std::string, kLastFileCount>;
  struct Case {
    std::string what;
    Files before;
    std::string previous, opened;
    Files after;
  };
  const std::vector<Case> cases{
      {"A to B: A on top, B out of the list",
       {"B", "C", "", "", ""},
       "A",
       "B",
       {"A", "C", "", "", ""}},
      {"the fifth drops out", {"1", "2", "3", "4", "5"}, "A", "B", {"A", "1", "2", "3", "4"}},
      {"B found in the middle, without regard to case",
       {"1", "b", "3", "4", "5"},
       "A",
       "B",
       {"A", "1", "3", "4", "5"}},
      {"the previous file is listed once",
       {"1", "A", "3", "", ""},
       "a",
       "B",
       {"a", "1", "3", "", ""}},
      {"no previous file: nothing enters", {"B", "1", "", "", ""}, "", "B", {"1", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    Files files = c.before;
    DoLastFiles(files, c.previous, c.opened);
    EXPECT_EQ(files, c.after) << c.what;
  }

  const LastFilesMenu menu = LastFilesMenuOf({"C:\\A.QNL", "", "C:\\B.QNL", "", ""});
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_EQ(menu.entries[0].text, "&1   C:\\A.QNL");
  EXPECT_EQ(menu.entries[2].text, "&3   C:\\B.QNL");
  EXPECT_TRUE(menu.entries[0].visible);
  EXPECT_FALSE(menu.entries[1].visible);
  EXPECT_FALSE(LastFilesMenuOf({}).separatorVisible);
}

// The cells' text is cut by the grid's FitToCell (tests/unit/ui/grid/text_fit_test.cpp).
TEST(ListDrawingTest, RowHeight) {
  EXPECT_EQ(ListRowHeight(16), 18);
  EXPECT_EQ(ListRowHeight(10), 11);
}

}  // namespace
}  // namespace quindle::app
