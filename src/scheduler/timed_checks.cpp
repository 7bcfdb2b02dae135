#include "scheduler/timed_checks.h"

#include <cmath>

#include "platform/date_time.h"
#include "scheduler/schedule_text.h"

namespace quindle::scheduler {
namespace {

using platform::kMsPerDay;
constexpr Millis kMsPerMinute = 60'000;
constexpr Millis kMsPerHour = 60 * kMsPerMinute;

Millis FloorDiv(Millis value, Millis step) noexcept {
  const Millis q = value / step;
  return (value % step != 0 && value < 0) ? q - 1 : q;
}

// Today's occurrence of a once, daily, weekly or monthly entry, or -1 when it has none today.
//
// Only today is looked at. The previous day's entry is not matched again after midnight: it was
// decided before midnight already, and matching it again would run one occurrence twice (and a
// machine that slept over midnight still gets today's occurrence, once).
Millis TodaysOccurrence(const TimedEntry& e, Millis now) noexcept {
  const Millis midnight = FloorDiv(now, kMsPerDay) * kMsPerDay;
  const platform::CivilDateTime today = platform::FromDateTime(ToDateTime(midnight));
  bool todayMatches = false;
  switch (e.kind) {
    case ScheduleOnce:
      todayMatches = e.year == today.year && e.month == today.month && e.day == today.day;
      break;
    case ScheduleDaily:
      todayMatches = e.days[static_cast<std::size_t>(DayFlagIndex(today.weekday))];
      break;
    case ScheduleWeekly:
      todayMatches = e.weekday == today.weekday + 1;
      break;
    case ScheduleMonthly:
      todayMatches = e.day == today.day;
      break;
    default:
      break;
  }
  return todayMatches ? midnight + e.time : -1;
}

// The latest moment at or before `now` whose minute is the entry's and whose second is 0.
Millis HourlyOccurrence(const TimedEntry& e, Millis now) noexcept {
  if (e.hourlyMinute > 59) return -1;  // a damaged record: no such minute
  Millis occurrence = FloorDiv(now, kMsPerHour) * kMsPerHour + e.hourlyMinute * kMsPerMinute;
  if (occurrence > now) occurrence -= kMsPerHour;
  return occurrence;
}

// Every N minutes. There is no "already elapsed at the previous check" guard: with it, a machine
// that stalled for more than two intervals would leave the entry idle until the day changes.
// Instead a run after a stall is one run, and the count then moves on to the latest whole
// interval, so that a long sleep gives one run rather than a burst of catch-up runs, and the
// rhythm stays that of the table's build. A clock set back before the count's start restarts
// the count there, so the entry waits one interval rather than the hours the clock went back.
bool IntervalDue(TimedEntry& e, Millis now) noexcept {
  const Millis interval = static_cast<Millis>(e.interval / 60) * kMsPerHour +
                          static_cast<Millis>(e.interval % 60) * kMsPerMinute;
  if (interval <= 0) return false;
  if (now < e.lastRun) {
    e.lastRun = now;
    return false;
  }
  if (now - e.lastRun < interval) return false;
  e.lastRun += interval;
  if (now - e.lastRun >= interval) e.lastRun += (now - e.lastRun) / interval * interval;
  return true;
}

}  // namespace

Millis ToMillis(double dateTime) noexcept {
  return std::llround(dateTime * static_cast<double>(kMsPerDay));
}

double ToDateTime(Millis millis) noexcept {
  return static_cast<double>(millis) / static_cast<double>(kMsPerDay);
}

TimedEntry MakeEntry(int macro, const storage::MacroRecord& record, Millis now) noexcept {
  TimedEntry e;
  e.macro = static_cast<std::uint16_t>(macro);
  e.kind = record.ScheduleKind;
  for (std::size_t i = 0; i < e.days.size(); ++i) e.days[i] = record.ScheduleDays[i];
  e.month = record.ScheduleMonth;
  e.day = record.ScheduleDay;
  e.hourlyMinute = record.HourlyMinute;
  e.interval = record.IntervalMinutes;
  e.weekday = record.ScheduleWeekday;
  e.year = record.ScheduleYear;
  const int minute = record.ScheduleMinute < 60 ? record.ScheduleMinute : 0;
  e.time = Hour24(record.ScheduleHour, record.SchedulePM) * kMsPerHour + minute * kMsPerMinute;
  e.lastRun = now;
  e.lastOccurrence = now;
  return e;
}

bool DueNow(TimedEntry& e, Millis lastCheck, Millis now) noexcept {
  if (e.kind == ScheduleEveryMinutes) return IntervalDue(e, now);
  const Millis occurrence =
      e.kind == ScheduleHourly ? HourlyOccurrence(e, now) : TodaysOccurrence(e, now);
  // Due once its moment has come, when the previous check came before it (the same test as
  // "lastTime < T <= nowTime" on one day, and "T <= nowTime" after a change of day), and when
  // it was not decided before: a clock set back (a correction, the end of summer time) makes
  // the same moment pass twice.
  if (occurrence < 0 || occurrence > now || occurrence <= lastCheck ||
      occurrence <= e.lastOccurrence)
    return false;
  e.lastOccurrence = occurrence;
  return true;
}

}  // namespace quindle::scheduler
