// Which macro a hotkey means for the window in front: global, window- and program-scoped macros
// sharing one hotkey.
#include <gtest/gtest.h>

#include "activation/scope_resolution.h"
#include "activation_test_support.h"
#include "platform/text.h"

namespace quindle::activation::testing {
namespace {

constexpr int kCode = 5;

using GlobalMacros = ActivationTest;

TEST_F(GlobalMacros, TheLaterOfTwoWithTheSameHotkeyRuns) {
  Load({{"First", kCode, storage::ScopeGlobal, "", "a"},
        {"Second", kCode, storage::ScopeGlobal, "", "b"}});
  Hotkey(kCode);
  EXPECT_EQ(Log(), Seq({Typed("b"), Marker()}));
  EXPECT_EQ(activation.CurrentMacroNumber(), 2);
}

TEST_F(GlobalMacros, DisabledMacrosAndOtherHotkeysAreNotCandidates) {
  Load({{"Other", kCode + 1, storage::ScopeGlobal, "", "o"},
        {"Off", kCode, storage::ScopeGlobal, "", "x", false, false},
        {"On", kCode, storage::ScopeGlobal, "", "y"},
        {"OffLater", kCode, storage::ScopeGlobal, "", "z", false, false}});
  Hotkey(kCode);
  EXPECT_EQ(Log(), Seq({Typed("y"), Marker()}));
  EXPECT_EQ(activation.GetMacro(kCode + 2), 0);
}

TEST_F(GlobalMacros, AnUnusedHotkeyDoesNothing) {
  Load({{"First", kCode, storage::ScopeGlobal, "", "a"}});
  Hotkey(kCode + 1);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(activation.CurrentMacroNumber(), 0);
}

class WindowScope : public ActivationTest {
 protected:
  void LoadPair(bool topMostOnly) {
    Load({{"Global", kCode, storage::ScopeGlobal, "", "g"},
          {"Pad", kCode, storage::ScopeWindow, "notepad", "w", topMostOnly}});
  }
};

TEST_F(WindowScope, WithItsWindowInFrontTheScopedMacroRunsThere) {
  LoadPair(true);
  const platform::WindowHandle pad = Window("Untitled - Notepad");
  Window("Other");
  fake.SetForeground(pad);
  Hotkey(kCode, 77);
  EXPECT_EQ(Log(), Seq({Typed("w"), Marker()}));
  EXPECT_EQ(State().TargetWindow, pad);
}

TEST_F(WindowScope, BehindWithTopMostOnlyOffItsWindowIsActivatedAndItsMacroRuns) {
  LoadPair(false);
  const platform::WindowHandle other = Window("Other");
  const platform::WindowHandle pad = Window("Untitled - Notepad");
  fake.SetForeground(other);
  Hotkey(kCode, 77);
  EXPECT_EQ(Log(), Seq({{"activate \"Untitled - Notepad\""}, Typed("w"), Marker()}));
  EXPECT_EQ(State().TargetWindow, pad);
}

TEST_F(WindowScope, BehindWithTopMostOnlyOnTheGlobalMacroRuns) {
  LoadPair(true);
  const platform::WindowHandle other = Window("Other");
  Window("Untitled - Notepad");
  fake.SetForeground(other);
  Hotkey(kCode, 77);
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
  EXPECT_EQ(State().TargetWindow, 77u);
}

TEST_F(WindowScope, WithoutItsWindowTheGlobalMacroRuns) {
  LoadPair(false);
  fake.SetForeground(Window("Other"));
  Hotkey(kCode);
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
}

TEST_F(WindowScope, OnlyTheFirstTwentyCharactersOfTheScopeTakePart) {
  Load({{"Long", kCode, storage::ScopeWindow, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "w", true}});
  fake.SetForeground(Window("abcdefghijklmnopqrst and more"));
  EXPECT_EQ(activation.GetMacro(kCode), 1);
}

TEST_F(WindowScope, APauseDialogInFrontIsNotMatchedByScope) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "g"},
        {"Pad", kCode, storage::ScopeWindow, "notepad", "w", true},
        {"Prog", kCode, storage::ScopeProgram, "quindl", "p"}});
  fake.SetForeground(Window("Notepad - Pause (Test)", 9, "quindl.exe"));
  Hotkey(kCode);
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
}

