#include "scheduler/win32/scheduler_timers.h"

#include <utility>

#include "platform/date_time.h"

namespace quindle::scheduler::win32 {

SchedulerTimers::SchedulerTimers(HWND window, const TimedRunServices& run,
                                 storage::MacroStore& store, platform::IClock& clock,
                                 platform::IPrompts& prompts, SchedulerHost host)
    : source_(run.lock, store),
      runner_(run),
      scheduler_(source_, runner_, clock),
      prompts_(prompts),
      host_(std::move(host)),
      myTimer_(window, kMyTimerId),
      timer2_(window, kTimer2Id),
      captionTimer_(window, kCaptionTimerId) {}

SchedulerTimers::~SchedulerTimers() = default;

void SchedulerTimers::Start() {
  CheckAndSetTime();
  // Without Timer2 the start-up macros would not run; there is nobody to tell but the user,
  // and a missing timer at start is no reason to stop the program.
  if (!timer2_.Start(kStartUpDelayMs))
    prompts_.ShowMessage("Warning", "The start-up macros could not be scheduled.");
  ShowDateChanged();
}

void SchedulerTimers::CheckAndSetTime() {
  if (scheduler_.CheckAndSetTime()) {
    int seconds = host_.timerSeconds ? host_.timerSeconds() : 10;
    if (seconds < 1 || seconds > 60) seconds = 10;
    // Started again, a running timer takes the new interval.
    if (!myTimer_.Start(static_cast<UINT>(seconds) * 1000U))
      prompts_.ShowMessage("Warning", "The timer of the timed macros could not be started.");
  } else {
    static_cast<void>(myTimer_.Stop());
  }
}

bool SchedulerTimers::OnTimer(UINT_PTR timerId) {
  switch (timerId) {
    case kMyTimerId:
      if (host_.showDate && host_.showDate() && host_.refreshCaption) host_.refreshCaption();
      scheduler_.CheckOutTimerMacros();
      return true;
    case kTimer2Id:
      // Once only, also while the start-up macros play; while a pause, a popup menu or a
      // capture is in the way it fires again five seconds later.
      static_cast<void>(timer2_.Stop());
      if (!scheduler_.DoStartUpMacros()) static_cast<void>(timer2_.Start(kStartUpDelayMs));
      return true;
    case kCaptionTimerId:
      if (host_.refreshCaption) host_.refreshCaption();
      return true;
    default:
      return false;
  }
}

void SchedulerTimers::ShowDateChanged() {
  // Without the caption clock the caption is still refreshed by MyTimer.
  if (host_.showDate && host_.showDate())
    static_cast<void>(captionTimer_.Start(kCaptionTimerMs));
  else
    static_cast<void>(captionTimer_.Stop());
  if (host_.refreshCaption) host_.refreshCaption();
}

void SchedulerTimers::Stop() {
  static_cast<void>(myTimer_.Stop());
  static_cast<void>(timer2_.Stop());
  static_cast<void>(captionTimer_.Stop());
}

std::string CaptionDateTime() {
  char date[64] = "";
  char time[64] = "";
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date) == 0)
    date[0] = '\0';
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, sizeof time) == 0)
    time[0] = '\0';
  return std::string(date) + "  " + time;
}

}  // namespace quindle::scheduler::win32
