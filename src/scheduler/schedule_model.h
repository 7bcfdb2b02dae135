// What the "Set Schedule" dialog shows and accepts, apart from any window system: the texts of
// its fields from a macro's record, the reading of a typed time, and the check of "&Update"
// with its messages and the field to focus. The record is changed only by a check that passed,
// so a Cancel after a refused Update leaves the macro as it was.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::scheduler {

inline constexpr std::string_view kScheduleCaption = "Set Schedule";
inline constexpr std::string_view kScheduleErrorTitle = "Error";
inline constexpr std::string_view kInvalidDayMessage = "Invalid day of month specified.";
inline constexpr std::string_view kDateElapsedMessage = "Specified date has already elapsed.";
inline constexpr std::string_view kInvalidMinutesMessage = "Invalid minutes specified.";
inline constexpr std::string_view kInvalidIntervalMessage =
    "Invalid minutes specified.  Must be between 1 and 720.";
// Refusals of typed texts that are no numbers at all.
inline constexpr std::string_view kInvalidYearMessage = "Invalid year specified.";
inline constexpr std::string_view kInvalidTimeMessage =
    "Invalid time specified.  Enter it as hh:mm followed by AM or PM, e.g. 09:30AM.";

// The fields of the dialog, named after their place.
enum class ScheduleField {
  Kind,
  OnceYear,
  OnceMonth,
  OnceDay,
  OnceTime,
  HourlyMinutes,
  DailyTime,
  WeeklyDay,
  WeeklyTime,
  MonthlyDay,
  MonthlyTime,
  EveryMinutes,
};

// The dialog's fields as the user sees them.
struct ScheduleFields {
  int kind = 3;                // ScheduleKindValue 0..6: the radio button checked
  std::array<bool, 7> days{};  // Monday .. Sunday
  std::string onceYear;
  int onceMonth = 1;  // 1..12: the month list's row + 1
  std::string onceDay;
  std::string onceTime;
  std::string hourlyMinutes;
  std::string dailyTime;
  int weeklyDay = 1;  // 1 Sunday .. 7 Saturday: the weekday list's row + 1
  std::string weeklyTime;
  std::string monthlyDay;
  std::string everyMinutes;
  std::string monthlyTime;
};

struct TimeOfSchedule {
  int hour = 12;  // 1..12
  int minute = 0;
  bool pm = true;
};

// "hh:mmAM": the hour and the minute with two digits each.
std::string ScheduleTimeField(const TimeOfSchedule& time);

// Reads a typed time: ":" splits the hour from the minute (without one the hour is the first
// character); the minute is the two characters after it and "PM" (any case) in the two after
// those sets the afternoon. An hour above 23 becomes 0, one above 12 loses 12 and means PM, a
// minute of 60 or more becomes 0; hour 0 is shown as 12 AM. Nothing when the hour or the minute
// is not a number.
std::optional<TimeOfSchedule> ParseScheduleTime(std::string_view text);

ScheduleFields FieldsOfRecord(const storage::MacroRecord& record);

struct ScheduleCheck {
  bool ok = false;
  std::string_view message;  // when not ok: what to tell the user, titled kScheduleErrorTitle
  ScheduleField focus = ScheduleField::Kind;
};

struct Today {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Checks the fields of the chosen kind and, when they pass, stores the kind, the seven days and
// that kind's fields into `record`.
ScheduleCheck UpdateSchedule(const ScheduleFields& fields, const Today& today,
                             storage::MacroRecord& record);

// Days of `month` in `year`: February has 29 in years divisible by 4.
int ScheduleMonthLength(int year, int month) noexcept;

}  // namespace quindle::scheduler
