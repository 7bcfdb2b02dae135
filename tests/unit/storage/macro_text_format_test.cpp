// The text form of a macro file: the same bytes back for every kind of record, one changed line
// for one changed character, and a damaged text refused at the line that is wrong.
#include "storage/macro_text_format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "sample_macros.h"

namespace quindle::storage {
namespace {

std::string Bytes(const std::vector<MacroRecord>& records) {
  return {reinterpret_cast<const char*>(records.data()), records.size() * sizeof(MacroRecord)};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

MacroRecord Timed() {
  MacroRecord r = NewMacro("Every day", ScopeProgram, "NOTEPAD.EXE", kActivationTimed, "<CTRL>s");
  r.ScheduleKind = 3;
  r.ScheduleDays[0] = true;
  r.ScheduleDays[6].byte = 7;  // any non-zero byte is true and must come back as it was
  r.ScheduleHour = 12, r.ScheduleMinute = 59, r.SchedulePM = true;
  r.ScheduleMonth = 2, r.ScheduleDay = 29, r.ScheduleYear = 2028, r.ScheduleWeekday = 7;
  r.HourlyMinute = 30, r.IntervalMinutes = 720, r.TopMostOnly = true;
  r.Reserved98[1] = 0x5A;
  r.Reserved5143[21] = 0xFF;
  r.LastModified = 46365.123456789012;
  return r;
}

MacroRecord Popup(std::vector<std::uint16_t> members) {
  MacroRecord r = NewMacro("Menu", ScopePopupMenu, "", 5, "");
  r.TypletName.Assign("Y32");
  r.SetMembers(members);
  return r;
}

TEST(MacroTextFormatTest, ZeroPaddedRecordsComeBackByteForByte) {
  MacroRecord nan = NewMacro("NaN stamp", ScopeGlobal, "", 1, "x");
  std::memcpy(nan.LastModified.bytes, "\x01\x00\x00\x00\x00\x00\xF8\x7F", 8);  // a NaN's payload
  MacroRecord negative = NewMacro("Negative", -3, "", 719, "y");
  negative.LastModified = -0.0;
  const std::vector<std::vector<MacroRecord>> files = {
      {},
      {NewMacro("", ScopeGlobal, "", 0, "")},
      {NewMacro("Caf\xE9 \x80\x81\xA0\xAD\"\\", ScopeWindow,
                "Order \x93"
                "Entry\x94",
                97, "One\r\n\ttwo<TAB>\x01\xFF<unclosed \\x41\"")},
      {Timed(), Popup({}), Popup({1, 65535, 3})},
      {NewMacro(std::string(50, 'n'), ScopeWindow, std::string(30, 'w'), 0,
                std::string(kMacroTextMax, '<'))},
      {nan, negative},
  };
  for (const auto& records : files) {
    const MacroFileText text = WriteMacroFileText(records);
    EXPECT_TRUE(text.Exact());
    EXPECT_EQ(text.text.find("Padding"), std::string::npos);
    const ParsedMacroFile parsed = ParseMacroFileText(text.text);
    ASSERT_TRUE(parsed.Ok()) << parsed.error;
    EXPECT_EQ(Bytes(parsed.records), Bytes(records));
  }
}

TEST(MacroTextFormatTest, UnusedBytesRoundTripAsPadding) {
  MacroRecord r = NewMacro("Hello", ScopeGlobal, "", 1, "a long text");
  r.Name.Assign("Hi");  // leaves "llo" after the length
  r.SetMacroText("a");  // leaves " long text" after the zero
  r.TextArea[kMacroTextMax] = 'z';
  std::memset(r.ScopeText.chars, 0xEE, sizeof r.ScopeText.chars);
  MacroRecord menu = Popup({4});
  menu.TextArea[10] = 1;
  MacroRecord full = NewMacro("Full", ScopeGlobal, "", 1, std::string(kMacroTextMax, 'x'));
  full.TextArea[kMacroTextMax] = 'q';  // after a text of the whole area: not a terminator
  const std::vector<MacroRecord> records = {r, menu, full};
  const MacroFileText text = WriteMacroFileText(records);
  EXPECT_TRUE(text.Exact());
  EXPECT_NE(text.text.find("Padding = 3: 6C 6C 6F"), std::string::npos);
  const ParsedMacroFile parsed = ParseMacroFileText(text.text);
  ASSERT_TRUE(parsed.Ok()) << parsed.error;
  EXPECT_EQ(Bytes(parsed.records), Bytes(records));
  EXPECT_EQ(Bytes({WithoutPadding(r)}), Bytes({NewMacro("Hi", ScopeGlobal, "", 1, "a")}));
}

TEST(MacroTextFormatTest, DamagedLengthsAreReportedAsLosses) {
  MacroRecord name = NewMacro("x", ScopeGlobal, "", 1, "");
  name.Name.length = 200;
  MacroRecord menu = Popup({1});
  menu.TextArea[0] = '\xFF', menu.TextArea[1] = '\xFF';  // claims 65535 members
  for (const MacroRecord& record : {name, menu}) {
    const MacroFileText text = WriteMacroFileText(std::vector<MacroRecord>{record});
    ASSERT_EQ(text.losses.size(), 1u);
    EXPECT_TRUE(ParseMacroFileText(text.text).Ok());
  }
  EXPECT_EQ(WriteMacroFileText(std::vector<MacroRecord>{name}).losses[0],
            "macro 1: the length or count of Name (byte 0) is more than the field holds; the text "
            "keeps what fits");
}

TEST(MacroTextFormatTest, OneChangedCharacterChangesOneLine) {
  const std::string before = "Dear Sir,\r\nThank you.<TAB>Line two<ENTER>more text\r\nend";
  for (std::size_t at = 0; at < before.size(); ++at) {
    std::string after = before;
    after[at] = after[at] == 'Q' ? 'R' : 'Q';
    const auto a = Lines(WriteMacroFileText({{NewMacro("m", 1, "", 0, before)}}).text);
    const auto b = Lines(WriteMacroFileText({{NewMacro("m", 1, "", 0, after)}}).text);
    if (before[at] == '<' || before[at] == '>' || before[at] == '\n') continue;  // moves a split
    ASSERT_EQ(a.size(), b.size()) << at;
    std::size_t changed = 0;
    for (std::size_t i = 0; i < a.size(); ++i) changed += a[i] != b[i];
    EXPECT_EQ(changed, 1u) << "character " << at;
  }
}

TEST(MacroTextFormatTest, TextIsSplitAtTagsAndLineBreaks) {
  const std::string text = WriteMacroFileText({{NewMacro("m", 1, "", 0, "Hi<TAB>x\r\ny")}}).text;
  EXPECT_NE(text.find("MacroText =\n  \"Hi\"\n  \"<TAB>\"\n  \"x\\r\\n\"\n  \"y\"\n"),
            std::string::npos)
      << text;
}

TEST(MacroTextFormatTest, TheSampleFileRoundTrips) {
  const std::vector<MacroRecord> sample = examples::SampleMacros();
  const MacroFileText text = WriteMacroFileText(sample);
  EXPECT_TRUE(text.Exact());
  const ParsedMacroFile parsed = ParseMacroFileText(text.text);
  ASSERT_TRUE(parsed.Ok()) << parsed.error;
  EXPECT_EQ(Bytes(parsed.records), Bytes(sample));
  EXPECT_NE(text.text.find("Name = \"Caf\xC3\xA9 order\""), std::string::npos);
  EXPECT_NE(text.text.find("# 1998-03-05 14:30:00\nLastModified = "), std::string::npos);
}

// One macro with every field, for the error cases to damage one line of.
std::string Block(const std::string& replace = "", const std::string& with = "") {
  std::string text = WriteMacroFileText({{NewMacro("A", 1, "", 0, "hi")}}).text;
  if (!replace.empty()) {
    const std::size_t at = text.find(replace);
    EXPECT_NE(at, std::string::npos) << replace;
    text.replace(at, replace.size(), with);
  }
  return text;
}

TEST(MacroTextFormatTest, DamagedTextNamesItsLine) {
  // Lines of Block(): 1-2 comments, 3 blank, 4 heading, 5 Name ... 11 Reserved98, 12 IconName
  // ... 25 a date comment, 26 LastModified, 27 Reserved5143, 28 MacroText, 29 its text.
  const struct {
    std::string text;
    std::size_t line;
    std::string message;
  } cases[] = {
      {"Name = \"x\"\n", 1, "Name comes before the first heading, such as [Macro 1]"},
      {"\"x\"\n", 1, "a quoted line belongs under MacroText"},
      {"[Macro]\n", 1, "expected a macro's heading, such as [Macro 1]"},
      {"[Macro 0]\n", 1, "expected a macro's heading, such as [Macro 1]"},
      {"[Macro 1]\nnothing\n", 2, "expected a field, such as Name = \"Hello\""},
      {"[Macro 1]\nColour = 3\n", 2, "unknown field 'Colour'"},
      {Block("Name = \"A\"", "Name = A"), 5, "expected a quoted text, such as \"Hello\""},
      {Block("Name = \"A\"", "Name = \"A"), 5, "the closing quote is missing"},
      {Block("Name = \"A\"", "Name = \"A\" x"), 5, "text after the closing quote"},
      {Block("Name = \"A\"", "Name = \"\\q\""), 5,
       "unknown escape: use \\\", \\\\, \\r, \\n, \\t or \\xHH"},
      {Block("Name = \"A\"", "Name = \"\\x4\""), 5,
       "unknown escape: use \\\", \\\\, \\r, \\n, \\t or \\xHH"},
      {Block("Name = \"A\"", "Name = \"\xE6\x97\xA5\""), 5,
       "character U+65E5 has no Windows-1252 form"},
      {Block("Name = \"A\"", "Name = \"\xC3(\""), 5, "invalid UTF-8"},
      {Block("Name = \"A\"", "Name = \"" + std::string(51, 'x') + "\""), 5,
       "Name holds at most 50 characters, not 51"},
      {Block("HotkeyNumber = 0", "HotkeyNumber = 65536"), 8,
       "HotkeyNumber must be a whole number from 0 to 65535"},
      {Block("HotkeyNumber = 0", "HotkeyNumber = +1"), 8,
       "HotkeyNumber must be a whole number from 0 to 65535"},
      {Block("ScopeKind = 1", "ScopeKind = 40000"), 9,
       "ScopeKind must be a whole number from -32768 to 32767"},
      {Block("Enabled = 1", "Enabled = 256"), 10, "Enabled must be a whole number from 0 to 255"},
      {Block("Reserved98 = 00 00", "Reserved98 = 00"), 11,
       "Reserved98 must be 2 bytes in hex, such as 00"},
      {Block("ScheduleDays = 0 0 0 0 0 0 0", "ScheduleDays = 0 0 0 0 0 0 x"), 14,
       "ScheduleDays must be 7 numbers from 0 to 255"},
      {Block("LastModified = 0", "LastModified = 1e"), 26,
       "LastModified must be a number, such as 36000.5"},
      {Block("Name = \"A\"\n", ""), 4, "macro 1 lacks Name"},
      {Block("MacroText =\n  \"hi\"\n", ""), 4, "macro 1 lacks MacroText"},
      {Block("ScopeKind = 1", "ScopeKind = 4"), 28,
       "a popup menu (ScopeKind 4) lists Members, not a MacroText"},
      {Block("MacroText =", "Members = 1\nMacroText ="), 28,
       "only a popup menu (ScopeKind 4) lists Members"},
      {Block("MacroText =", "MacroText = \"hi\""), 28,
       "MacroText stands alone: its text goes on the lines below"},
      {Block("\"hi\"", "\"h\\x00i\""), 28, "a macro text cannot hold a zero byte (\\x00)"},
      {Block("\"hi\"", "\"" + std::string(kMacroTextMax + 1, 'x') + "\""), 29,
       "the macro text is longer than 5000 characters"},
      {Block("Enabled = 1", "Enabled = 1\nEnabled = 0"), 11,
       "Enabled is given twice in this macro (first on line 10)"},
      {Block("IconName = \"MAIN\"", "IconName = \"MAIN\"\nPadding = 5103: 41"), 13,
       "Padding byte 5103 is part of IconName"},
      {Block("MacroText =", "Padding = 5164: 00\nMacroText ="), 28,
       "Padding byte 5164 is part of Reserved5143"},
      {Block("MacroText =", "Padding = 5165: 00\nMacroText ="), 28,
       "Padding byte 5165 lies beyond the record's 5165 bytes"},
      {Block("MacroText =", "Padding = 5164 00\nMacroText ="), 28,
       "Padding must be an offset and bytes in hex, such as 52: 41 49 4E"},
      {Block("MacroText =", "Padding = 200: 1\nMacroText ="), 28,
       "Padding must be an offset and bytes in hex, such as 52: 41 49 4E"},
      {Block() + "[Macro 2]\n", 30, "macro 2 lacks Name"},
  };
  for (const auto& c : cases) {
    const ParsedMacroFile parsed = ParseMacroFileText(c.text);
    EXPECT_FALSE(parsed.Ok()) << c.text;
    EXPECT_TRUE(parsed.records.empty());
    EXPECT_EQ(parsed.line, c.line) << c.text;
    EXPECT_EQ(parsed.error, "line " + std::to_string(c.line) + ": " + c.message) << c.text;
  }
}

TEST(MacroTextFormatTest, HandEditedTextIsAccepted) {
  // Windows line breaks, a byte-order mark, spacing, comments and escapes a writer never uses.
  std::string text = "\xEF\xBB\xBF" + Block("\"hi\"", "\"h\\x69\"\n # c\n\n\t\"!\"");
  for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2)
    text.replace(at, 1, "\r\n");
  const ParsedMacroFile parsed = ParseMacroFileText(text);
  ASSERT_TRUE(parsed.Ok()) << parsed.error;
  ASSERT_EQ(parsed.records.size(), 1u);
  EXPECT_EQ(parsed.records[0].MacroText(), "hi!");
}

TEST(MacroTextFormatTest, AtMostFiveHundredMacros) {
  std::string text;
  for (int i = 0; i < 501; ++i) text += Block().substr(Block().find("\n[Macro") + 1);
  const ParsedMacroFile parsed = ParseMacroFileText(text);
  EXPECT_EQ(parsed.error,
            "line " + std::to_string(500 * 26 + 1) + ": a macro file holds at most 500 macros");
}

}  // namespace
}  // namespace quindle::storage
