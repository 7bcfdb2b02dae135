// The other reports of the hook library (window activated, abort keys, Caps Lock), the screen
// saver request, and a damaged table.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "activation_test_support.h"

namespace quindle::activation::testing {
namespace {

constexpr int kCode = 5;

class WindowActivated : public ActivationTest {
 protected:
  void SetUp() override { Load({}); }
  std::string_view StoredProgram() { return Table().ForegroundProgram.View(); }
};

TEST_F(WindowActivated, StoresTheUpperCaseProgramInFrontAndRemembersTheWindow) {
  const platform::WindowHandle letter = Window("Letter", 7, "WinWord.exe");
  fake.SetForeground(letter);
  activation.OnWindowActivated(letter);
  EXPECT_EQ(StoredProgram(), "WINWORD.EXE");
  EXPECT_EQ(activation.LastTitledWindow(), letter);
  EXPECT_EQ(activation.LastForeignWindow(), letter);
  EXPECT_EQ(activation.ForegroundProgramName(), "WINWORD.EXE");
}

TEST_F(WindowActivated, UntitledWindowsAreIgnored) {
  const platform::WindowHandle letter = Window("Letter", 7, "winword.exe");
  fake.SetForeground(letter);
  activation.OnWindowActivated(letter);
  const platform::WindowHandle bare = Window("", 8, "calc.exe");
  fake.SetForeground(bare);
  activation.OnWindowActivated(bare);
  activation.OnWindowActivated(0);
  EXPECT_EQ(StoredProgram(), "WINWORD.EXE");
  EXPECT_EQ(activation.LastTitledWindow(), letter);
  EXPECT_EQ(activation.LastForeignWindow(), letter);
}

TEST_F(WindowActivated, TheProgramsOwnWindowsAreNotForeign) {
  const platform::WindowHandle letter = Window("Letter", 7, "winword.exe");
  fake.SetForeground(letter);
  activation.OnWindowActivated(letter);
  const platform::WindowHandle own = Window("Quindle 98", 9, "Quindl.exe");
  fake.SetForeground(own);
  activation.OnWindowActivated(own);
  EXPECT_EQ(StoredProgram(), "QUINDL.EXE");
  EXPECT_EQ(activation.LastTitledWindow(), own);
  EXPECT_EQ(activation.LastForeignWindow(), letter);
}

TEST_F(WindowActivated, TheNameIsTakenFromTheWindowInFrontNotTheReportedOne) {
  const platform::WindowHandle letter = Window("Letter", 7, "winword.exe");
  const platform::WindowHandle sheet = Window("Sheet", 8, "excel.exe");
  fake.SetForeground(sheet);
  activation.OnWindowActivated(letter);
  EXPECT_EQ(StoredProgram(), "EXCEL.EXE");
}

TEST_F(WindowActivated, WithNoWindowInFrontYetTheReportedWindowsProgramIsStored) {
  const platform::WindowHandle sheet = Window("Sheet", 8, "excel.exe");
  fake.SetForeground(sheet);
  activation.OnWindowActivated(sheet);
  const platform::WindowHandle letter = Window("Letter", 7, "winword.exe");
  fake.SetForeground(0);
  activation.OnWindowActivated(letter);
  EXPECT_EQ(StoredProgram(), "WINWORD.EXE");
  EXPECT_EQ(activation.LastForeignWindow(), letter);
}

TEST_F(WindowActivated, ALongNameIsCutAndARefusedLockLeavesTheTable) {
  const platform::WindowHandle w = Window("Long", 7, std::string(300, 'p'));
  fake.SetForeground(w);
  activation.OnWindowActivated(w);
  EXPECT_EQ(StoredProgram(), std::string(250, 'P'));
  Table().ForegroundProgram.Assign("OLD.EXE");
  objects.SetOpenFails(true);
  activation.OnWindowActivated(w);
  EXPECT_EQ(StoredProgram(), "OLD.EXE");
  EXPECT_EQ(activation.LastTitledWindow(), w);
}

using HookReports = ActivationTest;

TEST_F(HookReports, AbortKeysAndCapsLockStateReachTheirFlags) {
  EXPECT_FALSE(State().AbortRequested);
  activation.OnAbortKeys();
  EXPECT_TRUE(State().AbortRequested);
  activation.OnCapsLockState(true);
  EXPECT_TRUE(activation.CapsLockOn());
  activation.OnCapsLockState(false);
  EXPECT_FALSE(activation.CapsLockOn());
}

TEST_F(HookReports, AbortKeysDuringPlaybackEndTheMacro) {
  Load({{"Long", kCode, storage::ScopeGlobal, "", "a<MSD:0100>b"}});
  fake.PostCallback([&] { activation.OnAbortKeys(); });
  Hotkey(kCode);
  const Lines log = WithoutWaits(Log());
  EXPECT_EQ(std::count(log.begin(), log.end(), "key 66 down"), 0) << "b must not be typed";
}

using ScreenSaver = ActivationTest;

TEST_F(ScreenSaver, RefusedOnlyWithTheSettingOnAndAnEnabledTimedMacro) {
  Load({{"Timed", storage::kActivationTimed, storage::ScopeGlobal, "", "t", false, false},
        {"Global", kCode, storage::ScopeGlobal, "", "g"}});
  EXPECT_FALSE(activation.RefuseScreenSaver(true)) << "the timed macro is disabled";
  Table().Enabled[0] = true;
  EXPECT_TRUE(activation.RefuseScreenSaver(true));
  EXPECT_FALSE(activation.RefuseScreenSaver(false));
  objects.SetOpenFails(true);
  EXPECT_FALSE(activation.RefuseScreenSaver(true));
}

using DamagedTable = ActivationTest;

TEST_F(DamagedTable, WildCountsCodesAndTextsAreSurvived) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "g"}});
  storage::SharedMacroTable& table = Table();
  table.Count = 9999;
  table.HotkeyNumber[0] = 60000;
  table.ScopeText[0].length = 255;
  table.ScopeKind[0] = -7;
  for (std::size_t i = 1; i < storage::kMaxMacros; ++i) {
    table.HotkeyNumber[i] = kCode;
    table.Enabled[i] = true;
    table.ScopeKind[i] = storage::ScopeGlobal;
  }
  EXPECT_EQ(activation.GetMacro(kCode), 500) << "the count is read as at most 500";
  EXPECT_EQ(activation.GetMacro(60000), 0);
  EXPECT_EQ(activation.GetMacro(-1), 0);
  activation.OnHotkeyPressed(60000, 0);
  activation.OnHotkeyPressed(0xFFFFFFFFu, 0);
  activation.OnHotkeyPressed(0x7FFF, 0);
  EXPECT_TRUE(host.events.empty());
  EXPECT_TRUE(Log().empty()) << ::testing::PrintToString(Log());
  table.Count = -5;
  Hotkey(kCode);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(activation.RefuseScreenSaver(true));
}

}  // namespace
}  // namespace quindle::activation::testing
