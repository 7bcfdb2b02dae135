// The header of the two macro editors ("Macro Scripting Editor" and "Modify Hot Key"): the
// activation label, the Typlet name or "Se&t Schedule", the nickname, the scope buttons with
// "&Select", and the icon button. Each editor names its own controls; the decisions are
// editors/macro_header.h's.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/macro_header.h"
#include "editors/text_dialog_models.h"
#include "editors/win32/icon_button.h"
#include "editors/win32/keyboard_hook_switch.h"
#include "storage/macro_record.h"

namespace quindle::editors::win32 {

// What the caller of a macro editor tells it.
struct MacroEditorSetup {
  ActivationKind kind = ActivationKind::Hotkey;
  bool existing = true;
  std::string hotkeyName;     // shown for a hotkey macro
  bool forcedWindow = false;  // the hotkey may only be used for one window
  KeyboardHookSwitch keyboardHook;
  // "Se&t Schedule" of a timed macro: edits the schedule fields of the working record in a
  // dialog owned by the editor.
  std::function<void(storage::MacroRecord&, HWND owner)> setSchedule;
  std::function<double()> now;  // the date and time stored as LastModified
  // The titles of the windows (true) or the names of the programs (false) running now, for the
  // scope chooser of "&Select".
  std::function<std::vector<std::string>(bool windows)> runningNames;
  DateTimeMemory dateTime;  // the date and time dialog's remembered choices, in and out
  std::string programDir;   // its Icons folder holds the macros' icons
};

// The header's controls in one editor's template.
struct HeaderIds {
  int activation;
  int typlet;
  int schedule;
  int nickname;
  int global;
  int window;
  int program;
  int select;
  int icon;
};

class EditorHeaderControls {
 public:
  EditorHeaderControls(HWND dialog, const HeaderIds& ids, const MacroEditorSetup& setup,
                       EditorHeader& header);

  // From OnInit: shows `header` (an icon whose file is gone becomes "MAIN").
  void Show();
  // A command of one of the header's controls; true when it was one, after which the caption
  // may have changed.
  bool OnCommand(int id, int notifyCode, storage::MacroRecord& macro);
  // The right button released on the icon offers the program's own icon again; true when
  // `control` is the icon button.
  bool OnContextMenu(HWND control);
  // The nickname and the Typlet name as typed, into the header.
  void Read();

  // What an editor's model does at "&Ok": the header and the text onto the record given, or
  // why not (the text cut to 5000 characters sets `truncated`).
  using AcceptEdit = std::function<std::optional<EditorRefusal>(storage::MacroRecord& macro,
                                                                double now, bool& truncated)>;
  // "&Ok" of an editor: the header as typed, then `accept` onto a copy of `macro`. A refusal is
  // shown with its field focused and leaves `macro` as it was; a text cut to fit is said. True
  // when `macro` holds the edit.
  bool AcceptInto(storage::MacroRecord& macro, const AcceptEdit& accept);

 private:
  void ScopeClick(std::int16_t scope);
  void SelectScope();

  HWND dialog_;
  HeaderIds ids_;
  const MacroEditorSetup& setup_;
  EditorHeader& header_;
  std::unique_ptr<IconButton> icon_;
};

}  // namespace quindle::editors::win32
