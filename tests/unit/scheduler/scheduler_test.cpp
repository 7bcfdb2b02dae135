#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/date_time.h"
#include "scheduler/schedule_text.h"
#include "scheduler/scheduler.h"

namespace quindle::scheduler {
namespace {

using storage::MacroRecord;

double At(int year, int month, int day, int hour, int minute, int second = 0) {
  platform::CivilDateTime t;
  t.year = year, t.month = month, t.day = day, t.hour = hour, t.minute = minute;
  t.second = second;
  return platform::ToDateTime(t);
}

class VirtualClock final : public platform::IClock {
 public:
  double now = 0;
  double Now() override { return now; }
  std::uint32_t TickCount() override { return 0; }
  void Advance(int seconds) { now += seconds / 86400.0; }
};

struct Macros final : ITimedMacroSource {
  std::vector<MacroRecord> records;
  std::vector<int> EnabledTimedMacros() override {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < records.size(); ++i)
      if (IsEnabledTimed(static_cast<int>(i) + 1)) numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
  }
  bool IsEnabledTimed(int n) override {
    if (n < 1 || n > static_cast<int>(records.size())) return false;
    const MacroRecord& r = records[static_cast<std::size_t>(n - 1)];
    return r.Enabled && r.HotkeyNumber.Get() == storage::kActivationTimed;
  }
  bool ReadMacro(int n, MacroRecord& record) override {
    if (n < 1 || n > static_cast<int>(records.size())) return false;
    record = records[static_cast<std::size_t>(n - 1)];
    return true;
  }
};

// Records each run with the clock's time; a scope text "MISSING" cannot be activated.
struct Runs final : ITimedMacroRunner {
  VirtualClock* clock = nullptr;
  std::vector<std::pair<int, double>> runs;
  std::function<void()> during;
  bool busy = false;
  bool Busy() override { return busy; }
  bool Run(int n, const MacroRecord& record, bool /*capsStep*/) override {
    if (record.ScopeText.View() == "MISSING") return false;
    runs.emplace_back(n, clock->now);
    if (during) during();
    return true;
  }
};

MacroRecord Timed(int kind, int hour12 = 12, int minute = 0, bool pm = true) {
  MacroRecord r = storage::NewMacro("m", storage::ScopeGlobal, "", storage::kActivationTimed, "x");
  r.ScheduleKind = static_cast<std::int16_t>(kind);
  r.ScheduleHour = static_cast<std::uint8_t>(hour12);
  r.ScheduleMinute = static_cast<std::uint8_t>(minute);
  r.SchedulePM = pm;
  return r;
}

struct Fixture {
  VirtualClock clock;
  Macros macros;
  Runs runner;
  std::unique_ptr<Scheduler> scheduler;

