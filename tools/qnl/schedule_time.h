// What `qnl schedule` and `qnl lint` share: date-times written as YYYY-MM-DDTHH:MM:SS, the
// local time, and the scheduler's view of a macro file read into memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scheduler/scheduler.h"

namespace quindle::tool {

// Exactly "YYYY-MM-DDTHH:MM:SS" with a real date (year 1..9999) and time; nothing otherwise.
std::optional<double> ParseIsoDateTime(std::string_view text);
// The same form, seconds rounded down.
std::string FormatIsoDateTime(double dateTime);
// The machine's local date-time, to the second.
double LocalNow();

// A macro file's records as the scheduler sees them.
class RecordsSource final : public scheduler::ITimedMacroSource {
 public:
  explicit RecordsSource(const std::vector<storage::MacroRecord>& records) : records_(records) {}
  std::vector<int> EnabledTimedMacros() override;
  bool IsEnabledTimed(int n) override;
  bool ReadMacro(int n, storage::MacroRecord& record) override;

 private:
  const std::vector<storage::MacroRecord>& records_;
};

}  // namespace quindle::tool
