// The hook procedures' view of the system, answered by Win32 on the thread the hook runs on.
// It runs inside every program that receives input: nothing here allocates or throws.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <type_traits>

#include "hooklib/hook_env.h"
#include "platform/win32/window_handle.h"

namespace quindle::hooklib::win32 {

// The blocks' 32-bit window handles are the platform's: the same conversions serve.
static_assert(std::is_same_v<Hwnd, platform::WindowHandle>);
using platform::win32::FromHwnd;
using platform::win32::ToHwnd;

// One object serves one hook call. Key states are read once per call, as the whole keyboard
// state: each query is a round trip to the window system (under Wine a server call costing tens
// of microseconds), and a decision asks for up to ten keys.
class Win32HookEnv final : public IHookEnv {
 public:
  std::int16_t KeyState(int vk) noexcept override;
  bool KeyboardState(std::uint8_t* state) noexcept override;
  int ToAscii(unsigned vk, const std::uint8_t* state, char* out) noexcept override;
  std::uint32_t MapVkToChar(unsigned vk) noexcept override;
  Hwnd Foreground() noexcept override;
  std::size_t WindowTitle(Hwnd window, char* buffer, std::size_t size) noexcept override;
  bool WindowRect(Hwnd window, HookRect& rect) noexcept override;
  Hwnd Focus() noexcept override;
  bool WindowWithExactTitle(const char* title) noexcept override;
  bool WindowTitleContains(const char* upperText, std::size_t length) noexcept override;
  void Post(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) noexcept override;
  TimeOfDay Now() noexcept override;

 private:
  bool ReadKeys() noexcept;

  std::uint8_t keys_[256] = {};
  bool keysRead_ = false;
  bool keysValid_ = false;
};

}  // namespace quindle::hooklib::win32
