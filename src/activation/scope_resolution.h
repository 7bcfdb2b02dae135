// Which macro a hotkey means: the table's entries for one code, copied out so that the lock is
// free again before any window is activated, and the two passes of the choice over that copy.
// The hook library makes the same choice over the mapped table; the two must agree, or a key
// the hook swallows is lost.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_record.h"

namespace quindle::activation {

// Title text that marks the pause dialog in front: scoped macros are not matched against it.
inline constexpr std::string_view kPauseTitleMark = "PAUSE (";
// The first character of a system entry's ScopeText: which of the program's own actions it is.
inline constexpr char kSystemActivateMe = '1';
inline constexpr char kSystemCapture = '2';
inline constexpr char kSystemResume = '3';
inline constexpr char kSystemMenuTop = '4';

// One table slot, as activation needs it.
struct ScopeEntry {
  int number = 0;  // MacroNumber, 1-based
  std::int16_t scopeKind = 0;
  std::string scopeText;  // the table's 20-character copy, as stored
  bool enabled = false;
  bool topMostOnly = false;
};

// The slots whose HotkeyNumber is `code`, in table order. A damaged count reads as at most 500.
std::vector<ScopeEntry> EntriesWithHotkey(const storage::SharedMacroTable& table, int code);

// The action character of the first enabled system entry among `entries` ('\0' when its text
// is empty); nothing when there is no such entry.
std::optional<char> SystemAction(const std::vector<ScopeEntry>& entries);

// True when some enabled system entry among `entries` has `action`.
bool HasSystemAction(const std::vector<ScopeEntry>& entries, char action);

// Pass 1: the first enabled window-scoped entry whose text is in `upperTitle` or program-scoped
// entry whose text is in `upperProgram` (both already upper-cased). 0 when none matches.
int MatchInFront(const std::vector<ScopeEntry>& entries, std::string_view upperTitle,
                 std::string_view upperProgram);

// Pass 2, in table order: an enabled window-scoped entry with TopMostOnly off whose window
// `activate` manages to bring up wins at once and ends the scan; otherwise the last enabled
// global, popup-menu or system entry. Program-scoped entries are never chosen here. 0 when none.
int ChooseInBackground(const std::vector<ScopeEntry>& entries,
                       const std::function<bool(std::string_view scopeText)>& activate);

}  // namespace quindle::activation
