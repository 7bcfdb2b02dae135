#include "editors/timing_dialog_models.h"

#include <cmath>

#include "editors/script_format.h"
#include "storage/macro_tags.h"

namespace quindle::editors {
namespace {

constexpr double kMostDelaySeconds = 60.0;
constexpr int kMillisecondsBound = 10000;  // four digits in "<MSD:"
constexpr int kMostTimerSeconds = 60;
constexpr std::size_t kMostAltDigits = storage::tags::kAlt4CodeWidth;
constexpr int kMostCounterWidth = 4;
constexpr int kMostPauseCoord = 999;                 // three digits in "<PAUSE:"
constexpr long long kFactorHundredthsBound = 10000;  // "99.99": five characters in "<SPEED:"

// Hundredths, as the tags write real numbers with two decimals.
long long Hundredths(double value) {
  return std::llround(value * 100.0);
}

// A delay in seconds, as "Set Delay" and `TDoDelay` mode 1 read it: more than zero even after
// rounding to the two decimals of the tag, and at most a minute.
std::optional<double> DelaySeconds(std::string_view text) {
  const std::optional<double> seconds = ReadReal(Trimmed(text));
  if (!seconds || *seconds > kMostDelaySeconds || Hundredths(*seconds) <= 0) return std::nullopt;
  return seconds;
}

CommandResult SecondsDelay(double seconds) {
  CommandResult result;
  result.kind = 1;
  result.command = kCmdDelay;
  result.data = DelayData{1.0, seconds};
  result.text = CommandTag(result.command, result.data);
  return result;
}

CommandResult MillisecondsDelay(int milliseconds) {
  CommandResult result;
  result.kind = 2;
  result.command = kCmdDelay;
  result.data = DelayData{2.0, static_cast<double>(milliseconds)};
  result.text = CommandTag(result.command, result.data);
  return result;
}

RepeatKind RepeatKindOfCommand(int command) noexcept {
  switch (command) {
    case kCmdRepeatPromptStart:
      return RepeatKind::PromptStart;
    case kCmdRepeatEnd:
      return RepeatKind::End;
    case kCmdRepeatCounter:
      return RepeatKind::Counter;
    default:
      return RepeatKind::Start;
  }
}

SpeedKind SpeedKindOfCommand(int command) noexcept {
  if (command == kCmdMouseSpeed) return SpeedKind::Mouse;
  if (command == kCmdPlaybackSpeed) return SpeedKind::Playback;
  return SpeedKind::Keystroke;
}

}  // namespace

// ---- "Set Delay"

Delay2Form DirectDelay2Form() {
  return Delay2Form{};
}

Delay2Form Delay2FormOf(const DelayData& data) {
  Delay2Form form;
  form.milliseconds = data.unit != 1.0;
  form.amount = form.milliseconds ? FieldText(static_cast<int>(std::llround(data.amount)))
                                  : ShortDecimal(data.amount);
  return form;
}

DialogOutcome<Delay2Field> AcceptDelay2(const Delay2Form& form) {
  using F = Delay2Field;
  if (!form.milliseconds) {
    const std::optional<double> seconds = DelaySeconds(form.amount);
    if (!seconds) return Refusal(kDelaySecondsRange, F::Seconds);
    return Acceptance<F>(SecondsDelay(*seconds));
  }
  const std::optional<int> milliseconds = ReadInteger(Trimmed(form.amount));
  if (!milliseconds || *milliseconds <= 0) return Refusal(kGreaterThanZero, F::Seconds);
  if (*milliseconds >= kMillisecondsBound) return Refusal(kDelayBelowLimit, F::Seconds);
  return Acceptance<F>(MillisecondsDelay(*milliseconds));
}

// ---- `TDoDelay`

DelayModeTexts TextsOfDelayMode(DelayMode mode) noexcept {
  switch (mode) {
    case DelayMode::Seconds:
      break;
    case DelayMode::AltKeypad:
      return {"Alt Keypad Sequence", "Keypad Numbers", "", 4};
    case DelayMode::TimerSeconds:
      return {"Scheduler Frequency", "Check Every", "Seconds", 2};
  }
  return {"Set Delay", "Seconds To Delay", "", 10};
}

DialogOutcome<DelayField> AcceptDelaySeconds(std::string_view text) {
  const std::optional<double> seconds = DelaySeconds(text);
  if (!seconds) return Refusal(kDelaySecondsRange, DelayField::Value);
  return Acceptance<DelayField>(SecondsDelay(*seconds));
}

DialogOutcome<DelayField> AcceptAltSequence(std::string_view text) {
  const std::string digits = Trimmed(text);
  if (!AllDigits(digits) || digits.size() > kMostAltDigits) {
    return Refusal(kAltNotNumeric, DelayField::Value);
  }
  CommandResult result;
  result.kind = static_cast<int>(DelayMode::AltKeypad);
  result.command = kCmdText;
  namespace t = storage::tags;
  result.data =
      TextData{digits.size() == t::kAlt4CodeWidth
                   ? std::string(t::kAlt4Code) + digits + ">"
                   : std::string(t::kAltCode) + ZeroPadded(digits, t::kAltCodeWidth) + ">"};
  return Accepted<DelayField>(std::move(result));
}

DialogOutcome<DelayField, int> AcceptTimerSeconds(std::string_view text) {
  const std::optional<int> seconds = ReadInteger(Trimmed(text));
  if (!seconds || *seconds < 1 || *seconds > kMostTimerSeconds) {
    return Refusal<DelayField, int>(kTimerSecondsRange, DelayField::Value);
  }
  return Acceptance<DelayField, int>(*seconds);
}

// ---- "Pause Window"

PauseForm DirectPauseForm() {
  PauseForm form;
  form.complex = true;
  return form;
}

PauseForm PauseFormForCommand() {
  return PauseForm{};
}

PauseForm PauseFormOf(const PauseData& data) {
  PauseForm form;
  form.complex = data.kind == 2;
  if (form.complex) {
    form.top = FieldText(data.top);
    form.left = FieldText(data.left);
    form.message = data.message;
  }
  return form;
}

bool PauseFieldsEnabled(const PauseForm& form) noexcept {
  return form.complex;
}

DialogOutcome<PauseField> AcceptPause(const PauseForm& form) {
  using F = PauseField;
  CommandResult result;
  result.command = kCmdPause;
  if (!form.complex) {
    result.kind = 1;
    result.data = PauseData{};
    return Accepted<F>(std::move(result));
  }
  const std::optional<int> top = ReadInteger(Trimmed(form.top));
  if (!top || *top < 0 || *top > kMostPauseCoord) return Refusal(kInvalidTopCoord, F::TopCoord);
  const std::optional<int> left = ReadInteger(Trimmed(form.left));
  if (!left || *left < 0 || *left > kMostPauseCoord)
    return Refusal(kInvalidLeftCoord, F::LeftCoord);
  std::string message = Trimmed(form.message);
  if (HoldsTagEnd(message)) return Refusal(kNoTagEndMessage, F::PauseMessage);
  result.kind = 2;
  result.data = PauseData{2, *left, *top, std::move(message)};
  return Accepted<F>(std::move(result));
}

// ---- "Repeat Options"

RepeatForm DirectRepeatForm() {
  return RepeatForm{};
}

RepeatForm RepeatFormForCommand(int command) {
  RepeatForm form;
  form.kind = RepeatKindOfCommand(command);
  return form;
}

RepeatForm RepeatFormOf(int command, const RepeatData& data) {
  RepeatForm form = RepeatFormForCommand(command);
  if (RepeatCountEnabled(form.kind)) form.count = FieldText(data.value);
  return form;
}

bool RepeatCountEnabled(RepeatKind kind) noexcept {
  return kind == RepeatKind::Start || kind == RepeatKind::Counter;
}

std::string_view RepeatCountLabel(RepeatKind kind) noexcept {
  return kind == RepeatKind::Counter ? kCounterWidthLabel : kRepeatCountLabel;
}

DialogOutcome<RepeatField> AcceptRepeat(const RepeatForm& form) {
  using F = RepeatField;
  CommandResult result;
  result.kind = static_cast<int>(form.kind);
  int value = 0;
  switch (form.kind) {
    case RepeatKind::Start:
      value = LeadingInteger(Limited(form.count, kRepeatCountLimit));
      if (value <= 0) return Refusal(kGreaterThanZero, F::Count);
      result.command = kCmdRepeatStart;
      break;
    case RepeatKind::PromptStart:
      result.command = kCmdRepeatPromptStart;
      break;
    case RepeatKind::End:
      result.command = kCmdRepeatEnd;
      break;
    case RepeatKind::Counter:
      value = LeadingInteger(Limited(form.count, kRepeatCountLimit));
      if (value < 1 || value > kMostCounterWidth) return Refusal(kCounterWidthRange, F::Count);
      result.command = kCmdRepeatCounter;
      break;
  }
  result.data = RepeatData{result.kind, value};
  return Accepted<F>(std::move(result));
}

// ---- "Speed"

SpeedForm DirectSpeedForm() {
  return SpeedForm{};
}

SpeedForm SpeedFormForCommand(int command) {
  SpeedForm form;
  form.kind = SpeedKindOfCommand(command);
  return form;
}

SpeedForm SpeedFormOf(int command, const SpeedData& data) {
  SpeedForm form = SpeedFormForCommand(command);
  form.count =
      form.kind == SpeedKind::Playback ? ShortDecimal(data.factor) : FieldText(data.milliseconds);
  return form;
}

std::string_view SpeedCountLabel(SpeedKind kind) noexcept {
  return kind == SpeedKind::Playback ? kSpeedFactorLabel : kSpeedDelayLabel;
}

DialogOutcome<SpeedField> AcceptSpeed(const SpeedForm& form) {
  using F = SpeedField;
  CommandResult result;
  result.kind = static_cast<int>(form.kind);
  if (form.kind == SpeedKind::Playback) {
    const double factor = LeadingReal(Limited(form.count, kSpeedCountLimit));
    if (factor < 0) return Refusal(kZeroOrGreater, F::Count);
    if (Hundredths(factor) >= kFactorHundredthsBound) return Refusal(kFactorBelow100, F::Count);
    result.command = kCmdPlaybackSpeed;
    result.data = SpeedData{3, 0, factor};
    return Accepted<F>(std::move(result));
  }
  const int milliseconds = LeadingInteger(Limited(form.count, kSpeedCountLimit));
  if (milliseconds < 0) return Refusal(kZeroOrGreater, F::Count);
  const bool keys = form.kind == SpeedKind::Keystroke;
  result.command = keys ? kCmdKeystrokeSpeed : kCmdMouseSpeed;
  result.data = SpeedData{result.kind, milliseconds, 1.0};
  return Accepted<F>(std::move(result));
}

}  // namespace quindle::editors
