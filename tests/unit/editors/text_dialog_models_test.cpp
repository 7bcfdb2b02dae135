#include "editors/text_dialog_models.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::CaseName;
using testing_support::ExpectCommand;
using testing_support::ExpectRefusal;

// ---- "Remark"

TEST(RemarkAccept, TakesTheTrimmedCommentEvenAnEmptyOne) {
  ExpectCommand(AcceptRemark("  check the totals  "), "<REM:check the totals>");
  ExpectCommand(AcceptRemark(""), "<REM:>");
  const std::string longest(kRemarkLimit, 'r');
  ExpectCommand(AcceptRemark(longest), ("<REM:" + longest + ">").c_str());
  ExpectRefusal(AcceptRemark("a > b"), kNoTagEndMessage, TextField::Text);
}

// ---- `TDoWebStuff`

struct WebCase {
  const char* name;
  WebMode mode;
  const char* address;
  const char* text;
};

class WebAccept : public testing::TestWithParam<WebCase> {};

TEST_P(WebAccept, PutsHttpBeforeAWwwAddressOnly) {
  const WebCase& c = GetParam();
  ExpectCommand(AcceptWeb(c.mode, c.address), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, WebAccept,
    testing::Values(
        WebCase{"www_lower", WebMode::Site, "www.example.com", "<HTTP:http://www.example.com>"},
        WebCase{"www_upper", WebMode::Site, "WWW.EXAMPLE.COM", "<HTTP:http://WWW.EXAMPLE.COM>"},
        WebCase{"www_mixed_trimmed", WebMode::Site, "  wWw.x.org ", "<HTTP:http://wWw.x.org>"},
        WebCase{"http_kept", WebMode::Site, "http://www.x.org", "<HTTP:http://www.x.org>"},
        WebCase{"other_kept", WebMode::Site, "example.com", "<HTTP:example.com>"},
        WebCase{"short", WebMode::Site, "ww", "<HTTP:ww>"},
        WebCase{"empty", WebMode::Site, "", "<HTTP:>"},
        WebCase{"ftp_www_kept", WebMode::Ftp, "www.x.org", "<FTP:www.x.org>"},
        WebCase{"ftp", WebMode::Ftp, "ftp://files.x.org", "<FTP:ftp://files.x.org>"},
        // The line shows the first 40 characters; the command keeps the whole address.
        WebCase{"long", WebMode::Site, "www.example.com/a/very/long/path/to/some/page.html",
                "<HTTP:http://www.example.com/a/very/long/path/to/some/page.html>"}),
    CaseName());

TEST(WebModes, NameTheirCaptionLabelAndPreset) {
  EXPECT_EQ(TextsOfWebMode(WebMode::Site).caption, "Internet Web Site");
  EXPECT_EQ(TextsOfWebMode(WebMode::Site).label, "Web Site URL");
  EXPECT_EQ(TextsOfWebMode(WebMode::Site).preset, "http://");
  EXPECT_EQ(TextsOfWebMode(WebMode::Ftp).caption, "Internet FTP");
  EXPECT_EQ(TextsOfWebMode(WebMode::Ftp).label, "FTP URL");
  EXPECT_EQ(TextsOfWebMode(WebMode::Ftp).preset, "ftp://");
  ExpectRefusal(AcceptWeb(WebMode::Site, "www.x.org/?a>b"), kNoTagEndMessage, TextField::Text);
}

// ---- `TDateOrTime`

struct DateTimeCase {
  const char* name;
  DateTimeForm form;
  const char* text;
};

class DateTimeAccept : public testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimeAccept, WritesTheLongFormOfTheTag) {
  const DateTimeCase& c = GetParam();
  ExpectCommand(AcceptDateTime(c.form), c.text);
}

