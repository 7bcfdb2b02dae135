#include "engine/prompt_models.h"

#include <charconv>

#include "hooklib/hotkey_names.h"
#include "platform/text.h"

namespace quindle::engine {
namespace {

// Pause form, client coordinates. The client area of a 94-pixel form is about 68 pixels high
// under the usual caption and frame, so the two labels and a 23-pixel button row just fit.
constexpr int kMargin = 8;
constexpr int kPauseLabelWidth = 200;
constexpr int kPauseLabelHeight = 15;
constexpr int kPauseLabelTop = 4;
constexpr int kPauseTitleTop = 21;
constexpr int kPauseMessageTop = 38;
constexpr int kPauseButtonWidth = 75;
constexpr int kPauseButtonHeight = 23;
constexpr int kResumeLeft = 26;
constexpr int kAbortLeft = 115;

RepeatCheck Refused() {
  RepeatCheck check;
  check.message = kInvalidNumberMessage;
  check.title = kInvalidNumberTitle;
  check.focus = RepeatField::NumReps;
  return check;
}

}  // namespace

int PauseMessageHeight(std::size_t messageLength) noexcept {
  if (messageLength == 0) return 0;
  return static_cast<int>(messageLength / kPauseCharsPerLine) * kPauseLineHeight + kPauseLineHeight;
}

std::string PauseCaption(std::uint16_t hotkeyNumber) {
  // HotkeyName is empty for 10000 (timed), 20000 (Typlet) and anything else past 719.
  const std::string_view name = hooklib::HotkeyName(hotkeyNumber);
  if (name.empty()) return std::string(kPauseCaption);
  std::string caption(kPauseCaption);
  caption += " (";
  caption += name;
  caption += ')';
  return caption;
}

PauseView MakePauseView(std::string_view message, std::string_view macroName,
                        std::uint16_t hotkeyNumber) {
  PauseView view;
  view.caption = PauseCaption(hotkeyNumber);
  view.labelText = kPauseLabelText;
  view.macroTitleText = macroName;
  view.messageText = message;
  const int extra = PauseMessageHeight(message.size());
  view.messageVisible = extra > 0;
  view.formWidth = kPauseFormWidth;
  view.formHeight = kPauseFormHeight + extra;
  view.label = {kMargin, kPauseLabelTop, kPauseLabelWidth, kPauseLabelHeight};
  view.macroTitle = {kMargin, kPauseTitleTop, kPauseLabelWidth, kPauseLabelHeight};
  view.message = {kMargin, kPauseMessageTop, kPauseLabelWidth, extra};
  const int buttonTop = view.formHeight - kPauseButtonLift;
  view.resumeButton = {kResumeLeft, buttonTop, kPauseButtonWidth, kPauseButtonHeight};
  view.abortButton = {kAbortLeft, buttonTop, kPauseButtonWidth, kPauseButtonHeight};
  return view;
}

RepeatCheck CheckRepeatCount(std::string_view text) {
  std::string_view number = platform::TrimSpacesAndControls(text);
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  // from_chars would also take a second sign; digits only keeps "+-1" and "--1" out.
  if (number.empty()) return Refused();
  for (const char c : number) {
    if (c < '0' || c > '9') return Refused();
  }
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return Refused();
  if (negative && value != 0) return Refused();
  if (value > 0xFFFFu) return Refused();
  RepeatCheck check;
  check.count = static_cast<std::uint16_t>(value);
  return check;
}

RepeatLayout MakeRepeatLayout() {
  RepeatLayout layout;
  layout.label = {6, 11, 100, 15};
  layout.numReps = {108, 8, 51, 21};
  layout.okButton = {50, 32, 67, 22};
  return layout;
}

std::string MessageCaption(std::string_view caption) {
  return caption.empty() ? std::string(kMessageCaption) : std::string(caption);
}

MessageLayout MakeMessageLayout() {
  MessageLayout layout;
  layout.theMessage = {10, 10, kMessageClientWidth - 20, 80};
  layout.okButton = {(kMessageClientWidth - 69) / 2, 98, 69, 24};
  return layout;
}

Point CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) noexcept {
  Point origin;
  origin.x = windowWidth >= screenWidth ? 0 : (screenWidth - windowWidth) / 2;
  origin.y = windowHeight >= screenHeight ? 0 : (screenHeight - windowHeight) / 2;
  return origin;
}

}  // namespace quindle::engine
