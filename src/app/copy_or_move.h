// What "Copy Hot Key" and "Move Hot Key" (TCopyOrMove) show and accept, apart from any window
// system: the caption and heading, the key list with the use of every HotkeyNumber, and the
// checks of "&Ok" with their messages. The chosen activation goes into the working record only
// when the dialog is accepted.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "capture/cap_complete.h"
#include "hooklib/hotkey_number.h"
#include "storage/macro_record.h"

namespace quindle::app {

inline constexpr std::string_view kCopyCaption = "Copy Hot Key";
inline constexpr std::string_view kMoveCaption = "Move Hot Key";
inline constexpr std::string_view kNoTypletNameEntered = "No Typlet name was entered.";
inline constexpr std::string_view kTypletInvalidCharacters =
    "The Typlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and "
    "' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

enum class CopyOrMoveMode { Copy, Move };
enum class CopyOrMoveKind { Timed, Typlet, Hotkey };
enum class CopyOrMoveField { HotKeyEntry, TypletName };

// "Copy Hot Key" or "Move Hot Key".
std::string_view CopyOrMoveCaption(CopyOrMoveMode mode) noexcept;
// "COPY " or "MOVE " + the activation of `macro` + " TO".
std::string CopyOrMoveHeading(CopyOrMoveMode mode, const storage::MacroRecord& macro);
// "A "GLOBAL" or "POPUP MENU" hot key already exists ... The "COPY" did not take place."
std::string GlobalClashMessage(CopyOrMoveMode mode);

// A popup menu keeps its option characters where a Typlet's name would go, and is started only
// by its hotkey or its tray icon: it may only be given another hotkey.
bool OnlyHotkeys(const storage::MacroRecord& macro) noexcept;

// Trimmed and checked against the Typlet characters: the message to show, or nothing.
std::string_view TypletNameProblem(std::string_view trimmed) noexcept;

// The hotkeys of the global-scope macros (global, popup menu and system) other than the one
// being moved: a global or popup macro may not take one of them, or a key press could not tell
// which of the two to start.
class GlobalCodes {
 public:
  GlobalCodes() = default;
  // `except`: the 1-based MacroNumber left out (the macro being moved), 0 for none.
  GlobalCodes(const storage::SharedMacroTable& table, int except);
  bool Used(int code) const noexcept;

 private:
  std::bitset<hooklib::kHotkeyCodeCount> used_;
};

struct CopyOrMoveForm {
  CopyOrMoveKind kind = CopyOrMoveKind::Hotkey;
  int selectedCode = -1;  // the selected line of the key list; -1 when none is
  std::string typletName;
};

// "&Ok": accept (after the schedule dialog for a timed macro), refuse with `message` and the
// field to focus, or ask `message` (Yes/No) and accept only after Yes; No keeps the dialog open.
struct CopyOrMoveStep {
  enum class Kind { Accept, Refuse, Ask };
  Kind kind = Kind::Refuse;
  std::string_view title;
  std::string message;
  CopyOrMoveField focus = CopyOrMoveField::HotKeyEntry;
  bool openSchedule = false;  // timed: the schedule dialog opens before the dialog closes
};

CopyOrMoveStep CheckCopyOrMove(CopyOrMoveMode mode, const storage::MacroRecord& macro,
                               const CopyOrMoveForm& form, const GlobalCodes& used);

// Puts the accepted activation into `macro`: a macro that was not timed gets the default
// schedule of `now` before it becomes one; a Typlet takes the trimmed name (10 characters).
void ApplyCopyOrMove(const CopyOrMoveForm& form, double now, storage::MacroRecord& macro);

}  // namespace quindle::app
