#include "scheduler/win32/scheduler_timers.h"

#include <utility>

#include "platform/date_time.h"

namespace quindle::scheduler::win32 {

SchedulerTimers::SchedulerTimers(HWND window, const TimedRunServices& run,
                                 storage::MacroStore& store, platform::IClock& clock,
                                 SchedulerHost host)
    : window_(window),
      source_(run.lock, store),
      runner_(run),
      scheduler_(source_, runner_, clock),
      host_(std::move(host)) {}

SchedulerTimers::~SchedulerTimers() {
  Stop();
}

void SchedulerTimers::Start() {
  CheckAndSetTime();
  // Without Timer2 the start-up macros would not run; there is nobody to tell but the user,
  // and a missing timer at start is no reason to stop the program.
  if (SetTimer(window_, kTimer2Id, kStartUpDelayMs, nullptr) == 0)
    MessageBoxA(window_, "The start-up macros could not be scheduled.", "Warning",
                MB_OK | MB_ICONWARNING);
  ShowDateChanged();
}

void SchedulerTimers::CheckAndSetTime() {
  const bool entries = scheduler_.CheckAndSetTime();
  if (entries) {
    int seconds = host_.timerSeconds ? host_.timerSeconds() : 10;
    if (seconds < 1 || seconds > 60) seconds = 10;
    // SetTimer on a running timer replaces its interval.
    myTimerRunning_ =
        SetTimer(window_, kMyTimerId, static_cast<UINT>(seconds) * 1000U, nullptr) != 0;
    if (!myTimerRunning_)
      MessageBoxA(window_, "The timer of the timed macros could not be started.", "Warning",
                  MB_OK | MB_ICONWARNING);
  } else if (myTimerRunning_) {
    KillTimer(window_, kMyTimerId);
    myTimerRunning_ = false;
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
      KillTimer(window_, kTimer2Id);
      if (!scheduler_.DoStartUpMacros()) SetTimer(window_, kTimer2Id, kStartUpDelayMs, nullptr);
      return true;
    case kCaptionTimerId:
      if (host_.refreshCaption) host_.refreshCaption();
      return true;
    default:
      return false;
  }
}

void SchedulerTimers::ShowDateChanged() {
  if (host_.showDate && host_.showDate())
    SetTimer(window_, kCaptionTimerId, kCaptionTimerMs,
             nullptr);  // without it: refreshed by MyTimer
  else
    KillTimer(window_, kCaptionTimerId);
  if (host_.refreshCaption) host_.refreshCaption();
}

void SchedulerTimers::Stop() {
  if (window_ == nullptr || IsWindow(window_) == FALSE) return;
  KillTimer(window_, kMyTimerId);
  KillTimer(window_, kTimer2Id);
  KillTimer(window_, kCaptionTimerId);
  myTimerRunning_ = false;
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
