// The "Network Considerations" dialog's check of the minutes and what closing it changes.
#include "app/network_options.h"

#include <gtest/gtest.h>

namespace quindle::app {
namespace {

TEST(NetworkOptionsTest, MinutesAreAWholeNumberFromZeroTo98) {
  const struct {
    const char* text;
    std::optional<int> minutes;
  } cases[] = {{"10", 10},           {" 5 ", 5},           {"0", 0},
               {"98", 98},           {"99", std::nullopt}, {"", std::nullopt},
               {"-1", std::nullopt}, {"5x", std::nullopt}, {"100", std::nullopt}};
  for (const auto& c : cases) {
    const NetworkResult result = AcceptNetworkForm({true, true, c.text});
    ASSERT_EQ(result.choice.has_value(), c.minutes.has_value()) << c.text;
    if (c.minutes) {
      EXPECT_EQ(result.choice->minutes, *c.minutes) << c.text;
    } else {
      EXPECT_EQ(result.message, kSyncMinutesInvalid);
      EXPECT_EQ(result.focus, NetworkField::Minutes);
    }
  }
}

TEST(NetworkOptionsTest, ClosingOtherwiseKeepsTheOldMinutesWhenTheFieldIsNoNumber) {
  Settings current;
  current.syncMinutes = 7;
  EXPECT_EQ(ChoiceOnClose({true, false, "abc"}, current).minutes, 7);
  EXPECT_EQ(ChoiceOnClose({true, false, "12"}, current).minutes, 12);
  EXPECT_TRUE(ChoiceOnClose({true, false, "12"}, current).networkMode);
}

TEST(NetworkOptionsTest, ApplyingSwitchesTheTimerTheCountAndTheSyncFile) {
  const struct {
    bool wasNetwork, wasAutoSync;
    NetworkChoice choice;
    bool autoSync;  // stored
    NetworkChanges changes;
  } cases[] = {
      {false, true, {true, true, 10}, true, {true, false, true}},
      {true, false, {true, true, 10}, true, {true, true, false}},
      {true, true, {true, true, 0}, false, {false, false, false}},  // 0 minutes: off
      {true, true, {true, false, 10}, false, {false, false, false}},
      {true, true, {false, true, 10}, true, {false, false, false}},  // no sharing, no reload
      {false, false, {false, false, 5}, false, {false, false, false}},
  };
  for (const auto& c : cases) {
    Settings s;
    s.networkMode = c.wasNetwork;
    s.autoSync = c.wasAutoSync;
    const NetworkChanges changes = ApplyNetworkChoice(c.choice, s);
    SCOPED_TRACE(::testing::Message() << c.wasNetwork << c.wasAutoSync << c.choice.networkMode
                                      << c.choice.autoSync << c.choice.minutes);
    EXPECT_EQ(s.networkMode, c.choice.networkMode);
    EXPECT_EQ(s.autoSync, c.autoSync);
    EXPECT_EQ(s.syncMinutes, c.choice.minutes);
    EXPECT_EQ(changes.syncTimerOn, c.changes.syncTimerOn);
    EXPECT_EQ(changes.resetSyncCount, c.changes.resetSyncCount);
    EXPECT_EQ(changes.prepareSync, c.changes.prepareSync);
  }
}

}  // namespace
}  // namespace quindle::app
