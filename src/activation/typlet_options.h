// What the "Typlet Options" dialog shows and accepts, apart from any window system: the options
// as its controls show them, the check of the prefix keys, and the options it stores at "&Ok".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "activation/typlets.h"

namespace quindle::activation {

inline constexpr std::string_view kTypletOptionsCaption = "Typlet Options";
inline constexpr std::string_view kTypletOptionsErrorTitle = "Error";
inline constexpr std::string_view kInvalidPrefixMessage =
    "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
    "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

// The dialog's controls: "Solitary &Usage", "Case &Sensitive", "Use &Prefix Keys" and the field
// "Prefix Keys", which is enabled only while "Use &Prefix Keys" is ticked.
struct TypletOptionsForm {
  bool solitaryUsage = false;
  bool caseSensitive = true;
  bool usePrefixKeys = true;  // the negation of "Use Suffix"
  std::string prefixKeys;
};

enum class TypletOptionsField { PrefixKeys };

TypletOptionsForm FormOfTypletOptions(const TypletOptions& options);

// The check run on every change of the prefix field and when it is left: the message for the
// first character that a Typlet cannot hold, or nothing when the trimmed text is fine.
std::optional<std::string_view> CheckPrefixKeys(std::string_view text);

struct TypletOptionsResult {
  std::optional<TypletOptions> options;  // set: store these and close
  std::string_view message;              // otherwise: tell the user
  std::string_view title;
  TypletOptionsField focus = TypletOptionsField::PrefixKeys;  // and focus this field
};

// "&Ok": the prefix is trimmed of spaces at both ends and checked while "Use &Prefix Keys" is
// ticked. Unticked, the field is disabled and its text is kept as it is, unused.
TypletOptionsResult AcceptTypletOptions(const TypletOptionsForm& form);

}  // namespace quindle::activation
