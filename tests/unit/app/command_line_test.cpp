#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quindle::app {
namespace {

using Arguments = std::vector<std::string>;

struct Applied {
  Settings settings;
  StartOptions options;
};

Applied Apply(const Arguments& arguments) {
  Applied result;
  for (const std::string& argument : arguments) {
    ProcessParam(argument, result.settings, result.options);
  }
  return result;
}

TEST(ProcessParamTest, WholeArgumentsInAnyCase) {
  const Applied applied = Apply({"/hide", "/b", "/Ba", "/s", "/N"});
  EXPECT_TRUE(applied.options.hide);
  EXPECT_TRUE(applied.options.browse);
  EXPECT_TRUE(applied.options.browseAll);
  EXPECT_FALSE(applied.options.file);

  Settings settings;
  settings.autoSync = false;
  StartOptions options;
  ProcessParam("/S", settings, options);
  EXPECT_TRUE(settings.autoSync);
  EXPECT_FALSE(settings.networkMode);
  ProcessParam("/n", settings, options);
  EXPECT_TRUE(settings.networkMode);
}

TEST(ProcessParamTest, OnlyWholeMatchesCount) {
  const Applied applied = Apply(
      {"/HIDDEN", "/HID", "/BAX", "B", "HIDE", "-B", "/ S", "/N2", "/", "", "/X", "/Bb", " /B"});
  EXPECT_EQ(applied.settings, Settings{});
  EXPECT_FALSE(applied.options.hide);
  EXPECT_FALSE(applied.options.browse);
  EXPECT_FALSE(applied.options.browseAll);
  EXPECT_FALSE(applied.options.file);
}

TEST(ProcessParamTest, SyncMinutesOnlyFromOneToNinetyEight) {
  const auto minutes = [](const std::string& argument) {
    return Apply({argument}).settings.syncMinutes;
  };
  EXPECT_EQ(minutes("/SM98"), 98);
  EXPECT_EQ(minutes("/sm1"), 1);
  EXPECT_EQ(minutes("/SM098"), 98);
  EXPECT_EQ(minutes("/SM99"), 10);
  EXPECT_EQ(minutes("/SM0"), 10);
  EXPECT_EQ(minutes("/SM"), 10);
  EXPECT_EQ(minutes("/SMx"), 10);
  EXPECT_EQ(minutes("/SM5x"), 10);
  EXPECT_EQ(minutes("/SM-5"), 10);
  EXPECT_EQ(minutes("/SM 5"), 10);
  EXPECT_EQ(minutes("/SM99999999999999999999"), 10);
  // "/S" is matched whole only: "/SM" never turns on "Auto Sync".
  Settings settings;
  settings.autoSync = false;
  StartOptions options;
  ProcessParam("/SM20", settings, options);
  EXPECT_FALSE(settings.autoSync);
  EXPECT_EQ(settings.syncMinutes, 20);
  ProcessParam("/SM99", settings, options);
  EXPECT_EQ(settings.syncMinutes, 20);
}

TEST(ProcessParamTest, FileArgumentIsUpperCasedAndTrimmed) {
  EXPECT_EQ(Apply({"/f c:\\x.qnl"}).options.file, "C:\\X.QNL");
  EXPECT_EQ(Apply({"/Fd:\\Macros\\Work File.qnl"}).options.file, "D:\\MACROS\\WORK FILE.QNL");
  EXPECT_EQ(Apply({"/FOO"}).options.file, "OO");
  EXPECT_FALSE(Apply({"/F"}).options.file);
  EXPECT_FALSE(Apply({"/f   "}).options.file);
  // A later "/F" wins, as the later one is opened last.
  EXPECT_EQ(Apply({"/FA.QNL", "/FB.QNL"}).options.file, "B.QNL");
  // The path is only remembered: the current file of the settings stays until it is opened.
  EXPECT_EQ(Apply({"/FA.QNL"}).settings, Settings{});
}

// "/F" and the path as two arguments, as a user types it; an option after "/F" is no path.
struct FileFormCase {
  const char* commandLine;
  std::optional<std::string> file;
  bool hide;
};

class FileAsNextArgument : public ::testing::TestWithParam<FileFormCase> {};

TEST_P(FileAsNextArgument, OpensThePathThatFollows) {
  Applied applied;
  ProcessParams(SplitCommandLine(GetParam().commandLine), applied.settings, applied.options);
  EXPECT_EQ(applied.options.file, GetParam().file);
  EXPECT_EQ(applied.options.hide, GetParam().hide);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, FileAsNextArgument,
    ::testing::Values(FileFormCase{"/F C:\\path\\FILE.QNL", "C:\\PATH\\FILE.QNL", false},
                      FileFormCase{"/f \"c:\\my files\\x.qnl\" /hide", "C:\\MY FILES\\X.QNL", true},
                      FileFormCase{"/Fc:\\x.qnl /hide", "C:\\X.QNL", true},
                      FileFormCase{"/F /HIDE", std::nullopt, true},
                      FileFormCase{"/hide /F", std::nullopt, true},
                      FileFormCase{"/F a.qnl /F b.qnl", "B.QNL", false},
                      FileFormCase{"/FA.QNL extra.qnl", "A.QNL", false}));

TEST(SplitCommandLineTest, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine(""), Arguments{});
  EXPECT_EQ(SplitCommandLine("  \t "), Arguments{});
  EXPECT_EQ(SplitCommandLine("/HIDE /B"), (Arguments{"/HIDE", "/B"}));
  EXPECT_EQ(SplitCommandLine("  /SM5\t/N  "), (Arguments{"/SM5", "/N"}));
  EXPECT_EQ(SplitCommandLine("\"/FC:\\My Macros\\A.QNL\" /S"),
            (Arguments{"/FC:\\My Macros\\A.QNL", "/S"}));
  EXPECT_EQ(SplitCommandLine("/F\"C:\\My Macros\\A.QNL\""), (Arguments{"/FC:\\My Macros\\A.QNL"}));
  EXPECT_EQ(SplitCommandLine("\"/f c:\\x.qnl\""), (Arguments{"/f c:\\x.qnl"}));
  EXPECT_EQ(SplitCommandLine("a \"\" b"), (Arguments{"a", "", "b"}));
  EXPECT_EQ(SplitCommandLine("\"unclosed quote  x"), (Arguments{"unclosed quote  x"}));
}

