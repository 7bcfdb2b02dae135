// The schedule of a timed macro as the record holds it: its 24-hour time, its sentence for the
// lists and Quick Info, and the default schedule of a new macro.
#pragma once

#include <string>

#include "storage/macro_record.h"

namespace quindle::scheduler {

enum ScheduleKindValue : int {
  ScheduleAtStartup = 0,
  ScheduleOnce = 1,
  ScheduleHourly = 2,
  ScheduleDaily = 3,
  ScheduleWeekly = 4,
  ScheduleMonthly = 5,
  ScheduleEveryMinutes = 6,
};

inline constexpr int kMaxIntervalMinutes = 720;

// The 24-hour hour of a 12-hour hour: with `pm` 12 stays 12 and 1..11 become 13..23; without it
// 12 becomes 0. A damaged hour of 13..23 is taken as a 24-hour hour already, anything else as 0.
int Hour24(int hour12, bool pm) noexcept;

// "9:05AM": the hour without a leading zero, two-digit minutes, the suffix with no space.
std::string ScheduleTimeText(int hour24, int minute);

// The schedule as one sentence, e.g. "Daily at 9:05AM,Mon,Fri".
std::string GetSched(const storage::MacroRecord& record);

// Daily at noon on all seven days; once-date and weekday from `now` (a date-time); hourly at
// minute 15; every 15 minutes.
void DefaultTimer(storage::MacroRecord& record, double now) noexcept;

// The ScheduleDays index (Monday first) of a weekday 0 Sunday .. 6 Saturday.
constexpr int DayFlagIndex(int weekday0) noexcept {
  return (weekday0 + 6) % 7;
}

}  // namespace quindle::scheduler
