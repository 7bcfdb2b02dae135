#include "engine/prompt_models.h"

#include <gtest/gtest.h>

#include <string>

#include "hooklib/hotkey_names.h"

namespace quindle::engine {
namespace {

constexpr std::uint16_t kCtrlAltShiftT = 259;

TEST(PauseViewTest, MessageHeightGrowsByOneLinePerStartedThirtyCharacters) {
  EXPECT_EQ(PauseMessageHeight(0), 0);
  EXPECT_EQ(PauseMessageHeight(1), 19);
  EXPECT_EQ(PauseMessageHeight(29), 19);
  EXPECT_EQ(PauseMessageHeight(30), 38);
  EXPECT_EQ(PauseMessageHeight(59), 38);
  EXPECT_EQ(PauseMessageHeight(60), 57);
}

TEST(PauseViewTest, FormIs224WideAnd94HighPlusTheMessage) {
  const PauseView none = MakePauseView("", "Letter", kCtrlAltShiftT);
  EXPECT_FALSE(none.messageVisible);
  EXPECT_EQ(none.formWidth, 224);
  EXPECT_EQ(none.formHeight, 94);

  const PauseView short29 = MakePauseView(std::string(29, 'x'), "Letter", kCtrlAltShiftT);
  EXPECT_TRUE(short29.messageVisible);
  EXPECT_EQ(short29.message.height, 19);
  EXPECT_EQ(short29.formHeight, 113);

  const PauseView long30 = MakePauseView(std::string(30, 'x'), "Letter", kCtrlAltShiftT);
  EXPECT_EQ(long30.message.height, 38);
  EXPECT_EQ(long30.formHeight, 132);
  EXPECT_EQ(long30.messageText, std::string(30, 'x'));
}

TEST(PauseViewTest, ButtonsStand52PixelsAboveTheFormsHeightAndClearTheLabels) {
  for (const std::string& message : {std::string(), std::string(10, 'm'), std::string(95, 'm')}) {
    const PauseView view = MakePauseView(message, "Letter", kCtrlAltShiftT);
    SCOPED_TRACE(message.size());
    EXPECT_EQ(view.resumeButton.top, view.formHeight - 52);
    EXPECT_EQ(view.abortButton.top, view.formHeight - 52);
    EXPECT_EQ(view.resumeButton.height, view.abortButton.height);
    // Side by side, not overlapping, inside the 224-pixel form.
    EXPECT_LE(view.resumeButton.left + view.resumeButton.width, view.abortButton.left);
    EXPECT_LE(view.abortButton.left + view.abortButton.width, 224 - 8);
    // Below every label; the message label ends above the buttons.
    EXPECT_LE(view.label.top + view.label.height, view.macroTitle.top);
    EXPECT_LE(view.macroTitle.top + view.macroTitle.height, view.resumeButton.top);
    if (view.messageVisible) {
      EXPECT_LE(view.macroTitle.top + view.macroTitle.height, view.message.top);
      EXPECT_LE(view.message.top + view.message.height, view.resumeButton.top);
    }
  }
}

TEST(PauseViewTest, CaptionNamesTheHotkeyOnlyForHotkeyMacros) {
  EXPECT_EQ(PauseCaption(kCtrlAltShiftT), "Pause (Ctrl+Alt+Shift+T)");
  EXPECT_EQ(PauseCaption(0), "Pause (Ctrl+A)");
  EXPECT_EQ(PauseCaption(719), "Pause (" + std::string(hooklib::HotkeyName(719)) + ")");
  EXPECT_EQ(PauseCaption(10000), "Pause");  // timed macro
  EXPECT_EQ(PauseCaption(20000), "Pause");  // Typlet macro
  EXPECT_EQ(PauseCaption(720), "Pause");    // names no hotkey
  EXPECT_EQ(PauseCaption(0xFFFF), "Pause");
}

TEST(PauseViewTest, LabelsShowTheFixedTitleAndTheNickname) {
  const PauseView view = MakePauseView("Check the total", "Invoice Letter", 10000);
  EXPECT_EQ(view.caption, "Pause");
  EXPECT_EQ(view.labelText, "Quindle Pause");
  EXPECT_EQ(view.macroTitleText, "Invoice Letter");
  EXPECT_EQ(view.messageText, "Check the total");
}

TEST(RepeatCheckTest, WholeNumbersAreAccepted) {
  const struct {
    const char* text;
    std::uint16_t count;
  } cases[] = {{"3", 3},     {"0", 0},  {"9999", 9999}, {" 12 ", 12},
               {"\t7\r", 7}, {"+5", 5}, {"007", 7},     {"-0", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const RepeatCheck check = CheckRepeatCount(c.text);
    ASSERT_TRUE(check.count.has_value());
    EXPECT_EQ(*check.count, c.count);
  }
}

TEST(RepeatCheckTest, AnythingElseIsRefusedWithTheMessageAndTheFieldToFocus) {
  for (const char* text : {"abc", "", "   ", "1a", "a1", "1 2", "1.5", "+", "-", "+-1", "--1",
                           "$1F", "0x1", "-1", "-999", "1e3", "99999", "65536"}) {
    SCOPED_TRACE(text);
    const RepeatCheck check = CheckRepeatCount(text);
    EXPECT_FALSE(check.count.has_value());
    EXPECT_EQ(check.message, "Invalid numeric value entered.  Please Correct");
    EXPECT_EQ(check.title, "Error");
    EXPECT_EQ(check.focus, RepeatField::NumReps);
  }
}

TEST(RepeatLayoutTest, ControlsFitTheClientArea) {
  const RepeatLayout layout = MakeRepeatLayout();
  for (const ControlRect& r : {layout.label, layout.numReps, layout.okButton}) {
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.left + r.width, kRepeatClientWidth);
    EXPECT_LE(r.top + r.height, kRepeatClientHeight);
  }
  EXPECT_LE(layout.label.left + layout.label.width, layout.numReps.left);
  EXPECT_LE(layout.numReps.top + layout.numReps.height, layout.okButton.top + 1);
  EXPECT_EQ(kRepeatMaxChars, 4u);
}

TEST(MessageModelTest, CaptionDefaultsToMessage) {
  EXPECT_EQ(MessageCaption(""), "Message");
  EXPECT_EQ(MessageCaption("Macro Abort"), "Macro Abort");
}

TEST(MessageModelTest, ControlsFitTheClientArea) {
  const MessageLayout layout = MakeMessageLayout();
  for (const ControlRect& r : {layout.theMessage, layout.okButton}) {
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.left + r.width, kMessageClientWidth);
    EXPECT_LE(r.top + r.height, kMessageClientHeight);
  }
  EXPECT_LE(layout.theMessage.top + layout.theMessage.height, layout.okButton.top);
  // The button is centred.
  EXPECT_NEAR(2 * layout.okButton.left + layout.okButton.width, kMessageClientWidth, 1);
}

TEST(CentredOriginTest, CentresAndKeepsLargeWindowsOnScreen) {
  EXPECT_EQ(CentredOrigin(1024, 768, 224, 94), (Point{400, 337}));
  EXPECT_EQ(CentredOrigin(1024, 768, 225, 95), (Point{399, 336}));  // halves toward zero
  EXPECT_EQ(CentredOrigin(200, 100, 224, 94), (Point{0, 3}));
  EXPECT_EQ(CentredOrigin(0, 0, 10, 10), (Point{0, 0}));
}

}  // namespace
}  // namespace quindle::engine
