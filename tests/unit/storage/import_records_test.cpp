// The foreign records of an import: every conversion into a new macro, and the reading of short
// and damaged files, which must never list half a record or read past the data.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/memory_files.h"
#include "storage/import_records.h"
#include "storage/macro_import.h"

namespace quindle::storage {
namespace {

template <typename Record>
std::string BytesOf(const std::vector<Record>& records) {
  return {reinterpret_cast<const char*>(records.data()), records.size() * sizeof(Record)};
}

template <std::size_t N>
void PutText(char (&area)[N], std::string_view text) {
  std::memset(area, 0, N);
  std::memcpy(area, text.data(), std::min(text.size(), N));
}

Vx2Record OldMacro(std::string_view text, bool clipboard) {
  Vx2Record old{};
  old.Name.Assign("Old");
  old.HotkeyNumber = 5;
  old.ScopeKind = ScopeGlobal;
  old.Enabled = true;
  old.Clipboard = clipboard;
  PutText(old.Text, text);
  return old;
}

TplRecord Typlet(std::string_view typlet, std::string_view text, bool clipboard) {
  TplRecord record{};
  record.Typlet.Assign(typlet);
  record.Enabled = true;
  record.Reserved15 = 7;
  record.Clipboard = clipboard;
  PutText(record.Text, text);
  return record;
}

TEST(ImportRecordsTest, EarlierGenerationTextsAreConverted) {
  const std::string longText(4990, 'a');
  struct Case {
    std::string text;
    bool clipboard;
    std::string converted;
    bool clipboardAfter;
  };
  const Case cases[] = {
      {"Hello<TAB>", false, "Hello<TAB>", false},
      {"Hello", true, "<BEGCLIP>Hello<ENDCLIP><CLIPP>", true},
      {"<LAUNCH> notepad.exe", false, "<LAUNCH:notepad.exe>", false},
      // A launch is never pasted.
      {"<LAUNCH> notepad.exe", true, "<LAUNCH:notepad.exe>", false},
      {"<LAUNCH> notepad.exe<PARAM>c:\\work", true, "<CHDIR:c:\\work><LAUNCH:notepad.exe>", false},
      {"<LAUNCH>", false, "<LAUNCH:>", false},
      {"<LAUNCH><PARAM>c:\\", false, "<CHDIR:c:\\><LAUNCH:>", false},
      // Too long to wrap whole: the wrapping stays, so the text is still pasted.
      {longText, true, "<BEGCLIP>" + longText.substr(0, 4975) + "<ENDCLIP><CLIPP>", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    bool clipboard = c.clipboard;
    EXPECT_EQ(ConvertVx2Text(c.text, clipboard), c.converted);
    EXPECT_EQ(clipboard, c.clipboardAfter);
  }
}

TEST(ImportRecordsTest, EarlierGenerationRecordKeepsItsFieldsAndGetsTheMainIcon) {
  Vx2Record old = OldMacro("<LAUNCH> calc.exe", true);
  old.ScopeText.Assign("Untitled - Notepad");
  old.ScopeKind = ScopeWindow;
  old.HotkeyNumber = kActivationTimed;
  old.Reserved88 = 9;
  old.ScheduleKind = 4;
  old.ScheduleDays[2] = true;
  old.ScheduleHour = 11, old.ScheduleMinute = 30, old.ScheduleMonth = 6, old.ScheduleDay = 17;
  old.HourlyMinute = 45, old.IntervalMinutes = 90, old.ScheduleWeekday = 3, old.ScheduleYear = 1997;
  old.SchedulePM = true, old.TopMostOnly = true;
  const MacroRecord record = MacroFromVx2(old, 46000.5);
  EXPECT_EQ(record.Name.View(), "Old");
  EXPECT_EQ(record.ScopeText.View(), "Untitled - Notepad");
  EXPECT_EQ(record.ScopeKind.Get(), ScopeWindow);
  EXPECT_EQ(record.HotkeyNumber.Get(), kActivationTimed);
  EXPECT_TRUE(record.Enabled);
  EXPECT_EQ(record.Reserved98[0], 9);
  EXPECT_EQ(record.MacroText(), "<LAUNCH:calc.exe>");
  EXPECT_TRUE(record.TypletName.Empty());
  EXPECT_EQ(record.IconName.View(), "MAIN");
  EXPECT_EQ(record.ScheduleKind.Get(), 4);
  EXPECT_TRUE(record.ScheduleDays[2]);
  EXPECT_FALSE(record.ScheduleDays[0]);
  EXPECT_EQ(record.ScheduleHour, 11);
  EXPECT_EQ(record.ScheduleMinute, 30);
  EXPECT_EQ(record.ScheduleMonth, 6);
  EXPECT_EQ(record.ScheduleDay, 17);
  EXPECT_EQ(record.HourlyMinute, 45);
  EXPECT_EQ(record.IntervalMinutes.Get(), 90);
  EXPECT_EQ(record.ScheduleWeekday, 3);
  EXPECT_EQ(record.ScheduleYear.Get(), 1997);
  EXPECT_TRUE(record.SchedulePM);
  EXPECT_TRUE(record.TopMostOnly);
  EXPECT_EQ(record.LastModified.Get(), 46000.5);
}

TEST(ImportRecordsTest, TypletRecordBecomesAGlobalTypletMacroWithTheDefaultSchedule) {
  for (const bool clipboard : {false, true}) {
    const MacroRecord record = MacroFromTpl(Typlet("sig", "Best regards", clipboard), 46000.5);
    EXPECT_TRUE(record.Name.Empty());
    EXPECT_TRUE(record.ScopeText.Empty());
    EXPECT_EQ(record.TypletName.View(), "sig");
    EXPECT_EQ(record.HotkeyNumber.Get(), kActivationTyplet);
    EXPECT_EQ(record.ScopeKind.Get(), ScopeGlobal);
    EXPECT_TRUE(record.Enabled);
    EXPECT_EQ(record.Reserved98[0], 7);
    EXPECT_EQ(record.MacroText(),
              clipboard ? "<BEGCLIP>Best regards<ENDCLIP><CLIPP>" : "Best regards");
    EXPECT_EQ(record.IconName.View(), "MAIN");
    EXPECT_EQ(record.ScheduleKind.Get(), 1);
    for (const Flag day : record.ScheduleDays) EXPECT_FALSE(day);
    EXPECT_EQ(record.ScheduleHour, 0);
    EXPECT_EQ(record.ScheduleMinute, 0);
    EXPECT_EQ(record.ScheduleMonth, 1);
    EXPECT_EQ(record.ScheduleDay, 1);
    EXPECT_EQ(record.HourlyMinute, 15);
    EXPECT_EQ(record.IntervalMinutes.Get(), 15);
    EXPECT_EQ(record.ScheduleWeekday, 1);
    EXPECT_EQ(record.ScheduleYear.Get(), 1998);
    EXPECT_TRUE(record.SchedulePM);
    EXPECT_TRUE(record.TopMostOnly);
    EXPECT_EQ(record.LastModified.Get(), 46000.5);
  }
}

TEST(ImportRecordsTest, ShortAndDamagedSourcesListNothing) {
  Vx2Record longName = OldMacro("x", false);
  longName.Name.length = 51;
  Vx2Record unterminated = OldMacro("x", false);
  std::memset(unterminated.Text, 'a', sizeof unterminated.Text);
  Vx2Record badScope = OldMacro("x", false);
  badScope.ScopeKind = 9;
  Vx2Record badMenu = OldMacro("\xff\xff", false);  // as a menu: 65535 members
  badMenu.ScopeKind = ScopePopupMenu;
  TplRecord longTyplet = Typlet("abc", "x", false);
  longTyplet.Typlet.length = 11;
  TplRecord openText = Typlet("abc", "x", false);
  std::memset(openText.Text, 'b', sizeof openText.Text);
  MacroRecord badHotkey = NewMacro("Bad", ScopeGlobal, "", 720, "x");
  const std::string oneVx2 = BytesOf<Vx2Record>({OldMacro("x", false)});
  const std::string oneTpl = BytesOf<TplRecord>({Typlet("abc", "x", false)});
  struct Case {
    std::string path;
    std::string bytes;
    std::string error;
    std::size_t entries;
  };
  const Case cases[] = {
      {"A.TXT", oneVx2, std::string(kImproperFileType), 0},
      {"A.VX", oneVx2, std::string(kImproperFileType), 0},
      {"A.VX2", oneVx2.substr(0, 100), std::string(kImportTooShort), 0},
      {"A.TPL", oneTpl.substr(0, sizeof(TplRecord) - 1), std::string(kImportTooShort), 0},
      {"A.QNL", "", std::string(kImportTooShort), 0},
      // A record cut short at the end is not a record; the whole one before it is.
      {"a.vx2", oneVx2 + oneVx2.substr(0, 2000), "", 1},
      {"A.TPL", oneTpl + oneTpl + oneTpl.substr(0, 17), "", 2},
      {"A.VX2", BytesOf<Vx2Record>({OldMacro("x", false), longName}), ImportDamaged(2), 0},
      {"A.VX2", BytesOf<Vx2Record>({unterminated}), ImportDamaged(1), 0},
      {"A.VX2", BytesOf<Vx2Record>({badScope}), ImportDamaged(1), 0},
      {"A.VX2", oneVx2 + BytesOf<Vx2Record>({badMenu}), ImportDamaged(2), 0},
      {"A.TPL", BytesOf<TplRecord>({longTyplet}), ImportDamaged(1), 0},
      {"A.TPL", oneTpl + BytesOf<TplRecord>({openText}), ImportDamaged(2), 0},
      {"A.QNL", BytesOf<MacroRecord>({badHotkey}), ImportDamaged(1), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " of " + std::to_string(c.bytes.size()) + " bytes");
    platform::MemoryBinaryFiles files;
    files.SetFile(c.path, c.bytes);
    const ImportSource source = ReadImportSource(files, c.path);
    EXPECT_EQ(source.error, c.error);
    EXPECT_EQ(source.entries.size(), c.entries);
  }
  platform::MemoryBinaryFiles none;
  EXPECT_EQ(ReadImportSource(none, "MISSING.QNL").error, kImportNotOpened);
}

TEST(ImportRecordsTest, MacroFileSourceNeverListsSystemMacros) {
  const std::vector<MacroRecord> records{NewMacro("One", ScopeGlobal, "", 1, "1"),
                                         MakeSystemMacro(0, 1.0), MakeSystemMacro(3, 1.0),
                                         NewMacro("Two", ScopeProgram, "CALC", 2, "2")};
  platform::MemoryBinaryFiles files;
  files.SetFile("X.qnl", BytesOf(records));
  const ImportSource source = ReadImportSource(files, "X.qnl");
  ASSERT_TRUE(source.Ok());
  ASSERT_EQ(source.entries.size(), 2u);
  EXPECT_EQ(source.entries[0].sourceNumber, 1u);
  EXPECT_EQ(source.entries[1].sourceNumber, 4u);
  EXPECT_EQ(std::memcmp(&source.entries[1].record, &records[3], sizeof(MacroRecord)), 0);
}

}  // namespace
}  // namespace quindle::storage
