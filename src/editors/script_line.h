// A macro as the scripting editor shows it: one readable line per command, each line carrying the
// arguments it is written back from. The display text is what the user reads; the data is what
// becomes MacroText again, so the two are always made together.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quindle::editors {

inline constexpr int kCommandCount = 50;

// CommandNumbers, 1..50: the index of a line's name in the CommandNameTable.
enum Command : int {
  kCmdText = 1,
  kCmdDate,
  kCmdTime,
  kCmdDelay,
  kCmdPause,
  kCmdRepeatStart,
  kCmdRepeatEnd,
  kCmdKeystrokeSpeed,
  kCmdMouseSpeed,
  kCmdActivateWindow,
  kCmdLaunchProgram,
  kCmdSoundBeep,
  kCmdSoundWaveFile,
  kCmdLoadMacroFile,
  kCmdLoadTextFile,
  kCmdResizeWindow,
  kCmdRepositionWindow,
  kCmdMaximizeWindow,
  kCmdMinimizeWindow,
  kCmdRestoreWindow,
  kCmdCloseWindow,
  kCmdHideWindow,
  kCmdShowWindow,
  kCmdMouseMove,
  kCmdLeftButton,
  kCmdRightButton,
  kCmdMiddleButton,
  kCmdMouseWheel,
  kCmdRemark,
  kCmdClipboardCopy,
  kCmdClipboardPaste,
  kCmdRepeatCounter,
  kCmdActivateOrLaunch,
  kCmdLaunchAndActivate,
  kCmdClipboardStartCopy,
  kCmdClipboardEndCopy,
  kCmdClipboardFileCopy,
  kCmdShutDownProgram,
  kCmdControlKey,
  kCmdAltKey,
  kCmdShiftKey,
  kCmdWinKey,
  kCmdWebSite,
  kCmdWebFtp,
  kCmdRepeatPromptStart,
  kCmdChangeDirectory,
  kCmdDeleteFile,
  kCmdCopyFile,
  kCmdRenameFile,
  kCmdPlaybackSpeed,
};

// Index 0 holds the name of command 1.
extern const std::array<std::string_view, kCommandCount> kCommandNameTable;

std::string_view CommandName(int command) noexcept;  // "" outside 1..50
// The first command whose name starts `text` (compared over the name's length), after leading
// and trailing spaces are dropped; 0 when none does.
int CommandNumberOf(std::string_view text) noexcept;

// The arguments of each command family.
struct TextData {
  std::string text;  // the run exactly as it stands in the MacroText
};
struct DateTimeData {
  bool isDate = true;
  int format = 1;     // 1-based index into DateFormatTable or TimeFormatTable
  bool zeros = true;  // leading zeros shown ("Y")
  bool future = true;
  int days = 0;
};
struct DelayData {
  double unit = 1.0;  // 1.0 seconds, 2.0 milliseconds
  double amount = 0;
};
struct PauseData {
  int kind = 1;  // 1 basic, 2 complex
  int left = 0;
  int top = 0;
  std::string message;
};
struct RepeatData {
  int kind = 1;   // 1 start, 2 prompt start, 3 end, 4 counter
  int value = 0;  // the count for a start, the width 1..4 for a counter
};
struct SpeedData {
  int kind = 1;  // 1 keystroke speed, 2 mouse speed, 3 playback speed
  int milliseconds = 0;
  double factor = 1.0;
};
struct LaunchData {
  int kind = 1;  // 1 activate, 2 launch, 3 launch and activate, 4 activate or launch
  std::string title;
  std::string path;
  std::string parameters;
  int delay = 0;
};
struct SoundData {
  int kind = 1;  // 1 beep, 2 wave file
  std::string path;
  bool wait = false;
};
struct StringData {
  std::string text;  // macro file, text file, remark, web or FTP address
};
struct WindowSizeData {
  std::string title;
  int kind = 1;  // 1 resize, 2 reposition
  bool current = false;
  int first = 0;   // width or left
  int second = 0;  // height or top
};
struct WindowData {
  std::string title;
  int action = 1;  // 1 maximize .. 6 show, 7 shut down program
  bool current = false;
};
struct MouseData {
  int x = 0;
  int y = 0;
  int clicks = 0;
  int action = 1;  // 1 move, 2..13 buttons, 14 wheel forward, 15 wheel backward
  bool windowRelative = false;
};
struct ClipData {
  int kind = 4;  // 1 start copy, 2 end copy, 3 file copy, 4 copy, 5 paste
  std::string path;
};
struct KeyData {
  int code = 1;  // 1 Control down, 2 up, 3 Alt down .. 8 Win up
};
struct FileData {
  int kind = 1;  // 1 change directory, 2 copy, 3 rename, 4 delete
  std::string first;
  std::string second;
};

using CommandData = std::variant<TextData, DateTimeData, DelayData, PauseData, RepeatData,
                                 SpeedData, LaunchData, SoundData, StringData, WindowSizeData,
                                 WindowData, MouseData, ClipData, KeyData, FileData>;

struct ScriptLine {
  ScriptLine() = default;
  ScriptLine(std::string lineText, CommandData lineData, std::string lineSource = {})
      : text(std::move(lineText)), data(std::move(lineData)), source(std::move(lineSource)) {}

  std::string text;
  CommandData data;
  // The MacroText the line was read from, written back as it stands while the line is unchanged;
  // empty for a line that a dialog made. BuildTheScript sets it wherever writing the line from
  // its data could change what the macro does, so an untouched macro keeps doing the same.
  std::string source;
};

// The lines of `macroText`, in order, not yet indented. The text is read as the player reads it
// (engine::RecognizeTag): every tag the player recognises at a position is the tag the line
// stands for, with the player's values, and every character the player types stays text.
std::vector<ScriptLine> BuildTheScript(std::string_view macroText);

// The MacroText that a line of `command` with `data` writes: what WriteBack appends for it, and
// what a command dialog hands to the keystroke editor. Empty when the data is not of the
// command's family.
std::string CommandTag(int command, const CommandData& data);

// The display text of a line of `command` (indentation is SetIndents' business). `fromDialog`
// picks the wording a line gets when it was made or changed in a command dialog.
std::string LineText(int command, const CommandData& data, bool fromDialog = false);

// The MacroText of the lines, first to last: each line's source when it has one, else its data
// written by CommandTag; a line whose text names no command adds nothing.
std::string WriteBack(const std::vector<ScriptLine>& lines);

// Indents the lines inside repeat, clipboard and held-key blocks by three spaces per level.
void SetIndents(std::vector<ScriptLine>& lines);

// The part of `path` after its last "\" (the whole path when it has none).
std::string_view FileNameOf(std::string_view path) noexcept;

}  // namespace quindle::editors
