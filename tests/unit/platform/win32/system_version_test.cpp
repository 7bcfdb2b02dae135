#include "platform/win32/system_version.h"

#include <gtest/gtest.h>

namespace quindle::platform::win32 {
namespace {

struct VersionCase {
  bool known;
  bool nt;
  unsigned major;
  bool ntFourOrLater;
};

TEST(SystemVersionTest, NtFourOrLaterIsTheSharedBlocksIsNt) {
  const VersionCase cases[] = {
      {false, true, 0, true},   // the query failed: a modern system
      {true, true, 3, false},   // NT 3.51
      {true, true, 4, true},    // NT 4.0
      {true, true, 10, true},   // today's Windows
      {true, false, 4, false},  // Windows 95 and 98
  };
  for (const VersionCase& c : cases) {
    SystemVersion version;
    version.known = c.known;
    version.nt = c.nt;
    version.windows95Family = c.known && !c.nt;
    version.major = c.major;
    EXPECT_EQ(version.NtFourOrLater(), c.ntFourOrLater) << c.known << c.nt << c.major;
  }
  EXPECT_TRUE(QuerySystemVersion().NtFourOrLater());
}

}  // namespace
}  // namespace quindle::platform::win32
