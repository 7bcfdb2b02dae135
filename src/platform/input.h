// Synthetic input and keyboard queries: what the player sends into the system's input stream and
// how it learns which key types a character.
#pragma once

#include <cstdint>

namespace quindle::platform {

inline constexpr std::uint32_t kKeyEventKeyUp = 0x0002;  // KEYEVENTF_KEYUP

inline constexpr std::uint32_t kMouseMove = 0x0001;
inline constexpr std::uint32_t kMouseLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseRightDown = 0x0008;
inline constexpr std::uint32_t kMouseRightUp = 0x0010;
inline constexpr std::uint32_t kMouseMiddleDown = 0x0020;
inline constexpr std::uint32_t kMouseMiddleUp = 0x0040;
inline constexpr std::uint32_t kMouseWheel = 0x0800;
inline constexpr std::uint32_t kMouseAbsolute = 0x8000;

// The keybd_event and mouse_event primitives. Events reach the system in the order sent.
class IInputSink {
 public:
  virtual ~IInputSink() = default;
  virtual void KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) = 0;
  // dx, dy: absolute coordinates 0..65535 when kMouseAbsolute is set, else 0.
  virtual void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                          std::int32_t data) = 0;
};

inline constexpr std::uint32_t kMapVkToScan = 0;
inline constexpr std::uint32_t kMapVkToChar = 2;

class IKeyboardLayout {
 public:
  virtual ~IKeyboardLayout() = default;
  // VkKeyScanA: low byte virtual key, high byte shift state (1 Shift, 2 Ctrl, 4 Alt); -1 if none.
  virtual std::int16_t VkKeyScan(char c) = 0;
  // MapVirtualKeyA.
  virtual std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
};

class IScreen {
 public:
  virtual ~IScreen() = default;
  // Size of the primary screen in pixels.
  virtual int Width() = 0;
  virtual int Height() = 0;
};

class IKeyState {
 public:
  virtual ~IKeyState() = default;
  // GetKeyState: bit 15 set while the key is down, bit 0 the toggle state (Caps Lock).
  virtual std::int16_t GetKeyState(int vk) = 0;
};

}  // namespace quindle::platform
