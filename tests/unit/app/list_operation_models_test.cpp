#include <gmock/gmock.h>

#include "activation/macro_names.h"
#include "app/add_new_hotkey.h"
#include "app/copy_or_move.h"
#include "app/list_operations.h"
#include "app/popup_members.h"
#include "app/quick_info.h"
#include "list_operations_test_support.h"
#include "scheduler/schedule_text.h"
#include "support/in_process_table.h"

namespace quindle::app::testing {
namespace {

using storage::testing::UserMacro;

struct MembersCase {
  std::vector<std::uint16_t> before;
  int removed;
  std::vector<std::uint16_t> after;
};

TEST(PopupMembersTest, RemovalDropsTheMemberAndMovesLaterNumbersUp) {
  const MembersCase cases[] = {
      {{2, 3, 5}, 3, {2, 4}}, {{7, 1}, 3, {6, 1}}, {{3}, 3, {}}, {{1, 2}, 9, {1, 2}}};
  for (const MembersCase& c : cases)
    EXPECT_EQ(MembersAfterRemoval(c.before, c.removed), c.after) << c.removed;
  MacroRecord menu = Menu("Menu", 1, {1, 2});
  EXPECT_FALSE(RenumberAfterRemoval(menu, 9)) << "nothing to rewrite";
}

// The form as plain fields: gcc 12 cannot follow strings inside a table this size.
struct CopyFormFields {
  CopyOrMoveKind kind;
  int code;
  const char* typlet;
};
struct CopyCase {
  const char* name;
  std::int16_t scope;
  CopyFormFields form;
  CopyOrMoveStep::Kind kind;
  std::string message;
};

TEST(CopyOrMoveTest, OkChecksTheChosenActivation) {
  storage::InProcessTable objects;
  storage::SharedMacroTable& table = objects.Block();
  table.Count = 3;
  table.ScopeKind[0] = storage::ScopeGlobal;
  table.HotkeyNumber[0] = 20;
  table.ScopeKind[1] = storage::ScopeWindow;
  table.HotkeyNumber[1] = 21;
  table.ScopeKind[2] = storage::ScopeSystem;
  table.HotkeyNumber[2] = 262;
  using K = CopyOrMoveStep::Kind;
  const std::string invalid(kTypletInvalidCharacters);
  const CopyCase cases[] = {
      {"trimmed Typlet",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Typlet, -1, "  ab  "},
       K::Accept,
       ""},
      {"blank inside",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Typlet, -1, " a b "},
       K::Refuse,
       invalid},
      {"apostrophe",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Typlet, -1, "it's"},
       K::Refuse,
       invalid},
      {"only blanks",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Typlet, -1, "   "},
       K::Refuse,
       std::string(kNoTypletNameEntered)},
      {"no line",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Hotkey, -1, ""},
       K::Refuse,
       std::string(activation::kNoMacroSelected)},
      {"global clash",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Hotkey, 20, ""},
       K::Refuse,
       GlobalClashMessage(CopyOrMoveMode::Copy)},
      {"system clash",
       storage::ScopePopupMenu,
       {CopyOrMoveKind::Hotkey, 262, ""},
       K::Refuse,
       GlobalClashMessage(CopyOrMoveMode::Copy)},
      {"window may share", storage::ScopeWindow, {CopyOrMoveKind::Hotkey, 20, ""}, K::Accept, ""},
      {"window-only code", storage::ScopeGlobal, {CopyOrMoveKind::Hotkey, 21, ""}, K::Accept, ""},
      {"Win+R",
       storage::ScopeGlobal,
       {CopyOrMoveKind::Hotkey, 571, ""},
       K::Ask,
       "Win+R may be used internally by Windows 95, 98 or NT.  This may cause the hot key not to "
       "function correctly. Would you still like to use Win+R?"},
      {"timed", storage::ScopeGlobal, {CopyOrMoveKind::Timed, -1, ""}, K::Accept, ""},
  };
  const GlobalCodes used(table, 0);
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.name);
    MacroRecord macro = UserMacro("M", 5, static_cast<storage::ScopeKindValue>(c.scope));
    const CopyOrMoveForm form{c.form.kind, c.form.code, c.form.typlet};
    const CopyOrMoveStep step = CheckCopyOrMove(CopyOrMoveMode::Copy, macro, form, used);
    EXPECT_EQ(step.kind, c.kind);
    EXPECT_EQ(step.message, c.message);
  }
  EXPECT_EQ(GlobalClashMessage(CopyOrMoveMode::Move),
            "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The "
            "\"MOVE\" did not take place.");
  EXPECT_FALSE(GlobalCodes(table, 1).Used(20)) << "a moved macro does not clash with itself";
}

