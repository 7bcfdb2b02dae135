// Date and time text for the date and time tags. Names come from the program's own English tables
// so that a macro types the same text whatever the system's language settings are. Each format name
// is its own template: the tokens in it are replaced and every other character is kept, so the case
// of "am"/"AM" and the separators come straight from the name.
#include "engine/date_time_text.h"

#include <cstdint>

#include "platform/text.h"

namespace quindle::engine {

const std::array<std::string_view, kDateFormatCount> kDateFormatTable = {
    "MM/DD/YY",
    "MM-DD-YY",
    "MM.DD.YY",
    "MM/DD/YYYY",
    "MM-DD-YYYY",
    "MM.DD.YYYY",
    "DD/MM/YY",
    "DD-MM-YY",
    "DD.MM.YY",
    "DD/MM/YYYY",
    "DD-MM-YYYY",
    "DD.MM.YYYY",
    "YY/MM/DD",
    "YY-MM-DD",
    "YY.MM.DD",
    "YYYY/MM/DD",
    "YYYY-MM-DD",
    "YYYY.MM.DD",
    "MMM YYYY",
    "Mmm YYYY",
    "DD MMM YY",
    "DD Mmm YY",
    "DD MMM YYYY",
    "DD Mmm YYYY",
    "DD Mmmmm YY",
    "DD Mmmmm YYYY",
    "Mmm DD YY",
    "Mmm DD, YY",
    "Mmm DD YYYY",
    "Mmm DD, YYYY",
    "Mmmmm DD YY",
    "Mmmmm DD, YY",
    "Mmmmm DD YYYY",
    "Mmmmm DD, YYYY",
    "MMDDYY",
    "MMDDYYYY",
    "DDMMYY",
    "DDMMYYYY",
    "YYMMDD",
    "YYYYMMDD",
    "DD",
    "MM",
    "Mmm",
    "MMM",
    "Mmmmm",
    "YY",
    "YYYY",
    "Day of Week 1",
    "Day of Week 2",
    "Day of Week 3",
    "Day of Week 4",
};

const std::array<std::string_view, kTimeFormatCount> kTimeFormatTable = {
    "hh:mm",       "hh.mm",       "hh,mm",       "hhmm",     "hh:mm:ss", "hh.mm.ss", "hh,mm,ss",
    "hhmmss",      "hh",          "mm",          "ss",       "hh:mm am", "hh.mm am", "hh,mm am",
    "hh:mm:ss am", "hh.mm.ss am", "hh,mm,ss am", "hh:mm AM", "hh.mm AM", "hh,mm AM", "hh:mm:ss AM",
    "hh.mm.ss AM", "hh,mm,ss AM", "hh:mma",      "hh.mma",   "hh,mma",
};

namespace {

constexpr std::string_view kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::string_view kLongDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
constexpr std::string_view kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::string_view kLongMonths[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};

constexpr int kFirstWeekdayFormat = 48;
constexpr int kFirstTwelveHourFormat = 12;
constexpr int kFirstLetterSuffixFormat = 24;

// Decimal text of `value`, padded with leading zeros to `width` digits.
std::string Padded(std::int64_t value, int width) {
  const bool negative = value < 0;
  std::string digits = std::to_string(negative ? -value : value);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return negative ? "-" + digits : digits;
}

// A table index that stays inside its table whatever value a caller hands in.
std::size_t Wrapped(int value, int count) {
  return static_cast<std::size_t>(((value % count) + count) % count);
}

}  // namespace

std::string FormatDate(int formatIndex, bool zeros, const platform::CivilDateTime& date) {
  if (formatIndex < 1 || formatIndex > static_cast<int>(kDateFormatCount)) return {};
  const std::size_t weekday = Wrapped(date.weekday, 7);
  if (formatIndex >= kFirstWeekdayFormat) {
    switch (formatIndex - kFirstWeekdayFormat) {
      case 0:
        return std::string(kShortDays[weekday]);
      case 1:
        return platform::UpperAToZ(kShortDays[weekday]);
      case 2:
        return std::string(kLongDays[weekday]);
      default:
        return platform::UpperAToZ(kLongDays[weekday]);
    }
  }
  const std::size_t month = Wrapped(date.month - 1, 12);
  const int width2 = zeros ? 2 : 1;
  const std::string_view format = kDateFormatTable[static_cast<std::size_t>(formatIndex - 1)];
  std::string result;
  std::size_t i = 0;
  // Longer tokens are tried first: "YYYY" before "YY", "Mmmmm" before "Mmm", "MMM" before "MM".
  while (i < format.size()) {
    const std::string_view rest = format.substr(i);
    if (rest.starts_with("YYYY")) {
      result += Padded(date.year, zeros ? 4 : 1);
      i += 4;
    } else if (rest.starts_with("YY")) {
      // The last two digits of the year, always two of them.
      result += Padded(((date.year % 100) + 100) % 100, 2);
      i += 2;
    } else if (rest.starts_with("Mmmmm")) {
      result += kLongMonths[month];
      i += 5;
    } else if (rest.starts_with("Mmm")) {
      result += kShortMonths[month];
      i += 3;
    } else if (rest.starts_with("MMM")) {
      result += platform::UpperAToZ(kShortMonths[month]);
      i += 3;
    } else if (rest.starts_with("MM")) {
      result += Padded(date.month, width2);
      i += 2;
    } else if (rest.starts_with("DD")) {
      result += Padded(date.day, width2);
      i += 2;
    } else {
      result += format[i];
      ++i;
    }
  }
  return result;
}

std::string FormatTime(int formatIndex, bool zeros, const platform::CivilDateTime& time) {
  if (formatIndex < 1 || formatIndex > static_cast<int>(kTimeFormatCount)) return {};
  const int hour = time.hour;
  int shownHour = hour;
  if (formatIndex >= kFirstTwelveHourFormat) {
    if (hour == 0) {
      shownHour = 12;
    } else if (hour > 12) {
      shownHour = hour - 12;
    }
  }
  const bool morning = hour < 12;
  const std::string_view format = kTimeFormatTable[static_cast<std::size_t>(formatIndex - 1)];
  std::string result;
  std::size_t i = 0;
  while (i < format.size()) {
    const std::string_view rest = format.substr(i);
    if (rest.starts_with("hh")) {
      result += Padded(shownHour, zeros ? 2 : 1);
      i += 2;
    } else if (rest.starts_with("mm")) {
      result += Padded(time.minute, 2);
      i += 2;
    } else if (rest.starts_with("ss")) {
      result += Padded(time.second, 2);
      i += 2;
    } else if (rest.starts_with("am")) {
      result += morning ? "am" : "pm";
      i += 2;
    } else if (rest.starts_with("AM")) {
      result += morning ? "AM" : "PM";
      i += 2;
    } else if (rest.starts_with("a") && formatIndex >= kFirstLetterSuffixFormat) {
      result += morning ? 'a' : 'p';
      i += 1;
    } else {
      result += format[i];
      ++i;
    }
  }
  return result;
}

}  // namespace quindle::engine
