#include "qnl/schedule_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "qnl/schedule_time.h"
#include "scheduler/scheduler.h"
#include "scheduler/timed_checks.h"
#include "storage/cp1252.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

using storage::Cp1252ToUtf8;

constexpr const char* kScheduleHelp =
    "Run the scheduler's checks on a virtual clock from --from to --to and print one line per "
    "macro that would run: the check's time (YYYY-MM-DDTHH:MM:SS), the macro number and its "
    "nickname. The table is built at --from, the checks come every --timer-seconds (the "
    "\"Timer Seconds\" option, 1..60, default 10), the first at --from plus that; start-up "
    "macros run at --from + 5 s (before a check at the same moment). Window and program scopes "
    "count as found. Nothing is played and the file is only read.";

constexpr int kStartUpDelaySeconds = 5;
constexpr int kMaxTimerSeconds = 60;

struct Options {
  std::string file;
  std::string from;
  std::string to;
  int timerSeconds = 10;
};

class VirtualClock final : public platform::IClock {
 public:
  explicit VirtualClock(scheduler::Millis now) : now_(now) {}
  double Now() override { return scheduler::ToDateTime(now_); }
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }
  void Set(scheduler::Millis now) { now_ = now; }

 private:
  scheduler::Millis now_;
};

class PrintingRunner final : public scheduler::ITimedMacroRunner {
 public:
  PrintingRunner(VirtualClock& clock, std::ostream& out) : clock_(clock), out_(out) {}
  bool Run(int n, const storage::MacroRecord& record, bool /*capsStep*/) override {
    out_ << FormatIsoDateTime(clock_.Now()) << ' ' << n << ' ' << Cp1252ToUtf8(record.Name.View())
         << '\n';
    return true;
  }

 private:
  VirtualClock& clock_;
  std::ostream& out_;
};

int Fail(std::ostream& err, const std::string& text) {
  err << "qnl schedule: " << text << '\n';
  return 2;
}

int RunSchedule(const Options& o, std::ostream& out, std::ostream& err) {
  const std::optional<double> from = ParseIsoDateTime(o.from);
  if (!from)
    return Fail(err, "--from must be a date-time YYYY-MM-DDTHH:MM:SS, not \"" + o.from + "\"");
  const std::optional<double> to = ParseIsoDateTime(o.to);
  if (!to) return Fail(err, "--to must be a date-time YYYY-MM-DDTHH:MM:SS, not \"" + o.to + "\"");
  if (*to < *from) return Fail(err, "--to lies before --from");
  if (o.timerSeconds < 1 || o.timerSeconds > kMaxTimerSeconds)
    return Fail(err, "--timer-seconds must be 1..60, not " + std::to_string(o.timerSeconds));
  const storage::MacroFileContents contents = storage::ReadMacroFile(o.file);
  if (!contents.Ok()) return Fail(err, contents.error);

  const scheduler::Millis start = scheduler::ToMillis(*from);
  const scheduler::Millis end = scheduler::ToMillis(*to);
  VirtualClock clock(start);
  RecordsSource source(contents.records);
  PrintingRunner runner(clock, out);
  scheduler::Scheduler scheduler(source, runner, clock);
  const bool checking = scheduler.CheckAndSetTime();

  const scheduler::Millis step = o.timerSeconds * 1000LL;
  const scheduler::Millis startUp = start + kStartUpDelaySeconds * 1000LL;
  bool startUpPending = startUp <= end;
  const auto runStartUp = [&] {
    clock.Set(startUp);
    scheduler.DoStartUpMacros();
    startUpPending = false;
  };
  for (scheduler::Millis check = start + step; check <= end; check += step) {
    if (startUpPending && startUp <= check) runStartUp();
    if (!checking) break;  // the check timer does not run
    clock.Set(check);
    scheduler.CheckOutTimerMacros();
  }
  if (startUpPending) runStartUp();
  return 0;
}

}  // namespace

Subcommand AddScheduleCommand(CLI::App& parent) {
  auto o = std::make_shared<Options>();
  CLI::App* app = parent.add_subcommand("schedule", kScheduleHelp);
  app->add_option("FILE", o->file, "the macro file (.QNL)")->required();
  app->add_option("--from", o->from, "start, YYYY-MM-DDTHH:MM:SS")->required();
  app->add_option("--to", o->to, "end, YYYY-MM-DDTHH:MM:SS")->required();
  app->add_option("--timer-seconds", o->timerSeconds, "seconds between checks (1..60)");
  return {app, [o](std::ostream& out, std::ostream& err) { return RunSchedule(*o, out, err); }};
}

}  // namespace quindle::tool
