// The "Activate/Launch Program" dialog (`TDoActive`) apart from any window system: its four
// kinds, which panels each kind shows, the presets, and the checks of "&Ok".
#pragma once

#include <string>
#include <string_view>

#include "editors/command_dialog.h"

namespace quindle::editors {

inline constexpr std::string_view kActiveCaption = "Activate/Launch Program";
inline constexpr std::string_view kActiveHelpTopic = "Activating Windows";
inline constexpr std::string_view kActiveActionGroup = "Action";
inline constexpr std::string_view kActiveKindTexts[] = {
    "&Activate Window Only",
    "&Launch Program Only",
    "La&unch Program and Activate Window",
    "Activate &Window if Running Otherwise Launch Program and Activate Window",
};
inline constexpr std::string_view kActiveWindowPanel = "Activate Window";
inline constexpr std::string_view kActiveTitleLabel = "Window Title";
inline constexpr std::string_view kActiveTitleNote = "(May be partial title)";
inline constexpr std::string_view kActiveProgramPanel = "Launch Program";
inline constexpr std::string_view kActivePathLabel = "Program Path/Name";
inline constexpr std::string_view kActiveParamsLabel = "Program Parameters";
inline constexpr std::string_view kActiveDelayLabel = "Delay (in seconds)";
inline constexpr std::string_view kActiveBrowseFilter =
    "Executable (*.EXE)|*.EXE|Help Files (*.HLP)|*.HLP|All Files (*.*)|*.*";
inline constexpr std::string_view kActiveBrowseExtension = "EXE";
inline constexpr std::size_t kActiveTitleLimit = 100;
inline constexpr std::size_t kActiveDelayLimit = 2;

inline constexpr std::string_view kNoWindowTitleEntry =
    "No entry made for Window Title.  Please correct.";
inline constexpr std::string_view kNoSuchProgram =
    "Specified Path and Program does not exist.  Please correct.";

enum class ActiveKind { Activate = 1, Launch = 2, LaunchAndActivate = 3, ActivateOrLaunch = 4 };
enum class ActiveField { Kind, WinTitle, ProgPath, Params, DelaySecs };

struct ActiveForm {
  ActiveKind kind = ActiveKind::ActivateOrLaunch;
  std::string title;
  std::string path;
  std::string parameters;
  std::string delay;
};

// What `Enabledisable` makes of a kind: the panels shown and where the button row stands.
struct ActiveLayout {
  bool windowPanel = false;
  bool programPanel = false;
  int buttonRowTop = 0;
  int clientHeight = 0;  // the button row's top + 24
};
ActiveLayout LayoutOfActive(ActiveKind kind) noexcept;
// The field focused when the dialog opens: `ProgPath` for launching only, else `WinTitle`.
ActiveField FirstFocusOfActive(ActiveKind kind) noexcept;

// The keystroke editor's preset: activate if running, otherwise launch.
ActiveForm DirectActiveForm();
// The scripting editor's new line of `command` (Activate Window, Launch Program, Launch and
// Activate, Activate or Launch), and its edit of an existing one.
ActiveForm ActiveFormForCommand(int command);
ActiveForm ActiveFormOf(int command, const LaunchData& data);

int CommandOfActiveKind(ActiveKind kind) noexcept;

DialogOutcome<ActiveField> AcceptActive(const ActiveForm& form, IPathChecks& checks);

}  // namespace quindle::editors
