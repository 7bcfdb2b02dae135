// The dialogs of windows, the mouse and held keys apart from any window system: "Size or Position
// a Window" (`TDoSizeIt`), "System Commands" (`TDoSystemCommand`), "Mouse Commands" (`TDoMouse`)
// and "Keys Up Or Down" (`TDoKeyUpDown`).
#pragma once

#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

inline constexpr std::string_view kWindowGroup = "Window";
inline constexpr std::string_view kCommandsGroup = "Commands";
inline constexpr std::string_view kWindowTitleLabel = "Window Title";
inline constexpr std::string_view kPartialTitleNote = "(Can be partial title)";
inline constexpr std::string_view kNoWindowTitle = "No Window title specified.  Please correct";

// ---- "Size or Position a Window" (`TDoSizeIt`)
inline constexpr std::string_view kSizeItCaption = "Size or Position a Window";
inline constexpr std::string_view kSizeItHelpTopic = "Size or Position";
inline constexpr std::string_view kResizeText = "&Resize Window";
inline constexpr std::string_view kPositionText = "&Position Window";
inline constexpr std::size_t kSizeItNumberLimit = 4;
inline constexpr std::string_view kInvalidWidth =
    "Invalid width specified.  Width must be 10 or greater.  Please correct.";
inline constexpr std::string_view kInvalidHeight =
    "Invalid height specified.  Height must be 30 or greater.  Please correct.";
inline constexpr std::string_view kInvalidLeft =
    "Invalid left position specified.  Please correct.";
inline constexpr std::string_view kInvalidTop = "Invalid top position specified.  Please correct.";

enum class SizeItField { Kind, WinTitle, TheWidth, TheHeight };
struct SizeItForm {
  bool current = false;   // "Current &Window" rather than "Speci&fic Window"
  std::string title;      // `WinTitle`
  bool position = false;  // "&Position Window" (kind 2) rather than "&Resize Window"
  std::string first;      // `TheWidth`: width or left
  std::string second;     // `TheHeight`: height or top
};
struct SizeItLabels {
  std::string_view first;
  std::string_view second;
};
SizeItForm DirectSizeItForm();
SizeItForm SizeItFormForCommand(int command);
SizeItForm SizeItFormOf(int command, const WindowSizeData& data);
SizeItLabels LabelsOfSizeIt(const SizeItForm& form) noexcept;  // "Width"/"Height", "Left"/"Top"
// The title takes input only for a specific window (in both window dialogs).
constexpr bool WindowTitleEnabled(bool current) noexcept {
  return !current;
}
DialogOutcome<SizeItField> AcceptSizeIt(const SizeItForm& form);

// ---- "System Commands" (`TDoSystemCommand`)
inline constexpr std::string_view kSystemCommandCaption = "System Commands";
inline constexpr std::string_view kSystemCommandHelpTopic = "System Commands";
// Actions 1..7, in the order of the radio buttons.
inline constexpr std::string_view kSystemCommandTexts[] = {
    "&Maximize Window", "M&inimize Window",      "&Restore Window",    "C&lose Window",
    "&Hide Window",     "&Show Window (unhide)", "Shut Down &Program",
};

enum class SystemCommandField { Action, WinTitle };
struct SystemCommandForm {
  int action = 1;  // 1 maximize .. 6 show, 7 shut down program
  bool current = false;
  std::string title;
};
SystemCommandForm DirectSystemCommandForm();
SystemCommandForm SystemCommandFormForCommand(int command);
SystemCommandForm SystemCommandFormOf(int command, const WindowData& data);
DialogOutcome<SystemCommandField> AcceptSystemCommand(const SystemCommandForm& form);

// ---- "Mouse Commands" (`TDoMouse`)
inline constexpr std::string_view kMouseCaption = "Mouse Commands";
inline constexpr std::string_view kMouseHelpTopic = "Mouse Commands";
inline constexpr std::string_view kMouseButtonActionTexts[] = {"Click", "Double Click", "Down",
                                                               "Up"};
inline constexpr std::string_view kMouseMoveText = "Mouse Mo&ve";
inline constexpr std::string_view kRelativeToScreenText = "Relative To &Screen";
inline constexpr std::string_view kRelativeToWindowText = "Relative To Wi&ndow";
inline constexpr std::string_view kWheelForwardText = "Mouse &Wheel Forward";
inline constexpr std::string_view kWheelBackwardText = "Mouse Wheel &Backward";
inline constexpr std::size_t kMousePositionLimit = 5;
inline constexpr std::size_t kWheelClicksLimit = 3;
inline constexpr std::string_view kInvalidWheelClicks =
    "Invalid number of wheel clicks specified.  Please correct.";
inline constexpr std::string_view kInvalidX = "Invalid X Position specified.  Please correct.";
inline constexpr std::string_view kInvalidY = "Invalid Y Position specified.  Please correct.";

enum class MouseField { Action, XPos, YPos, NumClicks };
struct MouseForm {
  int action = 1;       // MouseData's action codes: 1 move, 2..13 buttons, 14/15 wheel
  bool window = false;  // "Relative To Wi&ndow"
  std::string x;
  std::string y;
  std::string clicks;
};
struct MouseEnables {
  bool relative = false;  // the two "Relative To" choices
  bool position = false;  // `XPos`, `YPos`
  bool clicks = false;    // `NumClicks`
};
MouseForm DirectMouseForm();
MouseForm MouseFormForCommand(int command);
MouseForm MouseFormOf(const MouseData& data);
MouseEnables EnablesOfMouse(int action) noexcept;
int CommandOfMouseAction(int action) noexcept;
DialogOutcome<MouseField> AcceptMouse(const MouseForm& form);

// ---- "Keys Up Or Down" (`TDoKeyUpDown`)
inline constexpr std::string_view kKeyUpDownCaption = "Keys Up Or Down";
inline constexpr std::string_view kKeyUpDownHelpTopic = "Keys Up Or Down";
inline constexpr std::string_view kKeyUpDownGroup = "Options";
// Codes 1..8.
inline constexpr std::string_view kKeyUpDownTexts[] = {
    "C&ontrol Key Down", "Co&ntrol Key Up", "&Alt Key Down", "A&lt Key Up",
    "&Shift Key Down",   "S&hift Key Up",   "&Win Key Down", "W&in Key Up",
};

enum class KeyUpDownField { Code };
// The scripting editor's new line of a key command checks that key's "Down"; the keystroke
// editor's dialog opens with no choice, and "&Ok" without one leaves it open.
int KeyCodeForCommand(int command) noexcept;
DialogOutcome<KeyUpDownField> AcceptKeyUpDown(int code);

}  // namespace quindle::editors
