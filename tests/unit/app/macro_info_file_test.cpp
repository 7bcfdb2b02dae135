#include "app/macro_info_file.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/recording_platform.h"
#include "platform/memory_files.h"
#include "scheduler/schedule_text.h"
#include "storage/macro_store.h"

namespace quindle::app {
namespace {

using storage::MacroRecord;

MacroRecord Sig() {
  return storage::NewMacro("Sig", storage::ScopeGlobal, "", 0, "Hi<ENTER>");
}

InfoChoices Only(bool hotKey, bool name, bool window, bool text, bool schedule, bool icon) {
  return {hotKey, name, window, text, schedule, icon};
}

TEST(OutputChoicesTest, ScheduleAndIconAloneAreRefusedWithTheFocusOnHotKey) {
  const auto refused = AcceptOutputChoices(Only(false, false, false, false, true, true));
  EXPECT_FALSE(refused.Accepted());
  EXPECT_EQ(refused.message, "Nothing has been checked for printing.  Please Correct.");
  EXPECT_EQ(refused.caption, "Error");
  EXPECT_EQ(refused.focus, OutputField::HotKey);
  for (const InfoChoices& enough : {Only(true, false, false, false, false, false),
                                    Only(false, true, false, false, false, false),
                                    Only(false, false, true, false, false, false),
                                    Only(false, false, false, true, false, false)})
    EXPECT_TRUE(AcceptOutputChoices(enough).Accepted());
}

TEST(MacroInfoTextTest, EachKindOfMacroGivesItsLines) {
  MacroRecord window = storage::NewMacro("Win", storage::ScopeWindow, "Order Entry", 288, "a\r\nb");
  window.TopMostOnly = true;
  window.IconName.Assign("STAR.ICO");
  MacroRecord program = storage::NewMacro("Prog", storage::ScopeProgram, "NOTEPAD.EXE",
                                          storage::kActivationTyplet, "x");
  program.TypletName.Assign("sig");
  MacroRecord menu = storage::NewMacro("Menu", storage::ScopePopupMenu, "", 1, "");
  menu.IconName.Assign("MENU");
  MacroRecord system = storage::NewMacro("Activate Quindle", storage::ScopeSystem, "1", 262, "");
  MacroRecord timed =
      storage::NewMacro("Tick", storage::ScopeGlobal, "", storage::kActivationTimed, "t");
  timed.ScheduleKind = 0;  // at start-up
  struct Case {
    std::string what;
    MacroRecord record;
    std::string expected;
  };
  const std::vector<Case> cases{
      {"a global hotkey macro with the default icon", Sig(),
       "Icon: (Default Icon)\r\nHot Key: Ctrl+A\r\nName: Sig\r\nScope: GLOBAL\r\n"
       "Text: Hi<ENTER>\r\n\r\n"},
      {"a window macro on top only, its text as stored", window,
       "Icon: STAR.ICO\r\nHot Key: F1\r\nName: Win\r\nWindow: Order Entry, Top Most Only\r\n"
       "Text: a\r\nb\r\n\r\n"},
      {"a program Typlet macro", program,
       "Icon: (Default Icon)\r\nTyplet: sig\r\nName: Prog\r\nProgram: NOTEPAD.EXE, If Active\r\n"
       "Text: x\r\n\r\n"},
      {"a popup menu has no text line", menu,
       "Icon: (Default Menu Icon)\r\nHot Key: Ctrl+B\r\nName: Menu\r\nScope: Popup Menu\r\n\r\n"},
      {"a system macro has no icon and no text", system,
       "Icon: (None)\r\nHot Key: Ctrl+Alt+Shift+W\r\nName: Activate Quindle\r\n"
       "Scope: SYSTEM\r\n\r\n"},
      {"a timed macro has its schedule", timed,
       "Icon: (Default Icon)\r\nTimed Macro\r\nName: Tick\r\nScope: GLOBAL\r\nSchedule: " +
           scheduler::GetSched(timed) + "\r\nText: t\r\n\r\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MacroInfoText(c.record, InfoChoices{}), c.expected) << c.what;
  EXPECT_EQ(MacroInfoText(timed, Only(false, true, false, false, true, false)),
            "Name: Tick\r\nSchedule: " + scheduler::GetSched(timed) + "\r\n\r\n");
  EXPECT_EQ(MacroInfoText(Sig(), Only(false, false, false, false, true, false)), "\r\n")
      << "no schedule line for a macro that is not timed";
}

// Files in memory whose creation can be made to fail.
class Files final : public platform::IBinaryFiles {
 public:
  platform::MemoryBinaryFiles memory;
  bool createFails = false;
  std::unique_ptr<platform::IBinaryFile> Open(std::string_view path,
                                              platform::FileOpenMode mode) override {
    if (createFails) return nullptr;
    return memory.Open(path, mode);
  }
  bool Exists(std::string_view path) override { return memory.Exists(path); }
  bool ReplaceFile(std::string_view a, std::string_view b) override {
    return memory.ReplaceFile(a, b);
  }
  bool RemoveFile(std::string_view path) override { return memory.RemoveFile(path); }
};

// DoIt against files in memory and recorded prompts.
struct DoItFixture {
  Files files;
  platform::fake::RecordingPlatform prompts;
  std::map<int, MacroRecord> macros;
  std::optional<std::string> chosen = "C:\\OUT.TXT";

  InfoFileServices Services() {
    return {[this] { return chosen; },
            [this](int n, MacroRecord& r) {
              const auto it = macros.find(n);
              if (it == macros.end()) return false;
              r = it->second;
              return true;
            },
            files, prompts};
  }
};

TEST(DoItTest, WritesTheMacrosInListOrder) {
  DoItFixture f;
  f.macros[1] = Sig();
  f.macros[2] = storage::NewMacro("Two", storage::ScopeGlobal, "", 288, "2");
  const std::vector<int> order{2, 1};
  const InfoChoices names = Only(false, true, false, false, false, false);
  EXPECT_EQ(DoIt(order, names, f.Services()), InfoWriteResult::Written);
  EXPECT_EQ(f.files.memory.Content("C:\\OUT.TXT"), "Name: Two\r\n\r\nName: Sig\r\n\r\n");
}

TEST(DoItTest, CancelUnreadableMacroAndUncreatableFileWriteNothing) {
  DoItFixture f;
  f.macros[1] = Sig();
  const std::vector<int> order{1, 2};
  f.chosen.reset();
  EXPECT_EQ(DoIt(order, InfoChoices{}, f.Services()), InfoWriteResult::Cancelled);
  f.chosen = "C:\\OUT.TXT";
  EXPECT_EQ(DoIt(order, InfoChoices{}, f.Services()), InfoWriteResult::NotRead);
  EXPECT_FALSE(f.files.Exists("C:\\OUT.TXT"));
  f.macros[2] = Sig();
  f.files.createFails = true;
  EXPECT_EQ(DoIt(order, InfoChoices{}, f.Services()), InfoWriteResult::NotCreated);
  const std::string log = f.prompts.LogText();
  EXPECT_NE(log.find("The macro file could not be read."), std::string::npos) << log;
  EXPECT_NE(log.find("Unable to create text file."), std::string::npos) << log;
}

}  // namespace
}  // namespace quindle::app
