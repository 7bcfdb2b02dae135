// Local time and the tick count.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32Clock final : public IClock {
 public:
  double Now() override;  // GetLocalTime, to the millisecond
  std::uint32_t TickCount() override;
};

}  // namespace quindle::platform::win32
