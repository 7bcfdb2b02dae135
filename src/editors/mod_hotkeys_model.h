// TModHotKeys, "Modify Hot Key", without its window: the direct editor of a whole macro. Its
// header is the scripting editor's (editors/macro_header.h), its memo holds the MacroText and is
// edited through the editing core the keystroke editors share (editors/keystroke_editor.h), and
// its command buttons open the command dialogs in direct mode and insert their result text.
// Every decision is made here, so it is tested without a screen.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editors/keystroke_editor.h"
#include "editors/macro_header.h"
#include "storage/macro_record.h"

namespace quindle::editors {

inline constexpr std::string_view kModHotKeysTitle = "Modify Hot Key";

// A button that opens a command dialog, its entry in the "&Actions" menu (empty: none) and the
// command that selects the dialog and its mode (date or time, web site or FTP).
struct DirectCommand {
  std::string_view button;
  std::string_view menuEntry;
  int command;
};

// The command buttons, in the order of the dialog.
extern const std::array<DirectCommand, 19> kDirectCommands;

class ModHotKeysModel {
 public:
  ModHotKeysModel(ActivationKind kind, bool existing, bool forcedWindow = false);

  // The header and the memo from an existing macro; a new one starts empty and global.
  void Open(const storage::MacroRecord& macro);

  EditorHeader& Header() noexcept { return header_; }
  const EditorHeader& Header() const noexcept { return header_; }
  KeystrokeMemo& Memo() noexcept { return memo_; }
  const KeystrokeMemo& Memo() const noexcept { return memo_; }
  ActivationKind Kind() const noexcept { return kind_; }
  bool Existing() const noexcept { return existing_; }

  // "Modify Hot Key  (GLOBAL)" and its window and program variants.
  std::string Caption() const;
  // "Global" is off when the hotkey may only be used for one window; "Select" needs a window
  // or program scope.
  bool GlobalEnabled() const noexcept { return !forcedWindow_; }
  bool SelectEnabled() const noexcept { return header_.scopeKind != storage::ScopeGlobal; }

  // A command dialog's result inserted at the caret: nothing for a cancelled dialog or an empty
  // result; kTextTooLong, with nothing inserted, when it would not fit.
  std::optional<std::string_view> InsertResult(const std::optional<std::string>& result);

  // "&Update": checks the Typlet name, then writes the memo's text (tabs as "<TAB>", cut to
  // 5000 characters; `truncated` says so, for kMacroTooLong) and the header into `macro`.
  // Refused, `macro` is left as it was.
  std::optional<EditorRefusal> Accept(storage::MacroRecord& macro, double now, bool& truncated);

 private:
  ActivationKind kind_;
  bool existing_;
  bool forcedWindow_;
  EditorHeader header_;
  KeystrokeMemo memo_;
};

}  // namespace quindle::editors
