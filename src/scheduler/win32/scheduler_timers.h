// The main window's scheduler: the timed-macro table and its two window timers, `MyTimer` (the
// periodic check, "Timer Seconds" apart, running only while the table has entries) and `Timer2`
// (once, five seconds after the window is made, for the start-up macros), plus the caption
// clock of "Show Date" and the schedule dialog of a listed macro. The main window routes its
// WM_TIMER messages and commands here; the rules live in the portable Scheduler.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <string>

#include "platform/system.h"
#include "platform/win32/handles.h"
#include "scheduler/scheduler.h"
#include "scheduler/timed_runner.h"

namespace quindle::scheduler::win32 {

inline constexpr UINT_PTR kMyTimerId = 0x5101;
inline constexpr UINT_PTR kTimer2Id = 0x5102;
inline constexpr UINT_PTR kCaptionTimerId = 0x5103;
inline constexpr UINT kStartUpDelayMs = 5000;
// While "Show Date" is on the caption's clock is looked at every second, so it is right whether
// or not a timed macro makes `MyTimer` run; the caption is only set again when its text changed.
inline constexpr UINT kCaptionTimerMs = 1000;

struct SchedulerHost {
  // "Timer Seconds", 1..60.
  std::function<int()> timerSeconds;
  std::function<bool()> showDate;
  // Sets the main window's caption again (with the date and time when "Show Date" is on).
  std::function<void()> refreshCaption;
};

class SchedulerTimers {
 public:
  // `run.lock` and `store` are the program's table and macro file; a timer that cannot be
  // started is reported through `prompts`.
  SchedulerTimers(HWND window, const TimedRunServices& run, storage::MacroStore& store,
                  platform::IClock& clock, platform::IPrompts& prompts, SchedulerHost host);
  SchedulerTimers(const SchedulerTimers&) = delete;
  SchedulerTimers& operator=(const SchedulerTimers&) = delete;
  ~SchedulerTimers();

  // At the window's creation: builds the table and starts `Timer2` and the caption clock.
  void Start();
  // Rebuilds the table and runs `MyTimer` exactly when it has entries.
  void CheckAndSetTime();
  // A WM_TIMER of the main window; false when the timer is not one of these.
  bool OnTimer(UINT_PTR timerId);
  // After "Show Date" changed: starts or stops the caption clock and refreshes the caption.
  void ShowDateChanged();
  // Stops every timer (the window is closing).
  void Stop();

  Scheduler& Core() { return scheduler_; }

 private:
  StoreMacroSource source_;
  PlayerRunner runner_;
  Scheduler scheduler_;
  platform::IPrompts& prompts_;
  SchedulerHost host_;
  platform::win32::WindowTimer myTimer_;
  platform::win32::WindowTimer timer2_;
  platform::win32::WindowTimer captionTimer_;
};

// The date and the time as the user's locale writes them, two blanks between: the caption's
// clock.
std::string CaptionDateTime();

}  // namespace quindle::scheduler::win32
