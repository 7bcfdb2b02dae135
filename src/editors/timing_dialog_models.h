// The dialogs of waits, pauses, repeats and speeds apart from any window system: "Set Delay"
// (`TDoDelay2`), the one-field `TDoDelay` in its three modes, "Pause Window" (`TDoPausePos`),
// "Repeat Options" (`TDoRepeat`) and "Speed" (`TDoSpeed`). Each has its form, its presets, the
// labels and fields that follow the choice, and the checks of "&Ok".
#pragma once

#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

// ---- "Set Delay" (`TDoDelay2`)
inline constexpr std::string_view kDelay2Caption = "Set Delay";
inline constexpr std::string_view kDelay2HelpTopic = "Delays";
inline constexpr std::string_view kDelay2Group = "Delay Time";
inline constexpr std::string_view kDelay2SecondsText = "Delay in Seconds";
inline constexpr std::string_view kDelay2MillisecondsText = "Delay in Milliseconds";
inline constexpr std::size_t kDelay2Limit = 5;
inline constexpr std::string_view kDelaySecondsRange =
    "Value must be greater than zero and no larger than 60.";
// The bound is the four digits of "<MSD:": 9999 itself is accepted, whatever the wording says.
inline constexpr std::string_view kDelayBelowLimit = "Value must be less than 9999.";

enum class Delay2Field { Seconds };
struct Delay2Form {
  bool milliseconds = false;  // "Delay in Milliseconds" (unit 2.0) rather than seconds
  std::string amount;         // `Seconds`
};
Delay2Form DirectDelay2Form();
Delay2Form Delay2FormOf(const DelayData& data);
DialogOutcome<Delay2Field> AcceptDelay2(const Delay2Form& form);

// ---- `TDoDelay`: one field, three uses chosen by the caller.
enum class DelayMode { Seconds = 1, AltKeypad = 3, TimerSeconds = 5 };
struct DelayModeTexts {
  std::string_view caption;
  std::string_view label;
  std::string_view trailer;  // the text after the field, "" for none
  std::size_t limit;
};
DelayModeTexts TextsOfDelayMode(DelayMode mode) noexcept;
inline constexpr std::string_view kAltNotNumeric = "Value must be numeric.";
inline constexpr std::string_view kTimerSecondsRange = "Value must be between 1 and 60.";

enum class DelayField { Value };
// Mode 1: a delay in seconds, as "Set Delay" makes it.
DialogOutcome<DelayField> AcceptDelaySeconds(std::string_view text);
// Mode 3: the keypad digits of an ALT sequence, which become text of the macro ("65" gives
// <ALT:065>, four digits <ALT4:0169>).
DialogOutcome<DelayField> AcceptAltSequence(std::string_view text);
// Mode 5: "Timer Seconds" of the scheduler, 1..60; no MacroText.
DialogOutcome<DelayField, int> AcceptTimerSeconds(std::string_view text);

// ---- "Pause Window" (`TDoPausePos`)
inline constexpr std::string_view kPauseCaption = "Pause Window";
inline constexpr std::string_view kPauseHelpTopic = "Macro Pause";
inline constexpr std::string_view kPauseBasicText = "&Basic Pause";
inline constexpr std::string_view kPauseComplexText = "Complex &Pause";
inline constexpr std::string_view kPauseLocationGroup = "Location";
inline constexpr std::string_view kPauseTopLabel = "Top Coordinate";
inline constexpr std::string_view kPauseLeftLabel = "Left Coordinate";
inline constexpr std::string_view kPauseMessageLabel = "Message";
inline constexpr std::size_t kPauseCoordLimit = 3;
inline constexpr std::size_t kPauseMessageLimit = 180;
inline constexpr std::string_view kInvalidTopCoord =
    "Invalid Top Window Coordinate entered.  Please correct.";
inline constexpr std::string_view kInvalidLeftCoord =
    "Invalid Left Window Coordinate entered.  Please correct.";

enum class PauseField { Kind, TopCoord, LeftCoord, PauseMessage };
struct PauseForm {
  bool complex = false;  // "Complex &Pause" (kind 2)
  std::string top;
  std::string left;
  std::string message;
};
PauseForm DirectPauseForm();
PauseForm PauseFormForCommand();
PauseForm PauseFormOf(const PauseData& data);
// The location and the message take input only for a complex pause.
bool PauseFieldsEnabled(const PauseForm& form) noexcept;
DialogOutcome<PauseField> AcceptPause(const PauseForm& form);

// ---- "Repeat Options" (`TDoRepeat`)
inline constexpr std::string_view kRepeatCaption = "Repeat Options";
inline constexpr std::string_view kRepeatHelpTopic = "Repeat Options";
inline constexpr std::string_view kRepeatKindTexts[] = {
    "&Start Repeat", "Start Repeat with &Prompt", "&End Repeat", "&Incremental Counter"};
inline constexpr std::string_view kRepeatCountLabel = "Repeat Count";
inline constexpr std::string_view kCounterWidthLabel = "Counter Width";
inline constexpr std::size_t kRepeatCountLimit = 4;
inline constexpr std::string_view kCounterWidthRange = "Width must be between 1 and 4.";

enum class RepeatKind { Start = 1, PromptStart = 2, End = 3, Counter = 4 };
enum class RepeatField { Kind, Count };
struct RepeatForm {
  RepeatKind kind = RepeatKind::Start;
  std::string count;
};
RepeatForm DirectRepeatForm();
RepeatForm RepeatFormForCommand(int command);
RepeatForm RepeatFormOf(int command, const RepeatData& data);
// `Count` is a repeat count for a start and a width for a counter; the others take none.
bool RepeatCountEnabled(RepeatKind kind) noexcept;
std::string_view RepeatCountLabel(RepeatKind kind) noexcept;
DialogOutcome<RepeatField> AcceptRepeat(const RepeatForm& form);

// ---- "Speed" (`TDoSpeed`)
inline constexpr std::string_view kSpeedCaption = "Speed";
inline constexpr std::string_view kSpeedHelpTopic = "Keyboard and Mouse Speed";
inline constexpr std::string_view kSpeedKindTexts[] = {"&Keyboard Speed", "&Mouse Speed",
                                                       "M&acro Speed"};
inline constexpr std::string_view kSpeedDelayLabel = "Delay in Milliseconds";
inline constexpr std::string_view kSpeedFactorLabel = "Playback Factor";
inline constexpr std::size_t kSpeedCountLimit = 4;
inline constexpr std::string_view kZeroOrGreater = "Value must be zero or greater.";
// The playback factor has five characters in its tag ("99.99"); a wider one would leave a tag
// that neither the player nor the editor recognises.
inline constexpr std::string_view kFactorBelow100 = "Value must be less than 100.";

enum class SpeedKind { Keystroke = 1, Mouse = 2, Playback = 3 };
enum class SpeedField { Kind, Count };
struct SpeedForm {
  SpeedKind kind = SpeedKind::Keystroke;
  std::string count;
};
SpeedForm DirectSpeedForm();
SpeedForm SpeedFormForCommand(int command);
SpeedForm SpeedFormOf(int command, const SpeedData& data);
std::string_view SpeedCountLabel(SpeedKind kind) noexcept;
DialogOutcome<SpeedField> AcceptSpeed(const SpeedForm& form);

}  // namespace quindle::editors
