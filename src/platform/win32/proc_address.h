// Functions found at run time in a library that not every system has.
#pragma once

#include "platform/win32/win32_api.h"

namespace quindle::platform::win32 {

// GetProcAddress hands back a generic function pointer; the generic `void (*)()` in between
// tells the compiler the conversion is meant. Null when the library has no such export.
template <typename Function>
Function LookupFunction(HMODULE module, const char* name) {
  const FARPROC address = ::GetProcAddress(module, name);
  if (!address) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace quindle::platform::win32
