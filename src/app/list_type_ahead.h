// Typing into the macro list: the typed characters, upper-cased, select the first row whose
// activation text begins with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/macro_list.h"

namespace quindle::app {

class TypeAhead {
 public:
  // The buffer is length-prefixed: it holds at most this many characters.
  static constexpr std::size_t kMaxChars = 255;

  // MyGridKeyPress. Tab, line feed and Enter clear the buffer; Backspace removes its last
  // character; another printable character is upper-cased and appended. Returns the row to select:
  // the first row, in display order, whose search text begins with the buffer, or `selectedRow`
  // when none does. An empty buffer selects nothing new, so Enter keeps the row it opens. Other
  // control characters (Escape, Ctrl+letters) leave the buffer as it was.
  int KeyPress(char c, const MacroList& list, int selectedRow);
  // A key going down in the list: Ctrl, Alt, Page Up, Page Down, Home, End and the arrows clear
  // the buffer. Returns whether it did.
  bool KeyDown(std::uint8_t virtualKey);
  // Entering or leaving the list.
  void Clear() noexcept { buffer_.clear(); }

  std::string_view Buffer() const noexcept { return buffer_; }

 private:
  std::string buffer_;
};

}  // namespace quindle::app
