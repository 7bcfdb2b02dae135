// What each script line says. The wording is what the user reads in the editor's list, and its
// first words are the command's name, by which the line is recognised again on write-back.
#include <algorithm>

#include "editors/script_format.h"
#include "editors/script_line.h"
#include "engine/date_time_text.h"

namespace quindle::editors {
namespace {

// Every date and time line shows its format on one fixed moment, a Monday, so that lines read
// the same on every machine and every day.
platform::CivilDateTime SampleMoment() {
  platform::CivilDateTime moment;
  moment.year = 1998;
  moment.month = 3;
  moment.day = 30;
  moment.hour = 15;
  moment.minute = 4;
  moment.second = 23;
  moment.weekday = 1;
  return moment;
}

std::string Cut(std::string_view text, std::size_t keep, std::size_t longest) {
  std::string shown(text.substr(0, keep));
  if (text.size() > longest) shown += "...";
  return shown;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string DateTimeText(const DateTimeData& d) {
  if (!d.isDate) {
    const std::string_view format = engine::kTimeFormatTable.at(static_cast<std::size_t>(
        std::clamp(d.format, 1, static_cast<int>(engine::kTimeFormatCount)) - 1));
    return "Time: " + std::string(format) + "  (" + TimeSample(d.format) + ")";
  }
  const int index = std::clamp(d.format, 1, static_cast<int>(engine::kDateFormatCount));
  std::string text = "Date";
  if (d.days > 0) {
    text += " (" + std::to_string(d.days) + (d.days == 1 ? " day" : " days") +
            (d.future ? " in future)" : " in past)");
  }
  return text + ": " + std::string(engine::kDateFormatTable[static_cast<std::size_t>(index - 1)]) +
         "  (" + DateSample(index) + ")";
}

std::string SpeedText(const SpeedData& d) {
  if (d.kind == 1) return "Keystroke Speed: " + std::to_string(d.milliseconds) + " Milliseconds";
  if (d.kind == 2) return "Mouse Speed: " + std::to_string(d.milliseconds) + " Milliseconds";
  const std::string head = "Macro Playback Speed: ";
  if (d.factor == 0) return head + "No Speed";
  if (d.factor == 1) return head + "Normal Speed";
  if (d.factor > 1) return head + ShortDecimal(d.factor) + " Times Slower Than Normal";
  return head + ShortDecimal(1 / d.factor) + " Times Faster Than Normal";
}

std::string LaunchText(const LaunchData& d) {
  switch (d.kind) {
    case 1:
      return "Activate Window: " + Quoted(d.title);
    case 2:
      return "Launch Program: " + std::string(FileNameOf(d.path));
    case 3:
      return "Launch and Activate: " + std::string(FileNameOf(d.path));
    default:
      return "Activate or Launch: " + std::string(FileNameOf(d.path));
  }
}

std::string WindowSizeText(const WindowSizeData& d) {
  const std::string target = d.current ? " - Current Win" : " - " + Quoted(d.title);
  if (d.kind == 1) {
    return "Resize Window" + target + " (Width: " + std::to_string(d.first) +
           " Height: " + std::to_string(d.second) + ")";
  }
  return "Reposition Window" + target + " (Left: " + std::to_string(d.first) +
         " Top: " + std::to_string(d.second) + ")";
}

std::string WindowText(const WindowData& d, bool fromDialog) {
  static constexpr std::string_view kNames[] = {
      "Maximize Window", "Minimize Window", "Restore Window",   "Close Window",
      "Hide Window",     "Show Window",     "Shut Down Program"};
  std::string text(kNames[std::clamp(d.action, 1, 7) - 1]);
  if (d.current) return text + (fromDialog ? " - Current Window" : " - Current Win");
  return text + " - Window Title: " + d.title;
}

std::string MouseText(const MouseData& d) {
  if (d.action == 1) {
    return std::string(d.windowRelative ? "Mouse Move Window " : "Mouse Move Screen ") +
           std::to_string(d.x) + "," + std::to_string(d.y);
  }
  if (d.action >= 14) {
    return "Mouse Wheel " + std::to_string(d.clicks) +
           (d.action == 14 ? " Clicks Forward" : " Clicks Backward");
  }
  static constexpr std::string_view kButtons[] = {"Left", "Right", "Middle"};
  static constexpr std::string_view kActions[] = {" Click", " Double Click", " Down", " Up"};
  const int index = std::clamp(d.action, 2, 13) - 2;
  return std::string(kButtons[index / 4]) + " Mouse Button" + std::string(kActions[index % 4]);
}

std::string StringText(int command, const StringData& d, bool fromDialog) {
  switch (command) {
    case kCmdLoadMacroFile:
      return "Load New Macro File: " + std::string(FileNameOf(d.text));
    case kCmdLoadTextFile:
      return "Load Text File: " + std::string(FileNameOf(d.text));
    case kCmdRemark:
      return "Remark: " + Cut(d.text, 40, 43);
    case kCmdWebSite:
      return "Web Site: " + (fromDialog ? Cut(d.text, 40, 43) : d.text);
    default:
      return "Web FTP: " + (fromDialog ? Cut(d.text, 40, 43) : d.text);
  }
}

std::string FileText(const FileData& d) {
  switch (d.kind) {
    case 1:
      return "Change Directory/Folder: " + d.first;
    case 2:
      return "Copy File: " + std::string(FileNameOf(d.first));
    case 3:
      return "Rename File: " + std::string(FileNameOf(d.first));
    default:
      return "Delete File: " + std::string(FileNameOf(d.first));
  }
}

std::string ClipText(const ClipData& d) {
  switch (d.kind) {
    case 1:
      return "Clipboard Start Copy";
    case 2:
      return "Clipboard End Copy";
    case 3:
      return "Clipboard File Copy: " + std::string(FileNameOf(d.path));
    case 5:
      return "Clipboard Paste";
    default:
      return "Clipboard Copy";
  }
}

std::string RepeatText(const RepeatData& d) {
  switch (d.kind) {
    case 1:
      return "Repeat Start: " + std::to_string(d.value);
    case 2:
      return "Repeat Prompt Start: (prompt for repeat count at macro play time)";
    case 3:
      return "Repeat End";
    default:
      return "Repeat Counter: Width " + std::to_string(std::clamp(d.value, 1, 4));
  }
}

std::string KeyText(const KeyData& d) {
  static constexpr std::string_view kKeys[] = {"Control", "Alt", "Shift", "Win"};
  const int code = std::clamp(d.code, 1, 8);
  return std::string(kKeys[(code - 1) / 2]) + (code % 2 == 1 ? " Key Down" : " Key Up");
}

}  // namespace

std::string DateSample(int format) {
  return engine::FormatDate(format, true, SampleMoment());
}

std::string TimeSample(int format) {
  // The samples show the hour as a reader writes it: "3:04 pm", not "03:04 pm".
  return engine::FormatTime(format, false, SampleMoment());
}

std::string LineText(int command, const CommandData& data, bool fromDialog) {
  struct Visitor {
    int command;
    bool fromDialog;
    std::string operator()(const TextData& d) const { return "Text: " + Cut(d.text, 50, 53); }
    std::string operator()(const DateTimeData& d) const { return DateTimeText(d); }
    std::string operator()(const DelayData& d) const {
      if (d.unit == 1.0) return "Delay " + TwoDecimals(d.amount) + " Seconds";
      return "Delay " + std::to_string(static_cast<long long>(d.amount)) + " Milliseconds";
    }
    std::string operator()(const PauseData& d) const {
      return d.kind == 1 ? "Pause: Basic" : "Pause: Complex";
    }
    std::string operator()(const RepeatData& d) const { return RepeatText(d); }
    std::string operator()(const SpeedData& d) const { return SpeedText(d); }
    std::string operator()(const LaunchData& d) const { return LaunchText(d); }
    std::string operator()(const SoundData& d) const {
      return d.kind == 1 ? "Sound Beep" : "Sound Wave File: " + std::string(FileNameOf(d.path));
    }
    std::string operator()(const StringData& d) const { return StringText(command, d, fromDialog); }
    std::string operator()(const WindowSizeData& d) const { return WindowSizeText(d); }
    std::string operator()(const WindowData& d) const { return WindowText(d, fromDialog); }
    std::string operator()(const MouseData& d) const { return MouseText(d); }
    std::string operator()(const ClipData& d) const { return ClipText(d); }
    std::string operator()(const KeyData& d) const { return KeyText(d); }
    std::string operator()(const FileData& d) const { return FileText(d); }
  };
  return std::visit(Visitor{command, fromDialog}, data);
}

}  // namespace quindle::editors
