// HotkeyNumber: the one number 0..719 that names a key or mouse button together with its modifiers.
// The keyboard hook computes it for every key event in every program, so everything here is
// noexcept, allocation-free and works on plain values.
#pragma once

namespace quindle::hooklib {

inline constexpr int kHotkeyCodeCount = 720;
inline constexpr int kEscapeCode = 698;
inline constexpr int kFirstMouseCode = 699;

// Mouse buttons as the mouse hook reports them.
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kMouseMiddle = 3;

// What a HotkeyNumber stands for. A keyboard code has mouseButton 0; a mouse code has vk 0.
// Modifiers that a combination ignores (Shift with Win, Shift on keypad digits, Shift with both
// Ctrl and Alt on a mouse button) are reported up.
struct HotkeyKey {
  int vk = 0;
  int mouseButton = 0;
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool win = false;
};

// The HotkeyNumber of virtual key `vk` pressed with the given modifiers (`win`: either Win key), or
// -1 when the combination has no number and so can never be a hotkey.
int EncodeHotkey(int vk, bool ctrl, bool alt, bool shift, bool win) noexcept;

// The HotkeyNumber of mouse button `button` (kMouseLeft, kMouseRight, kMouseMiddle) with the given
// modifiers, or -1 for any other button.
int EncodeMouseHotkey(int button, bool ctrl, bool alt, bool shift) noexcept;

// The combination a HotkeyNumber stands for; all zero outside 0..719. Encoding the result gives
// `code` back.
HotkeyKey DecipherKey(int code) noexcept;

}  // namespace quindle::hooklib
