// What "Capture Complete" (TCapComplete) shows and accepts, apart from any window system: the key
// list with the use of every HotkeyNumber, the two columns each line is drawn in, and the checks
// of "&Ok" with their messages, which end in the activation and nickname of the captured macro.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "capture/capture_types.h"
#include "hooklib/hotkey_number.h"
#include "storage/macro_record.h"

namespace quindle::capture {

inline constexpr std::string_view kCapCompleteCaption = "Capture Complete";
inline constexpr std::string_view kCapCompleteErrorTitle = "Error";
inline constexpr std::string_view kReservedHotkeyTitle = "Warning";
inline constexpr std::string_view kNoHotKeySelectedMessage =
    "No hot key selected.  Please select one.";
inline constexpr std::string_view kGlobalHotKeyInUseMessage =
    "A Global Hot Key is already in use for the selected hot key.  Please select a different one "
    "or choose the Program specific option.";
inline constexpr std::string_view kNoTypletNameMessage = "No Typlet name entered.";

// What the user reads of the program's macros for one HotkeyNumber. Read once from the table
// when the dialog opens, so that the dialog does not hold the table while the user thinks (the
// hook library needs it for every key).
class KeyUse {
 public:
  KeyUse() = default;
  explicit KeyUse(const storage::SharedMacroTable& table);

  // The macros with HotkeyNumber `code`; 0 outside 0..719 (timed and Typlet macros, 10000 and
  // 20000, are no hotkey's).
  int Count(int code) const noexcept;
  // True when a global, popup-menu or system entry has `code`: then no other global macro may.
  bool UsedGlobally(int code) const noexcept;

 private:
  std::array<std::uint16_t, hooklib::kHotkeyCodeCount> counts_{};
  std::bitset<hooklib::kHotkeyCodeCount> global_;
};

// The key list's line of `code`: its name and "  (Not in Use)", "  (1 macro in use)" or
// "  (<n> macros in use)".
std::string KeyLine(int code, const KeyUse& use);
// The 720 lines, line i for HotkeyNumber i.
std::vector<std::string> KeyLines(const KeyUse& use);

// A line drawn in two columns: the name, and from the "(" on the use. A line without "(" is all
// name.
struct KeyLineColumns {
  std::string_view name;
  std::string_view use;
};
KeyLineColumns SplitKeyLine(std::string_view line) noexcept;

// The codes the system may keep for itself (Alt+F6, Ctrl+Alt+F6, Alt+Shift+F6, Win+F1, Win+D,
// Win+E, Win+F, Win+M, Win+R, Win+Ctrl+F): choosing one is asked about.
bool IsReservedHotkey(int code) noexcept;
// "<name> may be used internally by Windows 95, 98 or NT.  ... Would you still like to use <name>?"
std::string ReservedHotkeyQuestion(int code);

struct CapCompleteForm {
  bool typlet = false;     // "&Typlets" chosen, else "&Hot Keys"
  int selectedCode = -1;   // the selected line of the key list; -1 when none is
  std::string typletName;  // "Typlet Name"
  std::string nickname;    // "NickName"
  ScopeChoice scope = ScopeChoice::Global;
};

enum class CapCompleteField { HotKeyEntry, TypletName };

// The outcome of "&Ok": close with `result`, or show `message` and stay with `focus`, or ask
// `message` with Yes and No and close with `result` only after Yes.
struct CapCompleteStep {
  enum class Kind { Accept, Refuse, Ask };
  Kind kind = Kind::Refuse;
  std::string_view title;
  std::string message;
  CapCompleteField focus = CapCompleteField::HotKeyEntry;
  CapCompleteResult result;
};

// The checks in the order the user meets them: with "&Hot Keys" a selected line, then (with
// "&Global") a code no global, popup-menu or system entry uses, then the reserved-code question;
// with "&Typlets" a name that is not empty once trimmed. The trimmed nickname is cut to 50
// characters, the trimmed Typlet name to 10.
CapCompleteStep CheckCapComplete(const CapCompleteForm& form, const KeyUse& use);

}  // namespace quindle::capture
