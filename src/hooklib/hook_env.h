// What the hook procedures need from the system, as a small interface: the Win32 side answers
// from the thread the hook runs on, tests answer from a script. Every call is noexcept and
// allocation-free, because the hook runs inside every program that receives input.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quindle::hooklib {

// Window handles as the shared blocks store them: 32 bits, 0 for none.
using Hwnd = std::uint32_t;

struct HookRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Local time of day split as the system reports it.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class IHookEnv {
 public:
  // GetKeyState: bit 15 set while the key is down, bit 0 the toggle state (Caps Lock).
  virtual std::int16_t KeyState(int vk) noexcept = 0;
  // GetKeyboardState into `state`: all 256 bytes written when it answers true; false when it
  // fails.
  virtual bool KeyboardState(std::uint8_t* state) noexcept = 0;
  // ToAscii(vk, scan 0, state) into `out` (5 bytes); the number of characters, <= 0 for none.
  virtual int ToAscii(unsigned vk, const std::uint8_t* state, char* out) noexcept = 0;
  // MapVirtualKeyA(vk, 2): the character, bit 31 (or 15) set for a dead key, 0 for none.
  virtual std::uint32_t MapVkToChar(unsigned vk) noexcept = 0;
  virtual Hwnd Foreground() noexcept = 0;
  // GetWindowTextA of `window` into `buffer` (capacity `size`, at least 1); the length copied.
  virtual std::size_t WindowTitle(Hwnd window, char* buffer, std::size_t size) noexcept = 0;
  virtual bool WindowRect(Hwnd window, HookRect& rect) noexcept = 0;
  // GetFocus: the window with the keyboard focus in the hook's thread.
  virtual Hwnd Focus() noexcept = 0;
  // FindWindowA(nullptr, title): a top-level window whose title is exactly `title` (zero-ended).
  virtual bool WindowWithExactTitle(const char* title) noexcept = 0;
  // EnumWindows: true when some top-level window's non-empty title, upper-cased, contains
  // `upperText` (already upper case, `length` characters).
  virtual bool WindowTitleContains(const char* upperText, std::size_t length) noexcept = 0;
  virtual void Post(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) noexcept = 0;
  virtual TimeOfDay Now() noexcept = 0;

 protected:
  ~IHookEnv() = default;
};

}  // namespace quindle::hooklib
