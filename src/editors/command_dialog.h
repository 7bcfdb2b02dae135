// What every command dialog of the scripting and keystroke editors shares, apart from any window
// system: the outcome of "&Ok" (a finished command, or the message and the field to focus), the
// reading of typed numbers, and the path checks that go to the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "editors/script_line.h"

namespace quindle::editors {

inline constexpr std::string_view kErrorCaption = "Error";
inline constexpr std::string_view kWarningCaption = "Warning";
inline constexpr std::string_view kOkText = "&Ok";
inline constexpr std::string_view kCancelText = "&Cancel";
inline constexpr std::string_view kHelpText = "&Help";
inline constexpr std::string_view kBrowseText = "&Browse";
inline constexpr std::string_view kCurrentWindowText = "Current &Window";
inline constexpr std::string_view kSpecificWindowText = "Speci&fic Window";

// A free-text argument runs to the first ">" of its tag and nothing escapes one, so a ">" typed
// into it would end the tag early and the rest would be typed as text at play time.
inline constexpr std::string_view kNoTagEndMessage =
    "The character \">\" cannot be used in this entry.  Please correct.";
// The title of the two launch-and-activate commands runs to the next "<".
inline constexpr std::string_view kNoTagStartMessage =
    "The character \"<\" cannot be used in this entry.  Please correct.";

inline constexpr std::string_view kGreaterThanZero = "Value must be greater than zero.";

// The file system as the dialogs test typed paths.
class IPathChecks {
 public:
  virtual ~IPathChecks() = default;
  // The short (8.3) form of an existing path; nothing when the system cannot make one.
  virtual std::optional<std::string> ShortPath(std::string_view path) = 0;
  virtual bool FileExists(std::string_view path) = 0;
  // Whether the program could change into `path` (and back).
  virtual bool DirectoryExists(std::string_view path) = 0;
};

// A command made by "&Ok": the MacroText the keystroke editor inserts, the kind of the family
// that was chosen, and the line the scripting editor makes (LineText(command, data, true)).
struct CommandResult {
  std::string text;
  int kind = 0;
  int command = 0;
  CommandData data;
};

// What "&Ok" (or another button) decided. With a result the dialog closes; without one it stays
// open with `focus` focused, after showing `message` (when there is one) with `caption`. When
// `question` is set the message is a Yes/No question: the dialog asks it and runs the check again
// with the answer.
template <typename Field, typename Result = CommandResult>
struct DialogOutcome {
  std::optional<Result> result;
  std::string message;
  std::string_view caption;
  Field focus{};
  bool question = false;

  bool Accepted() const noexcept { return result.has_value(); }
};

// The user's answer to a question of a check; None before it was asked.
enum class Answer { None, Yes, No };

template <typename Field, typename Result = CommandResult>
DialogOutcome<Field, Result> Refusal(std::string_view message, Field focus,
                                     std::string_view caption = kErrorCaption) {
  DialogOutcome<Field, Result> outcome;
  outcome.message = std::string(message);
  outcome.caption = caption;
  outcome.focus = focus;
  return outcome;
}

template <typename Field, typename Result = CommandResult>
DialogOutcome<Field, Result> Acceptance(Result result) {
  DialogOutcome<Field, Result> outcome;
  outcome.result = std::move(result);
  return outcome;
}

// The finished command with its MacroText written from its data, exactly as WriteBack writes
// the line the scripting editor makes of it: the keystroke editor inserts the same text.
template <typename Field>
DialogOutcome<Field> Accepted(CommandResult result) {
  result.text = CommandTag(result.command, result.data);
  return Acceptance<Field>(std::move(result));
}

// A text field as the dialogs use it: without spaces and tabs at either end.
std::string Trimmed(std::string_view text);

// The trimmed text cut to `limit` characters, as a field's edit control holds at most that many:
// for the numbers that are read from their leading digits, so none outgrows its tag field.
std::string Limited(std::string_view text, std::size_t limit);

// A decimal integer: an optional sign and digits, nothing else (no spaces, "1e3", "0x10").
// Nothing for any other text and for a value beyond ±999999999.
std::optional<int> ReadInteger(std::string_view text);
// A real number: an optional sign, digits with at most one decimal point and at least one digit
// ("1.5", ".5", "5."). No exponent, no "inf" or "nan"; nothing beyond ±999999999.
std::optional<double> ReadReal(std::string_view text);
// The number formed by the leading sign and digits of `text`, 0 when it starts with none: how
// fields that are judged by their range alone read a text that is not a number ("7x" is 7).
// Digits beyond the ninth are ignored, so the value stays within ±999999999.
int LeadingInteger(std::string_view text);
// The same with an optional decimal part ("1.5x" is 1.5).
double LeadingReal(std::string_view text);
// Only the digits 0..9, at least one.
bool AllDigits(std::string_view text) noexcept;

// The short form of an existing file: nothing when it cannot be shortened or does not exist.
std::optional<std::string> ExistingShortPath(IPathChecks& checks, std::string_view path);

// Whether `text` holds a ">", which would end its tag's free-text argument early.
bool HoldsTagEnd(std::string_view text) noexcept;

// The command of one string argument (macro file, text file, remark, web or FTP address), with
// the text as its StringData.
CommandResult StringCommand(int command, std::string text);

// The number's text as a field shows it when a line is edited.
std::string FieldText(int value);

}  // namespace quindle::editors
