// The virtual keys and hook codes the hook decisions test, named once for all of them.
#pragma once

namespace quindle::hooklib {

inline constexpr unsigned kVkTab = 9;
inline constexpr unsigned kVkShift = 16;
inline constexpr unsigned kVkControl = 17;
inline constexpr unsigned kVkMenu = 18;  // Alt
inline constexpr unsigned kVkPause = 19;
inline constexpr unsigned kVkCapital = 20;
inline constexpr unsigned kVkLeftWin = 91;
inline constexpr unsigned kVkRightWin = 92;
inline constexpr unsigned kVkScroll = 145;
// The left and right variants of Shift, Ctrl and Alt: 160..165, left first.
inline constexpr unsigned kVkLeftShift = 160;
inline constexpr unsigned kVkLeftControl = 162;
inline constexpr unsigned kVkLeftMenu = 164;
inline constexpr unsigned kVkRightMenu = 165;

// The event is only being looked at; it stays in the queue.
inline constexpr int kHookNoRemove = 3;

}  // namespace quindle::hooklib
