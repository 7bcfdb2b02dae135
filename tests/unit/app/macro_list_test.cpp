#include "app/macro_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/list_type_ahead.h"
#include "platform/virtual_keys.h"
#include "storage/table_lock.h"
#include "support/in_process_table.h"

namespace quindle::app {
namespace {

using storage::kActivationTimed;
using storage::kActivationTyplet;

MacroListEntry Hotkey(int code, std::string name, std::int16_t scope = storage::ScopeGlobal,
                      std::string scopeText = "") {
  return {static_cast<std::uint16_t>(code), "", std::move(name), scope, std::move(scopeText), true};
}
MacroListEntry Typlet(std::string typlet, std::string name) {
  return {kActivationTyplet, std::move(typlet), std::move(name), storage::ScopeGlobal, "", true};
}
MacroListEntry Timed(std::string name) {
  return {kActivationTimed, "", std::move(name), storage::ScopeGlobal, "", true};
}

std::vector<std::string> NamesInOrder(const MacroList& list) {
  std::vector<std::string> names;
  for (int row = 1; row <= list.Count(); ++row) names.push_back(list.CellText(row, 2));
  return names;
}

TEST(MacroListSortTest, TheThreeSettingsGiveTheOrder) {
  struct Case {
    std::string what;
    SortSettings sort;
    MacroSnapshot macros;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases{
      {"defaults: hot keys by name, then Typlets upper-cased, then timed",
       {},
       {Timed("t"), Typlet("zed", "z"), Hotkey(288, "f1"), Typlet("Abc", "a"), Hotkey(0, "ca")},
       {"ca", "f1", "a", "z", "t"}},
      {"Activation Sort 3,1,2: timed first, then hot keys, then Typlets",
       {"123", "312", "12345"},
       {Typlet("ab", "typlet"), Hotkey(0, "hotkey"), Timed("timed")},
       {"timed", "hotkey", "typlet"}},
      {"a nickname that begins a longer one comes first, whatever the activation after it",
       {"213", "123", "12345"},
       {Hotkey(288, "AA"), Hotkey(0, "A"), Hotkey(288, "a")},
       {"A", "a", "AA"}},
      {"Scope Sort 5,4,3,2,1 with the scope first; scope texts upper-cased",
       {"312", "123", "54321"},
       {Hotkey(0, "global"), Hotkey(0, "winB", storage::ScopeWindow, "beta"),
        Hotkey(0, "system", storage::ScopeSystem), Hotkey(0, "winA", storage::ScopeWindow, "Alpha"),
        Hotkey(0, "menu", storage::ScopePopupMenu), Hotkey(0, "prog", storage::ScopeProgram, "X")},
       {"system", "menu", "prog", "winA", "winB", "global"}},
      {"a sort setting that is no permutation counts as the default",
       {"11", "9", "123"},
       {Timed("t"), Hotkey(0, "h")},
       {"h", "t"}},
  };
  for (const Case& c : cases) {
    MacroList list;
    list.Refill(c.macros, c.sort);
    EXPECT_EQ(NamesInOrder(list), c.expected) << c.what;
  }
}

TEST(MacroListSortTest, PrimarySort213OrdersByNicknameThenActivationThenScope) {
  MacroList list;
  list.Refill({Hotkey(288, "b"), Typlet("x", "a"), Hotkey(0, "b"),
               Hotkey(0, "a", storage::ScopeWindow, "W"), Hotkey(0, "a")},
              {"213", "123", "12345"});
  std::vector<std::string> rows;
  for (int row = 1; row <= list.Count(); ++row)
    rows.push_back(list.CellText(row, 2) + "|" + list.CellText(row, 1) + "|" +
                   list.CellText(row, 3));
  EXPECT_EQ(rows, (std::vector<std::string>{"a|Ctrl+A|GLOBAL", "a|Ctrl+A|Window: W", "a|x|GLOBAL",
                                            "b|Ctrl+A|GLOBAL", "b|F1|GLOBAL"}));
}

TEST(MacroListSortTest, RowsMapToMacroNumbersBothWays) {
  MacroList list;
  list.Refill({Hotkey(288, "second"), Hotkey(0, "first")}, {});
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.MacroAt(1), 2);
  EXPECT_EQ(list.MacroAt(2), 1);
  EXPECT_EQ(list.MacroAt(0), 0);
  EXPECT_EQ(list.MacroAt(3), 0);
  EXPECT_EQ(list.ReverseSort(1), 2);
  EXPECT_EQ(list.ReverseSort(2), 1);
  EXPECT_EQ(list.ReverseSort(3), -1);
}

TEST(MacroListCellsTest, TitlesRowNumbersAndColumnTexts) {
  MacroListEntry off = Hotkey(0, "Sig", storage::ScopeProgram, "NOTEPAD.EXE");
  off.enabled = false;
  MacroList list;
  list.Refill({off, Typlet("addr", "Address"), Timed("Tick")}, {});
  const std::vector<std::vector<std::string>> expected{
      {"", "Activation", "Nickname", "Scope"},
      {"1", "Ctrl+A", "Sig", "Program: NOTEPAD.EXE"},
      {"2", "addr", "Address", "GLOBAL"},
      {"3", "Timed Macro", "Tick", "GLOBAL"},
  };
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < kListColumns; ++column)
      EXPECT_EQ(list.CellText(row, column), expected[row][column]) << row << "," << column;
  EXPECT_EQ(list.CellText(4, 1), "");
  EXPECT_TRUE(list.RowDisabled(1));
  EXPECT_FALSE(list.RowDisabled(2));
  EXPECT_FALSE(list.RowDisabled(0));
  EXPECT_EQ(list.SearchText(3), "TIMED MACRO");
}

TEST(MacroListSnapshotTest, TakenFromTheTableAndTheIndexUnderTheLock) {
  storage::InProcessTable objects;
  storage::TableLock lock(objects);
  storage::MacroIndex index;
  storage::SharedMacroTable& table = objects.Block();
  table.Count = 2;
  table.HotkeyNumber[0] = kActivationTyplet;
  table.ScopeKind[0] = storage::ScopeWindow;
  table.ScopeText[0].Assign("Editor");
  table.Enabled[0] = true;
  table.TopMostOnly[0] = true;
  table.HotkeyNumber[1] = 0;
  table.ScopeKind[1] = storage::ScopeGlobal;
  index.Set(1, "Address", "addr");
  index.Set(2, "Sig", "");
  MacroList list;
  ASSERT_TRUE(list.Refill(lock, index, {}));
  EXPECT_FALSE(lock.Held());
  EXPECT_EQ(list.CellText(1, 2), "Sig");
  EXPECT_TRUE(list.RowDisabled(1));
  EXPECT_EQ(list.CellText(2, 1), "addr");
  EXPECT_EQ(list.CellText(2, 3), "Window: Editor");
  EXPECT_TRUE(list.EntryAt(2)->topMostOnly);
  EXPECT_FALSE(list.EntryAt(1)->topMostOnly);

  objects.SetWaitTimesOut(true);
  EXPECT_FALSE(list.Refill(lock, index, {}));
  EXPECT_EQ(list.Count(), 2) << "a refused lock leaves the rows as they were";
}

TEST(TypeAheadTest, KeysBuildTheBufferAndSelectTheFirstMatchingRow) {
  MacroList list;
  // Rows: 1 Alt+Shift+A, 2 Ctrl+A, 3 Ctrl+B, 4 cite (Typlet), 5 Timed Macro
  list.Refill({Hotkey(0, "a"), Hotkey(192, "s"), Hotkey(1, "b"), Typlet("cite", "c"), Timed("t")},
              {});
  ASSERT_EQ(list.SearchText(4), "CITE");
  struct Step {
    char key;
    int selectedAfter;
    std::string buffer;
  };
  const std::vector<Step> steps{
      {'c', 2, "C"},       {'t', 2, "CT"},     {'r', 2, "CTR"},     {'l', 2, "CTRL"},
      {'+', 2, "CTRL+"},   {'b', 3, "CTRL+B"}, {'x', 3, "CTRL+BX"},  // nothing matches: the
                                                                     // selection stays
      {'\b', 3, "CTRL+B"}, {'\r', 3, ""},  // Enter clears and keeps the row
      {'c', 2, "C"},       {'t', 2, "CT"},     {'\b', 2, "C"},      {'i', 4, "CI"},
      {'\t', 4, ""},       {'\x1b', 4, ""},  // Escape is no character to search for
      {'t', 5, "T"},       {'\n', 5, ""},      {'\b', 5, ""},
  };
  TypeAhead typing;
  int selected = 1;
  for (const Step& s : steps) {
    selected = typing.KeyPress(s.key, list, selected);
    EXPECT_EQ(selected, s.selectedAfter) << "after " << static_cast<int>(s.key);
    EXPECT_EQ(typing.Buffer(), s.buffer) << "after " << static_cast<int>(s.key);
  }
}

TEST(TypeAheadTest, NavigationAndModifierKeysClearTheBuffer) {
  MacroList list;
  list.Refill({Hotkey(0, "a")}, {});
  TypeAhead typing;
  for (const std::uint8_t vk :
       {platform::kVkControl, platform::kVkMenu, platform::kVkPageUp, platform::kVkDown,
        std::uint8_t{36}, platform::kVkLeftControl, platform::kVkRightMenu}) {
    typing.KeyPress('c', list, 1);
    EXPECT_TRUE(typing.KeyDown(vk)) << static_cast<int>(vk);
    EXPECT_EQ(typing.Buffer(), "") << static_cast<int>(vk);
  }
  typing.KeyPress('c', list, 1);
  EXPECT_FALSE(typing.KeyDown(platform::kVkShift));
  EXPECT_FALSE(typing.KeyDown(std::uint8_t{'C'}));
  EXPECT_EQ(typing.Buffer(), "C");
}

}  // namespace
}  // namespace quindle::app
