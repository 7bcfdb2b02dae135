#include <gtest/gtest.h>

#include <cstring>

#include "storage/macro_record.h"

namespace quindle::storage {
namespace {

TEST(LayoutTest, IntegersAreLittleEndianWhateverTheHost) {
  MacroRecord record{};
  record.HotkeyNumber = 262;
  record.ScopeKind = -2;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  EXPECT_EQ(bytes[93], 0x06);
  EXPECT_EQ(bytes[94], 0x01);
  EXPECT_EQ(bytes[95], 0xFE);
  EXPECT_EQ(bytes[96], 0xFF);
  EXPECT_EQ(record.ScopeKind.Get(), -2);
}

TEST(LayoutTest, OversizedLengthByteIsClampedToTheField) {
  MacroRecord record{};
  std::memset(&record, 'x', sizeof record);
  record.Name.length = 255;       // damaged: the field holds 50 characters
  record.TypletName.length = 11;  // one more than its 10
  EXPECT_EQ(record.Name.View().size(), 50u);
  EXPECT_EQ(record.TypletName.View().size(), 10u);
  record.ScopeText.Assign(std::string(40, 'a'));
  EXPECT_EQ(record.ScopeText.length, 30);
}

TEST(LayoutTest, MacroTextEndsAtZeroOrAtTheLimit) {
  MacroRecord record{};
  std::memset(record.TextArea, 'a', sizeof record.TextArea);  // no terminator at all
  EXPECT_EQ(record.MacroText().size(), kMacroTextMax);
  record.SetMacroText("Hello<TAB>");
  EXPECT_EQ(record.MacroText(), "Hello<TAB>");
  record.SetMacroText(std::string(6000, 'b'));
  EXPECT_EQ(record.MacroText().size(), kMacroTextMax);
  EXPECT_EQ(record.TextArea[kMacroTextMax], '\0');
}

TEST(LayoutTest, PopupMemberCountIsClampedToTheTextArea) {
  MacroRecord record{};
  record.TextArea[0] = static_cast<char>(0xFF);
  record.TextArea[1] = static_cast<char>(0xFF);  // 65535 members claimed
  EXPECT_EQ(record.MemberCount(), kMaxPopupMembers);
  EXPECT_EQ(record.Member(kMaxPopupMembers), 0);
  const std::uint16_t members[] = {3, 1, 500};
  record.SetMembers(members);
  ASSERT_EQ(record.MemberCount(), 3u);
  EXPECT_EQ(record.Member(0), 3);
  EXPECT_EQ(record.Member(2), 500);
  EXPECT_EQ(record.Member(3), 0);
}

TEST(LayoutTest, TableCountIsSafeAsALoopBound) {
  SharedMacroTable table{};
  table.Count = -5;
  EXPECT_EQ(table.SafeCount(), 0u);
  table.Count = 100000;
  EXPECT_EQ(table.SafeCount(), kMaxMacros);
  table.Count = 499;
  EXPECT_EQ(table.SafeCount(), 499u);
}

TEST(LayoutTest, ANewMacroIsEnabledWithTheProgramIconAndNothingElse) {
  const std::string longName(80, 'n');
  const MacroRecord r = NewMacro(longName, ScopeProgram, "TESTPAD.EXE", 259, "Hello<ENTER>");
  EXPECT_EQ(r.Name.View(), std::string(50, 'n'));  // cut to the field
  EXPECT_EQ(r.ScopeKind.Get(), ScopeProgram);
  EXPECT_EQ(r.ScopeText.View(), "TESTPAD.EXE");
  EXPECT_EQ(r.HotkeyNumber.Get(), 259);
  EXPECT_TRUE(r.Enabled);
  EXPECT_EQ(r.MacroText(), "Hello<ENTER>");
  EXPECT_EQ(r.IconName.View(), "MAIN");
  EXPECT_EQ(r.TypletName.View(), "");
  EXPECT_EQ(r.ScheduleKind.Get(), 0);
  EXPECT_EQ(r.LastModified.Get(), 0.0);
  EXPECT_FALSE(r.TopMostOnly);
}

}  // namespace
}  // namespace quindle::storage
