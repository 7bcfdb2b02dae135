#include <gtest/gtest.h>

#include <cstring>

#include "scheduler/schedule_model.h"
#include "scheduler/schedule_text.h"

namespace quindle::scheduler {
namespace {

using storage::MacroRecord;

TEST(ScheduleTime, TypedTimesAreReadByTheirRules) {
  struct Case {
    const char* text;
    int hour, minute;
    bool pm;
  } cases[] = {
      {"09:05AM", 9, 5, false},  {"9:05pm", 9, 5, true},    {"12:00PM", 12, 0, true},
      {"13:30", 1, 30, true},    {"24:15PM", 12, 15, true}, {"7:60AM", 7, 0, false},
      {"0:30AM", 12, 30, false}, {"830PM", 8, 30, true},    {" 11:45 ", 11, 45, false},
  };
  for (const Case& c : cases) {
    const std::optional<TimeOfSchedule> t = ParseScheduleTime(c.text);
    ASSERT_TRUE(t) << c.text;
    EXPECT_EQ(t->hour, c.hour) << c.text;
    EXPECT_EQ(t->minute, c.minute) << c.text;
    EXPECT_EQ(t->pm, c.pm) << c.text;
  }
  for (const char* bad : {"", "ab:cdPM", ":30", "x"}) EXPECT_FALSE(ParseScheduleTime(bad)) << bad;
  EXPECT_EQ(ScheduleTimeField({9, 5, false}), "09:05AM");
}

struct UpdateCase {
  const char* what;
  int kind;
  void (*edit)(ScheduleFields&);
  std::string_view message;  // empty: accepted
  ScheduleField focus;
};

const Today kToday{2026, 12, 8};

TEST(ScheduleUpdate, EachKindIsCheckedWithItsMessageAndField) {
  const UpdateCase cases[] = {
      {"once today", ScheduleOnce, [](ScheduleFields&) {}, "", ScheduleField::Kind},
      {"29 February in a year divisible by 4", ScheduleOnce,
       [](ScheduleFields& f) { f.onceYear = "2028", f.onceMonth = 2, f.onceDay = "29"; }, "",
       ScheduleField::Kind},
      {"29 February otherwise", ScheduleOnce,
       [](ScheduleFields& f) { f.onceYear = "2027", f.onceMonth = 2, f.onceDay = "29"; },
       kInvalidDayMessage, ScheduleField::OnceDay},
      {"31 April", ScheduleOnce,
       [](ScheduleFields& f) { f.onceYear = "2027", f.onceMonth = 4, f.onceDay = "31"; },
       kInvalidDayMessage, ScheduleField::OnceDay},
      {"day 0", ScheduleOnce, [](ScheduleFields& f) { f.onceDay = "0"; }, kInvalidDayMessage,
       ScheduleField::OnceDay},
      {"last year", ScheduleOnce, [](ScheduleFields& f) { f.onceYear = "2025"; },
       kDateElapsedMessage, ScheduleField::OnceYear},
      {"last month", ScheduleOnce, [](ScheduleFields& f) { f.onceMonth = 11; }, kDateElapsedMessage,
       ScheduleField::OnceMonth},
      {"yesterday", ScheduleOnce, [](ScheduleFields& f) { f.onceDay = "7"; }, kDateElapsedMessage,
       ScheduleField::OnceDay},
      {"an earlier month of next year", ScheduleOnce,
       [](ScheduleFields& f) { f.onceYear = "2027", f.onceMonth = 1, f.onceDay = "1"; }, "",
       ScheduleField::Kind},
      {"year not a number", ScheduleOnce, [](ScheduleFields& f) { f.onceYear = "20x6"; },
       kInvalidYearMessage, ScheduleField::OnceYear},
      {"once time", ScheduleOnce, [](ScheduleFields& f) { f.onceTime = "noon"; },
       kInvalidTimeMessage, ScheduleField::OnceTime},
      {"hourly 60", ScheduleHourly, [](ScheduleFields& f) { f.hourlyMinutes = "60"; },
       kInvalidMinutesMessage, ScheduleField::HourlyMinutes},
      {"hourly 0", ScheduleHourly, [](ScheduleFields& f) { f.hourlyMinutes = "0"; }, "",
       ScheduleField::Kind},
      {"daily time", ScheduleDaily, [](ScheduleFields& f) { f.dailyTime = "?"; },
       kInvalidTimeMessage, ScheduleField::DailyTime},
      {"weekly time", ScheduleWeekly, [](ScheduleFields& f) { f.weeklyTime = ""; },
       kInvalidTimeMessage, ScheduleField::WeeklyTime},
      {"monthly 32", ScheduleMonthly, [](ScheduleFields& f) { f.monthlyDay = "32"; },
       kInvalidDayMessage, ScheduleField::MonthlyDay},
      {"monthly 31", ScheduleMonthly, [](ScheduleFields& f) { f.monthlyDay = "31"; }, "",
       ScheduleField::Kind},
      {"every 0", ScheduleEveryMinutes, [](ScheduleFields& f) { f.everyMinutes = "0"; },
       kInvalidIntervalMessage, ScheduleField::EveryMinutes},
      {"every 721", ScheduleEveryMinutes, [](ScheduleFields& f) { f.everyMinutes = "721"; },
       kInvalidIntervalMessage, ScheduleField::EveryMinutes},
      {"every 720", ScheduleEveryMinutes, [](ScheduleFields& f) { f.everyMinutes = "720"; }, "",
       ScheduleField::Kind},
  };
  for (const UpdateCase& c : cases) {
    MacroRecord record{};
    DefaultTimer(record, 46364.5);  // 8 December 2026, noon
    ScheduleFields fields = FieldsOfRecord(record);
    fields.kind = c.kind;
    c.edit(fields);
    const MacroRecord before = record;
    const ScheduleCheck check = UpdateSchedule(fields, kToday, record);
    EXPECT_EQ(check.ok, c.message.empty()) << c.what;
    if (c.message.empty()) {
      EXPECT_EQ(record.ScheduleKind, c.kind) << c.what;
      continue;
    }
    EXPECT_EQ(check.message, c.message) << c.what;
    EXPECT_EQ(check.focus, c.focus) << c.what;
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0) << c.what << ": record changed";
  }
}

TEST(ScheduleUpdate, FieldsRoundTripThroughTheRecord) {
  MacroRecord record{};
  DefaultTimer(record, 46364.5);
  ScheduleFields fields = FieldsOfRecord(record);
  EXPECT_EQ(fields.dailyTime, "12:00PM");
  fields.kind = ScheduleWeekly;
  fields.weeklyDay = 6;
  fields.weeklyTime = "17:45";
  fields.days = {true, false, false, false, false, false, true};
  ASSERT_TRUE(UpdateSchedule(fields, kToday, record).ok);
  EXPECT_EQ(GetSched(record), "Weekly at 5:45PM on Friday");
  const ScheduleFields again = FieldsOfRecord(record);
  EXPECT_EQ(again.weeklyTime, "05:45PM");
  EXPECT_EQ(again.days, fields.days);
}

}  // namespace
}  // namespace quindle::scheduler
