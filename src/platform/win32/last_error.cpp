#include "platform/win32/last_error.h"

namespace quindle::platform::win32 {

std::string CallFailed(std::string_view call) {
  return CallFailed(call, GetLastError());
}

std::string CallFailed(std::string_view call, unsigned long error) {
  return std::string(call) + " failed (error " + std::to_string(error) + ")";
}

}  // namespace quindle::platform::win32
