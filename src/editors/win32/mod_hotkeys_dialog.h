// TModHotKeys: "Modify Hot Key", the direct editor of a whole macro. Its header is the scripting
// editor's (editors/win32/editor_header_controls.h); the memo "Enter Keystrokes" holds the
// MacroText, and the key buttons, their menus, "Miscellaneous", "SYMBOLS" and the command
// buttons insert at the caret through the editing core the keystroke editors share. Every
// decision is the model's (editors/mod_hotkeys_model.h). While it is open the program's keyboard
// hook is off, so that the keys the user types here start no hotkey and no Typlet. It never
// writes the macro file: after "&Update" the working record holds the new text and header, and
// the caller saves it.
#pragma once

#include "platform/win32/win32_api.h"

#include <memory>
#include <optional>

#include "editors/mod_hotkeys_model.h"
#include "editors/win32/editor_header_controls.h"
#include "editors/win32/keyboard_hook_switch.h"
#include "editors/win32/keystroke_memo_control.h"
#include "editors/win32/path_checks.h"
#include "platform/win32/dialog_base.h"
#include "storage/macro_record.h"

namespace quindle::editors::win32 {

// What the caller tells the direct editor: the macro's activation (kind, hotkey name), whether
// it is new, the forced window scope, the keyboard hook's switch and the rest of the scripting
// editor's set-up.
using DirectEditorSetup = MacroEditorSetup;

class TModHotKeys final : public platform::win32::DialogBase {
 public:
  TModHotKeys(storage::MacroRecord& macro, DirectEditorSetup& setup);

  // Runs the editor modally; true after "&Update", when `macro` holds the edited macro.
  bool Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void RunCommand(const DirectCommand& command);

  storage::MacroRecord& macro_;
  DirectEditorSetup& setup_;
  ModHotKeysModel model_;
  Win32PathChecks paths_;
  std::optional<KeyboardHookOff> hookOff_;  // while the dialog's window exists
  std::unique_ptr<EditorHeaderControls> header_;
  std::optional<KeystrokeMemoControl> memo_;
  bool accepted_ = false;
};

// The direct editor over `owner` for the working record `macro`; true after "&Update", when
// `macro` holds the new text and header. `setup.dateTime` comes back with the date and time
// dialog's last choices, for the settings.
bool RunDirectEditor(HWND owner, storage::MacroRecord& macro, DirectEditorSetup& setup);

}  // namespace quindle::editors::win32
