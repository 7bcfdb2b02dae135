// The scripting editor ("Macro Scripting Editor") without its window: the list of script lines
// with its selection and the operations of its buttons, the header's fields, and what "&Ok"
// makes of them. The window shows this state and opens the command dialogs; every decision is
// made here, so it is tested without a screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/macro_header.h"
#include "editors/script_line.h"
#include "storage/macro_record.h"

namespace quindle::editors {

inline constexpr std::string_view kNoCommandSelected = "No command selected.  Please select one.";
inline constexpr std::string_view kNoItemSelected = "No Item Selected.";
inline constexpr std::string_view kNoLineSelected = "No script line selected.  Please select one.";

enum class InsertMode { Append, Before, After };

// Which dialog edits a command: one per family of commands.
enum class CommandFamily {
  Text,
  DateTime,
  Delay,
  Pause,
  Repeat,
  Speed,
  Launch,
  Sound,
  MacroFile,
  TextFile,
  WindowSize,
  WindowCommand,
  Mouse,
  Remark,
  Clipboard,
  Keys,
  Web,
  Files,
};
CommandFamily FamilyOf(int command) noexcept;

// The 50 command names in alphabetical order, each with its CommandNumber.
std::vector<std::pair<std::string_view, int>> SortedCommands();

struct EditorButtons {
  bool up = false;
  bool down = false;
  bool edit = false;
  bool copy = false;
  bool remove = false;
};

class ScriptEditorModel {
 public:
  ScriptEditorModel(ActivationKind kind, bool existing);

  // An existing macro's lines and header; a new macro starts empty and global.
  void Open(const storage::MacroRecord& macro);

  const std::vector<ScriptLine>& Lines() const noexcept { return lines_; }
  int Selected() const noexcept { return selected_; }  // -1 for none
  void Select(int index) noexcept;
  EditorButtons Buttons() const noexcept;
  EditorHeader& Header() noexcept { return header_; }
  const EditorHeader& Header() const noexcept { return header_; }
  ActivationKind Kind() const noexcept { return kind_; }
  bool Existing() const noexcept { return existing_; }

  // Adding: where the new line of the next Insert goes is fixed when the command is chosen.
  // The message when no command is chosen (`command` 0).
  std::optional<std::string_view> BeginAdd(int command, InsertMode mode);
  // The accepted dialog's line is put where BeginAdd said and selected.
  void InsertLine(ScriptLine line);

  // Editing the selected line: its command, or the message when none is selected.
  std::optional<std::string_view> BeginEdit(int& command) const;
  void ReplaceSelected(ScriptLine line);

  std::optional<std::string_view> Copy();
  std::optional<std::string_view> Delete();
  bool MoveUp();
  bool MoveDown();

  // "Macro Scripting Editor  (GLOBAL)" and its window and program variants.
  std::string Caption() const;

  // "&Ok": checks the Typlet name, then writes the MacroText and the header into `macro`.
  // `truncated` says the text was cut to 5000 characters (the caller shows kMacroTooLong).
  std::optional<EditorRefusal> Accept(storage::MacroRecord& macro, double now, bool& truncated);

 private:
  void Reindent();

  ActivationKind kind_;
  bool existing_;
  std::vector<ScriptLine> lines_;
  int selected_ = -1;
  EditorHeader header_;
  InsertMode mode_ = InsertMode::Append;
  int remembered_ = 0;
};

}  // namespace quindle::editors