TEST(SplitCommandLineTest, BackslashesAndQuotesFollowTheSystemRules) {
  EXPECT_EQ(SplitCommandLine("C:\\DIR\\ X"), (Arguments{"C:\\DIR\\", "X"}));
  EXPECT_EQ(SplitCommandLine("a\\\\b"), (Arguments{"a\\\\b"}));
  EXPECT_EQ(SplitCommandLine("a\\\"b c"), (Arguments{"a\"b", "c"}));
  EXPECT_EQ(SplitCommandLine("a\\\\\"b c\""), (Arguments{"a\\b c"}));
  EXPECT_EQ(SplitCommandLine("a\\\\\\\"b"), (Arguments{"a\\\"b"}));
  EXPECT_EQ(SplitCommandLine("\"say \"\"hi\"\" now\""), (Arguments{"say \"hi\" now"}));
  EXPECT_EQ(SplitCommandLine("trailing\\"), (Arguments{"trailing\\"}));
}

TEST(SplitCommandLineTest, ProgramNameIsSkipped) {
  EXPECT_EQ(SkipProgramName("QUINDL.EXE /HIDE /B"), "/HIDE /B");
  EXPECT_EQ(SkipProgramName("\"C:\\Program Files\\Quindle\\QUINDL.EXE\"  /SM5"), "/SM5");
  EXPECT_EQ(SkipProgramName("C:\\QUINDLE\\QUINDL.EXE"), "");
  EXPECT_EQ(SkipProgramName("\"C:\\unclosed name /B"), "");
  EXPECT_EQ(SkipProgramName(""), "");
  EXPECT_EQ(SplitCommandLine(SkipProgramName("\"C:\\A B\\QUINDL.EXE\" \"/FC:\\A B\\X.QNL\" /n")),
            (Arguments{"/FC:\\A B\\X.QNL", "/n"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\A B\\QUINDL.EXE\" \"/FC:\\A B\\X.QNL\" /n", true),
            (Arguments{"/FC:\\A B\\X.QNL", "/n"}));
  EXPECT_EQ(SplitCommandLine("QUINDL.EXE", true), Arguments{});
  // Without the flag the first word is an argument like any other.
  EXPECT_EQ(SplitCommandLine("QUINDL.EXE /B"), (Arguments{"QUINDL.EXE", "/B"}));
}

TEST(SplitCommandLineTest, SplitArgumentsDriveTheSettings) {
  const Applied applied = Apply(SplitCommandLine("/hide \"/f c:\\my files\\x.qnl\" /sm45 /n /q"));
  EXPECT_TRUE(applied.options.hide);
  EXPECT_EQ(applied.options.file, "C:\\MY FILES\\X.QNL");
  EXPECT_EQ(applied.settings.syncMinutes, 45);
  EXPECT_TRUE(applied.settings.networkMode);
}

}  // namespace
}  // namespace quindle::app
