#include <gtest/gtest.h>

#include <string>

#include "engine/date_time_text.h"
#include "engine/tag.h"

namespace quindle::engine {
namespace {

platform::CivilDateTime Date(int year, int month, int day, int weekday) {
  platform::CivilDateTime value;
  value.year = year;
  value.month = month;
  value.day = day;
  value.weekday = weekday;
  return value;
}

platform::CivilDateTime Time(int hour, int minute, int second) {
  platform::CivilDateTime value;
  value.hour = hour;
  value.minute = minute;
  value.second = second;
  return value;
}

int DateIndex(std::string_view name) {
  for (std::size_t i = 0; i < kDateFormatCount; ++i) {
    if (kDateFormatTable[i] == name) return static_cast<int>(i + 1);
  }
  return 0;
}

int TimeIndex(std::string_view name) {
  for (std::size_t i = 0; i < kTimeFormatCount; ++i) {
    if (kTimeFormatTable[i] == name) return static_cast<int>(i + 1);
  }
  return 0;
}

TEST(DateTimeTablesTest, OrderAndCommaEntries) {
  EXPECT_EQ(kDateFormatTable.front(), "MM/DD/YY");
  EXPECT_EQ(kDateFormatTable[16], "YYYY-MM-DD");
  EXPECT_EQ(kDateFormatTable[40], "DD");
  EXPECT_EQ(kDateFormatTable.back(), "Day of Week 4");
  for (std::size_t i = 0; i < kDateFormatCount; ++i) {
    const bool comma = kDateFormatTable[i].find(", ") != std::string_view::npos;
    const std::size_t entry = i + 1;
    EXPECT_EQ(comma, entry == 28 || entry == 30 || entry == 32 || entry == 34) << entry;
  }
  EXPECT_EQ(kDateFormatTable[33], "Mmmmm DD, YYYY");
  EXPECT_EQ(kTimeFormatTable.front(), "hh:mm");
  EXPECT_EQ(kTimeFormatTable[11], "hh:mm am");
  EXPECT_EQ(kTimeFormatTable[17], "hh:mm AM");
  EXPECT_EQ(kTimeFormatTable.back(), "hh,mma");
}

// Each name must be reachable as a tag under its own index: a name that is a prefix of an earlier
// one, or a typo in the table, would show up as the wrong index here.
TEST(DateTimeTablesTest, EveryNameIsRecognisedAsItsOwnTag) {
  for (std::size_t i = 0; i < kDateFormatCount; ++i) {
    const std::string name(kDateFormatTable[i]);
    SCOPED_TRACE(name);
    const auto shortForm = RecognizeTag("<" + name + "{Y}>", 0);
    ASSERT_TRUE(shortForm);
    EXPECT_EQ(shortForm->kind, TagKind::Date);
    EXPECT_EQ(shortForm->a, static_cast<int>(i + 1));
    const std::string longText = "<" + name + "{NP002}>";
    const auto longForm = RecognizeTag(longText, 0);
    ASSERT_TRUE(longForm);
    EXPECT_EQ(longForm->a, static_cast<int>(i + 1));
    EXPECT_EQ(longForm->b, -2);
    EXPECT_EQ(longForm->length, longText.size());
  }
  for (std::size_t i = 0; i < kTimeFormatCount; ++i) {
    const std::string name(kTimeFormatTable[i]);
    SCOPED_TRACE(name);
    for (const bool zeros : {false, true}) {
      const std::string text = "<" + name + (zeros ? "{Y}>" : "{N}>");
      const auto tag = RecognizeTag(text, 0);
      ASSERT_TRUE(tag);
      EXPECT_EQ(tag->kind, TagKind::Time);
      EXPECT_EQ(tag->a, static_cast<int>(i + 1));
      EXPECT_EQ(tag->flag, zeros);
      EXPECT_EQ(tag->length, text.size());
    }
  }
}

TEST(FormatDateTest, NumericFormatsWithAndWithoutZeros) {
  const auto march5 = Date(1998, 3, 5, 4);
  EXPECT_EQ(FormatDate(DateIndex("MM/DD/YY"), false, march5), "3/5/98");
  EXPECT_EQ(FormatDate(DateIndex("MM/DD/YY"), true, march5), "03/05/98");
  EXPECT_EQ(FormatDate(DateIndex("DD.MM.YYYY"), true, march5), "05.03.1998");
  EXPECT_EQ(FormatDate(DateIndex("YYYYMMDD"), true, march5), "19980305");
  EXPECT_EQ(FormatDate(DateIndex("MMDDYY"), false, march5), "3598");
  EXPECT_EQ(FormatDate(DateIndex("DD"), true, march5), "05");
  EXPECT_EQ(FormatDate(DateIndex("MM"), false, march5), "3");
  const auto newYear = Date(2000, 1, 1, 6);
  EXPECT_EQ(FormatDate(DateIndex("MM/DD/YY"), false, newYear), "1/1/00");
  EXPECT_EQ(FormatDate(DateIndex("YY"), false, newYear), "00");
  // The caller applies the offset: one day in the past of 1 January 2000.
  EXPECT_EQ(FormatDate(DateIndex("YYYY-MM-DD"), true, Date(1999, 12, 31, 5)), "1999-12-31");
}

TEST(FormatDateTest, YearPaddingAndTwoDigitYear) {
  const auto early = Date(98, 7, 9, 0);
  EXPECT_EQ(FormatDate(DateIndex("YYYY"), true, early), "0098");
  EXPECT_EQ(FormatDate(DateIndex("YYYY"), false, early), "98");
  EXPECT_EQ(FormatDate(DateIndex("YY"), false, Date(5, 1, 1, 0)), "05");
  EXPECT_EQ(FormatDate(DateIndex("YY"), true, Date(2105, 1, 1, 0)), "05");
}

TEST(FormatDateTest, MonthAndDayNames) {
  const auto march5 = Date(1998, 3, 5, 4);
  EXPECT_EQ(FormatDate(DateIndex("DD Mmmmm YYYY"), false, march5), "5 March 1998");
  EXPECT_EQ(FormatDate(DateIndex("DD Mmmmm YYYY"), true, march5), "05 March 1998");
  EXPECT_EQ(FormatDate(DateIndex("DD MMM YY"), false, march5), "5 MAR 98");
  EXPECT_EQ(FormatDate(DateIndex("Mmm DD, YY"), false, march5), "Mar 5, 98");
  EXPECT_EQ(FormatDate(DateIndex("Mmmmm DD, YYYY"), true, march5), "March 05, 1998");
  EXPECT_EQ(FormatDate(DateIndex("MMM YYYY"), false, Date(1998, 12, 1, 2)), "DEC 1998");
  EXPECT_EQ(FormatDate(DateIndex("Mmmmm"), false, Date(1998, 9, 1, 2)), "September");
  EXPECT_EQ(FormatDate(DateIndex("Mmm"), false, Date(1998, 1, 1, 4)), "Jan");
  EXPECT_EQ(FormatDate(48, false, march5), "Thu");
  EXPECT_EQ(FormatDate(49, false, march5), "THU");
  EXPECT_EQ(FormatDate(50, true, march5), "Thursday");
  EXPECT_EQ(FormatDate(51, false, march5), "THURSDAY");
  EXPECT_EQ(FormatDate(50, false, Date(1998, 3, 1, 0)), "Sunday");
  EXPECT_EQ(FormatDate(50, false, Date(1998, 3, 7, 6)), "Saturday");
}

TEST(FormatDateTest, OutOfRangeInputsStayInsideTheTables) {
  EXPECT_EQ(FormatDate(0, false, Date(1998, 3, 5, 4)), "");
  EXPECT_EQ(FormatDate(52, false, Date(1998, 3, 5, 4)), "");
  EXPECT_FALSE(FormatDate(45, false, Date(1998, 13, 5, 4)).empty());
  EXPECT_FALSE(FormatDate(48, false, Date(1998, 3, 5, -1)).empty());
}

TEST(FormatTimeTest, TwentyFourHourFormats) {
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm"), true, Time(9, 5, 0)), "09:05");
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm"), false, Time(9, 5, 0)), "9:05");
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm"), false, Time(0, 5, 0)), "0:05");
  EXPECT_EQ(FormatTime(TimeIndex("hh.mm.ss"), false, Time(15, 4, 3)), "15.04.03");
  EXPECT_EQ(FormatTime(TimeIndex("hhmmss"), true, Time(7, 0, 9)), "070009");
  EXPECT_EQ(FormatTime(TimeIndex("hh"), false, Time(13, 0, 0)), "13");
  EXPECT_EQ(FormatTime(TimeIndex("mm"), false, Time(13, 4, 0)), "04");
  EXPECT_EQ(FormatTime(TimeIndex("ss"), false, Time(13, 4, 7)), "07");
}

TEST(FormatTimeTest, TwelveHourFormatsAndSuffixes) {
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm:ss am"), false, Time(15, 4, 23)), "3:04:23 pm");
  EXPECT_EQ(FormatTime(TimeIndex("hh,mma"), false, Time(15, 4, 0)), "3,04p");
  EXPECT_EQ(FormatTime(TimeIndex("hh:mma"), false, Time(0, 30, 0)), "12:30a");
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm am"), true, Time(9, 5, 0)), "09:05 am");
  EXPECT_EQ(FormatTime(TimeIndex("hh:mm AM"), false, Time(12, 0, 0)), "12:00 PM");
  EXPECT_EQ(FormatTime(TimeIndex("hh.mm AM"), false, Time(11, 59, 0)), "11.59 AM");
  EXPECT_EQ(FormatTime(TimeIndex("hh,mm,ss AM"), true, Time(23, 1, 2)), "11,01,02 PM");
  EXPECT_EQ(FormatTime(TimeIndex("hh.mma"), true, Time(13, 0, 0)), "01.00p");
  EXPECT_EQ(FormatTime(0, false, Time(1, 0, 0)), "");
  EXPECT_EQ(FormatTime(27, false, Time(1, 0, 0)), "");
}

}  // namespace
}  // namespace quindle::engine
