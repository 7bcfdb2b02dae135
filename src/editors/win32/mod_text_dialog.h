// TModText: "Enter Keystrokes", the keystroke editor of one Text line of the scripting editor.
// The memo holds the line's text; the key buttons, their menus and "Miscellaneous" insert key
// tags at the caret through the editing core (editors/keystroke_editor.h), which keeps the text
// within 5000 characters. While it is open the program's keyboard hook is off, so that the keys
// the user types here start no hotkey and no Typlet.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>

#include "editors/keystroke_editor.h"
#include "editors/win32/keyboard_hook_switch.h"
#include "editors/win32/keystroke_memo_control.h"
#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TModText final : public platform::win32::DialogBase {
 public:
  TModText(std::string text, KeyboardHookSwitch keyboardHook)
      : core_(std::move(text)), keyboardHook_(std::move(keyboardHook)) {}

  // Runs the dialog modally; the text stored by "&Update" (tabs as <TAB>, at most 5000
  // characters), or nullopt after "&Cancel", Esc, "E&xit" or when it could not be shown.
  std::optional<std::string> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  KeystrokeMemo core_;
  KeyboardHookSwitch keyboardHook_;
  std::optional<KeyboardHookOff> hookOff_;    // while the dialog's window exists
  std::optional<KeystrokeMemoControl> memo_;  // while the dialog's window exists
  std::optional<std::string> result_;
};

}  // namespace quindle::editors::win32
