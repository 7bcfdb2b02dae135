#include "platform/win32/system_version.h"

#include "platform/win32/win32_api.h"

namespace quindle::platform::win32 {

SystemVersion QuerySystemVersion() {
  SystemVersion version;
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return version;
  version.known = true;
  version.nt = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  version.windows95Family = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  return version;
}

}  // namespace quindle::platform::win32
