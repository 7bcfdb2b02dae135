#include "hooklib/hotkey_number.h"

#include <array>

namespace quindle::hooklib {
namespace {

// Modifier index used by every per-group table below: bit 0 Ctrl, bit 1 Alt, bit 2 Shift. Order:
// none, Ctrl, Alt, Ctrl+Alt, Shift, Ctrl+Shift, Alt+Shift, Ctrl+Alt+Shift.
constexpr int ModIndex(bool ctrl, bool alt, bool shift) noexcept {
  return (ctrl ? 1 : 0) | (alt ? 2 : 0) | (shift ? 4 : 0);
}

constexpr int kNo = -1;

// Letters, digits and F1..F12 share one block of 48 numbers per modifier set: letters at 0..25,
// digits at 26..35, function keys at 36..47. Plain and Shift-only exist for function keys alone.
constexpr std::array<int, 8> kAlnumBlock = {kNo, 0, 48, 144, kNo, 96, 192, 240};
constexpr int kPlainFunctionBase = 288;
constexpr int kShiftFunctionBase = 300;
constexpr int kWinBlock = 554;
constexpr int kWinCtrlBlock = 602;
constexpr int kWinAltBlock = 650;

// Navigation and editing keys: the offset from the key's base per modifier set; the plain code is
// per key.
constexpr std::array<int, 8> kNavOffset = {kNo, 0, 1, 5, 2, 3, 4, 6};
// Tab and Delete each have their own rows, since Windows owns Alt+Tab and Ctrl+Alt+Delete.
constexpr std::array<int, 8> kTabCode = {kNo, 319, kNo, 322, 320, 321, kNo, 323};
constexpr std::array<int, 8> kDeleteCode = {463, 345, 346, kNo, 347, 348, 349, kNo};
// Punctuation: plain and Shift-only type characters and are never hotkeys.
constexpr std::array<int, 8> kPunctOffset = {kNo, 0, 1, 4, kNo, 2, 3, 5};
constexpr std::array<int, 8> kKeypadOpOffset = {0, 1, 2, 6, 3, 4, 5, 7};
constexpr int kKeypadDigitBase = 514;
// Mouse buttons: 7 numbers per button; with Ctrl and Alt both down Shift does not count.
constexpr std::array<int, 8> kMouseOffset = {0, 2, 3, 5, 1, 4, 6, 5};
constexpr int kMouseCodesPerButton = 7;

enum class Group { kNone, kAlnum, kNav, kTab, kDelete, kPunct, kKeypadOp, kKeypadDigit, kEscape };

struct KeyClass {
  Group group = Group::kNone;
  int base = 0;     // offset in the 48-block, or the group's base number
  int plain = kNo;  // navigation keys: the code without modifiers
};

constexpr KeyClass Classify(int vk) noexcept {
  if (vk >= 'A' && vk <= 'Z') return {Group::kAlnum, vk - 'A'};
  if (vk >= '0' && vk <= '9') return {Group::kAlnum, 26 + vk - '0'};
  if (vk >= 112 && vk <= 123) return {Group::kAlnum, 36 + vk - 112};
  if (vk >= 96 && vk <= 105) return {Group::kKeypadDigit, kKeypadDigitBase + 4 * (vk - 96)};
  switch (vk) {
    case 13:
      return {Group::kNav, 312, kNo};  // Enter
    case 8:
      return {Group::kNav, 324, kNo};  // Backspace
    case 32:
      return {Group::kNav, 331, kNo};  // Space
    case 45:
      return {Group::kNav, 338, 462};  // Insert
    case 36:
      return {Group::kNav, 350, 464};  // Home
    case 35:
      return {Group::kNav, 357, 465};  // End
    case 33:
      return {Group::kNav, 472, 466};  // Page Up
    case 34:
      return {Group::kNav, 479, 467};  // Page Down
    case 37:
      return {Group::kNav, 486, 468};  // Left
    case 39:
      return {Group::kNav, 493, 469};  // Right
    case 38:
      return {Group::kNav, 500, 470};  // Up
    case 40:
      return {Group::kNav, 507, 471};  // Down
    case 9:
      return {Group::kTab};
    case 46:
      return {Group::kDelete};
    case 27:
      return {Group::kEscape};
    case 190:
      return {Group::kPunct, 364};  // .
    case 188:
      return {Group::kPunct, 370};  // ,
    case 191:
      return {Group::kPunct, 376};  // /
    case 186:
      return {Group::kPunct, 382};  // ;
    case 222:
      return {Group::kPunct, 388};  // '
    case 220:
      return {Group::kPunct, 394};  // backslash
    case 219:
      return {Group::kPunct, 400};  // [
    case 221:
      return {Group::kPunct, 406};  // ]
    case 189:
      return {Group::kPunct, 412};  // -
    case 187:
      return {Group::kPunct, 418};  // =
    case 192:
      return {Group::kPunct, 424};  // `
    case 111:
      return {Group::kKeypadOp, 430};  // Keypad /
    case 106:
      return {Group::kKeypadOp, 438};  // Keypad *
    case 109:
      return {Group::kKeypadOp, 446};  // Keypad -
    case 107:
      return {Group::kKeypadOp, 454};  // Keypad +
    default:
      return {};
  }
}

constexpr int OffsetOrNone(int base, int offset) noexcept {
  return offset == kNo ? kNo : base + offset;
}

constexpr int Encode(int vk, bool ctrl, bool alt, bool shift, bool win) noexcept {
  const KeyClass key = Classify(vk);
  const int m = ModIndex(ctrl, alt, shift);
  if (win) {
    // Only letters, digits and function keys combine with Win; Shift does not count, and Ctrl wins
    // over Alt.
    if (key.group != Group::kAlnum) return kNo;
    return (ctrl ? kWinCtrlBlock : alt ? kWinAltBlock : kWinBlock) + key.base;
  }
  switch (key.group) {
    case Group::kAlnum:
      if (kAlnumBlock[m] != kNo) return kAlnumBlock[m] + key.base;
      if (key.base < 36) return kNo;  // a plain or shifted letter or digit is typing
      return (shift ? kShiftFunctionBase : kPlainFunctionBase) + key.base - 36;
    case Group::kNav:
      return m == 0 ? key.plain : key.base + kNavOffset[m];
    case Group::kTab:
      return kTabCode[m];
    case Group::kDelete:
      return kDeleteCode[m];
    case Group::kPunct:
      return OffsetOrNone(key.base, kPunctOffset[m]);
    case Group::kKeypadOp:
      return key.base + kKeypadOpOffset[m];
    case Group::kKeypadDigit:
      return key.base + (ctrl ? 1 : 0) + (alt ? 2 : 0);
    case Group::kEscape:
      return m == 0 ? kEscapeCode : kNo;
    case Group::kNone:
      break;
  }
  return kNo;
}

constexpr int EncodeMouse(int button, bool ctrl, bool alt, bool shift) noexcept {
  if (button < kMouseLeft || button > kMouseMiddle) return kNo;
  return kFirstMouseCode + kMouseCodesPerButton * (button - 1) +
         kMouseOffset[ModIndex(ctrl, alt, shift)];
}

// The inverse, built from the encoder so that the two can never disagree. Modifier sets are tried
// smallest first, so an ignored modifier is reported up.
constexpr std::array<HotkeyKey, kHotkeyCodeCount> BuildDecodeTable() noexcept {
  std::array<HotkeyKey, kHotkeyCodeCount> table{};
  std::array<bool, kHotkeyCodeCount> filled{};
  const auto store = [&](int code, const HotkeyKey& key) {
    if (code < 0 || filled[code]) return;
    filled[code] = true;
    table[code] = key;
  };
  for (int vk = 1; vk < 256; ++vk) {
    for (int mods = 0; mods < 16; ++mods) {
      const HotkeyKey key{
          vk, 0, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0, (mods & 8) != 0};
      store(Encode(vk, key.ctrl, key.alt, key.shift, key.win), key);
    }
  }
  for (int button = kMouseLeft; button <= kMouseMiddle; ++button) {
    for (int mods = 0; mods < 8; ++mods) {
      const HotkeyKey key{0, button, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0, false};
      store(EncodeMouse(button, key.ctrl, key.alt, key.shift), key);
    }
  }
  return table;
}

constexpr bool EveryCodeHasAKey(const std::array<HotkeyKey, kHotkeyCodeCount>& table) noexcept {
  for (const HotkeyKey& key : table)
    if (key.vk == 0 && key.mouseButton == 0) return false;
  return true;
}

constexpr std::array<HotkeyKey, kHotkeyCodeCount> kDecodeTable = BuildDecodeTable();
static_assert(EveryCodeHasAKey(kDecodeTable), "the numbering leaves a HotkeyNumber unused");

}  // namespace

int EncodeHotkey(int vk, bool ctrl, bool alt, bool shift, bool win) noexcept {
  return Encode(vk, ctrl, alt, shift, win);
}

int EncodeMouseHotkey(int button, bool ctrl, bool alt, bool shift) noexcept {
  return EncodeMouse(button, ctrl, alt, shift);
}

HotkeyKey DecipherKey(int code) noexcept {
  if (code < 0 || code >= kHotkeyCodeCount) return {};
  return kDecodeTable[static_cast<std::size_t>(code)];
}

}  // namespace quindle::hooklib
