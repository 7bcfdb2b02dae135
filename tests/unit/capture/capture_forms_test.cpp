// "Capture Defaults" and "Capture Macro": which option controls can be used, and what the two
// dialogs hand back.
#include <gtest/gtest.h>

#include <string>

#include "capture/capture_forms.h"

namespace quindle::capture {
namespace {

struct EnablementCase {
  const char* what;
  bool keys, mouse, screen, timing;
  bool doubleAlt, screenOrWindow, windowSize, speeds;
};

class CaptureEnablementTest : public ::testing::TestWithParam<EnablementCase> {};

TEST_P(CaptureEnablementTest, DependentControlsFollowTheirMasters) {
  const EnablementCase& c = GetParam();
  CaptureOptions options;
  options.keys = c.keys;
  options.mouse = c.mouse;
  options.screenRelative = c.screen;
  options.timing = c.timing;
  const CaptureEnablement e = EnablementOf(options);
  EXPECT_EQ(e.doubleAlt, c.doubleAlt) << c.what;
  EXPECT_EQ(e.screenOrWindow, c.screenOrWindow) << c.what;
  EXPECT_EQ(e.windowSize, c.windowSize) << c.what;
  EXPECT_EQ(e.speeds, c.speeds) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CaptureEnablementTest,
    ::testing::Values(
        EnablementCase{"defaults: screen-relative", true, true, true, true, true, true, false,
                       true},
        EnablementCase{"window-relative mouse", true, true, false, true, true, true, true, true},
        EnablementCase{"no keystrokes", false, true, false, true, false, true, true, true},
        EnablementCase{"no mouse, window ticked", true, false, false, true, true, false, false,
                       true},
        EnablementCase{"no timing", true, true, true, false, true, true, false, false},
        EnablementCase{"nothing", false, false, true, false, false, false, false, false}));

TEST(CaptureDefaults, OkKeepsEveryTickAndReadsAnUnknownSpeedAsActual) {
  CaptureOptions form;
  form.keys = false;
  form.doubleAlt = false;
  form.screenRelative = false;
  form.prompt = false;
  form.global = false;
  form.speed = 4;
  EXPECT_EQ(AcceptCaptureDefaults(form), form);
  for (const int speed : {0, 5, -1}) {
    form.speed = speed;
    EXPECT_EQ(AcceptCaptureDefaults(form).speed, kSpeedActual) << speed;
  }
}

TEST(CaptureMacro, OpensWithProgramWhenForcedOrWhenTheDefaultsSaySo) {
  CaptureKeysRequest request;
  EXPECT_EQ(InitialScope(request), ScopeChoice::Global);
  request.options.global = false;
  EXPECT_EQ(InitialScope(request), ScopeChoice::Program);
  request.options.global = true;
  request.forceProgram = true;
  EXPECT_EQ(InitialScope(request), ScopeChoice::Program);
}

TEST(CaptureMacro, StartCaptureCutsTheNicknameAndKeepsAForcedProgramScope) {
  CaptureKeysRequest request;
  CaptureOptions form;
  form.mouse = false;
  form.speed = 3;
  const std::string fifty(50, 'n');
  CaptureKeysResult result = AcceptCaptureKeys(request, form, fifty + "xyz", ScopeChoice::Global);
  EXPECT_EQ(result.nickname, fifty);
  EXPECT_EQ(result.options, form);
  EXPECT_EQ(result.scope, ScopeChoice::Global);
  EXPECT_EQ(AcceptCaptureKeys(request, form, " Mail ", ScopeChoice::Program).scope,
            ScopeChoice::Program);
  request.forceProgram = true;
  result = AcceptCaptureKeys(request, form, "Mail", ScopeChoice::Global);
  EXPECT_EQ(result.scope, ScopeChoice::Program) << "the disabled Global cannot be chosen";
  EXPECT_EQ(result.nickname, "Mail");
}

}  // namespace
}  // namespace quindle::capture
