// One check of a full timed-macro table: 500 entries of every kind, none of them due, so the
// figure is the cost of deciding (a due macro's playback is not the scheduler's time).
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/date_time.h"
#include "scheduler/scheduler.h"

namespace {

using quindle::storage::MacroRecord;

struct Records final : quindle::scheduler::ITimedMacroSource {
  std::vector<MacroRecord> records;
  std::vector<int> EnabledTimedMacros() override {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < records.size(); ++i) numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
  }
  bool IsEnabledTimed(int) override { return true; }
  bool ReadMacro(int n, MacroRecord& record) override {
    record = records[static_cast<std::size_t>(n - 1)];
    return true;
  }
};

struct NoRun final : quindle::scheduler::ITimedMacroRunner {
  bool Run(int, const MacroRecord&, bool) override { return true; }
};

struct Clock final : quindle::platform::IClock {
  double now = 46364.25;  // 8 December 2026, 6:00
  double Now() override { return now; }
  std::uint32_t TickCount() override { return 0; }
};

void BM_CheckOf500Entries(benchmark::State& state) {
  Records source;
  for (int i = 0; i < 500; ++i) {
    MacroRecord r = quindle::storage::NewMacro("m", 1, "", 10000, "x");
    r.ScheduleKind = static_cast<std::int16_t>(1 + i % 6);
    for (auto& d : r.ScheduleDays) d = true;
    r.ScheduleYear = static_cast<std::uint16_t>(2026), r.ScheduleMonth = 12, r.ScheduleDay = 8;
    r.ScheduleHour = 11, r.ScheduleMinute = 0, r.SchedulePM = true;  // 23:00, later than now
    r.ScheduleWeekday = 3;
    r.HourlyMinute = 59;
    r.IntervalMinutes = static_cast<std::uint16_t>(720);
    source.records.push_back(r);
  }
  NoRun runner;
  Clock clock;
  quindle::scheduler::Scheduler scheduler(source, runner, clock);
  scheduler.CheckAndSetTime();
  for (auto _ : state) {
    clock.now += 10.0 / 86400.0;  // the next tick, ten seconds on
    scheduler.CheckOutTimerMacros();
    benchmark::DoNotOptimize(scheduler.Last().moment);
  }
  state.counters["entries"] = static_cast<double>(scheduler.Entries().size());
}
BENCHMARK(BM_CheckOf500Entries);

}  // namespace
