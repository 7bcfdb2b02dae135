#include "app/win32/hook32_host.h"

#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/file_ops.h"

namespace quindle::app::win32 {
namespace {

// The build copies HOOK32\ beside the test program, as it lies beside QUINDL.EXE.
std::string TestProgramDir() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string file(path, length < MAX_PATH ? length : 0);
  return file.substr(0, file.find_last_of("\\/"));
}

TEST(Hook32HostTest, AMissingHostIsNoFaultAndNothingRuns) {
  Hook32Host host("C:\\no such folder of Quindle");
  EXPECT_EQ(host.Path(), "C:\\no such folder of Quindle\\HOOK32\\QNLHOOK32.EXE");
  EXPECT_FALSE(host.Start());
  EXPECT_FALSE(host.Running());
  EXPECT_TRUE(host.Stop());
}

// The 32-bit host as QUINDL.EXE starts it, and the same host built for 64 bits (HOST64\), which
// runs also where 32-bit programs cannot.
class Hook32HostRuns : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    // The project's wine (scripts/wine-bin) says so where 32-bit programs cannot run at all.
    char runs32[2] = {};
    if (*GetParam() == '\0' && ::GetEnvironmentVariableA("QNL_WINE32", runs32, 2) == 1 &&
        runs32[0] == '0')
      GTEST_SKIP() << "this machine cannot execute 32-bit programs";
  }
  std::string ProgramDir() const { return TestProgramDir() + GetParam(); }
};

TEST_P(Hook32HostRuns, StartsAgainAndEndsByItselfWhenSignalled) {
  Hook32Host host(ProgramDir());
  if (!platform::win32::FileExists(host.Path())) GTEST_SKIP() << "built without " << host.Path();
  ASSERT_TRUE(host.Start());
  ASSERT_TRUE(host.Started(Hook32Host::kStopWaitMs));
  // Started again: the first host is stopped, and a new one runs.
  ASSERT_TRUE(host.Start());
  ASSERT_TRUE(host.Started(Hook32Host::kStopWaitMs));
  EXPECT_TRUE(host.Stop());
  EXPECT_FALSE(host.Running());
}

TEST_P(Hook32HostRuns, StoppedWhileItStartsItStillEndsByItself) {
  Hook32Host host(ProgramDir());
  if (!platform::win32::FileExists(host.Path())) GTEST_SKIP() << "built without " << host.Path();
  // Stop waits for the process the start makes and signals it; a host that had to be ended by
  // force, or a start given up, would say false.
  ASSERT_TRUE(host.Start());
  EXPECT_TRUE(host.Stop());
  // Started again while the start before is under way: that one is stopped, and this one runs.
  ASSERT_TRUE(host.Start());
  ASSERT_TRUE(host.Start());
  EXPECT_TRUE(host.Started(Hook32Host::kStopWaitMs));
  EXPECT_TRUE(host.Stop());
}

INSTANTIATE_TEST_SUITE_P(Hosts, Hook32HostRuns, testing::Values("", "\\HOST64"));

}  // namespace
}  // namespace quindle::app::win32
