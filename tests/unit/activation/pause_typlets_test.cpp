#include "activation/pause_typlets.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/in_process_table.h"

namespace quindle::activation {
namespace {

// Notes the marker as the pause dialog would see it, and answers with `resume`.
class MarkerSeeingPrompts final : public platform::IPlaybackPrompts {
 public:
  explicit MarkerSeeingPrompts(storage::SharedMacroTable& table) : table_(table) {}
  bool ShowPause(const platform::PauseRequest&) override {
    markerDuringPause = table_.PlaybackMarker;
    return resume;
  }
  std::uint16_t AskRepeatCount() override { return 7; }
  void DoAMessage(std::string_view caption, std::string_view text) override {
    messages.push_back(std::string(caption) + ": " + std::string(text));
  }

  bool resume = true;
  std::optional<bool> markerDuringPause;
  std::vector<std::string> messages;

 private:
  storage::SharedMacroTable& table_;
};

class PauseTyplets : public ::testing::Test {
 protected:
  storage::InProcessTable objects;
  storage::TableLock lock{objects};
  MarkerSeeingPrompts inner{objects.Block()};
  PauseLetsTypletsThrough prompts{lock, inner};
};

TEST_F(PauseTyplets, TheMarkerIsOffWhileThePauseIsOpenAndOnAgainAfterEitherAnswer) {
  int ended = 0;
  prompts.SetPauseEnded([&] { ++ended; });
  for (const bool resume : {true, false}) {
    objects.Block().PlaybackMarker = true;
    inner.resume = resume;
    EXPECT_EQ(prompts.ShowPause({}), resume);
    EXPECT_EQ(inner.markerDuringPause, std::optional<bool>(false));
    EXPECT_TRUE(objects.Block().PlaybackMarker) << "resume " << resume;
  }
  EXPECT_EQ(ended, 2) << "the Typlet buffer is emptied after either answer";
}

TEST_F(PauseTyplets, AMarkerThatWasOffStaysOffAndTheOtherPromptsPassThrough) {
  objects.Block().PlaybackMarker = false;
  prompts.ShowPause({});
  EXPECT_FALSE(objects.Block().PlaybackMarker);
  EXPECT_EQ(prompts.AskRepeatCount(), 7);
  prompts.DoAMessage("Notice", "text");
  EXPECT_EQ(inner.messages, std::vector<std::string>{"Notice: text"});
}

TEST_F(PauseTyplets, WithoutTheTableThePauseStillShowsAndNothingIsSet) {
  objects.Block().PlaybackMarker = true;
  objects.SetOpenFails(true);
  EXPECT_TRUE(prompts.ShowPause({}));
  EXPECT_TRUE(inner.markerDuringPause.has_value());
  EXPECT_TRUE(objects.Block().PlaybackMarker);
}

}  // namespace
}  // namespace quindle::activation