DateTimeForm Date(int format, bool noZeros, const char* days, bool past) {
  return DateTimeForm{true, format, noZeros, days, past};
}
DateTimeForm Time(int format, bool noZeros) {
  return DateTimeForm{false, format, noZeros, "", false};
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DateTimeAccept,
    testing::Values(
        DateTimeCase{"today", Date(1, false, "0", false), "<MM/DD/YY{YF000}>"},
        DateTimeCase{"no_zeros_past", Date(1, true, "5", true), "<MM/DD/YY{NP005}>"},
        DateTimeCase{"largest", Date(4, false, "999", false), "<MM/DD/YYYY{YF999}>"},
        DateTimeCase{"last_format", Date(51, false, "1", false), "<Day of Week 4{YF001}>"},
        DateTimeCase{"empty_days", Date(1, false, "", false), "<MM/DD/YY{YF000}>"},
        // A sign is no digit; the field holds three characters.
        DateTimeCase{"negative_days", Date(1, false, "-5", false), "<MM/DD/YY{YF000}>"},
        DateTimeCase{"overlong_days", Date(1, false, "12345", false), "<MM/DD/YY{YF123}>"},
        DateTimeCase{"days_then_letters", Date(1, false, "7d", true), "<MM/DD/YY{YP007}>"},
        DateTimeCase{"time", Time(1, false), "<hh:mm{Y}>"},
        DateTimeCase{"time_no_zeros", Time(1, true), "<hh:mm{N}>"},
        DateTimeCase{"last_time", Time(26, false), "<hh,mma{Y}>"}),
    CaseName());

TEST(DateTimeChecks, AFormatOutsideTheListKeepsTheDialogOpen) {
  for (const DateTimeForm& form :
       {Date(0, false, "0", false), Date(52, false, "0", false), Time(27, false)}) {
    const auto outcome = AcceptDateTime(form);
    EXPECT_FALSE(outcome.Accepted());
    EXPECT_TRUE(outcome.message.empty());
    EXPECT_EQ(outcome.focus, DateTimeField::TheFormat);
  }
}

TEST(DateTimeList, ShowsEachFormatWithItsSample) {
  EXPECT_EQ(FormatCount(true), 51);
  EXPECT_EQ(FormatCount(false), 26);
  EXPECT_EQ(FormatName(true, 1), "MM/DD/YY");
  EXPECT_EQ(FormatSample(true, 1), "03/30/98");
  EXPECT_EQ(FormatName(false, 12), "hh:mm am");
  EXPECT_EQ(FormatSample(false, 12), "3:04 pm");
  EXPECT_EQ(FormatName(true, 0), "");
  EXPECT_EQ(FormatName(false, 27), "");
}

TEST(DateTimeMemoryOf, ANewCommandOpensOnTheLastChoicesOfItsMode) {
  DateTimeMemory memory;
  memory = Remembered(memory, Date(7, true, "3", true));
  memory = Remembered(memory, Time(5, false));
  EXPECT_EQ(memory.dateFormat, 7);
  EXPECT_TRUE(memory.dateNoLeadingZeros);
  EXPECT_EQ(memory.timeFormat, 5);
  EXPECT_FALSE(memory.timeNoLeadingZeros);

  const DateTimeForm date = DateTimeFormFor(true, memory);
  EXPECT_EQ(date.format, 7);
  EXPECT_TRUE(date.noLeadingZeros);
  EXPECT_EQ(date.days, "0");
  EXPECT_FALSE(date.past);
  EXPECT_EQ(DateTimeFormFor(false, memory).format, 5);

  // A remembered format that the list does not hold falls back to the first.
  memory.dateFormat = 99;
  EXPECT_EQ(DateTimeFormFor(true, memory).format, 1);
}

TEST(DateTimeEdit, AnEditedLineRefillsTheFormAndGivesItsTagAgain) {
  const DateTimeData data{true, 2, false, false, 12};
  const DateTimeForm form = DateTimeFormOf(data);
  EXPECT_EQ(form.format, 2);
  EXPECT_TRUE(form.noLeadingZeros);
  EXPECT_TRUE(form.past);
  EXPECT_EQ(form.days, "12");
  ExpectCommand(AcceptDateTime(form), "<MM-DD-YY{NP012}>");
}

}  // namespace
}  // namespace quindle::editors
