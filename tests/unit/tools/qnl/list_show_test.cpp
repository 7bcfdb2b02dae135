#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>

#include "platform/date_time.h"
#include "qnl/qnl_app.h"
#include "support/temp_folder.h"
#include "tools/qnl/run_qnl.h"

namespace quindle::tool {
namespace {

using storage::MacroRecord;
using testing::HasSubstr;
using testing::Not;
using testing_support::Bytes;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

using Result = qnl_testing::QnlResult;
using qnl_testing::Qnl;

MacroRecord Macro(std::string_view name, std::int16_t scope, std::string_view scopeText, int hotkey,
                  std::string_view text) {
  MacroRecord r =
      storage::NewMacro(name, scope, scopeText, static_cast<std::uint16_t>(hotkey), text);
  platform::CivilDateTime t;
  t.year = 1998, t.month = 3, t.day = 5, t.hour = 14, t.minute = 30, t.second = 15;
  r.LastModified = platform::ToDateTime(t);
  return r;
}

std::vector<MacroRecord> SmallFile() {
  std::vector<MacroRecord> m;
  m.push_back(Macro("Activate Quindle", storage::ScopeSystem, "1", 262, ""));
  m.push_back(Macro("Caf\xE9 order", storage::ScopeWindow, "Order Entry", 259,
                    "One caf<ALT4:0233>\r\nTwo\tthree\r\n"));
  MacroRecord typlet = Macro("Address", storage::ScopeProgram, "TESTPAD.EXE",
                             storage::kActivationTyplet, "12 Harbour Road");
  typlet.TypletName.Assign("addr");
  m.push_back(typlet);
  MacroRecord timed = Macro("Reminder", storage::ScopeGlobal, "", storage::kActivationTimed, "x");
  timed.ScheduleKind = 3;
  timed.ScheduleDays[0] = true;
  timed.ScheduleDays[4] = true;
  timed.ScheduleHour = 9;
  timed.ScheduleMinute = 25;
  timed.ScheduleWeekday = 2;
  timed.Reserved98[1] = 0xAB;
  timed.Reserved5143[21] = 0x5C;
  m.push_back(timed);
  MacroRecord menu = Macro("Menu", storage::ScopePopupMenu, "", 156, "");
  menu.TypletName.Assign("N31");
  const std::uint16_t members[] = {2, 4, 9};
  menu.SetMembers(members);
  m.push_back(menu);
  return m;
}

class ListShowTest : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    WriteFile(path, bytes);
    return path.string();
  }
  TempFolder folder_;
};

TEST_F(ListShowTest, ListPrintsOneAlignedLinePerMacro) {
  const std::string file = Write("S.QNL", Bytes(SmallFile()));
  const Result r = Qnl({"list", file});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "No.  Activation        Nickname          Scope\n"
            "  1  Ctrl+Alt+Shift+W  Activate Quindle  SYSTEM\n"
            "  2  Ctrl+Alt+Shift+T  Caf\xC3\xA9 order        Window: Order Entry\n"
            "  3  addr              Address           Program: TESTPAD.EXE\n"
            "  4  Timed Macro       Reminder          GLOBAL\n"
            "  5  Ctrl+Alt+M        Menu              Popup Menu\n");
}

