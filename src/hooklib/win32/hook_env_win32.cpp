#include "hooklib/win32/hook_env_win32.h"

#include <climits>
#include <cstring>

#include "hooklib/hook_logic.h"
#include "platform/desktop.h"

namespace quindle::hooklib::win32 {
namespace {

// Longer titles are compared by their first platform::kWindowTitleMax characters, as the main
// program compares them: a title that matched here beyond them would make the hook swallow a key
// that the program then does not resolve. The search runs on the input thread of a foreign
// program, so the buffer lives on the stack.
constexpr int kTitleBufferSize = static_cast<int>(platform::kWindowTitleMax) + 1;

struct TitleSearch {
  const char* upperText;
  std::size_t length;
  bool found;
};

BOOL CALLBACK CompareTitle(HWND window, LPARAM param) noexcept {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  char title[kTitleBufferSize];
  const int length = ::GetWindowTextA(window, title, kTitleBufferSize);
  if (length <= 0) return TRUE;  // untitled, or the title could not be read: not a match
  if (ContainsUpper(title, static_cast<std::size_t>(length), search->upperText, search->length)) {
    search->found = true;
    return FALSE;  // stop the enumeration: one match is enough
  }
  return TRUE;
}

}  // namespace

bool Win32HookEnv::ReadKeys() noexcept {
  if (!keysRead_) {
    keysRead_ = true;
    keysValid_ = ::GetKeyboardState(keys_) != FALSE;
  }
  return keysValid_;
}

std::int16_t Win32HookEnv::KeyState(int vk) noexcept {
  if (vk < 0 || vk > 255 || !ReadKeys()) return static_cast<std::int16_t>(::GetKeyState(vk));
  // The same two bits GetKeyState reports: 15 down, 0 toggled.
  const unsigned byte = keys_[vk];
  return static_cast<std::int16_t>(((byte & 0x80u) != 0 ? 0x8000u : 0u) | (byte & 1u));
}

bool Win32HookEnv::KeyboardState(std::uint8_t* state) noexcept {
  if (state == nullptr || !ReadKeys()) return false;
  for (std::size_t i = 0; i < sizeof keys_; ++i) state[i] = keys_[i];
  return true;
}

int Win32HookEnv::ToAscii(unsigned vk, const std::uint8_t* state, char* out) noexcept {
  if (state == nullptr || out == nullptr) return 0;
  // ToAscii writes through a WORD pointer; an aligned local buffer avoids handing it the
  // caller's byte buffer, which need not be aligned.
  WORD translated[3] = {};
  const int count = ::ToAscii(vk, 0, state, translated, 0);
  std::memcpy(out, translated, 5);
  return count;
}

std::uint32_t Win32HookEnv::MapVkToChar(unsigned vk) noexcept {
  return static_cast<std::uint32_t>(::MapVirtualKeyA(vk, 2));
}

Hwnd Win32HookEnv::Foreground() noexcept {
  return FromHwnd(::GetForegroundWindow());
}

std::size_t Win32HookEnv::WindowTitle(Hwnd window, char* buffer, std::size_t size) noexcept {
  if (buffer == nullptr || size == 0) return 0;
  buffer[0] = '\0';
  const int capacity = size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
  const int length = ::GetWindowTextA(ToHwnd(window), buffer, capacity);
  if (length <= 0) {
    buffer[0] = '\0';
    return 0;
  }
  return static_cast<std::size_t>(length);
}

bool Win32HookEnv::WindowRect(Hwnd window, HookRect& rect) noexcept {
  RECT r{};
  if (!::GetWindowRect(ToHwnd(window), &r)) return false;
  rect = HookRect{r.left, r.top, r.right, r.bottom};
  return true;
}

Hwnd Win32HookEnv::Focus() noexcept {
  return FromHwnd(::GetFocus());
}

bool Win32HookEnv::WindowWithExactTitle(const char* title) noexcept {
  return title != nullptr && ::FindWindowA(nullptr, title) != nullptr;
}

bool Win32HookEnv::WindowTitleContains(const char* upperText, std::size_t length) noexcept {
  if (upperText == nullptr) return false;
  TitleSearch search{upperText, length, false};
  // EnumWindows also returns FALSE when the callback stopped it, so only `found` counts.
  static_cast<void>(::EnumWindows(&CompareTitle, reinterpret_cast<LPARAM>(&search)));
  return search.found;
}

void Win32HookEnv::Post(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) noexcept {
  // The hooks never wait for the main program; a post that fails (main window gone, queue full)
  // is dropped like the event it reported.
  static_cast<void>(::PostMessageA(ToHwnd(window), message, static_cast<WPARAM>(wParam),
                                   static_cast<LPARAM>(lParam)));
}

TimeOfDay Win32HookEnv::Now() noexcept {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return TimeOfDay{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace quindle::hooklib::win32
