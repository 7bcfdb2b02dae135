#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "hooklib/hook_fixture.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib::testing {
namespace {

std::string Delay(double last, double now) {
  char out[256];
  const std::size_t n = FormatCaptureDelay(last, now, out, sizeof out);
  return std::string(out, n);
}

double At(int h, int m, int s, int ms) {
  return DayFraction({h, m, s, ms});
}

TEST(CaptureDelayTest, FullTagsThenTheRemainder) {
  EXPECT_EQ(Delay(At(10, 0, 0, 0), At(10, 0, 25, 300)), "<MSD:9999><MSD:9999><MSD:5300>");
  EXPECT_EQ(Delay(At(10, 0, 0, 0), At(10, 0, 0, 0)), "<MSD:0000>");
  EXPECT_EQ(Delay(At(10, 0, 0, 0), At(10, 0, 10, 0)), "<MSD:9999><MSD:0000>");
  EXPECT_EQ(Delay(At(10, 0, 0, 0), At(10, 0, 0, 7)), "<MSD:0007>");
}

TEST(CaptureDelayTest, MidnightWrapAndDamagedTimes) {
  EXPECT_EQ(Delay(At(23, 59, 59, 500), At(0, 0, 1, 0)), "<MSD:1500>");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Delay(nan, At(1, 0, 0, 0)), "<MSD:0000>");
  EXPECT_EQ(Delay(inf, At(1, 0, 0, 0)), "<MSD:0000>");
  EXPECT_EQ(Delay(-1e300, At(1, 0, 0, 0)), "<MSD:0000>");
  EXPECT_EQ(Delay(1e300, At(1, 0, 0, 0)), "<MSD:0000>");
  EXPECT_EQ(ElapsedMilliseconds(At(12, 0, 0, 0), nan), 0u);
}

TEST(CaptureDelayTest, OutputIsCutToTheBuffer) {
  char out[15];
  EXPECT_EQ(FormatCaptureDelay(At(0, 0, 0, 0), At(0, 0, 30, 0), out, sizeof out), 15u);
  EXPECT_EQ(std::string(out, 15), "<MSD:9999><MSD:");
  EXPECT_EQ(FormatCaptureDelay(0.0, 0.5, nullptr, 0), 0u);
}

TEST(CaptureDelayTest, PaddedNumbersCountTheMinusSign) {
  char out[24];
  EXPECT_EQ(std::string(out, FormatPadded(30, 5, out)), "00030");
  EXPECT_EQ(std::string(out, FormatPadded(-5, 5, out)), "-0005");
  EXPECT_EQ(std::string(out, FormatPadded(123456, 5, out)), "123456");
  EXPECT_EQ(std::string(out, FormatPadded(640, 4, out)), "0640");
  EXPECT_EQ(std::string(out, FormatPadded(std::numeric_limits<long long>::min(), 5, out)),
            "-9223372036854775808");
}

class CaptureKeysTest : public HookTest {
 protected:
  CaptureKeysTest() {
    table.CaptureActive = true;
    table.CaptureKeys = true;
    table.CaptureMacro = 7;
  }
  std::string Typed(std::initializer_list<unsigned> mods, unsigned key) {
    env.ClearPosts();
    for (unsigned m : mods) Press(m);
    const Verdict v = Press(key);
    EXPECT_FALSE(v.swallow);  // recorded keys reach the application
    Release(key);
    for (unsigned m : mods) Release(m);
    return env.CaptureText();
  }
};

TEST_F(CaptureKeysTest, LettersWithModifiersCaseAndDoubleAlt) {
  EXPECT_EQ(Typed({}, 'A'), "a");
  EXPECT_EQ(Typed({kShift}, 'A'), "A");
  EXPECT_EQ(Typed({kCtrl}, 'S'), "<CTRL>s");
  EXPECT_EQ(Typed({kAlt}, 'F'), "<ALT>f");
  EXPECT_EQ(Typed({kCtrl, kAlt, kShift}, 'G'), "<CTRL><ALT>G");
  table.DoubleAlt = true;
  EXPECT_EQ(Typed({kAlt}, 'F'), "<ALT><ALT>f");
  env.SetCapsToggled(true);
  EXPECT_EQ(Typed({}, 'B'), "B");
  EXPECT_EQ(Typed({kShift}, 'B'), "B");
}

TEST_F(CaptureKeysTest, OtherKeysAndTheirTexts) {
  EXPECT_EQ(Typed({}, 13), "<ENTER>");
  EXPECT_EQ(Typed({kShift}, 9), "<SHIFT><TAB>");
  EXPECT_EQ(Typed({kShift, kCtrl}, 37), "<SHIFT><CTRL><LEFT ARROW>");
  EXPECT_EQ(Typed({}, 135), "<F24>");
  EXPECT_EQ(Typed({}, 112), "<F1>");
  EXPECT_EQ(Typed({}, 34), "<PAGE DOWN>");
  EXPECT_EQ(Typed({}, 253), "<PA1>");
  EXPECT_EQ(Typed({}, 27), "<ESC>");
  EXPECT_EQ(Typed({}, '5'), "5");
  EXPECT_EQ(Typed({kShift}, 190), "<SHIFT>.");
  EXPECT_EQ(Typed({kShift}, 200), "");  // no character, no tags
  for (unsigned never : {144u, 145u, 43u, 44u, 41u, 47u, 20u, 19u, 12u, 3u, 16u, 17u, 18u})
    EXPECT_EQ(Typed({}, never), "") << never;
}

