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

TEST(Hook32HostTest, TheHostStartsAgainAndEndsByItselfWhenSignalled) {
  Hook32Host host(TestProgramDir());
  if (!platform::win32::FileExists(host.Path())) GTEST_SKIP() << "built without " << host.Path();
  ASSERT_TRUE(host.Start());
  EXPECT_TRUE(host.Running());
  // Started again: the first host is stopped, and a new one runs.
  ASSERT_TRUE(host.Start());
  EXPECT_TRUE(host.Running());
  EXPECT_TRUE(host.Stop());
  EXPECT_FALSE(host.Running());
}

}  // namespace
}  // namespace quindle::app::win32
