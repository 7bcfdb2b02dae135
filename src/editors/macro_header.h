// The header that the scripting editor and the direct editor ("Modify Hot Key") share: the
// macro's nickname, its Typlet name, its scope and its icon, what the header shows when an
// editor opens, the check of "&Ok" and what "&Ok" writes into the macro besides its text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::editors {

inline constexpr std::string_view kEditorError = "Error";
inline constexpr std::string_view kNoTypletName = "No Typlet name was entered.";
inline constexpr std::string_view kBadTypletName =
    "The Typlet name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
    "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
inline constexpr std::string_view kMacroTooLong =
    "The size of the macro exceeds the 5000 character limit.  The macro will be truncated to "
    "5000 characters.";
inline constexpr std::string_view kMainIcon = "MAIN";

enum class ActivationKind { Hotkey, Timed, Typlet };

// What the header shows and the user typed there.
struct EditorHeader {
  std::string nickname;  // at most 50 characters
  std::string typletName;
  std::int16_t scopeKind = storage::ScopeGlobal;  // from "&Global", "&Window", "&Program"
  std::string scopeText;
  bool topMostOnly = true;
  std::string iconName = std::string(kMainIcon);
};

// "&Ok" refused: the message, and whether the Typlet name field gets the focus.
struct EditorRefusal {
  std::string_view message;
  bool focusTypletName = false;
};

// The header of `macro` for an existing macro; for a new one empty and global with the
// program's icon, keeping only the Typlet name the new-macro dialog chose. A forced window
// (the hotkey may only be used for one window) checks "&Window".
EditorHeader OpenHeader(const storage::MacroRecord& macro, ActivationKind kind, bool existing,
                        bool forcedWindow = false);

// `title` + "  (GLOBAL)", "  (Window Title: " + scope text + ")" or "  (Program: " ... ")".
std::string HeaderCaption(std::string_view title, const EditorHeader& header);

// The check of "&Ok": a Typlet macro needs a valid Typlet name.
std::optional<EditorRefusal> CheckHeader(const EditorHeader& header, ActivationKind kind);

// What "&Ok" writes besides the text, after CheckHeader passed: Name, IconName, ScopeKind,
// ScopeText, TopMostOnly, TypletName (trimmed; empty unless a Typlet macro) and LastModified;
// a new macro is also enabled. A field keeps its stored bytes when its value is unchanged.
void WriteHeader(const EditorHeader& header, ActivationKind kind, bool existing, double now,
                 storage::MacroRecord& macro);

}  // namespace quindle::editors
