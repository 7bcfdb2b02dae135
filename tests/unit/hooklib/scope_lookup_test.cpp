#include <gtest/gtest.h>

#include <cstring>

#include "hooklib/hook_fixture.h"
#include "platform/text.h"

namespace quindle::hooklib::testing {
namespace {

class ScopeLookupTest : public HookTest {
 protected:
  void InFront(const char* title) {
    env.AddWindow(kEditorWindow, title);
    env.SetForeground(kEditorWindow);
  }
};

TEST_F(ScopeLookupTest, UpperAnsiChangesOnlyPlainLetters) {
  EXPECT_EQ(platform::UpperAToZ('a'), 'A');
  EXPECT_EQ(platform::UpperAToZ('z'), 'Z');
  EXPECT_EQ(platform::UpperAToZ('A'), 'A');
  EXPECT_EQ(platform::UpperAToZ('{'), '{');
  EXPECT_EQ(platform::UpperAToZ(static_cast<char>(0xE9)), static_cast<char>(0xE9));  // é stays
  EXPECT_TRUE(ContainsUpper("Untitled - Notepad", 18, "notepad", 7));
  EXPECT_TRUE(ContainsUpper("abc", 3, "", 0));
  EXPECT_FALSE(ContainsUpper("abc", 3, "abcd", 4));
  EXPECT_FALSE(ContainsUpper("NOTEPAD", 7, "NOTEPAE", 7));
}

TEST_F(ScopeLookupTest, PassOnePrefersTheWindowOrProgramInFront) {
  AddMacro(3, storage::ScopeGlobal);
  const int window = AddMacro(3, storage::ScopeWindow, "notepad", true);
  InFront("Untitled - Notepad");
  EXPECT_EQ(FindMacroInScope(table, env, 3), window);
  env.SetForeground(0);  // no window in front: the global macro
  EXPECT_EQ(FindMacroInScope(table, env, 3), 0);
}

TEST_F(ScopeLookupTest, ProgramScopeMatchesTheProgramInFrontOnly) {
  const int global = AddMacro(4, storage::ScopeGlobal);
  const int program = AddMacro(4, storage::ScopeProgram, "winword");
  InFront("Document1");
  table.ForegroundProgram.Assign("WINWORD.EXE");
  EXPECT_EQ(FindMacroInScope(table, env, 4), program);
  // Pass 2 never selects a program-scoped macro, even with TopMostOnly 0 and a window of that
  // name: the main program would not resolve it and the key would be lost.
  table.ForegroundProgram.Assign("NOTEPAD.EXE");
  env.AddWindow(0x77, "WinWord");
  EXPECT_EQ(FindMacroInScope(table, env, 4), global);
  table.Enabled[global] = false;
  EXPECT_EQ(FindMacroInScope(table, env, 4), -1);
}

TEST_F(ScopeLookupTest, PauseWindowInFrontSkipsPassOne) {
  const int global = AddMacro(5, storage::ScopeGlobal);
  AddMacro(5, storage::ScopeWindow, "macro", true);
  InFront("Quindle 98 Macro Pause (3)");
  EXPECT_EQ(FindMacroInScope(table, env, 5), global);
}

TEST_F(ScopeLookupTest, PassTwoWindowScopeWithAnExistingWindowEndsTheScan) {
  AddMacro(6, storage::ScopeGlobal);
  const int calc = AddMacro(6, storage::ScopeWindow, "Calc");
  const int later = AddMacro(6, storage::ScopeGlobal);
  InFront("Something else");
  EXPECT_EQ(FindMacroInScope(table, env, 6), later);  // no Calc window: last candidate
  env.AddWindow(0x55, "Calculator");                  // contained, not exact
  EXPECT_EQ(FindMacroInScope(table, env, 6), calc);
  table.TopMostOnly[calc] = true;
  EXPECT_EQ(FindMacroInScope(table, env, 6), later);
}

TEST_F(ScopeLookupTest, ExactTitleIsTriedWithTheStoredCase) {
  const int w = AddMacro(7, storage::ScopeWindow, "Inbox");
  env.AddWindow(0x66, "Inbox");
  EXPECT_EQ(FindMacroInScope(table, env, 7), w);
}

TEST_F(ScopeLookupTest, DisabledAndOtherCodesAreSkippedAndLaterGlobalWins) {
  AddMacro(8, storage::ScopeGlobal, {}, false, false);
  const int first = AddMacro(8, storage::ScopePopupMenu);
  AddMacro(9, storage::ScopeGlobal);
  EXPECT_EQ(FindMacroInScope(table, env, 8), first);
  const int system = AddMacro(8, storage::ScopeSystem);
  EXPECT_EQ(FindMacroInScope(table, env, 8), system);
}

TEST_F(ScopeLookupTest, CountOutsideTheTableIsClamped) {
  AddMacro(10, storage::ScopeGlobal);
  table.Count = -5;
  EXPECT_EQ(FindMacroInScope(table, env, 10), -1);
  table.Count = 9999;  // read as 500 slots; the last one uses the code
  table.HotkeyNumber[499] = 10;
  table.Enabled[499] = true;
  table.ScopeKind[499] = storage::ScopeGlobal;
  EXPECT_EQ(FindMacroInScope(table, env, 10), 499);
}

// A length byte of 255 in the last ScopeText slot must not read the bytes after its 20
// characters (the Enabled array); under AddressSanitizer the table is allocated exactly.
TEST_F(ScopeLookupTest, DamagedScopeLengthReadsOnlyItsTwentyCharacters) {
  table.Count = 500;
  for (std::size_t i = 0; i < 500; ++i) {
    table.ScopeKind[i] = storage::ScopeWindow;
    table.ScopeText[i].length = 255;
    std::memset(table.ScopeText[i].chars, 'Q', 20);
    table.HotkeyNumber[i] = 11;
    table.Enabled[i] = true;
  }
  table.ScopeKind[0] = storage::ScopeProgram;
  table.ForegroundProgram.length = 255;  // the last field of the block
  InFront(std::string(20, 'Q').c_str());
  EXPECT_EQ(FindMacroInScope(table, env, 11), 1);
  env.SetForeground(0);
  EXPECT_EQ(FindMacroInScope(table, env, 11), 1);  // pass 2: the 20-Q window exists
  FakeHookEnv other;
  other.AddWindow(0x88, std::string(19, 'Q'));
  EXPECT_EQ(FindMacroInScope(table, other, 11), -1);  // 20 Q needed, 19 present
}

// The title's pair filter may only rule out texts that the search would not find: characters
// that share a filter class, bytes past ASCII and the first and last pair of a text.
TEST_F(ScopeLookupTest, ThePairFilterNeverHidesAContainedText) {
  struct Row {
    const char* title;
    const char* scope;
    bool found;
  };
  const Row rows[] = {
      {"Quarterly report.txt - Text Editor", "Spreadsheet workbook", false},
      {"Quarterly report.txt - Text Editor", "text EDITOR", true},
      {"Quarterly report.txt - Text Editor", "Quarterly report.txt", true},
      {"a;b", "{B", false},  // '{' and ';' share a class
      {"a{b", "{b", true},
      {"a@b", "`B", false},  // so do '`' and '@'
      {"Caf\xE9 menu", "F\xE9 M", true},
      {"\xC9T\xC9", "\xE9t", false},  // only a..z are upper-cased
      {"Q", "q", true},
      {"Q", "Z", false},
      {"ABCDEFGHIJKLMNOPQRS", "BCDEFGHIJKLMNOPQRST", false},  // only the last pair is missing
      {"ABCDEFGHIJKLMNOPQRST", "bcdefghijklmnopqrst", true},
  };
  Hwnd window = 0x300;
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.title) + " / " + row.scope);
    table.Count = 0;
    const int w = AddMacro(13, storage::ScopeWindow, row.scope, true);
    env.AddWindow(++window, row.title);
    env.SetForeground(window);
    EXPECT_EQ(FindMacroInScope(table, env, 13), row.found ? w : -1);
  }
}

TEST_F(ScopeLookupTest, LongTitleIsCutAt255Characters) {
  const int w = AddMacro(12, storage::ScopeWindow, "TAIL", true);
  InFront((std::string(300, 'x') + "TAIL").c_str());
  EXPECT_EQ(FindMacroInScope(table, env, 12), -1);
  env.AddWindow(0x99, std::string(250, 'x') + "TAIL");
  env.SetForeground(0x99);
  EXPECT_EQ(FindMacroInScope(table, env, 12), w);
}

}  // namespace
}  // namespace quindle::hooklib::testing
