#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/macro_record.h"
#include "support/temp_folder.h"
#include "tools/qnl/run_qnl.h"

namespace quindle::tool {
namespace {

using qnl_testing::Qnl;
using storage::MacroRecord;
using testing_support::Bytes;
using testing_support::TempFolder;
using testing_support::WriteFile;

class InfoCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    std::vector<MacroRecord> m;
    m.push_back(storage::NewMacro("Zed", storage::ScopeGlobal, "", 0, "line1\r\nline2"));
    m.push_back(storage::NewMacro("Alpha", storage::ScopeGlobal, "", 288, "F<ENTER>"));
    file_ = (folder_ / "I.QNL").string();
    WriteFile(file_, Bytes(m));
  }
  TempFolder folder_;
  std::string file_;
};

TEST_F(InfoCommandTest, PrintsTheFileBytesInTheDefaultListOrder) {
  const auto r = Qnl({"info", file_});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Icon: (Default Icon)\r\nHot Key: Ctrl+A\r\nName: Zed\r\nScope: GLOBAL\r\n"
            "Text: line1\r\nline2\r\n\r\n"
            "Icon: (Default Icon)\r\nHot Key: F1\r\nName: Alpha\r\nScope: GLOBAL\r\n"
            "Text: F<ENTER>\r\n\r\n");
}

TEST_F(InfoCommandTest, TheIniSortsAndFieldsChoose) {
  const std::string ini = (folder_ / "QUINX.INI").string();
  WriteFile(ini, "[misc]\r\n primary sort = 213 \r\n");
  const auto r = Qnl({"info", file_, "--ini", ini, "--fields", "name,schedule"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Name: Alpha\r\n\r\nName: Zed\r\n\r\n");
  WriteFile(ini, "[Misc]\r\nPrimary Sort=312\r\n");
  EXPECT_EQ(Qnl({"info", file_, "--ini", ini, "--fields", "name"}).out,
            "Name: Zed\r\n\r\nName: Alpha\r\n\r\n");
}

TEST_F(InfoCommandTest, RefusalsGoToStandardErrorWithStatus2) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::vector<Case> cases{
      {{"info", file_, "--fields", "schedule,icon"},
       "Nothing has been checked for printing.  Please Correct.\n"},
      {{"info", file_, "--fields", "name,colour"},
       "qnl info: --fields takes icon, hotkey, name, window, schedule and text, not \"colour\"\n"},
      {{"info", file_, "--ini", (folder_ / "NONE.INI").string()},
       "qnl info: cannot read the settings file \"" + (folder_ / "NONE.INI").string() + "\"\n"},
  };
  for (const Case& c : cases) {
    const auto r = Qnl(c.args);
    EXPECT_EQ(r.status, 2) << c.args.back();
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "");
  }
}

}  // namespace
}  // namespace quindle::tool
