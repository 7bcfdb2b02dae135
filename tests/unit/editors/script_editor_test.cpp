#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/script_editor.h"

namespace quindle::editors {
namespace {

using storage::MacroRecord;

MacroRecord Macro(std::string_view text, std::int16_t scope = storage::ScopeGlobal,
                  std::string_view scopeText = "") {
  return storage::NewMacro("Nick", scope, scopeText, 65, text);
}

std::vector<std::string> Texts(const ScriptEditorModel& model) {
  std::vector<std::string> texts;
  for (const auto& line : model.Lines()) texts.push_back(line.text);
  return texts;
}

ScriptLine Line(int command, CommandData data) {
  std::string text = LineText(command, data, true);
  return {std::move(text), std::move(data)};
}

ScriptEditorModel Opened(std::string_view text) {
  ScriptEditorModel model(ActivationKind::Hotkey, true);
  model.Open(Macro(text));
  return model;
}

TEST(ScriptEditorOpen, ReadsTheLinesIndentedAndTheHeader) {
  ScriptEditorModel model(ActivationKind::Hotkey, true);
  model.Open(Macro("<REPEAT:0002>a<ENDREP>", storage::ScopeWindow, "Calc"));
  EXPECT_EQ(Texts(model),
            (std::vector<std::string>{"Repeat Start: 2", "   Text: a", "Repeat End"}));
  EXPECT_EQ(model.Header().nickname, "Nick");
  EXPECT_EQ(model.Caption(), "Macro Scripting Editor  (Window Title: Calc)");
  EXPECT_EQ(model.Selected(), -1);
}

TEST(ScriptEditorOpen, ANewMacroStartsEmptyAndGlobal) {
  ScriptEditorModel model(ActivationKind::Hotkey, false);
  model.Open(Macro("left over", storage::ScopeProgram, "X.EXE"));
  EXPECT_TRUE(model.Lines().empty());
  EXPECT_EQ(model.Header().nickname, "");
  EXPECT_EQ(model.Caption(), "Macro Scripting Editor  (GLOBAL)");
  EXPECT_EQ(model.Header().iconName, "MAIN");
}

struct InsertCase {
  const char* name;
  const char* start;
  int selected;
  InsertMode mode;
  std::vector<std::string> lines;
  int newSelection;
};

class ScriptEditorInsert : public testing::TestWithParam<InsertCase> {};

TEST_P(ScriptEditorInsert, PutsTheNewLineWhereItsButtonSays) {
  const InsertCase& c = GetParam();
  ScriptEditorModel model = Opened(c.start);
  model.Select(c.selected);
  ASSERT_FALSE(model.BeginAdd(kCmdSoundBeep, c.mode));
  model.InsertLine(Line(kCmdSoundBeep, SoundData{}));
  EXPECT_EQ(Texts(model), c.lines);
  EXPECT_EQ(model.Selected(), c.newSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ScriptEditorInsert,
    testing::Values(
        InsertCase{"AppendGoesLast",
                   "a<CLIPC><CLIPP>",
                   0,
                   InsertMode::Append,
                   {"Text: a", "Clipboard Copy", "Clipboard Paste", "Sound Beep"},
                   3},
        InsertCase{"BeforeTheSelected",
                   "a<CLIPC><CLIPP>",
                   1,
                   InsertMode::Before,
                   {"Text: a", "Sound Beep", "Clipboard Copy", "Clipboard Paste"},
                   1},
        InsertCase{"AfterTheSelected",
                   "a<CLIPC><CLIPP>",
                   1,
                   InsertMode::After,
                   {"Text: a", "Clipboard Copy", "Sound Beep", "Clipboard Paste"},
                   2},
        InsertCase{"AfterWithNoneSelectedGoesSecond",
                   "a<CLIPC>",
                   -1,
                   InsertMode::After,
                   {"Text: a", "Sound Beep", "Clipboard Copy"},
                   1},
        InsertCase{"AfterIntoAnEmptyList", "", -1, InsertMode::After, {"Sound Beep"}, 0},
        InsertCase{"BeforeIntoAnEmptyList", "", -1, InsertMode::Before, {"Sound Beep"}, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ScriptEditorInsert, InsideARepeatTheNewLineIsIndented) {
  ScriptEditorModel model = Opened("<REPEAT:0002><ENDREP>");
  model.Select(0);
  ASSERT_FALSE(model.BeginAdd(kCmdSoundBeep, InsertMode::After));
  model.InsertLine(Line(kCmdSoundBeep, SoundData{}));
  EXPECT_EQ(Texts(model),
            (std::vector<std::string>{"Repeat Start: 2", "   Sound Beep", "Repeat End"}));
}

TEST(ScriptEditorButtons, WithoutASelectionTheyRefuseWithTheirMessages) {
  ScriptEditorModel model = Opened("a<CLIPC>");
  int command = 0;
  EXPECT_EQ(model.BeginAdd(0, InsertMode::Append), kNoCommandSelected);
  EXPECT_EQ(model.BeginEdit(command), kNoItemSelected);
  EXPECT_EQ(model.Copy(), kNoLineSelected);
  EXPECT_EQ(model.Delete(), kNoLineSelected);
  EXPECT_FALSE(model.MoveUp());
  EXPECT_FALSE(model.MoveDown());
  EXPECT_EQ(model.Lines().size(), 2u);
}

TEST(ScriptEditorButtons, UpAndDownOnlyWhereThereIsALineToSwapWith) {
  ScriptEditorModel model = Opened("a<CLIPC><CLIPP>");
  const std::pair<int, EditorButtons> cases[] = {
      {-1, {false, false, false, false, false}},
      {0, {false, true, true, true, true}},
      {1, {true, true, true, true, true}},
      {2, {true, false, true, true, true}},
  };
  for (const auto& [selected, expected] : cases) {
    model.Select(selected);
    const EditorButtons b = model.Buttons();
    EXPECT_EQ(std::tie(b.up, b.down, b.edit, b.copy, b.remove),
              std::tie(expected.up, expected.down, expected.edit, expected.copy, expected.remove))
        << selected;
  }
  model.Select(0);
  EXPECT_FALSE(model.MoveUp());
  EXPECT_TRUE(model.MoveDown());
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(Texts(model)[1], "Text: a");
}

TEST(ScriptEditorButtons, CopyKeepsEveryFieldAndSelectsTheLowerLine) {
  ScriptEditorModel model = Opened("<COPYFILE:C:\\A.TXT;D:\\B.TXT>");
  model.Select(0);
  ASSERT_FALSE(model.Copy());
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(WriteBack(model.Lines()),
            "<COPYFILE:C:\\A.TXT;D:\\B.TXT><COPYFILE:C:\\A.TXT;D:\\B.TXT>");
}

TEST(ScriptEditorButtons, DeletingTheLastLineSelectsTheNewLast) {
  ScriptEditorModel model = Opened("a<CLIPC><CLIPP>");
  model.Select(2);
  ASSERT_FALSE(model.Delete());
  EXPECT_EQ(model.Selected(), 1);
  model.Select(0);
  ASSERT_FALSE(model.Delete());
  EXPECT_EQ(model.Selected(), 0);
  ASSERT_FALSE(model.Delete());
  EXPECT_EQ(model.Selected(), -1);
  EXPECT_TRUE(model.Lines().empty());
}

TEST(ScriptEditorButtons, EditFindsTheCommandOfAnIndentedLine) {
  ScriptEditorModel model = Opened("<REPEAT:0002><BEEP><ENDREP>");
  model.Select(1);
  int command = 0;
  ASSERT_FALSE(model.BeginEdit(command));
  EXPECT_EQ(command, kCmdSoundBeep);
  model.ReplaceSelected(Line(kCmdSoundWaveFile, SoundData{2, "C:\\D.WAV", true}));
  EXPECT_EQ(Texts(model)[1], "   Sound Wave File: D.WAV");
  EXPECT_EQ(WriteBack(model.Lines()), "<REPEAT:0002><WAV1:C:\\D.WAV><ENDREP>");
}

struct TypletCase {
  const char* name;
  bool accepted;
  std::string_view message;
};

class ScriptEditorTypletName : public testing::TestWithParam<TypletCase> {};

TEST_P(ScriptEditorTypletName, IsCheckedOnOk) {
  ScriptEditorModel model(ActivationKind::Typlet, true);
  MacroRecord macro = Macro("x");
  model.Open(macro);
  model.Header().typletName = GetParam().name;
  bool truncated = false;
  const auto refusal = model.Accept(macro, 1.0, truncated);
  EXPECT_EQ(!refusal.has_value(), GetParam().accepted) << GetParam().name;
  if (refusal) {
    EXPECT_EQ(refusal->message, GetParam().message);
    EXPECT_TRUE(refusal->focusTypletName);
    EXPECT_EQ(macro.TypletName.View(), "") << "nothing changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Names, ScriptEditorTypletName,
                         testing::Values(TypletCase{"", false, kNoTypletName},
                                         TypletCase{"   ", false, kNoTypletName},
                                         TypletCase{"ab c", false, kBadTypletName},
                                         TypletCase{"it's", false, kBadTypletName},
                                         TypletCase{"a-b_c!", true, {}},
                                         TypletCase{"  sig  ", true, {}}));

TEST(ScriptEditorAccept, WritesTextAndHeaderIntoTheMacro) {
  ScriptEditorModel model(ActivationKind::Typlet, false);
  MacroRecord macro{};
  model.Open(macro);
  ASSERT_FALSE(model.BeginAdd(kCmdClipboardPaste, InsertMode::Append));
  model.InsertLine(Line(kCmdClipboardPaste, ClipData{5, {}}));
  model.Header().nickname = "Paste";
  model.Header().typletName = " pst ";
  model.Header().scopeKind = storage::ScopeProgram;
  model.Header().scopeText = "CALC.EXE";
  bool truncated = true;
  ASSERT_FALSE(model.Accept(macro, 46000.5, truncated));
  EXPECT_FALSE(truncated);
  EXPECT_EQ(macro.MacroText(), "<CLIPP>");
  EXPECT_EQ(macro.Name.View(), "Paste");
  EXPECT_EQ(macro.TypletName.View(), "pst");
  EXPECT_EQ(macro.ScopeKind, storage::ScopeProgram);
  EXPECT_EQ(macro.ScopeText.View(), "CALC.EXE");
  EXPECT_EQ(macro.IconName.View(), "MAIN");
  EXPECT_TRUE(macro.Enabled) << "a new macro is enabled";
  EXPECT_EQ(double(macro.LastModified), 46000.5);
}

TEST(ScriptEditorAccept, AnEmptyListStoresAnEmptyText) {
  ScriptEditorModel model = Opened("abc");
  model.Select(0);
  ASSERT_FALSE(model.Delete());
  MacroRecord macro = Macro("abc");
  bool truncated = true;
  ASSERT_FALSE(model.Accept(macro, 1, truncated));
  EXPECT_EQ(macro.MacroText(), "");
  EXPECT_TRUE(macro.TypletName.View().empty()) << "a hotkey macro has no Typlet name";
}

TEST(ScriptEditorAccept, ATextOver5000IsCutAndSaysSo) {
  ScriptEditorModel model = Opened(std::string(5000, 'a'));
  model.Select(0);
  ASSERT_FALSE(model.BeginAdd(kCmdSoundBeep, InsertMode::Append));
  model.InsertLine(Line(kCmdSoundBeep, SoundData{}));
  MacroRecord macro = Macro("x");
  bool truncated = false;
  ASSERT_FALSE(model.Accept(macro, 1, truncated));
  EXPECT_TRUE(truncated);
  EXPECT_EQ(macro.MacroText(), std::string(5000, 'a'));
}

TEST(ScriptEditorCommands, AreSortedAndEachHasItsFamily) {
  const auto commands = SortedCommands();
  ASSERT_EQ(commands.size(), 50u);
  const std::vector<std::string_view> firstFour = {commands[0].first, commands[1].first,
                                                   commands[2].first, commands[3].first};
  EXPECT_EQ(firstFour, (std::vector<std::string_view>{"Activate or Launch", "Activate Window",
                                                      "Alt Key", "Change Directory/Folder"}));
  EXPECT_EQ(commands.back().first, "Win Key");
  const std::pair<int, CommandFamily> families[] = {
      {kCmdText, CommandFamily::Text},
      {kCmdTime, CommandFamily::DateTime},
      {kCmdRepeatPromptStart, CommandFamily::Repeat},
      {kCmdPlaybackSpeed, CommandFamily::Speed},
      {kCmdActivateOrLaunch, CommandFamily::Launch},
      {kCmdShutDownProgram, CommandFamily::WindowCommand},
      {kCmdMouseWheel, CommandFamily::Mouse},
      {kCmdClipboardFileCopy, CommandFamily::Clipboard},
      {kCmdWebFtp, CommandFamily::Web},
      {kCmdRenameFile, CommandFamily::Files},
      {kCmdLoadTextFile, CommandFamily::TextFile},
      {kCmdWinKey, CommandFamily::Keys}};
  for (const auto& [command, family] : families) EXPECT_EQ(FamilyOf(command), family) << command;
}

}  // namespace
}  // namespace quindle::editors
