// The contract between QUINDL.EXE and QNLHOOK.DLL: the window messages the hook library posts to
// the main program (and to a dialog that asks for a hotkey), the bits of their parameters and the
// marker key. Both deliverables include this header and no other copy exists, so the two sides
// cannot drift apart. The Win32 numbers are checked against <windows.h> in
// hooklib/win32/portable_constants_check.cpp.
#pragma once

#include <cstdint>

namespace quindle::hooklib {

inline constexpr std::uint32_t kWmUser = 0x0400;
inline constexpr std::uint32_t WM_HOTKEY_DEFINED = kWmUser + 1;
inline constexpr std::uint32_t WM_HOTKEY_PRESSED = kWmUser + 2;
inline constexpr std::uint32_t WM_CAPTURE_CHAR = kWmUser + 3;
inline constexpr std::uint32_t WM_CAPTURE_STOP = kWmUser + 4;
inline constexpr std::uint32_t WM_ABORT_KEYS = kWmUser + 5;
inline constexpr std::uint32_t WM_TYPLET_CHAR = kWmUser + 6;
inline constexpr std::uint32_t WM_WINDOW_ACTIVATED = kWmUser + 7;
inline constexpr std::uint32_t WM_CAPSLOCK_STATE = kWmUser + 9;

// Bits of a WM_HOTKEY_PRESSED wParam.
inline constexpr std::uint32_t kCapsLockBit = 0x8000;     // Caps Lock was on
inline constexpr std::uint32_t kDirectMacroBit = 0x4000;  // the rest is a MacroNumber
inline constexpr std::uint32_t kDirectExtraBit = 0x1000;  // set by the tray menus, cleared with it

// WM_TYPLET_CHAR wParam values.
inline constexpr std::uintptr_t kTypletCharacter = 0;
inline constexpr std::uintptr_t kTypletReset = 1;
inline constexpr std::uintptr_t kTypletCharacterCaps = 2;

// The key the main program sends after a playback; its arrival at the keyboard hook shows that
// every key of the playback has passed, and the hook clears PlaybackMarker.
inline constexpr std::uint8_t kMarkerKey = 43;  // VK_EXECUTE, which no keyboard has

// Mouse messages as a mouse hook sees them (client and non-client variants).
inline constexpr std::uint32_t kWmMouseMove = 512;
inline constexpr std::uint32_t kWmLButtonDown = 513;
inline constexpr std::uint32_t kWmLButtonUp = 514;
inline constexpr std::uint32_t kWmLButtonDblClk = 515;
inline constexpr std::uint32_t kWmRButtonDown = 516;
inline constexpr std::uint32_t kWmRButtonUp = 517;
inline constexpr std::uint32_t kWmRButtonDblClk = 518;
inline constexpr std::uint32_t kWmMButtonDown = 519;
inline constexpr std::uint32_t kWmMButtonUp = 520;
inline constexpr std::uint32_t kWmMButtonDblClk = 521;
inline constexpr std::uint32_t kWmNcMouseMove = 160;
inline constexpr std::uint32_t kWmNcLButtonDown = 161;
inline constexpr std::uint32_t kWmNcMButtonDblClk = 169;

}  // namespace quindle::hooklib