  // The program starts at `start` with these macros; then checks every `step` seconds for
  // `seconds`; the times (in the clock's date-time) at which macro 1 ran.
  std::vector<double> Simulate(double start, int step, int seconds) {
    clock.now = start;
    runner.clock = &clock;
    scheduler = std::make_unique<Scheduler>(macros, runner, clock);
    scheduler->CheckAndSetTime();
    for (int t = step; t <= seconds; t += step) {
      clock.Advance(step);
      scheduler->CheckOutTimerMacros();
    }
    std::vector<double> times;
    for (const auto& [n, when] : runner.runs) times.push_back(when);
    return times;
  }
};

bool Near(double a, double b) {
  return std::abs(a - b) < 0.5 / 86400.0;
}

TEST(SchedulerChecks, OnceRunsWhenACheckPassesItsTimeButNotWhenStartedLater) {
  struct Case {
    const char* what;
    double start;
    std::size_t runs;
  } cases[] = {
      {"started before 9:00", At(2026, 12, 8, 8, 59, 30), 1},
      {"started at 9:30", At(2026, 12, 8, 9, 30), 0},
      {"another day", At(2026, 12, 9, 8, 59, 30), 0},
  };
  for (const Case& c : cases) {
    Fixture f;
    MacroRecord r = Timed(ScheduleOnce, 9, 0, false);
    r.ScheduleYear = static_cast<std::uint16_t>(2026), r.ScheduleMonth = 12, r.ScheduleDay = 8;
    f.macros.records = {r};
    EXPECT_EQ(f.Simulate(c.start, 10, 3600).size(), c.runs) << c.what;
  }
}

TEST(SchedulerChecks, DailyAtMidnightOnSundayRunsAfterSaturdayMidnight) {
  Fixture f;
  MacroRecord r = Timed(ScheduleDaily, 12, 0, false);  // 0:00
  for (auto& d : r.ScheduleDays) d = false;
  r.ScheduleDays[6] = true;  // Sunday
  f.macros.records = {r};
  // Saturday 12 December 2026, 23:59:00; four days of checks.
  const std::vector<double> runs = f.Simulate(At(2026, 12, 12, 23, 59), 10, 4 * 86400);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(Near(runs[0], At(2026, 12, 13, 0, 0)));
}

TEST(SchedulerChecks, HourlyAtMinuteZeroRunsOnTheFirstCheckOfEachHour) {
  Fixture f;
  MacroRecord r = Timed(ScheduleHourly);
  r.HourlyMinute = 0;
  f.macros.records = {r};
  const std::vector<double> runs = f.Simulate(At(2026, 12, 31, 22, 30), 10, 3 * 3600);
  ASSERT_EQ(runs.size(), 3u);  // 23:00, 0:00 of the new year, 1:00
  EXPECT_TRUE(Near(runs[1], At(2027, 1, 1, 0, 0)));
}

TEST(SchedulerChecks, MonthlyAcrossTheMonthsEnd) {
  Fixture f;
  MacroRecord r = Timed(ScheduleMonthly, 8, 15, false);
  r.ScheduleDay = 1;
  f.macros.records = {r};
  const std::vector<double> runs = f.Simulate(At(2027, 2, 27, 0, 0), 60, 4 * 86400);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(Near(runs[0], At(2027, 3, 1, 8, 15)));
}

TEST(SchedulerChecks, TimerSecondsSixtyRunsWithinAMinute) {
  Fixture f;
  f.macros.records = {Timed(ScheduleDaily, 9, 0, false)};
  for (auto& d : f.macros.records[0].ScheduleDays) d = true;
  const std::vector<double> runs = f.Simulate(At(2026, 12, 8, 8, 59, 1), 60, 600);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(Near(runs[0], At(2026, 12, 8, 9, 0, 1)));
}

TEST(SchedulerChecks, EveryFifteenMinutesCountsFromTheBuild) {
  Fixture f;
  MacroRecord r = Timed(ScheduleEveryMinutes);
  r.IntervalMinutes = static_cast<std::uint16_t>(15);
  f.macros.records = {r};
  const double start = At(2026, 12, 8, 10, 3, 20);
  const std::vector<double> runs = f.Simulate(start, 10, 3600);
  ASSERT_EQ(runs.size(), 4u);
  for (std::size_t i = 0; i < runs.size(); ++i)
    EXPECT_TRUE(Near(runs[i], start + (i + 1) * 15 / 1440.0)) << i;
}

// A machine that sleeps for hours: every kind runs at most once for what it slept over, and an
// interval macro goes on in its rhythm afterwards.
TEST(SchedulerChecks, AStallLongerThanTwoIntervals) {
  Fixture f;
  MacroRecord every = Timed(ScheduleEveryMinutes);
  every.IntervalMinutes = static_cast<std::uint16_t>(15);
  MacroRecord hourly = Timed(ScheduleHourly);
  hourly.HourlyMinute = 20;
  MacroRecord daily = Timed(ScheduleDaily, 11, 0, false);
  for (auto& d : daily.ScheduleDays) d = true;
  f.macros.records = {every, hourly, daily};
  f.clock.now = At(2026, 12, 8, 9, 0);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.CheckAndSetTime();
  f.clock.now = At(2026, 12, 8, 12, 7);  // slept 3 h 7 min
  scheduler.CheckOutTimerMacros();
  ASSERT_EQ(f.runner.runs.size(), 3u);
  f.runner.runs.clear();
  for (int i = 0; i < 60; ++i) {  // ten more minutes
    f.clock.Advance(10);
    scheduler.CheckOutTimerMacros();
  }
  ASSERT_EQ(f.runner.runs.size(), 1u);  // the interval's next boundary, 12:15
  EXPECT_EQ(f.runner.runs[0].first, 1);
  EXPECT_TRUE(Near(f.runner.runs[0].second, At(2026, 12, 8, 12, 15)));
}

// A clock set back (a correction, the end of summer time) passes the same moment twice; the
// macro runs once, and an interval macro keeps running.
TEST(SchedulerChecks, AClockSetBackRunsNothingTwice) {
  Fixture f;
  MacroRecord daily = Timed(ScheduleDaily, 1, 30, false);
  for (auto& d : daily.ScheduleDays) d = true;
  MacroRecord hourly = Timed(ScheduleHourly);
  hourly.HourlyMinute = 0;
  MacroRecord every = Timed(ScheduleEveryMinutes);
  every.IntervalMinutes = static_cast<std::uint16_t>(10);
  f.macros.records = {daily, hourly, every};
  f.clock.now = At(2026, 10, 25, 1, 20);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.CheckAndSetTime();
  const auto checkFor = [&](int seconds) {
    for (int t = 0; t < seconds; t += 10) {
      f.clock.Advance(10);
      scheduler.CheckOutTimerMacros();
    }
  };
  checkFor(50 * 60);                     // to 2:10: daily once, hourly at 2:00
  f.clock.now = At(2026, 10, 25, 1, 5);  // back an hour and more
  checkFor(70 * 60);                     // to 2:15 again
  int dailyRuns = 0, hourlyRuns = 0, everyRuns = 0;
  for (const auto& [n, when] : f.runner.runs)
    (n == 1 ? dailyRuns : n == 2 ? hourlyRuns : everyRuns)++;
  EXPECT_EQ(dailyRuns, 1);
  EXPECT_EQ(hourlyRuns, 1);
  EXPECT_GE(everyRuns, 10);  // 5 before, and on after the set-back
}

TEST(SchedulerChecks, DisablingRemovesTheEntryAndStopsTheTimer) {
  Fixture f;
  f.macros.records = {Timed(ScheduleHourly), Timed(ScheduleAtStartup)};
  f.clock.now = At(2026, 12, 8, 9, 0);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  EXPECT_TRUE(scheduler.CheckAndSetTime());
  EXPECT_EQ(scheduler.Entries().size(), 1u);  // start-up macros have no entry
  f.macros.records[0].Enabled = false;
  EXPECT_FALSE(scheduler.CheckAndSetTime());
}

TEST(SchedulerChecks, ATickDuringAScheduledMacroReturnsAtOnce) {
  Fixture f;
  MacroRecord r = Timed(ScheduleEveryMinutes);
  r.IntervalMinutes = static_cast<std::uint16_t>(1);
  f.macros.records = {r, r};
  f.clock.now = At(2026, 12, 8, 9, 0);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.CheckAndSetTime();
  int nested = 0;
  f.runner.during = [&] {
    ++nested;
    f.clock.Advance(120);
    scheduler.CheckOutTimerMacros();  // the timer fires while the macro plays
  };
  f.clock.Advance(60);
  scheduler.CheckOutTimerMacros();
  EXPECT_EQ(f.runner.runs.size(), 2u);
  EXPECT_EQ(nested, 2);
}

TEST(SchedulerChecks, AMacroThatRebuildsTheTableEndsTheCheck) {
  Fixture f;
  MacroRecord r = Timed(ScheduleEveryMinutes);
  r.IntervalMinutes = static_cast<std::uint16_t>(1);
  f.macros.records = {r, r};
  f.clock.now = At(2026, 12, 8, 9, 0);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.CheckAndSetTime();
  f.runner.during = [&] {
    f.macros.records.resize(1);  // the macro switched to a file with one macro
    scheduler.CheckAndSetTime();
  };
  f.clock.Advance(60);
  scheduler.CheckOutTimerMacros();
  EXPECT_EQ(f.runner.runs.size(), 1u);
}

TEST(SchedulerChecks, WhileAPauseOrCaptureIsInTheWayTheCheckWaitsAndThenRunsOnce) {
  Fixture f;
  MacroRecord daily = Timed(ScheduleDaily, 9, 0, false);
  for (auto& d : daily.ScheduleDays) d = true;
  f.macros.records = {daily, Timed(ScheduleAtStartup)};
  f.clock.now = At(2026, 12, 8, 8, 59, 50);
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.CheckAndSetTime();
  f.runner.busy = true;
  EXPECT_FALSE(scheduler.DoStartUpMacros());
  for (int i = 0; i < 6; ++i) {
    f.clock.Advance(10);
    scheduler.CheckOutTimerMacros();
  }
  EXPECT_TRUE(f.runner.runs.empty());
  f.runner.busy = false;
  for (int i = 0; i < 6; ++i) {
    f.clock.Advance(10);
    scheduler.CheckOutTimerMacros();
  }
  ASSERT_EQ(f.runner.runs.size(), 1u);
  EXPECT_TRUE(Near(f.runner.runs[0].second, At(2026, 12, 8, 9, 1)));
}

TEST(SchedulerStartUp, RunsEachEnabledStartUpMacroAndSkipsOnesThatCannotBeActivated) {
  Fixture f;
  MacroRecord missing = Timed(ScheduleAtStartup);
  missing.ScopeKind = static_cast<std::int16_t>(storage::ScopeWindow);
  missing.ScopeText.Assign("MISSING");
  MacroRecord disabled = Timed(ScheduleAtStartup);
  disabled.Enabled = false;
  f.macros.records = {missing, Timed(ScheduleDaily), disabled, Timed(ScheduleAtStartup)};
  f.runner.clock = &f.clock;
  Scheduler scheduler(f.macros, f.runner, f.clock);
  scheduler.DoStartUpMacros();
  ASSERT_EQ(f.runner.runs.size(), 1u);
  EXPECT_EQ(f.runner.runs[0].first, 4);
}

TEST(ScheduleText, Sentences) {
  MacroRecord once = Timed(ScheduleOnce, 9, 5, false);
  once.ScheduleDay = 3, once.ScheduleMonth = 2,
  once.ScheduleYear = static_cast<std::uint16_t>(1999);
  MacroRecord hourly = Timed(ScheduleHourly);
  hourly.HourlyMinute = 7;
  MacroRecord daily = Timed(ScheduleDaily, 12, 0, false);
  daily.ScheduleDays[0] = true, daily.ScheduleDays[4] = true, daily.ScheduleDays[6] = true;
  MacroRecord weekly = Timed(ScheduleWeekly, 11, 59, true);
  weekly.ScheduleWeekday = 1;
  MacroRecord monthly = Timed(ScheduleMonthly, 12, 30, true);
  monthly.ScheduleDay = 31;
  MacroRecord every = Timed(ScheduleEveryMinutes);
  every.IntervalMinutes = static_cast<std::uint16_t>(720);
  const std::pair<MacroRecord, std::string> cases[] = {
      {Timed(ScheduleAtStartup), "At Startup"},
      {once, "Once at 9:05AM on 3 February 1999"},
      {hourly, "Hourly at 7 minutes past the hour"},
      {daily, "Daily at 12:00AM,Sun,Mon,Fri"},
      {weekly, "Weekly at 11:59PM on Sunday"},
      {monthly, "Monthly at 12:30PM on day 31 of each month"},
      {every, "every 720 minutes"},
  };
  for (const auto& [record, text] : cases) EXPECT_EQ(GetSched(record), text);
}

TEST(ScheduleText, DefaultTimerIsDailyAtNoonOnEveryDay) {
  MacroRecord r{};
  DefaultTimer(r, At(2026, 12, 8, 15, 0));  // a Tuesday
  EXPECT_EQ(GetSched(r), "Daily at 12:00PM,Sun,Mon,Tue,Wed,Thu,Fri,Sat");
  EXPECT_EQ(r.ScheduleWeekday, 3);
  EXPECT_EQ(r.ScheduleYear.Get(), 2026);
  EXPECT_EQ(r.HourlyMinute, 15);
  EXPECT_EQ(r.IntervalMinutes.Get(), 15);
}

}  // namespace
}  // namespace quindle::scheduler
