#include "scheduler/schedule_model.h"

#include <charconv>
#include <cstdio>

#include "platform/text.h"
#include "scheduler/schedule_text.h"

namespace quindle::scheduler {
namespace {

constexpr int kMaxYear = 65535;  // the record's 16-bit field

// A whole non-negative number, spaces around it allowed; nothing otherwise.
std::optional<int> Number(std::string_view text) {
  text = platform::TrimSpacesAndControls(text);
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

ScheduleCheck Refuse(std::string_view message, ScheduleField focus) {
  return ScheduleCheck{false, message, focus};
}

void StoreTime(const TimeOfSchedule& time, storage::MacroRecord& record) {
  record.ScheduleHour = static_cast<std::uint8_t>(time.hour);
  record.ScheduleMinute = static_cast<std::uint8_t>(time.minute);
  record.SchedulePM = time.pm;
}

TimeOfSchedule TimeOfRecord(const storage::MacroRecord& record) {
  const int hour24 = Hour24(record.ScheduleHour, record.SchedulePM);
  const int minute = record.ScheduleMinute < 60 ? record.ScheduleMinute : 0;
  return TimeOfSchedule{hour24 % 12 == 0 ? 12 : hour24 % 12, minute, hour24 >= 12};
}

}  // namespace

int ScheduleMonthLength(int year, int month) noexcept {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

std::string ScheduleTimeField(const TimeOfSchedule& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d%s", time.hour % 100, time.minute % 100,
                time.pm ? "PM" : "AM");
  return text;
}

std::optional<TimeOfSchedule> ParseScheduleTime(std::string_view text) {
  text = platform::TrimSpacesAndControls(text);
  const std::size_t colon = text.find(':');
  const std::size_t hourLength = colon == std::string_view::npos ? 1 : colon;
  const std::size_t rest = colon == std::string_view::npos ? 1 : colon + 1;
  if (text.size() < rest) return std::nullopt;
  const std::optional<int> hour = Number(text.substr(0, hourLength));
  const std::optional<int> minute = Number(text.substr(rest, 2));
  if (!hour || !minute) return std::nullopt;
  TimeOfSchedule time;
  time.pm = platform::UpperAToZ(text.substr(std::min(text.size(), rest + 2), 2)) == "PM";
  time.hour = *hour > 23 ? 0 : *hour;
  if (time.hour > 12) {
    time.hour -= 12;
    time.pm = true;
  }
  if (time.hour == 0) time.hour = 12;  // 0:30 is 12:30 at night, or noon's half hour with PM
  time.minute = *minute >= 60 ? 0 : *minute;
  return time;
}

ScheduleFields FieldsOfRecord(const storage::MacroRecord& record) {
  ScheduleFields f;
  const int kind = record.ScheduleKind;
  f.kind = kind >= ScheduleAtStartup && kind <= ScheduleEveryMinutes ? kind : ScheduleDaily;
  for (std::size_t i = 0; i < f.days.size(); ++i) f.days[i] = record.ScheduleDays[i];
  const std::string time = ScheduleTimeField(TimeOfRecord(record));
  f.onceYear = std::to_string(record.ScheduleYear.Get());
  f.onceMonth = record.ScheduleMonth >= 1 && record.ScheduleMonth <= 12 ? record.ScheduleMonth : 1;
  f.onceDay = std::to_string(record.ScheduleDay);
  f.onceTime = time;
  f.hourlyMinutes = std::to_string(record.HourlyMinute);
  f.dailyTime = time;
  f.weeklyDay =
      record.ScheduleWeekday >= 1 && record.ScheduleWeekday <= 7 ? record.ScheduleWeekday : 1;
  f.weeklyTime = time;
  f.monthlyDay = std::to_string(record.ScheduleDay);
  f.monthlyTime = time;
  f.everyMinutes = std::to_string(record.IntervalMinutes.Get());
  return f;
}

ScheduleCheck UpdateSchedule(const ScheduleFields& f, const Today& today,
                             storage::MacroRecord& record) {
  storage::MacroRecord changed = record;
  changed.ScheduleKind = static_cast<std::int16_t>(f.kind);
  for (std::size_t i = 0; i < f.days.size(); ++i) changed.ScheduleDays[i] = f.days[i];

  const auto time = [&changed](std::string_view text, ScheduleField field) {
    const std::optional<TimeOfSchedule> parsed = ParseScheduleTime(text);
    if (!parsed) return Refuse(kInvalidTimeMessage, field);
    StoreTime(*parsed, changed);
    return ScheduleCheck{true, {}, field};
  };
  ScheduleCheck check{true, {}, ScheduleField::Kind};
  switch (f.kind) {
    case ScheduleOnce: {
      const std::optional<int> year = Number(f.onceYear);
      if (!year || *year < 1 || *year > kMaxYear)
        return Refuse(kInvalidYearMessage, ScheduleField::OnceYear);
      const std::optional<int> day = Number(f.onceDay);
      if (!day || *day < 1 || *day > ScheduleMonthLength(*year, f.onceMonth))
        return Refuse(kInvalidDayMessage, ScheduleField::OnceDay);
      if (*year != today.year) {
        if (*year < today.year) return Refuse(kDateElapsedMessage, ScheduleField::OnceYear);
      } else if (f.onceMonth != today.month) {
        if (f.onceMonth < today.month) return Refuse(kDateElapsedMessage, ScheduleField::OnceMonth);
      } else if (*day < today.day) {
        return Refuse(kDateElapsedMessage, ScheduleField::OnceDay);
      }
      changed.ScheduleYear = static_cast<std::uint16_t>(*year);
      changed.ScheduleMonth = static_cast<std::uint8_t>(f.onceMonth);
      changed.ScheduleDay = static_cast<std::uint8_t>(*day);
      check = time(f.onceTime, ScheduleField::OnceTime);
      break;
    }
    case ScheduleHourly: {
      const std::optional<int> minutes = Number(f.hourlyMinutes);
      if (!minutes || *minutes > 59)
        return Refuse(kInvalidMinutesMessage, ScheduleField::HourlyMinutes);
      changed.HourlyMinute = static_cast<std::uint8_t>(*minutes);
      break;
    }
    case ScheduleDaily:
      check = time(f.dailyTime, ScheduleField::DailyTime);
      break;
    case ScheduleWeekly:
      changed.ScheduleWeekday = static_cast<std::uint8_t>(f.weeklyDay);
      check = time(f.weeklyTime, ScheduleField::WeeklyTime);
      break;
    case ScheduleMonthly: {
      const std::optional<int> day = Number(f.monthlyDay);
      if (!day || *day < 1 || *day > 31)
        return Refuse(kInvalidDayMessage, ScheduleField::MonthlyDay);
      changed.ScheduleDay = static_cast<std::uint8_t>(*day);
      check = time(f.monthlyTime, ScheduleField::MonthlyTime);
      break;
    }
    case ScheduleEveryMinutes: {
      const std::optional<int> minutes = Number(f.everyMinutes);
      if (!minutes || *minutes < 1 || *minutes > kMaxIntervalMinutes)
        return Refuse(kInvalidIntervalMessage, ScheduleField::EveryMinutes);
      changed.IntervalMinutes = static_cast<std::uint16_t>(*minutes);
      break;
    }
    default:
      break;
  }
  if (check.ok) record = changed;
  return check;
}

}  // namespace quindle::scheduler
