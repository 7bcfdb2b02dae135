// The "&Ok" steps of the import on a loaded file: the clash and capacity warnings, the question
// that can stop it, the appends while the file has room, and imported popup menus that keep
// pointing at their own members.
#include <gtest/gtest.h>

#include "hooklib/hotkey_names.h"
#include "macro_store_test_support.h"
#include "platform/memory_files.h"
#include "storage/macro_import.h"

namespace quindle::storage::testing {
namespace {

class AnsweringPrompts final : public platform::IPrompts {
 public:
  void ShowMessage(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text)});
  }
  bool AskYesNo(std::string_view title, std::string_view text) override {
    shown.push_back({std::string(title), std::string(text)});
    return answer;
  }
  std::vector<ShownMessage> shown;
  bool answer = true;
};

class MacroImportTest : public MacroStoreTest {
 protected:
  ImportSource Source(const std::vector<MacroRecord>& records) {
    platform::MemoryBinaryFiles memory;
    memory.SetFile("SOURCE.QNL", FileOf(records));
    ImportSource source = ReadImportSource(memory, "SOURCE.QNL");
    EXPECT_TRUE(source.Ok()) << source.error;
    return source;
  }
  ImportOutcome Run(const ImportSource& source, std::vector<bool>& selected) {
    return RunImport(source, selected, {store, lock, answers, clock, &hooklib::HotkeyName});
  }
  AnsweringPrompts answers;
};

std::vector<MacroRecord> Users(int n, int firstHotkey) {
  std::vector<MacroRecord> records;
  for (int i = 0; i < n; ++i)
    records.push_back(UserMacro("M" + std::to_string(i),
                                static_cast<std::uint16_t>(firstHotkey + i), ScopeWindow));
  return records;
}

TEST_F(MacroImportTest, StepsWarnAskAndImportWhatFits) {
  const ShownMessage question{"Warning", std::string(kContinueImport)};
  struct Case {
    const char* what;
    int loaded;          // user macros besides the four system macros
    int importedHotkey;  // of the second source macro, which is global
    bool answer;
    std::vector<ShownMessage> shown;
    std::size_t imported;
  };
  const Case cases[] = {
      {"room for all", 2, 600, true, {}, 5},
      {"5 into 498", 494, 600, true, {{"Warning", CapacityExceeded(3)}, question}, 2},
      {"answered No", 494, 600, false, {{"Warning", CapacityExceeded(3)}, question}, 0},
      // Hotkey 262 belongs to the system macro "Activate Quindle".
      {"global hotkey taken",
       2,
       262,
       true,
       {{"Warning", GlobalHotkeyExists("Ctrl+Alt+Shift+W")}, question},
       4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load(WithSystemMacros(Users(c.loaded, 0)));
    const std::string before = ReadBytes(path);
    std::vector<MacroRecord> imported = Users(5, 700);
    imported[1].ScopeKind = ScopeGlobal;
    imported[1].HotkeyNumber = static_cast<std::uint16_t>(c.importedHotkey);
    const ImportSource source = Source(imported);
    std::vector<bool> selected(5, true);
    answers.shown.clear();
    answers.answer = c.answer;
    const ImportOutcome outcome = Run(source, selected);
    EXPECT_EQ(answers.shown, c.shown);
    EXPECT_EQ(outcome.imported, c.imported);
    EXPECT_EQ(Count(), c.loaded + 4 + static_cast<int>(c.imported));
    EXPECT_EQ(FileRecords(), static_cast<std::size_t>(Count()));
    if (c.imported == 0) {
      EXPECT_EQ(ReadBytes(path), before);
    } else {
      // Imported unchanged, in list order, after the loaded macros.
      EXPECT_EQ(Bytes(RecordAt(ReadBytes(path), c.loaded + 5)), Bytes(imported[0]));
    }
  }
}

TEST_F(MacroImportTest, NothingSelectedChangesNothing) {
  Load(WithSystemMacros({}));
  const ImportSource source = Source(Users(2, 10));
  std::vector<bool> selected(2, false);
  EXPECT_EQ(Run(source, selected).result, ImportResult::NothingSelected);
  EXPECT_EQ(answers.shown, (std::vector<ShownMessage>{{"Error", std::string(kNothingFlagged)}}));
  EXPECT_EQ(Count(), 4);
}

TEST_F(MacroImportTest, SecondGlobalMacroWithTheSameHotkeyIsLeftOut) {
  Load(WithSystemMacros({}));
  MacroRecord menu = UserMacro("B", 0, ScopePopupMenu);
  menu.SetMembers({});
  const ImportSource source = Source({UserMacro("A", 0, ScopeGlobal), menu});
  std::vector<bool> selected(2, true);
  EXPECT_EQ(Run(source, selected).imported, 1u);
  EXPECT_EQ(selected, (std::vector<bool>{true, false}));
  EXPECT_EQ(answers.shown[0], (ShownMessage{"Warning", GlobalHotkeyExists("Ctrl+A")}));
}

TEST_F(MacroImportTest, ImportedMenusListTheirMembersByTheirNewNumbers) {
  Load(WithSystemMacros({UserMacro("Loaded", 1)}));  // 5 macros
  MacroRecord menu = UserMacro("Menu", 40, ScopePopupMenu);
  const std::uint16_t members[] = {3, 1, 2};  // 2 is not imported
  menu.SetMembers(members);
  const ImportSource source =
      Source({UserMacro("A", 41), UserMacro("B", 42), UserMacro("C", 43), menu});
  std::vector<bool> selected{true, false, true, true};
  ASSERT_EQ(Run(source, selected).imported, 3u);
  const MacroRecord written = RecordAt(ReadBytes(path), 8);
  ASSERT_EQ(written.MemberCount(), 2u);
  EXPECT_EQ(written.Member(0), 7);  // C
  EXPECT_EQ(written.Member(1), 6);  // A
}

}  // namespace
}  // namespace quindle::storage::testing