TEST_F(ListShowTest, ShowDecodesEveryField) {
  const std::string file = Write("S.QNL", Bytes(SmallFile()));
  Result r = Qnl({"show", file, "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Macro:            4 of 5\n"));
  EXPECT_THAT(r.out, HasSubstr("Name:             Reminder\n"));
  EXPECT_THAT(r.out, HasSubstr("ScopeKind:        1 (GLOBAL)\n"));
  EXPECT_THAT(r.out, HasSubstr("HotkeyNumber:     10000 (Timed Macro)\n"));
  EXPECT_THAT(r.out, HasSubstr("Enabled:          yes\n"));
  EXPECT_THAT(r.out, HasSubstr("Reserved98:       00 AB\n"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleKind:     3 (daily)\n"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleDays:     Mon yes  Tue no  Wed no  Thu no  Fri yes  "
                               "Sat no  Sun no\n"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleHour:     9\n"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleMinute:   25\n"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleWeekday:  2 (Monday)\n"));
  EXPECT_THAT(r.out, HasSubstr("TopMostOnly:      no\n"));
  EXPECT_THAT(r.out, HasSubstr("LastModified:     1998-03-05 14:30:15 (35859.604340)\n"));
  EXPECT_THAT(r.out, HasSubstr(" 00 5C\n"));
  EXPECT_THAT(r.out, HasSubstr("Text:             1 characters\n  x\n"));

  r = Qnl({"show", file, "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Name:             Caf\xC3\xA9 order\n"));
  EXPECT_THAT(r.out, HasSubstr("ScopeKind:        2 (Window: Order Entry)\n"));
  EXPECT_THAT(r.out, HasSubstr("HotkeyNumber:     259 (Ctrl+Alt+Shift+T)\n"));
  // CR LF ends a line; other control characters are made visible.
  EXPECT_THAT(r.out, HasSubstr("Text:             31 characters\n  One caf<ALT4:0233>\n"
                               "  Two\\x09three\n"));
}

TEST_F(ListShowTest, ShowListsPopupMembersWithTheirNames) {
  const std::string file = Write("S.QNL", Bytes(SmallFile()));
  const Result r = Qnl({"show", file, "5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Menu options:     no tray icon, shows nickname and scope, icon "
                               "size 24\n"));
  EXPECT_THAT(r.out, HasSubstr("Members:          3\n  1. macro 2: Caf\xC3\xA9 order\n"
                               "  2. macro 4: Reminder\n  3. macro 9 (no such macro)\n"));
  EXPECT_THAT(r.out, Not(HasSubstr("\nText:")));
}

TEST_F(ListShowTest, ReadingNeverChangesOrAddsFiles) {
  const std::string bytes = Bytes(SmallFile());
  const std::string file = Write("S.QNL", bytes);
  EXPECT_EQ(Qnl({"list", file}).status, 0);
  for (const char* n : {"1", "2", "5"}) EXPECT_EQ(Qnl({"show", file, n}).status, 0);
  EXPECT_EQ(Qnl({"show", file, "6"}).status, 2);
  EXPECT_EQ(ReadFile(file), bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                          std::filesystem::directory_iterator()),
            1);
  // A file without system macros stays without them.
  const std::string empty = Write("E.QNL", "");
  const Result r = Qnl({"list", empty});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No.  Activation  Nickname  Scope\n");
  EXPECT_EQ(std::filesystem::file_size(empty), 0u);
}

TEST_F(ListShowTest, BadMacroNumberIsAOneLineError) {
  const std::string file = Write("S.QNL", Bytes(SmallFile()));
  for (const char* n : {"0", "6", "-1", "+2", "x", "2x", "", "99999999999999999999999"}) {
    const Result r = Qnl({"show", file, n});
    EXPECT_EQ(r.status, 2) << n;
    EXPECT_EQ(r.out, "") << n;
    EXPECT_THAT(r.err, testing::StartsWith("qnl: ")) << n;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  const Result empty = Qnl({"show", Write("E.QNL", ""), "1"});
  EXPECT_EQ(empty.status, 2);
  EXPECT_THAT(empty.err, HasSubstr("no macros"));
}

TEST_F(ListShowTest, MissingFileIsAOneLineErrorAndStaysMissing) {
  const std::string file = (folder_ / "MISSING.QNL").string();
  for (const auto& args :
       {std::vector<std::string>{"list", file}, std::vector<std::string>{"show", file, "1"}}) {
    const Result r = Qnl(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_THAT(r.err, HasSubstr("MISSING.QNL"));
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ListShowTest, UsageErrorsExitWithTwoOnOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"frobnicate"}, {"list"}, {"show", "A.QNL"}, {"list", "A.QNL", "B.QNL"}};
  for (const auto& args : cases) {
    const Result r = Qnl(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  const Result help = Qnl({"list", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("Activation"));
}

TEST_F(ListShowTest, PartialTailIsNotedAndTheWholeRecordsListed) {
  const std::string file = Write("T.QNL", Bytes(SmallFile()) + std::string(1000, '\x7F'));
  const Result r = Qnl({"list", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 6);
  EXPECT_THAT(r.err, HasSubstr("partial record of 1000 bytes"));
  EXPECT_EQ(Qnl({"show", file, "6"}).status, 2);
}

// Every length byte at its largest, no zero after the text, nonsense numbers: the output is clamped
// to the fields and nothing is read outside the record.
TEST_F(ListShowTest, DamagedRecordIsShownWithinItsFields) {
  MacroRecord damaged;
  std::memset(&damaged, 0xFF, sizeof damaged);
  MacroRecord popup = damaged;
  popup.ScopeKind = storage::ScopePopupMenu;  // member count 65535 claimed
  MacroRecord nan = Macro("NaN date", storage::ScopeGlobal, "", 0, "");
  nan.LastModified = std::numeric_limits<double>::quiet_NaN();
  const std::string file = Write("D.QNL", Bytes({damaged, popup, nan}));

  Result r = Qnl({"list", file});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("unknown 65535"));
  EXPECT_THAT(r.out, HasSubstr("unknown scope -1"));
  std::string fiftyYDiaeresis;
  for (int i = 0; i < 50; ++i) fiftyYDiaeresis += "\xC3\xBF";
  EXPECT_THAT(r.out, HasSubstr("  " + fiftyYDiaeresis + "  "));

  r = Qnl({"show", file, "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Text:             5000 characters\n"));
  EXPECT_THAT(r.out, HasSubstr("Enabled:          yes (byte 255)\n"));
  EXPECT_THAT(r.out, HasSubstr("(not a valid date-time)"));
  EXPECT_THAT(r.out, HasSubstr("ScheduleKind:     -1 (unknown)\n"));

  r = Qnl({"show", file, "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Members:          2499 (the record claims 65535)\n"));
  EXPECT_THAT(r.out, HasSubstr("  2499. macro 65535 (no such macro)\n"));

  r = Qnl({"show", file, "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("LastModified:     not a number (not a valid date-time)\n"));
}

}  // namespace
}  // namespace quindle::tool
