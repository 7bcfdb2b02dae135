// The scheduler: the table of enabled timed macros, the periodic check against the clock and the
// start-up macros. It reads macros through ITimedMacroSource and plays them through
// ITimedMacroRunner, so the same checks run in the program, in the tests on a virtual clock and
// in `qnl schedule`.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/system.h"
#include "scheduler/timed_checks.h"
#include "storage/macro_record.h"

namespace quindle::scheduler {

class ITimedMacroSource {
 public:
  virtual ~ITimedMacroSource() = default;
  // The enabled macros whose activation is timed, in file order (one look at the table).
  virtual std::vector<int> EnabledTimedMacros() = 0;
  // Whether macro n is still loaded, enabled and timed (asked again before each start-up run).
  virtual bool IsEnabledTimed(int n) = 0;
  virtual bool ReadMacro(int n, storage::MacroRecord& record) = 0;
};

class ITimedMacroRunner {
 public:
  virtual ~ITimedMacroRunner() = default;
  // Brings up the macro's window or program, sounds the alarm and plays it; `capsStep` asks for
  // the Caps Lock press and restore. False when its window or program could not be activated.
  virtual bool Run(int n, const storage::MacroRecord& record, bool capsStep) = 0;
  // True while nothing may start: a macro is paused, a popup menu is open or a capture records
  // (a timed macro's keys would land in the capture).
  virtual bool Busy() { return false; }
};

// The previous check's moment.
struct LastCheck {
  Millis moment = 0;
  int day = 0;        // day of month
  int hour = 0;       // 0..23
  Millis time = 0;    // time of day
  int dayOfWeek = 1;  // 1 Sunday .. 7 Saturday
};

class Scheduler {
 public:
  // The last check starts at the clock's present moment: the main window's creation.
  Scheduler(ITimedMacroSource& source, ITimedMacroRunner& runner, platform::IClock& clock);
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  // Rebuilds the table from the macros. True when it has entries: the check timer must run.
  bool CheckAndSetTime();
  // One check of every entry against the clock. A tick that comes while a macro played by a
  // check is still playing returns at once. While the runner is busy the check waits: the last
  // check stays where it was, so the next tick runs what fell due meanwhile, once.
  void CheckOutTimerMacros();
  // Plays every enabled at-start-up macro once, in file order. False, nothing played, while the
  // runner is busy: the caller asks again later.
  bool DoStartUpMacros();

  const std::vector<TimedEntry>& Entries() const noexcept { return entries_; }
  bool HasEntries() const noexcept { return !entries_.empty(); }
  const LastCheck& Last() const noexcept { return last_; }

 private:
  void SetLastCheck(Millis now) noexcept;

  ITimedMacroSource& source_;
  ITimedMacroRunner& runner_;
  platform::IClock& clock_;
  std::vector<TimedEntry> entries_;
  LastCheck last_;
  // Counts rebuilds, so a check notices that a macro it played changed the table (switched the
  // macro file, say) and stops walking entries that are no longer there.
  std::uint32_t generation_ = 0;
  bool checking_ = false;
  storage::MacroRecord record_{};
};

}  // namespace quindle::scheduler