TEST(CopyOrMoveTest, HeadingsAndTheActivationTheyGive) {
  MacroRecord timed = UserMacro("T", storage::kActivationTimed);
  EXPECT_EQ(CopyOrMoveHeading(CopyOrMoveMode::Copy, timed), "COPY Timed Macro TO");
  EXPECT_EQ(CopyOrMoveHeading(CopyOrMoveMode::Move, Typlet("T", "abc")), "MOVE abc TO");
  EXPECT_EQ(CopyOrMoveHeading(CopyOrMoveMode::Copy, UserMacro("A", 0)), "COPY Ctrl+A TO");

  // Only a macro that was not timed gets the default schedule.
  timed.ScheduleKind = 6;
  ApplyCopyOrMove({CopyOrMoveKind::Timed, -1, ""}, 46000.0, timed);
  EXPECT_EQ(timed.ScheduleKind.Get(), 6);
  MacroRecord hotkey = UserMacro("H", 3);
  ApplyCopyOrMove({CopyOrMoveKind::Timed, -1, ""}, 46000.0, hotkey);
  EXPECT_EQ(hotkey.HotkeyNumber.Get(), storage::kActivationTimed);
  EXPECT_EQ(hotkey.ScheduleKind.Get(), 3);
  ApplyCopyOrMove({CopyOrMoveKind::Typlet, -1, " abcdefghijkl "}, 46000.0, hotkey);
  EXPECT_EQ(hotkey.TypletName.View(), "abcdefghij");
}

struct AddFormFields {
  AddKind kind;
  int code;
  const char* typlet;
};
struct AddCase {
  const char* name;
  AddFormFields form;
  AddButton button;
  AddStep::Kind kind;
  std::string message;
  AddEditor editor;
};

TEST(AddNewHotKeyTest, TheButtonsCheckTheChoiceAndNameTheEditor) {
  storage::InProcessTable objects;
  objects.Block().Count = 2;
  objects.Block().ScopeKind[0] = storage::ScopeGlobal;
  objects.Block().HotkeyNumber[0] = 30;
  objects.Block().ScopeKind[1] = storage::ScopeSystem;
  objects.Block().HotkeyNumber[1] = 262;
  const AddContext context = ReadAddContext(objects.Block());
  using K = AddStep::Kind;
  const AddCase cases[] = {
      {"hotkey",
       {AddKind::Hotkey, 31, ""},
       AddButton::EnterDirectly,
       K::Accept,
       "",
       AddEditor::DirectEditor},
      {"no line",
       {AddKind::Hotkey, -1, ""},
       AddButton::ScriptingEditor,
       K::Refuse,
       std::string(activation::kNoMacroSelected),
       AddEditor::ScriptingEditor},
      {"reserved",
       {AddKind::Hotkey, 557, ""},
       AddButton::CaptureMacro,
       K::Ask,
       capture::ReservedHotkeyQuestion(557),
       AddEditor::Capture},
      {"no Typlet",
       {AddKind::Typlet, -1, "  "},
       AddButton::ScriptingEditor,
       K::Refuse,
       std::string(capture::kNoTypletNameMessage),
       AddEditor::ScriptingEditor},
      {"Typlet blank",
       {AddKind::Typlet, -1, "a b"},
       AddButton::ScriptingEditor,
       K::Refuse,
       std::string(kTypletInvalidCharacters),
       AddEditor::ScriptingEditor},
      {"timed",
       {AddKind::Timed, -1, ""},
       AddButton::ScriptingEditor,
       K::Accept,
       "",
       AddEditor::ScriptingEditor},
      {"popup on a global code",
       {AddKind::PopupMenu, 30, ""},
       AddButton::ScriptingEditor,
       K::Refuse,
       std::string(kPopupHotKeyTaken),
       AddEditor::PopupBuilder},
      {"popup",
       {AddKind::PopupMenu, 31, ""},
       AddButton::EnterDirectly,
       K::Accept,
       "",
       AddEditor::PopupBuilder},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.name);
    const AddStep step =
        CheckAddMacro(AddForm{c.form.kind, c.form.code, c.form.typlet}, c.button, context);
    EXPECT_EQ(step.kind, c.kind);
    EXPECT_EQ(step.message, c.message);
    EXPECT_EQ(step.choice.editor, c.editor);
  }
  EXPECT_TRUE(CheckAddMacro({AddKind::Hotkey, 30, ""}, AddButton::CaptureMacro, context)
                  .choice.forceProgram);
  objects.Block().ScopeKind[0] = storage::ScopeSystem;
  EXPECT_EQ(CheckAddMacro({AddKind::PopupMenu, 31, ""}, AddButton::ScriptingEditor,
                          ReadAddContext(objects.Block()))
                .message,
            kNoMacrosForPopup);
}

