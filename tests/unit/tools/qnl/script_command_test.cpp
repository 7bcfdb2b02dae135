#include <gtest/gtest.h>

#include "storage/macro_record.h"
#include "support/temp_folder.h"
#include "tools/qnl/run_qnl.h"

namespace quindle::tool {
namespace {

using qnl_testing::Qnl;
using testing_support::Bytes;
using testing_support::TempFolder;
using testing_support::WriteFile;

TEST(QnlScript, ListsTheLinesIndentedAsTheEditorDoes) {
  const auto r = Qnl({"script", "--text", "<REPEAT:0002>Hi<MSD:0100><ENDREP><BEEP>"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Repeat Start: 2\n"
            "   Text: Hi\n"
            "   Delay 100 Milliseconds\n"
            "Repeat End\n"
            "Sound Beep\n");
}

TEST(QnlScript, WriteBackPrintsTheMacroTextAndOneLineFeed) {
  const auto r = Qnl({"script", "--write-back", "--text", "<MM/DD/YY{N}>x<DELAY:1.5>"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "<MM/DD/YY{NF000}>x<DELAY:1.5>\n");
}

TEST(QnlScript, TextAndOutputAreUtf8) {
#ifdef _WIN32  // the argument comes in the program's code page there, the output is UTF-8
  const auto r = Qnl({"script", "--text", "caf\xE9<CTLD>"});
#else
  const auto r = Qnl({"script", "--text", "caf\xC3\xA9<CTLD>"});
#endif
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Text: caf\xC3\xA9\nControl Key Down\n");
}

TEST(QnlScript, ReadsMacroNOfAFile) {
  TempFolder folder;
  const auto path = folder / "M.QNL";
  WriteFile(path, Bytes({storage::NewMacro("One", storage::ScopeGlobal, "", 65, "a"),
                         storage::NewMacro("Two", storage::ScopeGlobal, "", 66, "<CLIPC>b")}));
  const auto r = Qnl({"script", path.string(), "2"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "Clipboard Copy\nText: b\n");
}

TEST(QnlScript, BadArgumentsGiveOneLineAndStatusTwo) {
  TempFolder folder;
  const auto path = folder / "M.QNL";
  WriteFile(path, Bytes({storage::NewMacro("One", storage::ScopeGlobal, "", 65, "a")}));
  const std::vector<std::vector<std::string>> cases = {
      {"script"},
      {"script", path.string(), "2"},
      {"script", (folder / "NONE.QNL").string(), "1"},
#ifndef _WIN32  // on Windows the argument is in the program's code page already
      {"script", "--text", "\xFF"},
#endif
      {"script", "--text", std::string(5001, 'a')},
      {"script", "--text", "a", path.string(), "1"},
  };
  for (const auto& args : cases) {
    const auto r = Qnl(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_TRUE(r.out.empty()) << args.back();
    ASSERT_FALSE(r.err.empty()) << args.back();
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
}

}  // namespace
}  // namespace quindle::tool
