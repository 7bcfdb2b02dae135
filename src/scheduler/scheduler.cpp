#include "scheduler/scheduler.h"

#include <utility>

#include "platform/date_time.h"
#include "scheduler/schedule_text.h"

namespace quindle::scheduler {

Scheduler::Scheduler(ITimedMacroSource& source, ITimedMacroRunner& runner, platform::IClock& clock)
    : source_(source), runner_(runner), clock_(clock) {
  SetLastCheck(ToMillis(clock_.Now()));
}

void Scheduler::SetLastCheck(Millis now) noexcept {
  const platform::CivilDateTime civil = platform::FromDateTime(ToDateTime(now));
  last_.moment = now;
  last_.day = civil.day;
  last_.hour = civil.hour;
  last_.time = platform::MillisecondsOfDay(ToDateTime(now));
  last_.dayOfWeek = civil.weekday + 1;
}

bool Scheduler::CheckAndSetTime() {
  entries_.clear();
  ++generation_;
  const Millis now = ToMillis(clock_.Now());
  for (const int n : source_.EnabledTimedMacros()) {
    if (entries_.size() >= storage::kMaxMacros) break;
    if (!source_.ReadMacro(n, record_)) continue;
    const int kind = record_.ScheduleKind;
    if (kind < ScheduleOnce || kind > ScheduleEveryMinutes) continue;
    TimedEntry entry = MakeEntry(n, record_, now);
    // Nothing before the previous check is due; a rebuild between two checks keeps what falls
    // after it.
    entry.lastOccurrence = last_.moment < now ? last_.moment : now;
    entries_.push_back(entry);
  }
  return !entries_.empty();
}

void Scheduler::CheckOutTimerMacros() {
  if (checking_ || runner_.Busy()) return;
  checking_ = true;
  const Millis now = ToMillis(clock_.Now());
  const std::uint32_t generation = generation_;
  for (std::size_t i = 0; i < entries_.size() && generation == generation_; ++i) {
    if (!DueNow(entries_[i], last_.moment, now)) continue;
    const int n = entries_[i].macro;
    if (!source_.ReadMacro(n, record_)) continue;
    // A window or program that cannot be brought up skips this occurrence; it is not retried.
    runner_.Run(n, record_, true);
  }
  SetLastCheck(now);
  checking_ = false;
}

bool Scheduler::DoStartUpMacros() {
  if (runner_.Busy()) return false;
  // Its own record: a check's tick may come while a start-up macro plays, and the reverse.
  storage::MacroRecord record{};
  for (const int n : source_.EnabledTimedMacros()) {
    if (!source_.IsEnabledTimed(n) || !source_.ReadMacro(n, record)) continue;
    if (record.ScheduleKind != ScheduleAtStartup) continue;
    // One whose window cannot be activated is skipped; the others still run.
    runner_.Run(n, record, false);
  }
  return true;
}

}  // namespace quindle::scheduler
