#include "platform/date_time.h"

#include <cmath>

namespace quindle::platform {
namespace {

// Days from 1970-01-01 back to 1899-12-30.
constexpr std::int64_t kEpochShift = 25569;

// Howard Hinnant's civil-date algorithms, counted from 1970-01-01.
std::int64_t DaysFromCivil1970(std::int64_t y, unsigned m, unsigned d) noexcept {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays1970(std::int64_t z, int& year, int& month, int& day) noexcept {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) noexcept {
  return DaysFromCivil1970(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
         kEpochShift;
}

double ToDateTime(const CivilDateTime& v) noexcept {
  const double days = static_cast<double>(DaysFromCivil(v.year, v.month, v.day));
  const double ms = ((v.hour * 60.0 + v.minute) * 60.0 + v.second) * 1000.0 + v.millisecond;
  return days + ms / static_cast<double>(kMsPerDay);
}

CivilDateTime FromDateTime(double dateTime) noexcept {
  CivilDateTime out;
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > 3.0e6) return out;  // outside years 0..9999
  const auto totalMs =
      static_cast<std::int64_t>(std::llround(dateTime * static_cast<double>(kMsPerDay)));
  std::int64_t days = totalMs / kMsPerDay;
  std::int64_t ms = totalMs % kMsPerDay;
  if (ms < 0) {
    ms += kMsPerDay;
    days -= 1;
  }
  CivilFromDays1970(days - kEpochShift, out.year, out.month, out.day);
  out.hour = static_cast<int>(ms / 3'600'000);
  out.minute = static_cast<int>(ms / 60'000 % 60);
  out.second = static_cast<int>(ms / 1000 % 60);
  out.millisecond = static_cast<int>(ms % 1000);
  // 30 December 1899 was a Saturday.
  out.weekday = static_cast<int>(((days % 7) + 7 + 6) % 7);
  return out;
}

std::int64_t MillisecondsOfDay(double dateTime) noexcept {
  const CivilDateTime c = FromDateTime(dateTime);
  return ((c.hour * 60LL + c.minute) * 60 + c.second) * 1000 + c.millisecond;
}

}  // namespace quindle::platform
