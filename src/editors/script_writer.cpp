// Writing script lines back into MacroText, and indenting them. A line is recognised by the
// command name its text starts with; its data alone says what is written.
#include <algorithm>
#include <cmath>

#include "editors/script_format.h"
#include "editors/script_line.h"
#include "engine/date_time_text.h"
#include "platform/text.h"
#include "storage/macro_tags.h"

namespace quindle::editors {
namespace {

namespace t = storage::tags;

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
         (d.zeros ? "Y" : "N") + (d.future ? "F" : "P") + Number(d.days, t::kDateDaysWidth) + "}>";
}

template <typename T>
const T* As(const CommandData& data) {
  return std::get_if<T>(&data);
}

std::string LaunchTag(int command, const LaunchData& d) {
  std::string program = d.path;
  if (!d.parameters.empty()) (program += t::kParam) += d.parameters;
  switch (command) {
    case kCmdActivateWindow:
      return Tag(t::kActivate, d.title);
    case kCmdLaunchProgram:
      return Tag(t::kLaunch, program);
    case kCmdLaunchAndActivate:
      return Tag(std::string(t::kLaunchNo) + Number(d.delay, t::kLaunchDelayWidth) + d.title +
                     std::string(t::kLaunch),
                 program);
    default:
      return Tag(std::string(t::kLaunchYes) + Number(d.delay, t::kLaunchDelayWidth) + d.title +
                     std::string(t::kLaunch),
                 program);
  }
}

std::string MouseTag(int command, const MouseData& d) {
  if (command == kCmdMouseMove) {
    return Tag(d.windowRelative ? t::kMoveWindow : t::kMoveScreen,
               Number(d.x, t::kPointWidth) + "," + Number(d.y, t::kPointWidth));
  }
  if (command == kCmdMouseWheel) {
    return Tag(d.action == 14 ? t::kWheelForward : t::kWheelBackward,
               Number(d.clicks, t::kWheelWidth));
  }
  static constexpr std::string_view kTags[] = {t::kLClk, t::kLDClk, t::kLDn, t::kLUp,
                                               t::kRClk, t::kRDClk, t::kRDn, t::kRUp,
                                               t::kMClk, t::kMDClk, t::kMDn, t::kMUp};
  return std::string(kTags[std::clamp(d.action, 2, 13) - 2]);
}

std::string StringTag(int command, const StringData& d) {
  switch (command) {
    case kCmdLoadMacroFile:
      return Tag(t::kSwap, d.text);
    case kCmdLoadTextFile:
      return Tag(t::kTFile, d.text);
    case kCmdRemark:
      return Tag(t::kRem, d.text);
    case kCmdWebSite:
      return Tag(t::kHttp, d.text);
    default:
      return Tag(t::kFtp, d.text);
  }
}

std::string WindowTag(int command, const WindowData& d) {
  std::string_view head = t::kWShut;
  switch (command) {
    case kCmdMaximizeWindow:
      head = t::kWMax;
      break;
    case kCmdMinimizeWindow:
      head = t::kWMin;
      break;
    case kCmdRestoreWindow:
      head = t::kWRes;
      break;
    case kCmdCloseWindow:
      head = t::kWCls;
      break;
    case kCmdHideWindow:
      head = t::kWHide;
      break;
    case kCmdShowWindow:
      head = t::kWShow;
      break;
    default:
      break;
  }
  return Tag(head, WindowSpec(d.title, d.current));
}

std::string ClipTag(int command, const ClipData& d) {
  switch (command) {
    case kCmdClipboardStartCopy:
      return std::string(t::kBegClip);
    case kCmdClipboardEndCopy:
      return std::string(t::kEndClip);
    case kCmdClipboardFileCopy:
      return Tag(t::kClipF, d.path);
    case kCmdClipboardPaste:
      return std::string(t::kClipP);
    default:
      return std::string(t::kClipC);
  }
}

// The command names the key; only the key's down code writes a press, any other its release.
std::string KeyTag(int command, const KeyData& d) {
  static constexpr std::string_view kTags[] = {t::kCtlD, t::kCtlU, t::kAltD, t::kAltU,
                                               t::kShfD, t::kShfU, t::kWinD, t::kWinU};
  const int key = command - kCmdControlKey;
  const bool down = d.code == key * 2 + 1;
  return std::string(kTags[key * 2 + (down ? 0 : 1)]);
}

std::string FileTag(int command, const FileData& d) {
  switch (command) {
    case kCmdChangeDirectory:
      return Tag(t::kChDir, d.first);
    case kCmdCopyFile:
      return Tag(t::kCopyFile, d.first + ";" + d.second);
    case kCmdRenameFile:
      return Tag(t::kRenFile, d.first + ";" + d.second);
    default:
      return Tag(t::kDelFile, d.first);
  }
}

std::string RepeatTag(int command, const RepeatData& d) {
  switch (command) {
    case kCmdRepeatStart:
      return Tag(t::kRepeat, Number(d.value, t::kRepeatWidth));
    case kCmdRepeatPromptStart:
      return std::string(t::kPromptRep);
    case kCmdRepeatEnd:
      return std::string(t::kEndRep);
    default: {
      static constexpr std::string_view kCounters[] = {t::kPass1, t::kPass2, t::kPass3, t::kPass4};
      return std::string(kCounters[std::clamp(d.value, 1, 4) - 1]);
    }
  }
}

std::string SpeedTag(int command, const SpeedData& d) {
  if (command == kCmdKeystrokeSpeed)
    return Tag(t::kSpKey, Number(d.milliseconds, t::kStepSpeedWidth));
  if (command == kCmdMouseSpeed) return Tag(t::kSpMse, Number(d.milliseconds, t::kStepSpeedWidth));
  return Tag(t::kSpeed, ZeroPadded(TwoDecimals(d.factor), t::kSpeedWidth));
}

}  // namespace

// The command picks the tag of its family, the data fills it in. A line whose data is not of its
// command's family writes nothing rather than a wrong tag.
std::string CommandTag(int command, const CommandData& data) {
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
        if (d->unit == 1.0)
          return Tag(t::kDelay, ZeroPadded(TwoDecimals(d->amount), t::kDelayWidth));
        return Tag(t::kMsd, Number(std::llround(d->amount), t::kMsdWidth));
      }
      break;
    case kCmdPause:
      if (const auto* d = As<PauseData>(data)) {
        if (d->kind == 1) return std::string(t::kPause);
        return Tag(t::kPauseAt, Number(d->top, t::kPauseFieldWidth) + "," +
                                    Number(d->left, t::kPauseFieldWidth) + d->message);
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
        if (command == kCmdSoundBeep) return std::string(t::kBeep);
        return Tag(d->wait ? t::kWav1 : t::kWav2, d->path);
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
        return Tag(command == kCmdResizeWindow ? t::kWSize : t::kWPos,
                   Number(d->first, t::kWindowFieldWidth) + "," +
                       Number(d->second, t::kWindowFieldWidth) + WindowSpec(d->title, d->current));
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

namespace {

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
    if (command == 0) continue;
    text += line.source.empty() ? CommandTag(command, line.data) : line.source;
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
