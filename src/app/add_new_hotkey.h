// What "Add Macro" (TAddNewHotKey) accepts, apart from any window system: the activation of a new
// macro (a hotkey picked by pressing it or from the key list, a Typlet, a schedule, or a popup
// menu's hotkey) and which editor goes on to fill the macro.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "capture/cap_complete.h"
#include "storage/macro_record.h"

namespace quindle::app {

inline constexpr std::string_view kAddMacroCaption = "Add Macro";
inline constexpr std::string_view kNoMacrosForPopup =
    "No macros have been defined yet.  A popup menu is created with existing macros.";
inline constexpr std::string_view kPopupHotKeyTaken =
    "Selected Hot Key is already either a GLOBAL or Popup Menu Hot Key.  Hot Key cannot be added.";

enum class AddKind { Hotkey, Typlet, Timed, PopupMenu };
// The three buttons that go on: "&Scripting Editor", "&Enter Directly", "&Capture Macro".
enum class AddButton { ScriptingEditor, EnterDirectly, CaptureMacro };
// What fills the new macro.
enum class AddEditor { ScriptingEditor, DirectEditor, Capture, PopupBuilder };
enum class AddField { HotKeyEntry, TypletName };

struct AddForm {
  AddKind kind = AddKind::Hotkey;
  int selectedCode = -1;  // the selected line of the key list; -1 when none is
  std::string typletName;
};

// Facts of the loaded file the dialog notes when it opens.
struct AddContext {
  capture::KeyUse use;        // the use of each code, and which are global, popup or system
  bool anyUserMacro = false;  // a macro that is not a system macro exists
};
AddContext ReadAddContext(const storage::SharedMacroTable& table);

// The activation chosen, and what fills the macro next.
struct AddChoice {
  AddEditor editor = AddEditor::ScriptingEditor;
  std::uint16_t hotkeyNumber = 0;
  std::string typletName;     // trimmed, at most 10 characters; Typlets only
  bool forceProgram = false;  // capture: the code is a global one already, so the macro cannot be
};

struct AddStep {
  enum class Kind { Accept, Refuse, Ask };
  Kind kind = Kind::Refuse;
  std::string_view title;
  std::string message;
  AddField focus = AddField::HotKeyEntry;
  AddChoice choice;
};

// The checks of the three buttons, in the order the user meets them. A popup menu is built in the
// menu builder whichever button is pressed.
AddStep CheckAddMacro(const AddForm& form, AddButton button, const AddContext& context);

// The new macro of a choice: no nickname, global, enabled, the program's icon, "Top Most Only",
// the default schedule of `now`, LastModified = `now`, and the chosen activation.
storage::MacroRecord NewMacroOf(const AddChoice& choice, double now);

}  // namespace quindle::app