struct InfoCase {
  MacroRecord macro;
  std::string label;
  std::string activation;
  std::string scope;
  std::string active;
  bool showText;
};

TEST(QuickInfoTest, WhatTheUserReadsOfAMacro) {
  MacroRecord window = UserMacro("W", 0, storage::ScopeWindow);
  window.ScopeText.Assign("Notepad");
  window.TopMostOnly = true;
  MacroRecord program = UserMacro("P", 1, storage::ScopeProgram);
  program.ScopeText.Assign("calc");
  program.Enabled = false;
  MacroRecord timed = UserMacro("T", storage::kActivationTimed);
  timed.ScheduleKind = 2;
  timed.HourlyMinute = 5;
  const InfoCase cases[] = {
      {window, "Hot Key:", "Ctrl+A", "Notepad \"Window\" (Top Most Only)", "Yes", true},
      {program, "Hot Key:", "Ctrl+B", "calc \"Program\" (If Running)", "No", true},
      {Typlet("Y", "zz"), "Typlet:", "zz", "GLOBAL", "Yes", true},
      {timed, "Timed Macro:", scheduler::GetSched(timed), "GLOBAL", "Yes", true},
      {Menu("M", 2, {1}), "Hot Key:", "Ctrl+C", "Popup Menu", "Yes", false},
      {storage::MakeSystemMacro(0, 45000.0), "Hot Key:", "Ctrl+Alt+Shift+W", "SYSTEM", "Yes",
       false},
  };
  for (const InfoCase& c : cases) {
    const QuickInfoText info = MakeQuickInfo(c.macro);
    SCOPED_TRACE(info.nickname);
    EXPECT_EQ(info.activationLabel, c.label);
    EXPECT_EQ(info.activation, c.activation);
    EXPECT_EQ(info.scope, c.scope);
    EXPECT_EQ(info.active, c.active);
    EXPECT_EQ(info.showText, c.showText);
    EXPECT_EQ(info.text.empty(), !c.showText);
  }
  // 45000.5 is 15 March 2023, noon.
  EXPECT_EQ(MakeQuickInfo(window).lastModified, "Last Modified On 3/15/2023");
}

TEST(RemoveQuestionTest, NamesTheActivation) {
  EXPECT_EQ(RemoveQuestion(UserMacro("T", storage::kActivationTimed)),
            "Are you sure you want to remove \"Timed Macro\"?");
  EXPECT_EQ(RemoveQuestion(Typlet("T", "brb")),
            "Are you sure you want to remove the Typlet \"brb\"?");
  EXPECT_EQ(RemoveFromMenuQuestion(Typlet("T", "brb")),
            "This macro is contained in a \"Popup Menu\".  It will be removed from the \"Popup "
            "Menu\".  Are you sure you want to remove \"brb\"?");
}

}  // namespace
}  // namespace quindle::app::testing
