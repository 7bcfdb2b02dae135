#include "platform/win32/input.h"

#include "platform/win32/win32_api.h"

namespace quindle::platform::win32 {

// keybd_event and mouse_event return nothing: the system takes the event or drops it silently.
void Win32Input::KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  ::keybd_event(vk, scan, flags, 0);
}

void Win32Input::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                            std::int32_t data) {
  // The wheel amount is signed but travels in the DWORD parameter.
  ::mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data), 0);
}

std::int16_t Win32Input::VkKeyScan(char c) {
  return ::VkKeyScanA(c);
}

std::uint32_t Win32Input::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
  return ::MapVirtualKeyA(code, mapType);
}

int Win32Input::Width() {
  return ::GetSystemMetrics(SM_CXSCREEN);
}

int Win32Input::Height() {
  return ::GetSystemMetrics(SM_CYSCREEN);
}

std::int16_t Win32Input::GetKeyState(int vk) {
  return ::GetKeyState(vk);
}

}  // namespace quindle::platform::win32
