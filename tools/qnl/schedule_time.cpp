#include "qnl/schedule_time.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/date_time.h"

namespace quindle::tool {
namespace {

// The digits of text[pos, pos + width) as a number, or -1.
int Digits(std::string_view text, std::size_t pos, std::size_t width) {
  int value = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<double> ParseIsoDateTime(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':')
    return std::nullopt;
  platform::CivilDateTime t;
  t.year = Digits(text, 0, 4);
  t.month = Digits(text, 5, 2);
  t.day = Digits(text, 8, 2);
  t.hour = Digits(text, 11, 2);
  t.minute = Digits(text, 14, 2);
  t.second = Digits(text, 17, 2);
  if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
      t.minute > 59 || t.second < 0 || t.second > 59)
    return std::nullopt;
  return platform::ToDateTime(t);
}

std::string FormatIsoDateTime(double dateTime) {
  const platform::CivilDateTime t = platform::FromDateTime(dateTime);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

double LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  platform::CivilDateTime t;
  t.year = local.tm_year + 1900;
  t.month = local.tm_mon + 1;
  t.day = local.tm_mday;
  t.hour = local.tm_hour;
  t.minute = local.tm_min;
  t.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second
  return platform::ToDateTime(t);
}

std::vector<int> RecordsSource::EnabledTimedMacros() {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (IsEnabledTimed(static_cast<int>(i) + 1)) numbers.push_back(static_cast<int>(i) + 1);
  return numbers;
}

bool RecordsSource::IsEnabledTimed(int n) {
  if (n < 1 || static_cast<std::size_t>(n) > records_.size()) return false;
  const storage::MacroRecord& r = records_[static_cast<std::size_t>(n - 1)];
  return r.Enabled && r.HotkeyNumber.Get() == storage::kActivationTimed;
}

bool RecordsSource::ReadMacro(int n, storage::MacroRecord& record) {
  if (n < 1 || static_cast<std::size_t>(n) > records_.size()) return false;
  record = records_[static_cast<std::size_t>(n - 1)];
  return true;
}

}  // namespace quindle::tool
