#include "hooklib/hook_host.h"

#include <gtest/gtest.h>

#include <limits>

namespace quindle::hooklib {
namespace {

struct ParseRow {
  const char* arguments;
  std::optional<std::uint32_t> id;
};

TEST(HookHostTest, ParsesTheProcessIdAndRefusesAnythingElse) {
  const ParseRow rows[] = {
      {"1234", 1234u},
      {"  56\t", 56u},
      {"4294967295", 4294967295u},
      {"4294967296", std::nullopt},  // past 32 bits
      {"0", std::nullopt},           // no process has id 0
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-5", std::nullopt},
      {"+5", std::nullopt},
      {"12x", std::nullopt},
      {"12 34", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const ParseRow& row : rows) {
    SCOPED_TRACE(row.arguments);
    EXPECT_EQ(ParseHostProcessId(row.arguments), row.id);
  }
}

TEST(HookHostTest, ArgumentsReadBackAndEventNamesDifferPerProcess) {
  for (const std::uint32_t id : {1u, 4242u, std::numeric_limits<std::uint32_t>::max()}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ParseHostProcessId(HostArguments(id)), id);
  }
  EXPECT_NE(HostStopEventName(12), HostStopEventName(1));
  EXPECT_NE(HostStopEventName(12), HostStopEventName(21));
}

}  // namespace
}  // namespace quindle::hooklib
