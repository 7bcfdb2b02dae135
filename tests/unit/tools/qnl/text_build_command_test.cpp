// `qnl text` and `qnl build`: the file comes back byte for byte, a damaged text leaves OUT as it
// was, and a file the text cannot hold whole says so in the exit status.
#include <gtest/gtest.h>

#include "sample_macros.h"
#include "support/temp_folder.h"
#include "tools/qnl/run_qnl.h"

namespace quindle::tool {
namespace {

using qnl_testing::Qnl;
using storage::MacroRecord;
using testing_support::Bytes;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

class TextBuildCommandTest : public testing::Test {
 protected:
  std::string Path(const std::string& name) { return (folder / name).string(); }

  TempFolder folder;
};

TEST_F(TextBuildCommandTest, BuildOfTextGivesTheSameFile) {
  const std::string sample = Bytes(examples::SampleMacros());
  WriteFile(folder / "SAMPLE.QNL", sample);
  const auto text = Qnl({"text", Path("SAMPLE.QNL")});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.err, "");
  WriteFile(folder / "sample.txt", text.out);
  WriteFile(folder / "OUT.QNL", "old");
  const auto built = Qnl({"build", Path("sample.txt"), Path("OUT.QNL")});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_EQ(built.out, "built 17 macros\n");
  EXPECT_EQ(ReadFile(folder / "OUT.QNL"), sample);
  EXPECT_FALSE(std::filesystem::exists(folder / "OUT.QNL.qnl-build"));
}

TEST_F(TextBuildCommandTest, DamagedTextLeavesOutAsItWas) {
  WriteFile(folder / "OUT.QNL", "old bytes");
  WriteFile(folder / "bad.txt", "# nothing yet\n[Macro 1]\nName = \"x\n");
  const auto built = Qnl({"build", Path("bad.txt"), Path("OUT.QNL")});
  EXPECT_EQ(built.status, 2);
  EXPECT_EQ(built.err,
            "qnl build: " + Path("bad.txt") + ": line 3: the closing quote is missing\n");
  EXPECT_EQ(ReadFile(folder / "OUT.QNL"), "old bytes");
  EXPECT_FALSE(std::filesystem::exists(folder / "OUT.QNL.qnl-build"));
  EXPECT_EQ(Qnl({"build", Path("missing.txt"), Path("OUT.QNL")}).status, 2);
  // OUT's folder does not exist: nothing is written anywhere.
  EXPECT_EQ(Qnl({"build", Path("bad.txt"), Path("no/OUT.QNL")}).status, 2);
}

TEST_F(TextBuildCommandTest, WhatTheTextCannotHoldIsSaid) {
  MacroRecord damaged = storage::NewMacro("x", storage::ScopeGlobal, "", 0, "");
  damaged.TypletName.length = 11;
  const struct {
    std::string bytes;
    int status;
    std::string err;
  } cases[] = {
      {"", 0, ""},
      {Bytes({damaged}), 1,
       "qnl text: cannot keep macro 1: the length or count of TypletName (byte 82) is more than "
       "the field holds; the text keeps what fits\n"},
      {Bytes({damaged}).substr(1), 1,
       "qnl text: cannot keep the partial record of 5164 bytes at the end of the file\n"},
      {Bytes(std::vector<MacroRecord>(501)), 1,
       "qnl text: cannot keep the 1 record(s) after macro 500: a macro file holds at most 500\n"},
  };
  for (const auto& c : cases) {
    WriteFile(folder / "IN.QNL", c.bytes);
    const auto text = Qnl({"text", Path("IN.QNL")});
    EXPECT_EQ(text.status, c.status);
    EXPECT_EQ(text.err, c.err);
  }
  EXPECT_EQ(Qnl({"text", Path("NONE.QNL")}).status, 2);
}

}  // namespace
}  // namespace quindle::tool
