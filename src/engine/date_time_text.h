// The text that the date and time tags type, from the program's own English tables.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace quindle::engine {

inline constexpr std::size_t kDateFormatCount = 51;
inline constexpr std::size_t kTimeFormatCount = 26;

// Index 0 holds DateFormatTable entry 1, and so on.
extern const std::array<std::string_view, kDateFormatCount> kDateFormatTable;
extern const std::array<std::string_view, kTimeFormatCount> kTimeFormatTable;

// Date text of format `formatIndex` (1..51) for `date` (its year, month, day and weekday).
// `zeros`: the "Y" variant with leading zeros. The caller has already applied the day offset.
std::string FormatDate(int formatIndex, bool zeros, const platform::CivilDateTime& date);
// Time text of format `formatIndex` (1..26); `zeros` puts a leading zero on the hour.
std::string FormatTime(int formatIndex, bool zeros, const platform::CivilDateTime& time);

}  // namespace quindle::engine
