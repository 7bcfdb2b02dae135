#include "scheduler/schedule_text.h"

#include <array>
#include <string_view>

#include "engine/date_time_text.h"
#include "platform/date_time.h"

namespace quindle::scheduler {
namespace {

// Formats of the date tags' table: the full month name, the short and the full weekday name.
constexpr int kLongMonthFormat = 45;
constexpr int kShortWeekdayFormat = 48;
constexpr int kLongWeekdayFormat = 50;

std::string MonthName(int month) {
  if (month < 1 || month > 12) return "?";
  platform::CivilDateTime date;
  date.month = month;
  return engine::FormatDate(kLongMonthFormat, false, date);
}

std::string WeekdayName(int weekday0, int format) {
  if (weekday0 < 0 || weekday0 > 6) return "?";
  platform::CivilDateTime date;
  date.weekday = weekday0;
  return engine::FormatDate(format, false, date);
}

std::string RecordTime(const storage::MacroRecord& record) {
  return ScheduleTimeText(Hour24(record.ScheduleHour, record.SchedulePM), record.ScheduleMinute);
}

}  // namespace

int Hour24(int hour12, bool pm) noexcept {
  if (hour12 == 12) return pm ? 12 : 0;
  if (hour12 >= 1 && hour12 <= 11) return pm ? hour12 + 12 : hour12;
  if (hour12 >= 13 && hour12 <= 23) return hour12;
  return 0;
}

std::string ScheduleTimeText(int hour24, int minute) {
  const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
  std::string text = std::to_string(hour12) + ":";
  if (minute < 10) text += '0';
  text += std::to_string(minute);
  text += hour24 >= 12 ? "PM" : "AM";
  return text;
}

std::string GetSched(const storage::MacroRecord& record) {
  switch (record.ScheduleKind.Get()) {
    case ScheduleAtStartup:
      return "At Startup";
    case ScheduleOnce:
      return "Once at " + RecordTime(record) + " on " + std::to_string(record.ScheduleDay) + " " +
             MonthName(record.ScheduleMonth) + " " + std::to_string(record.ScheduleYear.Get());
    case ScheduleHourly:
      return "Hourly at " + std::to_string(record.HourlyMinute) + " minutes past the hour";
    case ScheduleDaily: {
      std::string text = "Daily at " + RecordTime(record);
      for (int weekday0 = 0; weekday0 < 7; ++weekday0)
        if (record.ScheduleDays[DayFlagIndex(weekday0)])
          text += "," + WeekdayName(weekday0, kShortWeekdayFormat);
      return text;
    }
    case ScheduleWeekly:
      return "Weekly at " + RecordTime(record) + " on " +
             WeekdayName(record.ScheduleWeekday - 1, kLongWeekdayFormat);
    case ScheduleMonthly:
      return "Monthly at " + RecordTime(record) + " on day " + std::to_string(record.ScheduleDay) +
             " of each month";
    case ScheduleEveryMinutes:
      return "every " + std::to_string(record.IntervalMinutes.Get()) + " minutes";
    default:
      return "Unknown schedule";
  }
}

void DefaultTimer(storage::MacroRecord& record, double now) noexcept {
  const platform::CivilDateTime today = platform::FromDateTime(now);
  record.ScheduleKind = static_cast<std::int16_t>(ScheduleDaily);
  for (auto& day : record.ScheduleDays) day = true;
  record.ScheduleMonth = static_cast<std::uint8_t>(today.month);
  record.ScheduleDay = static_cast<std::uint8_t>(today.day);
  record.ScheduleYear = static_cast<std::uint16_t>(today.year);
  record.HourlyMinute = 15;
  record.IntervalMinutes = static_cast<std::uint16_t>(15);
  record.ScheduleWeekday = static_cast<std::uint8_t>(today.weekday + 1);
  record.ScheduleHour = 12;
  record.ScheduleMinute = 0;
  record.SchedulePM = true;
}

}  // namespace quindle::scheduler
