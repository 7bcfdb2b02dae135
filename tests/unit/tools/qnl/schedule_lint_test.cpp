#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "qnl/qnl_app.h"
#include "support/temp_folder.h"
#include "tools/qnl/run_qnl.h"

namespace quindle::tool {
namespace {

using storage::MacroRecord;
using testing_support::Bytes;
using testing_support::TempFolder;
using testing_support::WriteFile;

using Result = qnl_testing::QnlResult;
using qnl_testing::Qnl;

MacroRecord Timed(std::string_view name, int kind) {
  MacroRecord r = storage::NewMacro(name, storage::ScopeGlobal, "", storage::kActivationTimed, "x");
  r.ScheduleKind = static_cast<std::int16_t>(kind);
  return r;
}

MacroRecord Typlet(std::string_view name, std::string_view typlet) {
  MacroRecord r =
      storage::NewMacro(name, storage::ScopeGlobal, "", storage::kActivationTyplet, "x");
  r.TypletName.Assign(typlet);
  return r;
}

class ScheduleLintTest : public testing::Test {
 protected:
  std::string Write(const std::vector<MacroRecord>& records) {
    const auto path = folder_ / "M.QNL";
    WriteFile(path, Bytes(records));
    return path.string();
  }
  TempFolder folder_;
};

TEST_F(ScheduleLintTest, SchedulePrintsEachRunAtItsCheck) {
  MacroRecord hourly = Timed("Hourly", 2);
  hourly.HourlyMinute = 0;
  MacroRecord daily = Timed("Daily", 3);
  for (auto& d : daily.ScheduleDays) d = true;
  daily.ScheduleHour = 11, daily.ScheduleMinute = 30, daily.SchedulePM = true;  // 23:30
  MacroRecord off = Timed("Off", 6);
  off.IntervalMinutes = static_cast<std::uint16_t>(1);
  off.Enabled = false;
  const std::string file = Write({Timed("Boot", 0), hourly, daily, off});
  const Result r = Qnl({"schedule", file, "--from", "2026-12-31T22:59:58", "--to",
                        "2027-01-01T00:00:30", "--timer-seconds", "7"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "2026-12-31T23:00:03 1 Boot\n"
            "2026-12-31T23:00:05 2 Hourly\n"
            "2026-12-31T23:30:04 3 Daily\n"
            "2027-01-01T00:00:03 2 Hourly\n");
}

TEST_F(ScheduleLintTest, ScheduleRefusesBadArguments) {
  const std::string file = Write({Timed("Boot", 0)});
  const std::vector<std::vector<std::string>> cases = {
      {"schedule", file, "--from", "2026-02-30T00:00:00", "--to", "2026-03-01T00:00:00"},
      {"schedule", file, "--from", "2026-03-01 00:00:00", "--to", "2026-03-01T00:00:00"},
      {"schedule", file, "--from", "2026-03-02T00:00:00", "--to", "2026-03-01T00:00:00"},
      {"schedule", file, "--from", "2026-03-01T00:00:00", "--to", "2026-03-01T01:00:00",
       "--timer-seconds", "0"},
      {"schedule", file + ".missing", "--from", "2026-03-01T00:00:00", "--to",
       "2026-03-01T00:00:00"},
      {"schedule", file, "--from", "2026-03-01T00:00:00"},
  };
  for (const auto& args : cases) {
    const Result r = Qnl(args);
    EXPECT_EQ(r.status, 2) << args[3];
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(ScheduleLintTest, LintFindsEachKindOfFault) {
  MacroRecord a = storage::NewMacro("A", storage::ScopeWindow, "Notepad", 0, "a");
  MacroRecord b = storage::NewMacro("B", storage::ScopeWindow, "NOTEPAD", 0, "b");
  MacroRecord c = storage::NewMacro("C", storage::ScopeProgram, "", 1, "c");
  MacroRecord once = Timed("Once", 1);
  once.ScheduleYear = static_cast<std::uint16_t>(2026), once.ScheduleMonth = 12;
  once.ScheduleDay = 8, once.ScheduleHour = 9, once.ScheduleMinute = 0;
  MacroRecord menu = storage::NewMacro("Menu", storage::ScopePopupMenu, "", 2, "");
  const std::uint16_t members[] = {1, 12};
  menu.SetMembers(members);
  const std::string file = Write(
      {a, b, c, Typlet("Sig", "sig"), Typlet("Sig2", "xsig2"), Typlet("Odd", "a'b"), once, menu});
  Result r = Qnl({"lint", file, "--now", "2026-12-08T09:00:01"});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.out,
            "macros 1 and 2: both Ctrl+A in Window: \"NOTEPAD\"; macro 2 can never be chosen\n"
            "macros 4 and 5: typing Typlet \"xsig2\" of macro 5 fires Typlet \"sig\" of macro 4\n"
            "macro 6: Typlet \"a'b\" has a character that cannot be typed as a Typlet: \"'\"\n"
            "macro 7: once-schedule in the past: Once at 9:00AM on 8 December 2026\n"
            "macro 3: program scope with an empty text\n"
            "macro 8: popup menu lists macro 12, but the file holds 8\n");

  // Not in the past a second earlier; in suffix mode a Typlet must be typed whole.
  const auto ini = folder_ / "QUINX.INI";
  WriteFile(ini, "[Typlets]\r\nUse Suffix=Yes\r\n");
  r = Qnl({"lint", file, "--now", "2026-12-08T08:59:59", "--settings", ini.string()});
  EXPECT_THAT(r.out, testing::Not(testing::HasSubstr("once-schedule")));
  EXPECT_THAT(r.out, testing::Not(testing::HasSubstr("fires Typlet")));

  // The prefix is typed before every Typlet: "/xsig2" never holds "/sig". A prefix the Typlet
  // buffer cannot hold leaves every Typlet dead.
  for (const auto& [prefix, line] : std::vector<std::pair<std::string, std::string>>{
           {"/", ""},
           {"x'",
            "settings: Prefix Keys \"x'\" has a character that cannot be typed as a Typlet: "
            "\"'\"; no Typlet can fire\n"}}) {
    WriteFile(ini, "[Typlets]\r\nPrefix Keys=" + prefix + "\r\n");
    r = Qnl({"lint", file, "--now", "2026-12-08T08:59:59", "--settings", ini.string()});
    EXPECT_THAT(r.out, testing::Not(testing::HasSubstr("fires Typlet"))) << prefix;
    if (!line.empty()) {
      EXPECT_THAT(r.out, testing::HasSubstr(line)) << prefix;
    }
  }
}

TEST_F(ScheduleLintTest, LintCleanAndBadArguments) {
  const std::string file = Write({Typlet("Sig", "sig"), Typlet("Other", "addr")});
  EXPECT_EQ(Qnl({"lint", file}).status, 0);
  EXPECT_EQ(Qnl({"lint", file, "--now", "yesterday"}).status, 2);
  EXPECT_EQ(Qnl({"lint", file, "--settings", file + ".none"}).status, 2);
  EXPECT_EQ(Qnl({"lint", file + ".none"}).status, 2);
}

}  // namespace
}  // namespace quindle::tool
