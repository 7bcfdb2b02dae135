#include "app/macro_file_names.h"

#include <gtest/gtest.h>

namespace quindle::app {
namespace {

TEST(MacroFileNames, OnlyANameEndingInQnlIsAMacroFile) {
  const struct {
    const char* path;
    bool taken;
  } cases[] = {
      {"C:\\MACROS\\WORK.QNL", true},
      {"c:\\macros\\work.qnl", true},
      {"Work.QnL", true},
      {"C:\\MACROS\\WORK.TXT", false},
      {"C:\\MACROS\\WORK.QNLX", false},
      {"C:\\MACROS\\.QNL", false},  // no name before the ending
      {".QNL", false},
      {"QNL", false},
      {"", false},
      {"C:\\DIR.QNL\\WORK", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsMacroFileName(c.path), c.taken) << c.path;
}

}  // namespace
}  // namespace quindle::app
