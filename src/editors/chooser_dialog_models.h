// The two choosers of the family apart from any window system: "Insert Symbol" (`TDoSpecial`),
// which yields one character of 128..255 for the keystroke editor, and "Set Title" / "Set
// Program" (`TDoSpecWind`), which yields a macro's scope.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

// ---- "Insert Symbol" (`TDoSpecial`)
inline constexpr std::string_view kSpecialCaption = "Insert Symbol";
inline constexpr std::string_view kAltSequenceText = "&Alt Keypad Sequence";
inline constexpr int kSymbolColumns = 16;
inline constexpr int kSymbolRows = 8;

// The character in a cell of `SymbolGrid`: the grid runs column by column from 128, so the
// cell in column 1, row 0 holds 136. Nothing outside the grid.
std::optional<unsigned char> SymbolAt(int column, int row) noexcept;
struct SymbolCell {
  int column = 0;
  int row = 0;
};
// The cell showing `symbol`; nothing for a character below 128.
std::optional<SymbolCell> CellOfSymbol(unsigned char symbol) noexcept;

enum class SymbolField { SymbolGrid };
// A double click or "&Ok" on a cell: the character itself, as text of the macro. The ALT
// sequence comes from `TDoDelay` in its keypad mode (AcceptAltSequence).
DialogOutcome<SymbolField> AcceptSymbol(int column, int row);

// ---- "Set Title" / "Set Program" (`TDoSpecWind`)
enum class SpecWindMode { Window, Program };
struct SpecWindTexts {
  std::string_view caption;
  std::string_view nameLabel;
  std::string_view listLabel;
  std::string_view onTopText;
  std::string_view runningText;
  std::string_view helpTopic;
  std::string_view noName;  // the refusal of an empty name
};
SpecWindTexts TextsOfSpecWind(SpecWindMode mode) noexcept;
inline constexpr std::size_t kSpecWindNameLimit = 20;

// Which entries the list shows: window titles that are not blank, and program names that
// contain ".EXE" in any case.
bool ListsWindowTitle(std::string_view title) noexcept;
bool ListsProgramName(std::string_view name);
// A double click on an entry puts its first 20 characters into `TheTitle`.
std::string NameOfListEntry(std::string_view entry);

struct ScopeChoice {
  std::string name;
  bool onTop = true;  // "Run Macro If ... On Top" rather than "... Running"
};
enum class SpecWindField { TheTitle, ProgList };
struct SpecWindForm {
  SpecWindMode mode = SpecWindMode::Window;
  std::string name;                        // `TheTitle`
  std::optional<std::string> highlighted;  // the selected entry of `ProgList`
  bool onTop = true;
};
// "&Ok": an empty name with an entry highlighted asks whether to use it (caption "Error");
// Yes takes the entry, No returns to `TheTitle`.
DialogOutcome<SpecWindField, ScopeChoice> AcceptSpecWind(const SpecWindForm& form,
                                                         Answer answer = Answer::None);

}  // namespace quindle::editors
