// The memo of the two keystroke editors ("Enter Keystrokes" and "Modify Hot Key") on the window
// layer: it keeps the caret where the user left it when a button takes the focus, inserts a tag
// at that caret through the editing core (editors/keystroke_editor.h), which refuses what would
// pass 5000 characters, and carries out the "&Edit" menu on the focused edit field alone.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "editors/keystroke_editor.h"

namespace quindle::editors::win32 {

class KeystrokeMemoControl {
 public:
  // Posted by the memo to its dialog when it gets the focus; the dialog hands it to
  // OnMessage after the dialog manager's own handling of the focus.
  static constexpr UINT kRestoreCaret = WM_APP + 1;

  // `memo` and `misc` are the controls of `dialog`; `core` holds the text being edited.
  KeystrokeMemoControl(HWND dialog, int memo, int misc, KeystrokeMemo& core)
      : dialog_(dialog), memo_(memo), misc_(misc), core_(core) {}

  // From OnInit: the core's text in the memo, the "Miscellaneous" list filled, the caret at
  // the end of the text and the focus in the memo.
  void Open();
  // WM_COMMAND from the memo; true when it was the memo's.
  bool OnCommand(int id, int notifyCode);
  // kRestoreCaret; true when it was that.
  bool OnMessage(UINT message);

  // Inserts `tag` at the caret and gives the memo the focus, the caret after the tag; a tag
  // that does not fit is refused with the core's message over the dialog.
  void Insert(std::string_view tag);
  // The two halves of an insertion made elsewhere (a command dialog's result): the memo's text
  // and caret into the core, and then the core's text back into the memo with the focus and the
  // caret after the insertion, or `refused` shown over the dialog.
  void Sync();
  void Show(std::optional<std::string_view> refused);
  // "ok" of "Miscellaneous": the tag of the chosen key.
  void InsertMisc();
  // WM_CUT, WM_COPY, WM_PASTE or WM_CLEAR, on the edit field of the dialog that has the focus.
  void EditCommand(UINT message);

  // What the memo holds now.
  std::string Text() const;

 private:
  void RestoreCaret();
  void Focus();

  HWND dialog_;
  int memo_;
  int misc_;
  KeystrokeMemo& core_;
  // Where the caret stood when the memo last lost the focus.
  std::size_t caret_ = 0;
};

}  // namespace quindle::editors::win32