TEST_F(CaptureKeysTest, AltTabIsWrittenOnceUntilTabIsUp) {
  Press(kAlt);
  Press(9);
  Press(9);  // held: auto-repeat is not written again
  Release(9);
  Press(9);
  EXPECT_EQ(env.CaptureText(), "<ALT><TAB><ALT><TAB>");
  EXPECT_TRUE(table.AltTabHeld);
  EXPECT_EQ(table.AltTabKey, 9);
}

TEST_F(CaptureKeysTest, EachPieceCarriesItsOwnDelay) {
  table.CaptureTiming = true;
  table.FirstEvent = true;
  env.SetTime({9, 0, 0, 0});
  Press(kCtrl);
  Press('A');  // "<CTRL>" is the first event: no delay before it
  env.SetTime({9, 0, 25, 300});
  Press('B');
  EXPECT_FALSE(table.FirstEvent);
  EXPECT_EQ(env.CaptureText(), "<CTRL><MSD:0000>a<MSD:9999><MSD:9999><MSD:5300><CTRL><MSD:0000>b");
  EXPECT_EQ(env.posts.front(), (PostedMessage{kMain, WM_CAPTURE_CHAR, 7, '<'}));
}

TEST_F(CaptureKeysTest, DamagedLastEventTimeGivesNoDelay) {
  table.CaptureTiming = true;
  table.LastEventTime = std::numeric_limits<double>::quiet_NaN();
  env.SetTime({1, 2, 3, 4});
  Press('Q');
  EXPECT_EQ(env.CaptureText(), "<MSD:0000>q");
}

// The stop combinations end a capture whatever it records: keystrokes, mouse actions or both.
struct CaptureRecords {
  const char* name;
  bool keys;
  bool mouse;
};

class CaptureStopTest : public CaptureKeysTest,
                        public ::testing::WithParamInterface<CaptureRecords> {
 protected:
  CaptureStopTest() {
    table.CaptureKeys = GetParam().keys;
    table.CaptureMouse = GetParam().mouse;
  }
};

TEST_P(CaptureStopTest, StopSetReleasePostsCharacterZeroThenStopOnce) {
  table.StopSet1Key = 'Q';
  table.StopSet1Mods[0] = true;  // Ctrl
  table.StopSet1Mods[1] = true;  // Alt
  Press(kCtrl);
  Press(kAlt);
  EXPECT_FALSE(Press('Q').swallow);
  EXPECT_TRUE(table.StopSet1Hit);
  EXPECT_FALSE(Release('Q').swallow);
  EXPECT_FALSE(Release(kCtrl).swallow);
  env.ClearPosts();
  EXPECT_TRUE(Release(kAlt).swallow);
  EXPECT_EQ(env.posts, (std::vector<PostedMessage>{{kMain, WM_CAPTURE_CHAR, 7, 0},
                                                   {kMain, WM_CAPTURE_STOP, 7, 0}}));
  // A key before the main program ends the capture is recorded when keys are, and is never a
  // second stop.
  env.ClearPosts();
  Press('Z');
  EXPECT_TRUE(env.PostsOf(WM_CAPTURE_STOP).empty());
  EXPECT_EQ(env.CaptureText(), GetParam().keys ? "z" : "");
}

TEST_P(CaptureStopTest, SecondStopSetOnlyWhenEnabledAndWithItsOwnKey) {
  table.StopSet2Key = 'W';
  table.StopSet2Mods[3] = true;  // Win
  Press(kLeftWin);
  Press('W');
  EXPECT_FALSE(table.StopSet2Hit);  // not enabled
  Release('W');
  Release(kLeftWin);
  table.StopSet2Enabled = true;
  Press(kLeftWin);
  Press('W');
  EXPECT_TRUE(table.StopSet2Hit);
  env.ClearPosts();
  Release('W');
  EXPECT_TRUE(Release(kLeftWin).swallow);
  EXPECT_EQ(env.CaptureText(), std::string(1, '\0'));
  EXPECT_EQ(env.PostsOf(WM_CAPTURE_STOP).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(WhateverRecords, CaptureStopTest,
                         ::testing::Values(CaptureRecords{"KeysAndMouse", true, true},
                                           CaptureRecords{"KeysOnly", true, false},
                                           CaptureRecords{"MouseOnly", false, true},
                                           CaptureRecords{"TimingOnly", false, false}),
                         [](const ::testing::TestParamInfo<CaptureRecords>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(CaptureKeysTest, PeekedKeysAndKeysWithoutCaptureKeysAreIgnored) {
  Key('A', true, 3);
  EXPECT_EQ(env.CaptureText(), "");
  table.CaptureKeys = false;
  Press('A');
  EXPECT_TRUE(env.posts.empty());
}

}  // namespace
}  // namespace quindle::hooklib::testing
