// The virtual-key numbers that the program, the hook library and the tools name, defined once at
// the bottom layer so that every layer above compares and sends the same numbers. Each is checked
// against <windows.h> in hooklib/win32/portable_constants_check.cpp.
#pragma once

#include <cstdint>

namespace quindle::platform {

inline constexpr std::uint8_t kVkTab = 9;
inline constexpr std::uint8_t kVkShift = 16;
inline constexpr std::uint8_t kVkControl = 17;
inline constexpr std::uint8_t kVkMenu = 18;  // Alt
inline constexpr std::uint8_t kVkPause = 19;
inline constexpr std::uint8_t kVkCapital = 20;
// Page Up, Page Down, End, Home and the arrows Left, Up, Right, Down: 33..40, in that order.
inline constexpr std::uint8_t kVkPageUp = 33;
inline constexpr std::uint8_t kVkDown = 40;
inline constexpr std::uint8_t kVkKeyC = 67;  // the letter keys are their upper-case letters
inline constexpr std::uint8_t kVkKeyV = 86;
inline constexpr std::uint8_t kVkLeftWin = 91;
inline constexpr std::uint8_t kVkRightWin = 92;
inline constexpr std::uint8_t kVkNumpad0 = 96;
inline constexpr std::uint8_t kVkScroll = 145;
// The left and right variants of Shift, Ctrl and Alt: 160..165, left first.
inline constexpr std::uint8_t kVkLeftShift = 160;
inline constexpr std::uint8_t kVkLeftControl = 162;
inline constexpr std::uint8_t kVkLeftMenu = 164;
inline constexpr std::uint8_t kVkRightMenu = 165;
// The low byte of VkKeyScanA's answer for a character that no key types; no key has it.
inline constexpr std::uint8_t kVkNoKey = 255;

}  // namespace quindle::platform
