// Writing script lines back into MacroText, and indenting them. A line is recognised by the
// command name its text starts with; its data alone says what is written.
#include <algorithm>
#include <cmath>

#include "editors/script_format.h"
#include "editors/script_line.h"
#include "engine/date_time_text.h"
#include "platform/text.h"

namespace quindle::editors {
namespace {

constexpr std::string_view kCurrentWindow = "\"CURRENT\"";

std::string Number(long long value, std::size_t width) {
  return ZeroPadded(value, width);
}

std::string Tag(std::string_view head, std::string_view argument) {
  return std::string(head) + std::string(argument) + ">";
}

std::string DateTimeTag(const DateTimeData& d) {
  if (!d.isDate) {
    const int index = std::clamp(d.format, 1, static_cast<int>(engine::kTimeFormatCount));
    return "<" + std::string(engine::kTimeFormatTable[static_cast<std::size_t>(index - 1)]) +
           (d.zeros ? "{Y}>" : "{N}>");
  }
  const int index = std::clamp(d.format, 1, static_cast<int>(engine::kDateFormatCount));
  return "<" + std::string(engine::kDateFormatTable[static_cast<std::size_t>(index - 1)]) + "{" +
         (d.zeros ? "Y" : "N") + (d.future ? "F" : "P") + Number(d.days, 3) + "}>";
}

template <typename T>
const T* As(const CommandData& data) {
  return std::get_if<T>(&data);
}

std::string LaunchTag(int command, const LaunchData& d) {
  std::string program = d.path;
  if (!d.parameters.empty()) program += "<PARAM>" + d.parameters;
  switch (command) {
    case kCmdActivateWindow:
      return Tag("<ACTIVATE:", d.title);
    case kCmdLaunchProgram:
      return Tag("<LAUNCH:", program);
    case kCmdLaunchAndActivate:
      return Tag("<LAUNCHNO:" + Number(d.delay, 2) + d.title + "<LAUNCH:", program);
    default:
      return Tag("<LAUNCHYES:" + Number(d.delay, 2) + d.title + "<LAUNCH:", program);
  }
}

std::string MouseTag(int command, const MouseData& d) {
  if (command == kCmdMouseMove) {
    return Tag(d.windowRelative ? "<MMW:" : "<MMS:", Number(d.x, 5) + "," + Number(d.y, 5));
  }
  if (command == kCmdMouseWheel) {
    return Tag(d.action == 14 ? "<WFW:" : "<WBW:", Number(d.clicks, 3));
  }
  static constexpr std::string_view kTags[] = {"<LCLK>", "<LDCLK>", "<LDN>", "<LUP>",
                                               "<RCLK>", "<RDCLK>", "<RDN>", "<RUP>",
                                               "<MCLK>", "<MDCLK>", "<MDN>", "<MUP>"};
  return std::string(kTags[std::clamp(d.action, 2, 13) - 2]);
}

std::string StringTag(int command, const StringData& d) {
  switch (command) {
    case kCmdLoadMacroFile:
      return Tag("<SWAP:", d.text);
    case kCmdLoadTextFile:
      return Tag("<TFILE:", d.text);
    case kCmdRemark:
      return Tag("<REM:", d.text);
    case kCmdWebSite:
      return Tag("<HTTP:", d.text);
    default:
      return Tag("<FTP:", d.text);
  }
}

std::string WindowSpec(const std::string& title, bool current) {
  return current ? std::string(kCurrentWindow) : title;
}

std::string WindowTag(int command, const WindowData& d) {
  std::string_view head = "<WSHUT:";
  switch (command) {
    case kCmdMaximizeWindow:
      head = "<WMAX:";
      break;
    case kCmdMinimizeWindow:
      head = "<WMIN:";
      break;
    case kCmdRestoreWindow:
      head = "<WRES:";
      break;
    case kCmdCloseWindow:
      head = "<WCLS:";
      break;
    case kCmdHideWindow:
      head = "<WHIDE:";
      break;
    case kCmdShowWindow:
      head = "<WSHOW:";
      break;
    default:
      break;
  }
  return Tag(head, WindowSpec(d.title, d.current));
}

std::string ClipTag(int command, const ClipData& d) {
  switch (command) {
    case kCmdClipboardStartCopy:
      return "<BEGCLIP>";
    case kCmdClipboardEndCopy:
      return "<ENDCLIP>";
    case kCmdClipboardFileCopy:
      return Tag("<CLIPF:", d.path);
    case kCmdClipboardPaste:
      return "<CLIPP>";
    default:
      return "<CLIPC>";
  }
}

// The command names the key; only the key's down code writes a press, any other its release.
std::string KeyTag(int command, const KeyData& d) {
  static constexpr std::string_view kTags[] = {"<CTLD>", "<CTLU>", "<ALTD>", "<ALTU>",
                                               "<SHFD>", "<SHFU>", "<WIND>", "<WINU>"};
  const int key = command - kCmdControlKey;
  const bool down = d.code == key * 2 + 1;
  return std::string(kTags[key * 2 + (down ? 0 : 1)]);
}

std::string FileTag(int command, const FileData& d) {
  switch (command) {
    case kCmdChangeDirectory:
      return Tag("<CHDIR:", d.first);
    case kCmdCopyFile:
      return Tag("<COPYFILE:", d.first + ";" + d.second);
    case kCmdRenameFile:
      return Tag("<RENFILE:", d.first + ";" + d.second);
    default:
      return Tag("<DELFILE:", d.first);
  }
}

std::string RepeatTag(int command, const RepeatData& d) {
  switch (command) {
    case kCmdRepeatStart:
      return Tag("<REPEAT:", Number(d.value, 4));
    case kCmdRepeatPromptStart:
      return "<PROMPTREP>";
    case kCmdRepeatEnd:
      return "<ENDREP>";
    default:
      return "<" + std::string(static_cast<std::size_t>(std::clamp(d.value, 1, 4)), 'I') + ">";
  }
}

std::string SpeedTag(int command, const SpeedData& d) {
  if (command == kCmdKeystrokeSpeed) return Tag("<SPKEY:", Number(d.milliseconds, 4));
  if (command == kCmdMouseSpeed) return Tag("<SPMSE:", Number(d.milliseconds, 4));
  return Tag("<SPEED:", ZeroPadded(TwoDecimals(d.factor), 5));
}

// The MacroText of one line: the command picks the tag of its family, the data fills it in. A
// line whose data is not of its command's family writes nothing rather than a wrong tag.
std::string Written(int command, const CommandData& data) {
  switch (command) {
    case kCmdText:
      if (const auto* d = As<TextData>(data)) return d->text;
      break;
    case kCmdDate:
    case kCmdTime:
      if (const auto* d = As<DateTimeData>(data)) return DateTimeTag(*d);
      break;
    case kCmdDelay:
      if (const auto* d = As<DelayData>(data)) {
        if (d->unit == 1.0) return Tag("<DELAY:", ZeroPadded(TwoDecimals(d->amount), 5));
        return Tag("<MSD:", Number(std::llround(d->amount), 4));
      }
      break;
    case kCmdPause:
      if (const auto* d = As<PauseData>(data)) {
        if (d->kind == 1) return "<PAUSE>";
        return Tag("<PAUSE:", Number(d->top, 3) + "," + Number(d->left, 3) + d->message);
      }
      break;
    case kCmdRepeatStart:
    case kCmdRepeatEnd:
    case kCmdRepeatCounter:
    case kCmdRepeatPromptStart:
      if (const auto* d = As<RepeatData>(data)) return RepeatTag(command, *d);
      break;
    case kCmdKeystrokeSpeed:
    case kCmdMouseSpeed:
    case kCmdPlaybackSpeed:
      if (const auto* d = As<SpeedData>(data)) return SpeedTag(command, *d);
      break;
    case kCmdActivateWindow:
    case kCmdLaunchProgram:
    case kCmdActivateOrLaunch:
    case kCmdLaunchAndActivate:
      if (const auto* d = As<LaunchData>(data)) return LaunchTag(command, *d);
      break;
    case kCmdSoundBeep:
    case kCmdSoundWaveFile:
      if (const auto* d = As<SoundData>(data)) {
        if (command == kCmdSoundBeep) return "<BEEP>";
        return Tag(d->wait ? "<WAV1:" : "<WAV2:", d->path);
      }
      break;
    case kCmdLoadMacroFile:
    case kCmdLoadTextFile:
    case kCmdRemark:
    case kCmdWebSite:
    case kCmdWebFtp:
      if (const auto* d = As<StringData>(data)) return StringTag(command, *d);
      break;
    case kCmdResizeWindow:
    case kCmdRepositionWindow:
      if (const auto* d = As<WindowSizeData>(data)) {
        return Tag(
            command == kCmdResizeWindow ? "<WSIZE:" : "<WPOS:",
            Number(d->first, 4) + "," + Number(d->second, 4) + WindowSpec(d->title, d->current));
      }
      break;
    case kCmdMaximizeWindow:
    case kCmdMinimizeWindow:
    case kCmdRestoreWindow:
    case kCmdCloseWindow:
    case kCmdHideWindow:
    case kCmdShowWindow:
    case kCmdShutDownProgram:
      if (const auto* d = As<WindowData>(data)) return WindowTag(command, *d);
      break;
    case kCmdMouseMove:
    case kCmdLeftButton:
    case kCmdRightButton:
    case kCmdMiddleButton:
    case kCmdMouseWheel:
      if (const auto* d = As<MouseData>(data)) return MouseTag(command, *d);
      break;
    case kCmdClipboardCopy:
    case kCmdClipboardPaste:
    case kCmdClipboardStartCopy:
    case kCmdClipboardEndCopy:
    case kCmdClipboardFileCopy:
      if (const auto* d = As<ClipData>(data)) return ClipTag(command, *d);
      break;
    case kCmdControlKey:
    case kCmdAltKey:
    case kCmdShiftKey:
    case kCmdWinKey:
      if (const auto* d = As<KeyData>(data)) return KeyTag(command, *d);
      break;
    case kCmdChangeDirectory:
    case kCmdDeleteFile:
    case kCmdCopyFile:
    case kCmdRenameFile:
      if (const auto* d = As<FileData>(data)) return FileTag(command, *d);
      break;
    default:
      break;
  }
  return {};
}

bool Starts(std::string_view text, std::string_view name) {
  return text.starts_with(name);
}

bool EndsBlock(std::string_view line) {
  for (const std::string_view name : {"Repeat End", "Clipboard End Copy", "Control Key Up",
                                      "Alt Key Up", "Shift Key Up", "Win Key Up"}) {
    if (Starts(line, name)) return true;
  }
  return false;
}

bool StartsBlock(std::string_view line) {
  for (const std::string_view name :
       {"Repeat Start", "Repeat Prompt Start", "Clipboard Start Copy", "Control Key Down",
        "Alt Key Down", "Shift Key Down", "Win Key Down"}) {
    if (Starts(line, name)) return true;
  }
  return false;
}

}  // namespace

std::string WriteBack(const std::vector<ScriptLine>& lines) {
  std::string text;
  for (const ScriptLine& line : lines) {
    const int command = CommandNumberOf(line.text);
    if (command != 0) text += Written(command, line.data);
  }
  return text;
}

void SetIndents(std::vector<ScriptLine>& lines) {
  int depth = 0;
  for (ScriptLine& line : lines) {
    const std::string trimmed(platform::Trim(line.text, " "));
    if (EndsBlock(trimmed)) depth -= 3;
    depth = std::max(depth, 0);
    line.text = std::string(static_cast<std::size_t>(depth), ' ') + trimmed;
    if (StartsBlock(trimmed)) depth += 3;
  }
}

}  // namespace quindle::editors
