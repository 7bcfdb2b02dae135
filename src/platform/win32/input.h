// Synthetic keyboard and mouse input and the keyboard queries the player makes, on Win32.
#pragma once

#include <cstdint>

#include "platform/input.h"

namespace quindle::platform::win32 {

class Win32Input final : public IInputSink,
                         public IKeyboardLayout,
                         public IScreen,
                         public IKeyState {
 public:
  // keybd_event with exactly the flags given: the player passes no extended-key flag.
  void KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
  void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                  std::int32_t data) override;

  std::int16_t VkKeyScan(char c) override;
  std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;

  // GetSystemMetrics; 0 when the system cannot tell.
  int Width() override;
  int Height() override;

  std::int16_t GetKeyState(int vk) override;
};

}  // namespace quindle::platform::win32
