// What the three playback prompts show and accept, apart from any window system: the pause
// dialog's texts and geometry, the repeat prompt's check of the typed count, and the on-top
// message's caption and size. The Win32 dialogs only copy these onto their controls, so every
// rule the user can see is tested here natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::engine {

// A control's place inside its dialog's client area, in pixels.
struct ControlRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// --- Pause dialog ---------------------------------------------------------------------------

inline constexpr std::string_view kPauseCaption = "Pause";
inline constexpr std::string_view kPauseLabelText = "Quindle Pause";
inline constexpr std::string_view kResumeButtonText = "&Resume";
inline constexpr std::string_view kAbortButtonText = "&Abort";
inline constexpr int kPauseFormWidth = 224;
inline constexpr int kPauseFormHeight = 94;
// The buttons' top, in client coordinates, is this far above the form's (outer) height.
inline constexpr int kPauseButtonLift = 52;
inline constexpr std::size_t kPauseCharsPerLine = 30;
inline constexpr int kPauseLineHeight = 19;

// Height of the message label: one 19-pixel line per started 30 characters (a 30-character
// message already takes two); 0 for no message.
int PauseMessageHeight(std::size_t messageLength) noexcept;

// The caption for a macro's HotkeyNumber: "Pause (" + hotkey name + ")" for a hotkey, "Pause" for
// a timed or Typlet macro and for any number that names no hotkey.
std::string PauseCaption(std::uint16_t hotkeyNumber);

struct PauseView {
  std::string caption;
  std::string labelText;       // "Label1"
  std::string macroTitleText;  // "MacroTitleLabel": the macro's nickname
  std::string messageText;     // "MessageLabel"
  bool messageVisible = false;
  int formWidth = kPauseFormWidth;  // outer size of the form
  int formHeight = kPauseFormHeight;
  ControlRect label;
  ControlRect macroTitle;
  ControlRect message;
  ControlRect resumeButton;
  ControlRect abortButton;
};

PauseView MakePauseView(std::string_view message, std::string_view macroName,
                        std::uint16_t hotkeyNumber);

// --- Repeat prompt --------------------------------------------------------------------------

inline constexpr std::string_view kRepeatCaption = "Macro Repeat";
inline constexpr std::string_view kRepeatLabelText = "Times To Repeat";
inline constexpr std::string_view kOkButtonText = "&Ok";
inline constexpr std::string_view kInvalidNumberMessage =
    "Invalid numeric value entered.  Please Correct";
inline constexpr std::string_view kInvalidNumberTitle = "Error";
inline constexpr std::size_t kRepeatMaxChars = 4;
inline constexpr int kRepeatClientWidth = 167;
inline constexpr int kRepeatClientHeight = 56;

// The repeat prompt's one input field, named as the form names it.
enum class RepeatField { NumReps };

struct RepeatCheck {
  std::optional<std::uint16_t> count;  // set: the prompt may close with this count
  std::string_view message;            // otherwise: what to tell the user
  std::string_view title;
  RepeatField focus = RepeatField::NumReps;  // and the field to put the focus back into
};

// The text of "NumReps" must, once spaces and control characters are trimmed from both ends,
// be a whole decimal number (an optional sign, then digits only). A negative number is refused
// like any other bad input: its 16-bit pattern would start tens of thousands of passes.
RepeatCheck CheckRepeatCount(std::string_view text);

struct RepeatLayout {
  ControlRect label;
  ControlRect numReps;
  ControlRect okButton;
};
RepeatLayout MakeRepeatLayout();

// --- On-top message -------------------------------------------------------------------------

inline constexpr std::string_view kMessageCaption = "Message";
inline constexpr int kMessageClientWidth = 235;
inline constexpr int kMessageClientHeight = 130;

// The caller's caption, or "Message" when it gives none.
std::string MessageCaption(std::string_view caption);

struct MessageLayout {
  ControlRect theMessage;
  ControlRect okButton;
};
MessageLayout MakeMessageLayout();

// --- Shared ---------------------------------------------------------------------------------

struct Point {
  int x = 0;
  int y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

// Top-left corner that centres a window of the given outer size on the screen (halves rounded
// toward zero; a window larger than the screen starts at 0 so its caption stays reachable).
Point CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) noexcept;

}  // namespace quindle::engine
