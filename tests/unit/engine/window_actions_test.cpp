#include <gtest/gtest.h>

#include "engine/player_test_support.h"

namespace quindle::engine::playtest {
namespace {

using WindowActionsTest = PlayerFixture;

TEST_F(WindowActionsTest, TitleSearchIsExactFirstThenAnUpperCasedPartInZOrder) {
  const auto help = fake.AddWindow("Notepad Help");
  const auto notepad = fake.AddWindow("Untitled - Notepad");
  const auto exact = fake.AddWindow("Notepad");
  WindowActions& actions = player.Actions();
  EXPECT_EQ(actions.GetWinHandle("Notepad"), exact);
  EXPECT_EQ(actions.GetWinHandle("notepad"), help);  // higher in z-order than the other
  EXPECT_EQ(actions.GetWinHandle("untitled - NOTEPAD"), notepad);
  EXPECT_EQ(actions.GetWinHandle("Notepad2"), 0u);
  // Only a to z are upper-cased: an accented letter must match as it stands.
  const auto accented = fake.AddWindow("caf\xE9");
  EXPECT_EQ(actions.GetWinHandle("CAF\xE9"), accented);
  EXPECT_EQ(actions.GetWinHandle("CAF\xC9"), 0u);
}

TEST_F(WindowActionsTest, SearchUsesTheFirst255CharactersOfText) {
  const auto window = fake.AddWindow(std::string(255, 'a'));
  EXPECT_EQ(player.Actions().GetWinHandle(std::string(300, 'a')), window);
}

TEST_F(WindowActionsTest, ActivateRestoresAMinimizedWindowAndMakesItTheTarget) {
  const auto window = fake.AddWindow("Calc", 5, {}, true);
  EXPECT_EQ(Play("<ACTIVATE:calc>1"),
            Seq({{"window \"restore\" \"Calc\"", "activate \"Calc\""}, Plain("1")}));
  EXPECT_EQ(player.State().TargetWindow, window);
}

TEST_F(WindowActionsTest, ActivateProgFindsTheProcessByACaseSensitivePartOfItsName) {
  fake.AddProcess(10, "EXPLORER.EXE");
  fake.AddProcess(20, "notepad.exe");
  fake.AddWindow("Desktop", 10);
  const auto other = fake.AddWindow("Help", 30);
  const auto pad = fake.AddWindow("Pad", 20);
  EXPECT_FALSE(player.Actions().ActivateProg("NOTEPAD"));
  EXPECT_TRUE(player.Actions().ActivateProg("tepad"));
  EXPECT_EQ(player.State().TargetWindow, pad);
  EXPECT_EQ(fake.Foreground(), pad);
  EXPECT_EQ(player.Actions().GetTopProgram(), "notepad.exe");
  fake.SetForeground(other);
  EXPECT_EQ(player.Actions().GetTopProgram(), "");
}

TEST_F(WindowActionsTest, MakeSureItsAParentClimbsToTheTopLevelWindow) {
  const auto top = fake.AddWindow("Top");
  const auto child = fake.AddChildWindow(top);
  const auto grandchild = fake.AddChildWindow(child);
  EXPECT_EQ(player.MakeSureItsAParent(grandchild), top);
  EXPECT_EQ(player.MakeSureItsAParent(top), top);
  EXPECT_EQ(player.MakeSureItsAParent(999), 0u);
}

TEST_F(WindowActionsTest, WindowTags) {
  const auto front = fake.AddWindow("Front");
  fake.AddWindow("Back");
  fake.SetForeground(front);
  EXPECT_EQ(Play("<WMIN:\"CURRENT\"><WMAX:><WSIZE:0640,0480\"CURRENT\"><WPOS:0010,0020back>"
                 "<WRES:back><WHIDE:Back><WSHOW:Back><WMAX:nothing><WCLS:back><WSHUT:Front>"),
            (Lines{"window \"minimize\" \"Front\"", "window \"size\" \"Front\" \"640\" \"480\"",
                   "window \"move\" \"Back\" \"10\" \"20\"", "window \"sysrestore\" \"Back\"",
                   "window \"hide\" \"Back\"", "window \"show\" \"Back\"",
                   "window \"close\" \"Back\"", "window \"quit\" \"Front\""}));
}

TEST_F(WindowActionsTest, LaunchSplitsTheParameters) {
  EXPECT_EQ(
      Play("<LAUNCH:notepad.exe<PARAM>c:\\a.txt>x<LAUNCH:calc.exe>"),
      Seq({{"launch \"notepad.exe\" \"c:\\\\a.txt\""}, Plain("x"), {"launch \"calc.exe\" \"\""}}));
}

TEST_F(WindowActionsTest, LaunchYesWithAnOpenWindowOnlyActivatesIt) {
  fake.AddWindow("Untitled - Notepad");
  EXPECT_EQ(Play("<LAUNCHYES:05Untitled - Notepad<LAUNCH:notepad.exe>x"),
            Seq({{"activate \"Untitled - Notepad\""}, Plain("x")}));
}

TEST_F(WindowActionsTest, LaunchNoWaitsForTheWindowThenTheSettleTime) {
  fake.OnExecute([this](std::string_view, std::string_view) {
    fake.AtVirtualTime(600, [this] { fake.AddWindow("Untitled - Notepad"); });
  });
  EXPECT_EQ(Play("<LAUNCHNO:05Untitled - Notepad<LAUNCH:notepad.exe>x"),
            Seq({{"launch \"notepad.exe\" \"\""},
                 Wait(250),
                 Wait(250),
                 Wait(250),
                 Wait(250),
                 {"activate \"Untitled - Notepad\""},
                 Wait(5000),
                 Plain("x")}));
  EXPECT_EQ(player.State().LaunchTitle, "Untitled - Notepad");
}

TEST_F(WindowActionsTest, LaunchWaitGivesUpAfter30SecondsAndSkipsTheRest) {
  Play("<LAUNCHNO:05" + std::string(40, 'T') + "<LAUNCH:x.exe>y");
  EXPECT_EQ(player.State().LaunchTitle, std::string(30, 'T'));
  EXPECT_EQ(fake.VirtualMilliseconds(), 30000);
  EXPECT_EQ(TypedText(fake.Log()), "");
  EXPECT_EQ(fake.Log().back(), "wait 250");
}

TEST_F(WindowActionsTest, FileTags) {
  fake.SetFile("a.txt", "new");
  fake.SetFile("b.txt", "old");
  fake.SetFile("c.txt", "gone");
  Play("<COPYFILE:a.txt;b.txt><RENFILE:a.txt;d.txt><DELFILE:c.txt><DELFILE:none><CHDIR:c:\\work>x");
  EXPECT_EQ(fake.FileContent("b.txt"), "new");
  EXPECT_EQ(fake.FileContent("d.txt"), "new");
  EXPECT_FALSE(fake.HasFile("a.txt"));
  EXPECT_FALSE(fake.HasFile("c.txt"));
  EXPECT_EQ(fake.CurrentDirectory(), "c:\\work");
  EXPECT_EQ(TypedText(fake.Log()), "x");
}

}  // namespace
}  // namespace quindle::engine::playtest
