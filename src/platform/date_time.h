// Date-times as the program stores them: days since 30 December 1899 as a double, the time of
// day as the fraction.
#pragma once

#include <cstdint>

namespace quindle::platform {

inline constexpr std::int64_t kMsPerDay = 86'400'000;

struct CivilDateTime {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
  int hour = 0;    // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int weekday = 0;  // 0 Sunday .. 6 Saturday (filled by FromDateTime)
};

// Whole days since 30 December 1899 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(int year, int month, int day) noexcept;
double ToDateTime(const CivilDateTime& value) noexcept;
// Rounds to the nearest millisecond, so 0.5 s stored as a fraction reads back as 500 ms.
CivilDateTime FromDateTime(double dateTime) noexcept;
// Milliseconds since midnight of a date-time.
std::int64_t MillisecondsOfDay(double dateTime) noexcept;

}  // namespace quindle::platform
