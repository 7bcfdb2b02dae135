// The timed-macro table and the one rule that decides, at a check, whether an entry is due.
// Times are whole milliseconds since 30 December 1899 (date-time x kMsPerDay, rounded), so that a
// schedule at 9:00 and a check at exactly 9:00:00.000 compare equal instead of by rounding luck.
#pragma once

#include <array>
#include <cstdint>

#include "storage/macro_record.h"

namespace quindle::scheduler {

using Millis = std::int64_t;

Millis ToMillis(double dateTime) noexcept;
double ToDateTime(Millis millis) noexcept;

struct TimedEntry {
  std::uint16_t macro = 0;
  std::int16_t kind = 0;
  std::array<bool, 7> days{};  // Monday .. Saturday, Sunday
  std::uint8_t month = 0;
  std::uint8_t day = 0;
  std::uint8_t hourlyMinute = 0;
  std::uint16_t interval = 0;  // minutes
  std::uint8_t weekday = 0;    // 1 Sunday .. 7 Saturday
  std::uint16_t year = 0;
  Millis time = 0;  // time of day of the schedule
  // Every N minutes: the moment from which the next interval counts.
  Millis lastRun = 0;
  // Every other kind: the latest occurrence that this entry has been decided for (run or
  // skipped). An occurrence at or before it is never run again, whatever the clock does.
  Millis lastOccurrence = 0;
};

// The entry of a timed macro's record (kind 1..6), built at `now`.
TimedEntry MakeEntry(int macro, const storage::MacroRecord& record, Millis now) noexcept;

// Whether `entry` is due at a check at `now` whose previous check was at `lastCheck`; moves the
// entry's own state on when it is.
bool DueNow(TimedEntry& entry, Millis lastCheck, Millis now) noexcept;

}  // namespace quindle::scheduler
