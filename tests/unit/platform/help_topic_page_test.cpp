#include "platform/help_topic_page.h"

#include <gtest/gtest.h>

#include <string>

namespace quindle::platform {
namespace {

TEST(HelpTopicPageTest, PagesAreMadeFromTheTopicNames) {
  const struct {
    const char* topic;
    const char* page;
  } cases[] = {
      {"About Quindle 98", "about_quindle_98.htm"},
      {"Contents", "contents.htm"},
      {"Tutorial / User Guide", "tutorial_user_guide.htm"},
      {"  Leading and trailing  ", "leading_and_trailing.htm"},
      {"Mouse-Hooks & Keys", "mouse_hooks_keys.htm"},
      {"", "index.htm"},
      {"&/ ", "index.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpTopicPage(c.topic), c.page) << c.topic;
}

TEST(HelpTopicPageTest, TheUrlNamesTheFileAndThePage) {
  EXPECT_EQ(HelpTopicUrl("C:\\QUINDLE\\QUINDL.CHM", "Contents"),
            "C:\\QUINDLE\\QUINDL.CHM::/contents.htm");
}

}  // namespace
}  // namespace quindle::platform
