#include "app/help_menu.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "app/about_box.h"
#include "platform/help_topics.h"

namespace quindle::app {
namespace {

TEST(HelpMenuTest, EachEntryOpensItsOwnTopicOnItsOwnPage) {
  EXPECT_EQ(HelpTopicOf(HelpMenuEntry::Contents), "Contents");
  EXPECT_EQ(HelpTopicOf(HelpMenuEntry::Tutorial), "Tutorial");
  EXPECT_EQ(HelpTopicOf(HelpMenuEntry::About), "About Quindle 98");
  std::set<std::string> pages;
  for (const std::string_view topic : kMainMenuHelpTopics) {
    const std::optional<std::string_view> page = platform::HelpPage(topic);
    ASSERT_TRUE(page) << topic;
    pages.insert(std::string(*page));
  }
  EXPECT_EQ(pages.size(), kMainMenuHelpTopics.size());
}

TEST(HelpMenuTest, OnlyTheGuideHasAMessageOfItsOwnWhenTheHelpIsMissing) {
  EXPECT_EQ(MissingHelpMessage(HelpMenuEntry::Tutorial),
            "The Tutorial / User Manual could not be located.  Please make sure that it was "
            "installed.");
  EXPECT_EQ(MissingHelpMessage(HelpMenuEntry::Contents), "");
  EXPECT_EQ(MissingHelpMessage(HelpMenuEntry::About), "");
}

TEST(HelpMenuTest, CommandsFindTheirEntryAndOthersNone) {
  const std::array<HelpCommand, 3> table{
      {{30, HelpMenuEntry::Contents}, {31, HelpMenuEntry::Tutorial}, {32, HelpMenuEntry::About}}};
  EXPECT_EQ(HelpEntryOfCommand(table, 31), HelpMenuEntry::Tutorial);
  EXPECT_EQ(HelpEntryOfCommand(table, 32), HelpMenuEntry::About);
  EXPECT_EQ(HelpEntryOfCommand(table, 29), std::nullopt);
  EXPECT_EQ(HelpEntryOfCommand(table, 0), std::nullopt);
}

TEST(AboutBoxTest, NamesTheProgramAndTheOpenFile) {
  const AboutView withFile = MakeAboutView("C:\\QUINDLE\\QUINX.QNL");
  EXPECT_EQ(withFile.caption, "About Quindle 98");
  EXPECT_EQ(withFile.programName, "Quindle 98");
  EXPECT_EQ(withFile.macroFile, "Macro file: C:\\QUINDLE\\QUINX.QNL");
  EXPECT_FALSE(withFile.detail.empty());
  EXPECT_EQ(MakeAboutView("").macroFile, "");
}

}  // namespace
}  // namespace quindle::app
