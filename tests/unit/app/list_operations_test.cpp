#include <gmock/gmock.h>

#include "activation/macro_names.h"
#include "app/list_operations.h"
#include "list_operations_test_support.h"

namespace quindle::app::testing {
namespace {

using storage::testing::UserMacro;
using ::testing::ElementsAre;

using Operation = void (ListOperations::*)();

struct NamedOperation {
  const char* name;
  Operation run;
};
const NamedOperation kOnSelected[] = {
    {"DoCopy", &ListOperations::DoCopy},     {"DoMove", &ListOperations::DoMove},
    {"DoClear", &ListOperations::DoClear},   {"DoActivate", &ListOperations::DoActivate},
    {"DoModify", &ListOperations::DoModify}, {"DoTheScript", &ListOperations::DoTheScript},
    {"DoInfo", &ListOperations::DoInfo},
};

class ListOperationsTest : public ::testing::Test, public ListRig {};

TEST_F(ListOperationsTest, EveryOperationOnTheSelectionFirstNeedsAMacroAndASelection) {
  for (const NamedOperation& op : kOnSelected) {
    SCOPED_TRACE(op.name);
    ListRig rig;
    rig.LoadWithSystemMacros({UserMacro("One", 0)});
    const std::string before = rig.FileBytes();
    rig.host.rows = 0;
    (rig.ops.*op.run)();
    rig.host.rows.reset();
    rig.host.selected = 0;
    (rig.ops.*op.run)();
    EXPECT_THAT(rig.prompts.shown,
                ElementsAre(ShownMessage{"Error", std::string(activation::kNoMacrosYet)},
                            ShownMessage{"Error", std::string(activation::kNoMacroSelected)}));
    EXPECT_TRUE(rig.log.empty()) << "no network lock, no dialog";
    EXPECT_EQ(rig.FileBytes(), before);
  }
}

TEST_F(ListOperationsTest, CopyingMacro7Of10AppendsMacro11WithTheNewActivation) {
  std::vector<MacroRecord> records = storage::testing::WithSystemMacros({});
  for (int i = 5; i <= 10; ++i)
    records.push_back(UserMacro("Macro " + std::to_string(i), static_cast<std::uint16_t>(i)));
  Load(records);
  const MacroRecord seven = Record(7);
  host.selected = 7;
  host.copyOrMove = CopyOrMoveForm{CopyOrMoveKind::Hotkey, 40, {}};
  ops.DoCopy();
  ASSERT_EQ(Records(), 11u);
  EXPECT_EQ(Count(), 11);
  const MacroRecord copy = Record(11);
  EXPECT_EQ(copy.Name.View(), "Macro 7");
  EXPECT_EQ(copy.MacroText(), seven.MacroText());
  EXPECT_EQ(copy.HotkeyNumber.Get(), 40);
  EXPECT_EQ(storage::testing::Bytes(Record(7)), storage::testing::Bytes(seven));
  EXPECT_EQ(host.headings, std::vector<std::string>{"COPY Ctrl+H TO"});
  EXPECT_THAT(log, ElementsAre("in use?", "Copy Hot Key 7", "refill", "select macro 11", "hotkeys",
                               "release changed"));
}

TEST_F(ListOperationsTest, RemovingAMacroRenumbersThePopupMenusThatFollowIt) {
  std::vector<MacroRecord> records;
  for (int i = 1; i <= 8; ++i)
    records.push_back(UserMacro("M" + std::to_string(i), static_cast<std::uint16_t>(i - 1)));
  records.push_back(Menu("Menu A", 100, {2, 3, 5}));
  records.push_back(Menu("Menu B", 101, {7, 1}));
  LoadWithSystemMacros(records);
  host.selected = 3;
  ops.DoClear();
  ASSERT_EQ(Records(), 13u);
  const MacroRecord a = Record(8);
  const MacroRecord b = Record(9);
  EXPECT_EQ(a.Name.View(), "Menu A");
  ASSERT_EQ(a.MemberCount(), 2u);
  EXPECT_EQ(a.Member(0), 2);
  EXPECT_EQ(a.Member(1), 4);
  ASSERT_EQ(b.MemberCount(), 2u);
  EXPECT_EQ(b.Member(0), 6);
  EXPECT_EQ(b.Member(1), 1);
  EXPECT_EQ(b.TypletName.View(), "N31");
  EXPECT_THAT(prompts.asked,
              ElementsAre(ShownMessage{"Delete", "Are you sure you want to remove \"Ctrl+C\"?"},
                          ShownMessage{"Delete", RemoveFromMenuQuestion(UserMacro("M3", 2))}));
  EXPECT_EQ(Count(), 13);
  EXPECT_THAT(log, ElementsAre("in use?", "remap", "refill", "hotkeys", "tray icons",
                               "select row 3", "release changed"));
}

TEST_F(ListOperationsTest, RemovingTheOnlyMacroTurnsTheMacroButtonsOff) {
  LoadWithSystemMacros({UserMacro("Only", 5)});
  host.rows = 1;
  host.rowsAfterRefill = 0;
  host.selected = 1;
  ops.DoClear();
  EXPECT_THAT(
      log, ElementsAre("in use?", "remap", "refill", "hotkeys", "buttons off", "release changed"));
}

struct RowCase {
  int row;
  int left;
  int next;
};
TEST(RowAfterRemovalTest, SameRowOrTheLastOrNone) {
  for (const RowCase c : {RowCase{3, 5, 3}, RowCase{5, 4, 4}, RowCase{1, 0, 0}, RowCase{2, 2, 2}})
    EXPECT_EQ(RowAfterRemoval(c.row, c.left), c.next) << c.row << " of " << c.left;
}

TEST_F(ListOperationsTest, ActivateFlipsTheFileAndTheTableAndNamesWhatTheButtonDoesNext) {
  MacroRecord timed = UserMacro("Timed", storage::kActivationTimed);
  timed.Enabled = false;
  LoadWithSystemMacros({UserMacro("On", 3), timed});
  host.selected = 1;
  ops.DoActivate();
  EXPECT_FALSE(Record(1).Enabled);
  EXPECT_FALSE(objects.Block().Enabled[0]);
  EXPECT_THAT(log, ElementsAre("in use?", "caption Acti&vate Macro", "hotkeys", "repaint",
                               "release changed"));
  log.clear();
  host.selected = 2;
  ops.DoActivate();
  EXPECT_TRUE(Record(2).Enabled);
  EXPECT_TRUE(objects.Block().Enabled[1]);
  EXPECT_THAT(log, ElementsAre("in use?", "caption Deacti&vate Macro", "timed table", "hotkeys",
                               "repaint", "release changed"));
}

// Each refusal leaves the file's bytes and the table's count as they were and releases the
// network lock with "nothing changed".
struct RefusalCase {
  const char* name;
  void (*arrange)(ListRig&);
  Operation run;
};
const RefusalCase kRefusals[] = {
    {"copy cancelled", [](ListRig&) {}, &ListOperations::DoCopy},
    {"move cancelled", [](ListRig&) {}, &ListOperations::DoMove},
    {"remove answered No", [](ListRig& r) { r.prompts.answers = {false}; },
     &ListOperations::DoClear},
    {"remove from a menu answered No",
     [](ListRig& r) {
       r.host.selected = 2;
       r.prompts.answers = {true, false};
     },
     &ListOperations::DoClear},
    {"add aborted", [](ListRig&) {}, &ListOperations::DoAdd},
    {"add's editor cancelled",
     [](ListRig& r) {
       r.host.add = AddChoice{AddEditor::ScriptingEditor, 5, {}, false};
     },
     &ListOperations::DoAdd},
    {"add's popup menu not built",
     [](ListRig& r) {
       r.host.add = AddChoice{AddEditor::PopupBuilder, 50, {}, false};
     },
     &ListOperations::DoAdd},
    {"modify cancelled", [](ListRig&) {}, &ListOperations::DoModify},
    {"script cancelled", [](ListRig&) {}, &ListOperations::DoTheScript},
    {"system keys unchanged", [](ListRig& r) { r.host.selected = 4; }, &ListOperations::DoMove},
    {"popup menu not saved", [](ListRig& r) { r.host.selected = 3; }, &ListOperations::DoModify},
};

TEST(ListOperationRefusalTest, LeaveTheFileAndTheTableAsTheyWere) {
  for (const RefusalCase& c : kRefusals) {
    SCOPED_TRACE(c.name);
    ListRig rig;
    rig.LoadWithSystemMacros({UserMacro("One", 0), UserMacro("Two", 1), Menu("Menu", 60, {2})});
    rig.host.selected = 1;
    c.arrange(rig);
    const std::string before = rig.FileBytes();
    const int count = rig.Count();
    (rig.ops.*c.run)();
    EXPECT_EQ(rig.FileBytes(), before);
    EXPECT_EQ(rig.Count(), count);
    ASSERT_FALSE(rig.log.empty());
    EXPECT_EQ(rig.log.back(), "release unchanged");
  }
}

TEST_F(ListOperationsTest, AFileInUseElsewhereStopsEveryChangeBeforeItsDialog) {
  for (const Operation run :
       {&ListOperations::DoAdd, &ListOperations::DoCopy, &ListOperations::DoMove,
        &ListOperations::DoClear, &ListOperations::DoActivate, &ListOperations::DoModify,
        &ListOperations::DoTheScript}) {
    ListRig rig;
    rig.LoadWithSystemMacros({UserMacro("One", 0)});
    rig.host.selected = 1;
    rig.host.inUse = true;
    const std::string before = rig.FileBytes();
    (rig.ops.*run)();
    EXPECT_EQ(rig.FileBytes(), before);
    EXPECT_THAT(rig.log, ElementsAre("in use?"));
  }
}

TEST_F(ListOperationsTest, AddAppendsTheEditedMacroWithTheDefaultSchedule) {
  LoadWithSystemMacros({UserMacro("One", 0)});
  host.add = AddChoice{AddEditor::ScriptingEditor, storage::kActivationTimed, {}, false};
  host.editorAccepts = true;
  ops.DoAdd();
  ASSERT_EQ(Records(), 6u);
  const MacroRecord added = Record(6);
  EXPECT_EQ(added.MacroText(), "edited");
  EXPECT_EQ(added.HotkeyNumber.Get(), storage::kActivationTimed);
  EXPECT_EQ(added.ScheduleKind.Get(), 3);  // daily, every day, at noon
  EXPECT_TRUE(added.SchedulePM);
  EXPECT_EQ(added.IconName.View(), "MAIN");
  EXPECT_THAT(log, ElementsAre("in use?", "add dialog", "scripting editor", "refill",
                               "select macro 6", "timed table", "hotkeys", "release changed"));
}

TEST_F(ListOperationsTest, AddRefusesAt500Macros) {
  LoadWithSystemMacros({});
  host.rows = 500;
  ops.DoAdd();
  host.selected = 1;
  ops.DoCopy();
  EXPECT_THAT(prompts.shown, ElementsAre(ShownMessage{"Error", std::string(kMaxMacrosReached)},
                                         ShownMessage{"Error", std::string(kMaxMacrosReached)}));
  EXPECT_TRUE(log.empty());
}

TEST_F(ListOperationsTest, AddWithCaptureLeavesTheLockToTheCapture) {
  LoadWithSystemMacros({UserMacro("One", 0)});
  host.add = AddChoice{AddEditor::Capture, 0, {}, true};
  ops.DoAdd();
  EXPECT_THAT(log, ElementsAre("in use?", "add dialog", "capture program"));
}

TEST_F(ListOperationsTest, SystemAndPopupMacrosGoToTheirOwnDialogs) {
  LoadWithSystemMacros({UserMacro("One", 0), Menu("Menu", 60, {1})});
  host.selected = 3;  // system macro "1"
  host.systemKeysChanged = true;
  ops.DoTheScript();
  EXPECT_THAT(log, ElementsAre("in use?", "system keys 1", "refill", "select macro 3", "hotkeys",
                               "release changed"));
  log.clear();
  host.selected = 2;
  host.builder = {true, true};
  ops.DoTheScript();
  EXPECT_THAT(log, ElementsAre("in use?", "popup builder", "refill", "select macro 2", "hotkeys",
                               "release changed", "tray icons"));
}

TEST_F(ListOperationsTest, MoveWritesTheMacroBackInItsPlace) {
  LoadWithSystemMacros({UserMacro("One", 0), UserMacro("Two", 1)});
  host.selected = 2;
  host.copyOrMove = CopyOrMoveForm{CopyOrMoveKind::Typlet, -1, "  xy "};
  ops.DoMove();
  EXPECT_EQ(Records(), 6u);
  EXPECT_EQ(Record(2).HotkeyNumber.Get(), storage::kActivationTyplet);
  EXPECT_EQ(Record(2).TypletName.View(), "xy");
  EXPECT_EQ(store.Index().TypletName(2), "xy");
  EXPECT_THAT(log, ElementsAre("in use?", "Move Hot Key 2", "refill", "select macro 2", "hotkeys",
                               "release changed"));
}

TEST_F(ListOperationsTest, EditorsHearWhetherAGlobalMacroSharesTheHotkey) {
  LoadWithSystemMacros({UserMacro("Global", 7), UserMacro("Window", 7, storage::ScopeWindow),
                        UserMacro("Alone", 8, storage::ScopeWindow)});
  host.editorAccepts = true;
  host.selected = 2;
  ops.DoModify();
  host.selected = 3;
  ops.DoTheScript();
  ASSERT_EQ(host.requests.size(), 2u);
  EXPECT_TRUE(host.requests[0].sharedWithGlobal);
  EXPECT_EQ(host.requests[0].activation, "Ctrl+H");
  EXPECT_FALSE(host.requests[1].sharedWithGlobal);
  EXPECT_EQ(Record(2).MacroText(), "edited");
}

TEST_F(ListOperationsTest, QuickInfoShowsTheStoredMacroWithoutTheNetworkLock) {
  LoadWithSystemMacros({UserMacro("One", 0)});
  host.selected = 1;
  ops.DoInfo();
  ASSERT_TRUE(host.shownInfo);
  EXPECT_EQ(host.shownInfo->Name.View(), "One");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace quindle::app::testing