class ProgramScope : public ActivationTest {
 protected:
  void SetUp() override {
    Load({{"Global", kCode, storage::ScopeGlobal, "", "g"},
          {"Word", kCode, storage::ScopeProgram, "word", "p"}});
    word = Window("Letter - Word", 7, "WinWord.exe");
    other = Window("Sheet", 8, "excel.exe");
  }
  platform::WindowHandle word = 0;
  platform::WindowHandle other = 0;
};

TEST_F(ProgramScope, RunsWhenItsProgramIsInFront) {
  fake.SetForeground(word);
  Hotkey(kCode, 55);
  EXPECT_EQ(Log(), Seq({Typed("p"), Marker()}));
  EXPECT_EQ(State().TargetWindow, word);
}

TEST_F(ProgramScope, IsNeverChosenWhileAnotherProgramIsInFront) {
  fake.SetForeground(other);
  Hotkey(kCode, 55);
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
  EXPECT_EQ(State().TargetWindow, 55u);
}

// The hook compares program scopes with the table's 250 characters: past them, "word" must not
// count here either, or the hook would let the key through to a macro that never plays.
TEST_F(ProgramScope, ANameLongerThanTheTableHoldsIsComparedByItsFirst250Characters) {
  fake.SetForeground(Window("Letter", 9, std::string(250, 'x') + "word.exe"));
  Hotkey(kCode, 55);
  EXPECT_EQ(Log(), Seq({Typed("g"), Marker()}));
}

TEST_F(ProgramScope, AloneAndNotInFrontNothingRunsAndNothingIsActivated) {
  Load({{"Word", kCode, storage::ScopeProgram, "word", "p"}});
  fake.SetForeground(other);
  Hotkey(kCode);
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(activation.CurrentMacroNumber(), 0);
}

TEST(ScopeChoice, TheFirstMatchInFrontWinsAndEmptyTextsMatchAnything) {
  const std::vector<ScopeEntry> entries = {
      {1, storage::ScopeGlobal, "", true, false},
      {2, storage::ScopeWindow, "pad", false, false},
      {3, storage::ScopeProgram, "pad", true, false},
      {4, storage::ScopeWindow, "pad", true, false},
  };
  EXPECT_EQ(MatchInFront(entries, "NOTEPAD", "NOTEPAD.EXE"), 3);
  EXPECT_EQ(MatchInFront(entries, "NOTEPAD", "CALC.EXE"), 4);
  EXPECT_EQ(MatchInFront(entries, "CALC", "CALC.EXE"), 0);
  const std::vector<ScopeEntry> empty = {{9, storage::ScopeWindow, "", true, false}};
  EXPECT_EQ(MatchInFront(empty, "ANY", ""), 9);
}

TEST(ScopeChoice, BackgroundPassStopsAtTheFirstWindowThatComesUp) {
  const std::vector<ScopeEntry> entries = {
      {1, storage::ScopeGlobal, "", true, false},
      {2, storage::ScopeProgram, "word", true, false},
      {3, storage::ScopeWindow, "missing", true, false},
      {4, storage::ScopeWindow, "here", true, false},
      {5, storage::ScopePopupMenu, "", true, false},
  };
  std::vector<std::string> asked;
  const auto activate = [&asked](std::string_view text) {
    asked.emplace_back(text);
    return text == "here";
  };
  EXPECT_EQ(ChooseInBackground(entries, activate), 4);
  EXPECT_EQ(asked, (std::vector<std::string>{"missing", "here"}));
  EXPECT_EQ(ChooseInBackground(entries, [](std::string_view) { return false; }), 5);
}

TEST(ScopeChoice, UpperCaseTouchesOnlyPlainLetters) {
  EXPECT_EQ(platform::UpperAToZ("abc xyz-09 \xe9"), "ABC XYZ-09 \xe9");
}

}  // namespace
}  // namespace quindle::activation::testing
