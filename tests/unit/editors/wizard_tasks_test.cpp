#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "editors/script_editor.h"
#include "editors/wizard_tasks.h"

namespace quindle::editors {
namespace {

// The letter after "&" in a label, upper-cased; 0 when it has none.
char MarkedLetter(std::string_view label) {
  const auto amp = label.find('&');
  if (amp == std::string_view::npos || amp + 1 >= label.size()) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(label[amp + 1])));
}

TEST(WizardTasks, EachHasItsOwnLetterMarkedInItsLabel) {
  std::set<char> letters;
  for (const WizardTask& task : kWizardTasks) {
    EXPECT_EQ(MarkedLetter(task.label), task.key) << task.label;
    EXPECT_TRUE(letters.insert(task.key).second) << "letter twice: " << task.key;
  }
  EXPECT_EQ(letters, (std::set<char>{'A', 'C', 'D', 'E', 'F', 'I', 'K', 'L', 'M', 'N', 'P', 'S',
                                     'T', 'W', 'Y', 'Z'}));
  // "E&xit" and "&Help" close the wizard and open its help: no task may take their letters.
  EXPECT_EQ(letters.count('X') + letters.count('H'), 0u);
}

TEST(WizardTasks, OpenTheFamilyOfTheirPresetCommand) {
  const std::pair<char, CommandFamily> expected[] = {
      {'E', CommandFamily::Text},       {'K', CommandFamily::Mouse},
      {'A', CommandFamily::Launch},     {'W', CommandFamily::Web},
      {'D', CommandFamily::DateTime},   {'T', CommandFamily::DateTime},
      {'P', CommandFamily::Pause},      {'N', CommandFamily::Remark},
      {'S', CommandFamily::Speed},      {'I', CommandFamily::Delay},
      {'Z', CommandFamily::WindowSize}, {'M', CommandFamily::WindowCommand},
      {'C', CommandFamily::Clipboard},  {'Y', CommandFamily::Sound},
      {'F', CommandFamily::Files},      {'L', CommandFamily::Repeat}};
  for (const auto& [key, family] : expected) {
    const auto task = std::find_if(kWizardTasks.begin(), kWizardTasks.end(),
                                   [key = key](const WizardTask& t) { return t.key == key; });
    ASSERT_NE(task, kWizardTasks.end()) << key;
    EXPECT_EQ(FamilyOf(task->command), family) << key;
  }
}

TEST(WizardTasks, OnlyTheWindowTaskPresetsItsArguments) {
  for (const WizardTask& task : kWizardTasks) {
    const std::optional<CommandData> preset = WizardPreset(task);
    if (task.key != 'M') {
      EXPECT_FALSE(preset) << task.label;
      continue;
    }
    ASSERT_TRUE(preset);
    const auto& window = std::get<WindowData>(*preset);
    EXPECT_TRUE(window.current);
    EXPECT_EQ(window.action, 2) << "minimize";
  }
}

// Two tasks in a row append at the end, whatever line the editor had selected.
TEST(WizardTasks, AppendAtTheEndWhateverIsSelected) {
  ScriptEditorModel model(ActivationKind::Hotkey, true);
  model.Open(storage::NewMacro("n", storage::ScopeGlobal, "", 65, "a<CLIPC>b"));
  model.Select(0);
  for (const int command : {kCmdRemark, kCmdSoundBeep}) {
    ASSERT_FALSE(model.BeginAdd(command, InsertMode::Append));
    CommandData data = command == kCmdRemark ? CommandData{StringData{"x"}} : SoundData{};
    model.InsertLine({LineText(command, data, true), data});
  }
  EXPECT_EQ(WriteBack(model.Lines()), "a<CLIPC>b<REM:x><BEEP>");
  EXPECT_EQ(model.Selected(), 4);
}

}  // namespace
}  // namespace quindle::editors
