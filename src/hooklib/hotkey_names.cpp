#include "hooklib/hotkey_names.h"

#include <algorithm>
#include <array>

#include "hooklib/hotkey_number.h"

namespace quindle::hooklib {
namespace {

struct NameText {
  std::array<char, kHotkeyNameMax> chars{};
  std::size_t size = 0;

  void Append(std::string_view text) noexcept {
    const std::size_t n = std::min(text.size(), chars.size() - size);
    std::copy_n(text.begin(), n, chars.begin() + static_cast<std::ptrdiff_t>(size));
    size += n;
  }
  std::string_view View() const noexcept { return {chars.data(), size}; }
};

std::string_view Prefix(const HotkeyKey& key) noexcept {
  if (key.win) return key.ctrl ? "Win+Ctrl+" : key.alt ? "Win+Alt+" : "Win+";
  if (key.ctrl && key.alt) return key.shift ? "Ctrl+Alt+Shift+" : "Ctrl+Alt+";
  if (key.ctrl) return key.shift ? "Ctrl+Shift+" : "Ctrl+";
  if (key.alt) {
    if (!key.shift) return "Alt+";
    return key.mouseButton != 0 ? "Shift+Alt+" : "Alt+Shift+";
  }
  return key.shift ? "Shift+" : "";
}

constexpr std::array<std::string_view, 12> kFunctionNames = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                             "F7", "F8", "F9", "F10", "F11", "F12"};
constexpr std::array<std::string_view, 3> kMouseNames = {"LMouse", "RMouse", "MMouse"};
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string_view PunctuationName(int vk) noexcept {
  switch (vk) {
    case 190:
      return ".";
    case 188:
      return ",";
    case 191:
      return "/";
    case 186:
      return ";";
    case 222:
      return "'";
    case 220:
      return "\\";
    case 219:
      return "[";
    case 221:
      return "]";
    case 189:
      return "-";
    case 187:
      return "=";
    case 192:
      return "`";
    default:
      return {};
  }
}

std::string_view NavigationName(int vk) noexcept {
  switch (vk) {
    case 13:
      return "Enter";
    case 9:
      return "Tab";
    case 8:
      return "Backspace";
    case 32:
      return "Space";
    case 45:
      return "Insert";
    case 46:
      return "Delete";
    case 36:
      return "Home";
    case 35:
      return "End";
    case 33:
      return "Page Up";
    case 34:
      return "Page Down";
    case 37:
      return "Left Arrow";
    case 39:
      return "Right Arrow";
    case 38:
      return "Up Arrow";
    case 40:
      return "Down Arrow";
    case 27:
      return "ESC";
    default:
      return {};
  }
}

std::string_view KeypadOperator(int vk) noexcept {
  switch (vk) {
    case 111:
      return "/";
    case 106:
      return "*";
    case 109:
      return "-";
    case 107:
      return "+";
    default:
      return {};
  }
}

NameText BuildName(const HotkeyKey& key) noexcept {
  NameText name;
  name.Append(Prefix(key));
  const int vk = key.vk;
  if (key.mouseButton != 0) {
    name.Append(kMouseNames[static_cast<std::size_t>(key.mouseButton - 1)]);
  } else if (vk >= 'A' && vk <= 'Z') {
    name.Append(kLetters.substr(static_cast<std::size_t>(vk - 'A'), 1));
  } else if (vk >= '0' && vk <= '9') {
    name.Append(kDigits.substr(static_cast<std::size_t>(vk - '0'), 1));
  } else if (vk >= 112 && vk <= 123) {
    name.Append(kFunctionNames[static_cast<std::size_t>(vk - 112)]);
  } else if ((vk >= 96 && vk <= 105) || !KeypadOperator(vk).empty()) {
    // The plain and Shift-only entries have always been spelled this way.
    name.Append(key.ctrl || key.alt ? "Keypad " : "KeyPad ");
    name.Append(vk >= 96 && vk <= 105 ? kDigits.substr(static_cast<std::size_t>(vk - 96), 1)
                                      : KeypadOperator(vk));
  } else if (!PunctuationName(vk).empty()) {
    name.Append(PunctuationName(vk));
  } else {
    name.Append(NavigationName(vk));
  }
  return name;
}

using NameTable = std::array<NameText, kHotkeyCodeCount>;

NameTable BuildTable() noexcept {
  NameTable table;
  for (int code = 0; code < kHotkeyCodeCount; ++code)
    table[static_cast<std::size_t>(code)] = BuildName(DecipherKey(code));
  return table;
}

}  // namespace

std::string_view HotkeyName(int code) noexcept {
  static const NameTable kTable = BuildTable();
  if (code < 0 || code >= kHotkeyCodeCount) return {};
  return kTable[static_cast<std::size_t>(code)].View();
}

}  // namespace quindle::hooklib
