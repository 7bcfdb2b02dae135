// Window handles cross the portable interfaces as 32-bit numbers, as the shared blocks store
// them; Win32 keeps only 32 significant bits in a window handle, also in 64-bit programs.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>

#include "platform/desktop.h"

namespace quindle::platform::win32 {

inline HWND ToHwnd(WindowHandle window) noexcept {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline WindowHandle FromHwnd(HWND window) noexcept {
  return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace quindle::platform::win32
