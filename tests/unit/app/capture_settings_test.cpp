// The capture options travel between the settings record and the capture dialogs unchanged,
// each flag into its own key.
#include <gtest/gtest.h>

#include "app/capture_settings.h"

namespace quindle::app {
namespace {

TEST(CaptureSettings, TheDefaultsOfBothSidesAgree) {
  EXPECT_EQ(CaptureOptionsOf(Settings{}), capture::CaptureOptions{});
}

struct Pairing {
  bool capture::CaptureOptions::*option;
  bool Settings::*setting;
  const char* key;
};

TEST(CaptureSettings, EachOptionReachesItsOwnKeyAndComesBack) {
  // One option off at a time: two keys swapped in both directions would survive a round trip,
  // so each one is looked for in the settings record too.
  const Pairing pairings[] = {
      {&capture::CaptureOptions::keys, &Settings::captureKeys, "Keys"},
      {&capture::CaptureOptions::doubleAlt, &Settings::doubleAlt, "Double Alt"},
      {&capture::CaptureOptions::mouse, &Settings::captureMouse, "Mouse"},
      {&capture::CaptureOptions::screenRelative, &Settings::relativeToScreen, "Relative To Screen"},
      {&capture::CaptureOptions::windowSize, &Settings::captureWindowSize, "Window Size"},
      {&capture::CaptureOptions::timing, &Settings::captureTime, "Time"},
      {&capture::CaptureOptions::prompt, &Settings::capturePrompt, "Prompt"},
      {&capture::CaptureOptions::global, &Settings::captureGlobal, "Global"},
  };
  int speed = 1;
  for (const Pairing& pairing : pairings) {
    capture::CaptureOptions options;
    options.*pairing.option = false;
    options.speed = speed;
    Settings settings;
    StoreCaptureOptions(options, settings);
    Settings expected;
    expected.*pairing.setting = false;
    expected.captureSpeed = speed;
    EXPECT_TRUE(settings == expected) << pairing.key;
    EXPECT_EQ(CaptureOptionsOf(settings), options) << pairing.key;
    speed = speed % 4 + 1;
  }
}

}  // namespace
}  // namespace quindle::app
