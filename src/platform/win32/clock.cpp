#include "platform/win32/clock.h"

#include "platform/win32/win32_api.h"

#include "platform/date_time.h"

namespace quindle::platform::win32 {

double Win32Clock::Now() {
  SYSTEMTIME local{};
  ::GetLocalTime(&local);  // cannot fail
  CivilDateTime civil;
  civil.year = local.wYear;
  civil.month = local.wMonth;
  civil.day = local.wDay;
  civil.hour = local.wHour;
  civil.minute = local.wMinute;
  civil.second = local.wSecond;
  civil.millisecond = local.wMilliseconds;
  return ToDateTime(civil);
}

std::uint32_t Win32Clock::TickCount() {
  return ::GetTickCount();
}

}  // namespace quindle::platform::win32
