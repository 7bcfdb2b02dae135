// The program's keyboard hook, off while an editor is open: the keys the user types there start
// no hotkey and no Typlet.
#pragma once

#include <functional>
#include <utility>

namespace quindle::editors::win32 {

// Turns the program's keyboard hook off (false) and on again (true). The program counts the
// calls, so nested editors bring the hook back only when the last of them has closed.
using KeyboardHookSwitch = std::function<void(bool on)>;

// The one owner of one "off": the hook is off from its construction and on again when it goes,
// on every path out of the editor.
class KeyboardHookOff {
 public:
  explicit KeyboardHookOff(KeyboardHookSwitch turn) : turn_(std::move(turn)) {
    if (turn_) turn_(false);
  }
  KeyboardHookOff(const KeyboardHookOff&) = delete;
  KeyboardHookOff& operator=(const KeyboardHookOff&) = delete;
  ~KeyboardHookOff() {
    if (turn_) turn_(true);
  }

 private:
  KeyboardHookSwitch turn_;
};

}  // namespace quindle::editors::win32
