#include "app/tray_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::app {
namespace {

// A focus loss in tray mode with nothing in the way.
FocusLossFacts Free() {
  FocusLossFacts facts;
  facts.useTray = true;
  return facts;
}

TEST(TrayFocusLossTest, InTrayModeWithNothingInTheWayTheProgramHides) {
  EXPECT_TRUE(HidesOnFocusLoss(Free()));
}

TEST(TrayFocusLossTest, EachConditionAloneKeepsTheWindow) {
  struct Case {
    std::string name;
    void (*apply)(FocusLossFacts&);
  };
  const std::vector<Case> cases{
      {"tray off", [](FocusLossFacts& f) { f.useTray = false; }},
      {"terminating", [](FocusLossFacts& f) { f.terminating = true; }},
      {"macro playing", [](FocusLossFacts& f) { f.macroPlaying = true; }},
      {"macro starting", [](FocusLossFacts& f) { f.macroStarting = true; }},
      {"popup menu shown", [](FocusLossFacts& f) { f.popupMenuShown = true; }},
      {"dialog open", [](FocusLossFacts& f) { f.dialogOpen = true; }},
      {"suppressed after a capture", [](FocusLossFacts& f) { f.suppressed = true; }},
  };
  for (const Case& c : cases) {
    FocusLossFacts facts = Free();
    c.apply(facts);
    EXPECT_FALSE(HidesOnFocusLoss(facts)) << c.name;
  }
}

TEST(TrayFocusLossTest, SuppressionLastsForOneFocusLossOnly) {
  FocusLossSuppression suppression;
  EXPECT_FALSE(suppression.Take());
  suppression.Set();
  suppression.Set();  // two captures ending before a focus loss still suppress one loss
  EXPECT_TRUE(suppression.IsSet());
  EXPECT_TRUE(suppression.Take());
  EXPECT_FALSE(suppression.IsSet());
  EXPECT_FALSE(suppression.Take());
}

TEST(TrayOpeningTest, OnlyTrayModeClosesDialogsAndShowsTheWindow) {
  EXPECT_EQ(OpeningFromTray(false), TrayOpening::BringToFront);
  EXPECT_EQ(OpeningFromTray(true), TrayOpening::CloseDialogsAndShow);
}

TEST(TrayPresenceTest, TheSettingDecidesIconCheckMarkAndHide) {
  struct Case {
    bool useTray;
    bool capable;
    bool stored;
    bool icon;
    bool entryEnabled;
  };
  const std::vector<Case> cases{
      {false, true, false, false, true},
      {true, true, true, true, true},
      // Without a notification area the setting is forced off and cannot be turned on.
      {true, false, false, false, false},
      {false, false, false, false, false},
  };
  for (const Case& c : cases) {
    const TrayPresence p = PresenceFor(c.useTray, c.capable);
    const std::string name = std::to_string(c.useTray) + "/" + std::to_string(c.capable);
    EXPECT_EQ(p.useTray, c.stored) << name;
    EXPECT_EQ(p.mainIconShown, c.icon) << name;
    EXPECT_EQ(p.trayEntryChecked, c.stored) << name;
    EXPECT_EQ(p.hideEnabled, c.stored) << name;
    EXPECT_EQ(p.trayEntryEnabled, c.entryEnabled) << name;
  }
}

TEST(TrayPresenceTest, ToggleTurnsTheSettingOverButNeverOnWithoutATray) {
  EXPECT_TRUE(ToggledPresence(false, true).useTray);
  EXPECT_TRUE(ToggledPresence(false, true).mainIconShown);
  EXPECT_FALSE(ToggledPresence(true, true).useTray);
  EXPECT_FALSE(ToggledPresence(true, true).hideEnabled);
  EXPECT_FALSE(ToggledPresence(false, false).useTray);
}

TEST(TrayClickTest, EachIconAnswersItsOwnButtons) {
  struct Case {
    TrayIconKind icon;
    TrayMouse mouse;
    TrayClickAction action;
  };
  const std::vector<Case> cases{
      {TrayIconKind::Main, TrayMouse::LeftUp, TrayClickAction::Open},
      {TrayIconKind::Main, TrayMouse::RightUp, TrayClickAction::ShowMenu},
      {TrayIconKind::Main, TrayMouse::Other, TrayClickAction::None},
      {TrayIconKind::Recording, TrayMouse::LeftUp, TrayClickAction::None},
      {TrayIconKind::Recording, TrayMouse::RightUp, TrayClickAction::EndCapture},
      {TrayIconKind::Recording, TrayMouse::Other, TrayClickAction::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ActionOfClick(c.icon, c.mouse), c.action)
        << static_cast<int>(c.icon) << "/" << static_cast<int>(c.mouse);
  }
}

TEST(TrayIconKeeperTest, AFailedFirstAddIsTriedAgainByTheTimerAndOnTaskbarCreated) {
  using Step = TrayIconKeeper::Step;
  TrayIconKeeper keeper;
  ASSERT_EQ(keeper.Want(true), Step::Add);
  EXPECT_TRUE(keeper.Added(false)) << "the retry timer runs";
  EXPECT_FALSE(keeper.RetryDone());
  EXPECT_EQ(keeper.OnRetry(), Step::Add);
  EXPECT_TRUE(keeper.Added(false));
  EXPECT_EQ(keeper.OnTaskbarCreated(), Step::Add) << "a new tray: the icon was never shown";
  EXPECT_FALSE(keeper.Added(true));
  EXPECT_TRUE(keeper.RetryDone());
  EXPECT_EQ(keeper.OnRetry(), Step::None);
  EXPECT_EQ(keeper.Want(true), Step::None);
  // A shown icon comes back after Explorer restarts; one no longer wanted does not.
  EXPECT_EQ(keeper.OnTaskbarCreated(), Step::Add);
  EXPECT_FALSE(keeper.Added(true));
  EXPECT_EQ(keeper.Want(false), Step::Delete);
  EXPECT_TRUE(keeper.RetryDone());
  EXPECT_EQ(keeper.OnTaskbarCreated(), Step::None);
  EXPECT_EQ(keeper.OnRetry(), Step::None);
  EXPECT_EQ(keeper.Want(false), Step::None);
}

}  // namespace
}  // namespace quindle::app
