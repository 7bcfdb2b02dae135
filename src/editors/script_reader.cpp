// Reading a MacroText into script lines. The scan goes once from left to right; at each "<" the
// candidates are tried in a fixed order and the first that matches wins, so the order of the
// tables below is part of the behaviour. Whatever matches nothing stays typed text.
#include <cmath>
#include <cstddef>
#include <optional>

#include "editors/script_line.h"
#include "engine/date_time_text.h"

namespace quindle::editors {
namespace {

// The key tags that belong to typed text: they stay inside a Text line.
constexpr std::array<std::string_view, 68> kTextKeyTags = {
    "<TAB>",   "<ENTER>", "<RIGHTWIN>",   "<LEFTWIN>",     "<APP>",       "<BACKSPACE>",
    "<ESC>",   "<SPACE>", "<LEFT ARROW>", "<RIGHT ARROW>", "<UP ARROW>",  "<DOWN ARROW>",
    "<HOME>",  "<END>",   "<INSERT>",     "<DELETE>",      "<PAGE DOWN>", "<PAGE UP>",
    "<F1>",    "<F2>",    "<F3>",         "<F4>",          "<F5>",        "<F6>",
    "<F7>",    "<F8>",    "<F9>",         "<F10>",         "<F11>",       "<F12>",
    "<F13>",   "<F14>",   "<F15>",        "<F16>",         "<F17>",       "<F18>",
    "<F19>",   "<F20>",   "<F21>",        "<F22>",         "<F23>",       "<F24>",
    "<SHIFT>", "<CTRL>",  "<ALT>",        "<ATTN>",        "<CRSEL>",     "<EXSEL>",
    "<EREOF>", "<PLAY>",  "<ZOOM>",       "<PA1>",         "<PRTSCR>",    "<KEYP0>",
    "<KEYP1>", "<KEYP2>", "<KEYP3>",      "<KEYP4>",       "<KEYP5>",     "<KEYP6>",
    "<KEYP7>", "<KEYP8>", "<KEYP9>",      "<KEYP.>",       "<KEYP/>",     "<KEYP*>",
    "<KEYP->", "<KEYP+>",
};

enum class Family {
  Key,     // arg: KeyData code
  Button,  // arg: MouseData action; command from the action
  Wheel,   // arg: action 14 or 15
  Move,    // arg: 1 window-relative
  PauseAt,
  PauseBasic,
  Seconds,
  Millis,
  Window,   // arg: WindowData action
  Size,     // arg: WindowSizeData kind
  Counter,  // arg: width
  Repeat,
  PromptRepeat,
  EndRepeat,
  Clip,  // arg: ClipData kind
  ClipFile,
  Wave,  // arg: 1 wait
  Beep,
  PlaySpeed,
  StepSpeed,  // arg: SpeedData kind
  Directory,
  FileOp,  // arg: FileData kind
  Text,    // arg: command
  Activate,
  Launch,
  LaunchWith,  // arg: LaunchData kind
};

struct CommandTag {
  std::string_view tag;
  int closeAt;  // position of the ">" that fixed-width arguments put it at; 0 for none
  Family family;
  int arg;
};

constexpr CommandTag kCommandTags[] = {
    {"<CTLD>", 0, Family::Key, 1},
    {"<CTLU>", 0, Family::Key, 2},
    {"<ALTD>", 0, Family::Key, 3},
    {"<ALTU>", 0, Family::Key, 4},
    {"<SHFD>", 0, Family::Key, 5},
    {"<SHFU>", 0, Family::Key, 6},
    {"<WIND>", 0, Family::Key, 7},
    {"<WINU>", 0, Family::Key, 8},
    {"<LDN>", 0, Family::Button, 4},
    {"<LUP>", 0, Family::Button, 5},
    {"<LCLK>", 0, Family::Button, 2},
    {"<LDCLK>", 0, Family::Button, 3},
    {"<RDN>", 0, Family::Button, 8},
    {"<RUP>", 0, Family::Button, 9},
    {"<RCLK>", 0, Family::Button, 6},
    {"<RDCLK>", 0, Family::Button, 7},
    {"<MDN>", 0, Family::Button, 12},
    {"<MUP>", 0, Family::Button, 13},
    {"<MCLK>", 0, Family::Button, 10},
    {"<MDCLK>", 0, Family::Button, 11},
    {"<WFW:", 9, Family::Wheel, 14},
    {"<WBW:", 9, Family::Wheel, 15},
    {"<MMS:", 17, Family::Move, 0},
    {"<MMW:", 17, Family::Move, 1},
    {"<PAUSE:", 0, Family::PauseAt, 0},
    {"<PAUSE>", 0, Family::PauseBasic, 0},
    {"<DELAY:", 13, Family::Seconds, 0},
    {"<MSD:", 10, Family::Millis, 0},
    {"<WHIDE:", 0, Family::Window, 5},
    {"<WSHOW:", 0, Family::Window, 6},
    {"<WMAX:", 0, Family::Window, 1},
    {"<WMIN:", 0, Family::Window, 2},
    {"<WCLS:", 0, Family::Window, 4},
    {"<WRES:", 0, Family::Window, 3},
    {"<WSHUT:", 0, Family::Window, 7},
    {"<WSIZE:", 0, Family::Size, 1},
    {"<WPOS:", 0, Family::Size, 2},
    {"<IIII>", 0, Family::Counter, 4},
    {"<III>", 0, Family::Counter, 3},
    {"<II>", 0, Family::Counter, 2},
    {"<I>", 0, Family::Counter, 1},
    {"<REPEAT:", 13, Family::Repeat, 0},
    {"<PROMPTREP>", 0, Family::PromptRepeat, 0},
    {"<ENDREP>", 0, Family::EndRepeat, 0},
    {"<BEGCLIP>", 0, Family::Clip, 1},
    {"<ENDCLIP>", 0, Family::Clip, 2},
    {"<CLIPC>", 0, Family::Clip, 4},
    {"<CLIPP>", 0, Family::Clip, 5},
    {"<CLIPF:", 0, Family::ClipFile, 0},
    {"<WAV1:", 0, Family::Wave, 1},
    {"<WAV2:", 0, Family::Wave, 0},
    {"<BEEP>", 0, Family::Beep, 0},
    {"<SPEED:", 13, Family::PlaySpeed, 0},
    {"<SPKEY:", 12, Family::StepSpeed, 1},
    {"<SPMSE:", 12, Family::StepSpeed, 2},
    {"<CHDIR:", 0, Family::Directory, 0},
    {"<DELFILE:", 0, Family::FileOp, 4},
    {"<COPYFILE:", 0, Family::FileOp, 2},
    {"<RENFILE:", 0, Family::FileOp, 3},
    {"<SWAP:", 0, Family::Text, kCmdLoadMacroFile},
    {"<HTTP:", 0, Family::Text, kCmdWebSite},
    {"<FTP:", 0, Family::Text, kCmdWebFtp},
    {"<REM:", 0, Family::Text, kCmdRemark},
    {"<TFILE:", 0, Family::Text, kCmdLoadTextFile},
    {"<ACTIVATE:", 0, Family::Activate, 0},
    {"<LAUNCH:", 0, Family::Launch, 0},
    {"<LAUNCHNO:", 0, Family::LaunchWith, 3},
    {"<LAUNCHYES:", 0, Family::LaunchWith, 4},
};

constexpr std::string_view kCurrentWindow = "\"CURRENT\"";

// Fixed-width fields are not checked by the editor: a field reads as the decimal digits it starts
// with, so stray characters (a sign included) read as 0 and never make a number wider than the
// field it was written from.
int ReadInt(std::string_view field) noexcept {
  int value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Seconds and playback factors are written back with two decimals, so they are read to two
// decimals too: the line then shows what OK will store. "<SPEED:.0050>" plays at 0.005 but is
// written back as 00.01, and its line says so.
double ReadDecimal(std::string_view field) noexcept {
  double value = 0;
  std::size_t i = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = value * 10 + (field[i] - '0');
  }
  if (i < field.size() && field[i] == '.') {
    double scale = 0.1;
    for (++i; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, scale /= 10) {
      value += (field[i] - '0') * scale;
    }
  }
  return std::round(value * 100) / 100;
}

int ButtonCommand(int action) noexcept {
  if (action <= 5) return kCmdLeftButton;
  if (action <= 9) return kCmdRightButton;
  return kCmdMiddleButton;
}

int WindowCommand(int action) noexcept {
  static constexpr int kCommands[] = {kCmdMaximizeWindow, kCmdMinimizeWindow, kCmdRestoreWindow,
                                      kCmdCloseWindow,    kCmdHideWindow,     kCmdShowWindow,
                                      kCmdShutDownProgram};
  return kCommands[action - 1];
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  std::vector<ScriptLine> Run() {
    while (at_ < text_.size()) {
      if (text_[at_] != '<' || !(TryTextTag() || TryCommand() || TryDate() || TryTime())) {
        pending_ += text_[at_++];
      }
    }
    Flush();
    return std::move(lines_);
  }

 private:
  // The `width` characters at `position` (1 at the "<"), cut at `end` (an index).
  std::string_view Field(int position, std::size_t width, std::size_t end) const noexcept {
    const std::size_t from = at_ + static_cast<std::size_t>(position - 1);
    if (from >= end) return {};
    return text_.substr(from, std::min(width, end - from));
  }

  // The index of the next `stop` at or after `from`; the text's end when there is none.
  std::size_t Find(char stop, std::size_t from) const noexcept {
    const auto found = text_.find(stop, std::min(from, text_.size()));
    return found == std::string_view::npos ? text_.size() : found;
  }

  std::string_view Slice(std::size_t from, std::size_t to) const noexcept {
    from = std::min(from, text_.size());
    return text_.substr(from, std::max(from, std::min(to, text_.size())) - from);
  }

  void Flush() {
    if (pending_.empty()) return;
    TextData data{std::move(pending_)};
    pending_.clear();
    lines_.push_back({LineText(kCmdText, data), std::move(data)});
  }

  void Add(int command, CommandData data) {
    Flush();
    lines_.push_back({LineText(command, data), std::move(data)});
  }

  bool TryTextTag() {
    const std::string_view rest = text_.substr(at_);
    for (const std::string_view tag : kTextKeyTags) {
      if (rest.starts_with(tag)) return Keep(tag.size());
    }
    if (rest.starts_with("<ALT:") && rest.size() >= 9 && rest[8] == '>') return Keep(9);
    if (rest.starts_with("<ALT4:") && rest.size() >= 11 && rest[10] == '>') return Keep(11);
    return false;
  }

  bool Keep(std::size_t length) {
    pending_ += text_.substr(at_, length);
    at_ += length;
    return true;
  }

  bool TryCommand() {
    const std::string_view rest = text_.substr(at_);
    for (const CommandTag& entry : kCommandTags) {
      if (!rest.starts_with(entry.tag)) continue;
      if (entry.closeAt != 0 && (rest.size() < static_cast<std::size_t>(entry.closeAt) ||
                                 rest[entry.closeAt - 1] != '>')) {
        continue;
      }
      Read(entry);
      return true;
    }
    return false;
  }

  void Read(const CommandTag& entry);
  void ReadLaunch(std::size_t from, LaunchData& data);
  void ReadWindowSize(const CommandTag& entry, std::size_t argument, std::size_t close);

  bool TryDate();
  bool TryTime();

  std::string_view text_;
  std::size_t at_ = 0;
  std::string pending_;
  std::vector<ScriptLine> lines_;
};

void Scanner::Read(const CommandTag& entry) {
  const std::size_t argument = at_ + entry.tag.size();
  const bool hasArgument = entry.tag.back() == ':';
  // The argument runs up to the next ">"; a fixed-width tag's ">" is where its width puts it.
  const std::size_t close = entry.closeAt != 0 ? at_ + static_cast<std::size_t>(entry.closeAt - 1)
                            : hasArgument      ? Find('>', argument)
                                               : argument - 1;
  const std::string_view value = Slice(argument, close);
  auto windowData = [&](int action) {
    WindowData data{std::string(value), action, value == kCurrentWindow};
    if (data.current) data.title.clear();
    return data;
  };
  switch (entry.family) {
    case Family::Key:
      Add(kCmdControlKey + (entry.arg - 1) / 2, KeyData{entry.arg});
      break;
    case Family::Button:
      Add(ButtonCommand(entry.arg), MouseData{0, 0, 0, entry.arg, false});
      break;
    case Family::Wheel:
      Add(kCmdMouseWheel, MouseData{0, 0, ReadInt(Field(6, 3, close)), entry.arg, false});
      break;
    case Family::Move:
      Add(kCmdMouseMove, MouseData{ReadInt(Field(6, 5, close)), ReadInt(Field(12, 5, close)), 0, 1,
                                   entry.arg == 1});
      break;
    case Family::PauseAt:
      Add(kCmdPause, PauseData{2, ReadInt(Field(12, 3, close)), ReadInt(Field(8, 3, close)),
                               std::string(Slice(at_ + 14, close))});
      break;
    case Family::PauseBasic:
      Add(kCmdPause, PauseData{});
      break;
    case Family::Seconds:
      Add(kCmdDelay, DelayData{1.0, ReadDecimal(Field(8, 5, close))});
      break;
    case Family::Millis:
      Add(kCmdDelay, DelayData{2.0, double(ReadInt(Field(6, 4, close)))});
      break;
    case Family::Window:
      Add(WindowCommand(entry.arg), windowData(entry.arg));
      break;
    case Family::Size:
      ReadWindowSize(entry, argument, close);
      break;
    case Family::Counter:
      Add(kCmdRepeatCounter, RepeatData{4, entry.arg});
      break;
    case Family::Repeat:
      Add(kCmdRepeatStart, RepeatData{1, ReadInt(Field(9, 4, close))});
      break;
    case Family::PromptRepeat:
      Add(kCmdRepeatPromptStart, RepeatData{2, 0});
      break;
    case Family::EndRepeat:
      Add(kCmdRepeatEnd, RepeatData{3, 0});
      break;
    case Family::Clip: {
      static constexpr int kCommands[] = {0, kCmdClipboardStartCopy, kCmdClipboardEndCopy,
                                          0, kCmdClipboardCopy,      kCmdClipboardPaste};
      Add(kCommands[entry.arg], ClipData{entry.arg, {}});
      break;
    }
    case Family::ClipFile:
      Add(kCmdClipboardFileCopy, ClipData{3, std::string(value)});
      break;
    case Family::Wave:
      Add(kCmdSoundWaveFile, SoundData{2, std::string(value), entry.arg == 1});
      break;
    case Family::Beep:
      Add(kCmdSoundBeep, SoundData{});
      break;
    case Family::PlaySpeed:
      Add(kCmdPlaybackSpeed, SpeedData{3, 0, ReadDecimal(Field(8, 5, close))});
      break;
    case Family::StepSpeed:
      Add(entry.arg == 1 ? kCmdKeystrokeSpeed : kCmdMouseSpeed,
          SpeedData{entry.arg, ReadInt(Field(8, 4, close)), 1.0});
      break;
    case Family::Directory:
      Add(kCmdChangeDirectory, FileData{1, std::string(value), {}});
      break;
    case Family::FileOp: {
      FileData data{entry.arg, std::string(value), {}};
      if (entry.arg != 4) {
        const auto semicolon = value.find(';');
        data.first = std::string(value.substr(0, semicolon));
        if (semicolon != std::string_view::npos)
          data.second = std::string(value.substr(semicolon + 1));
      }
      static constexpr int kCommands[] = {0, kCmdChangeDirectory, kCmdCopyFile, kCmdRenameFile,
                                          kCmdDeleteFile};
      Add(kCommands[entry.arg], std::move(data));
      break;
    }
    case Family::Text:
      Add(entry.arg, StringData{std::string(value)});
      break;
    case Family::Activate:
      Add(kCmdActivateWindow, LaunchData{1, std::string(value), {}, {}, 0});
      break;
    case Family::Launch: {
      LaunchData data{2, {}, {}, {}, 0};
      ReadLaunch(argument, data);
      Add(kCmdLaunchProgram, std::move(data));
      return;
    }
    case Family::LaunchWith: {
      LaunchData data{entry.arg, {}, {}, {}, 0};
      data.delay = ReadInt(Slice(argument, std::min(argument + 2, text_.size())));
      const std::size_t titleEnd = Find('<', argument + 2);
      data.title = std::string(Slice(argument + 2, titleEnd));
      ReadLaunch(titleEnd + 8, data);
      Add(entry.arg == 3 ? kCmdLaunchAndActivate : kCmdActivateOrLaunch, std::move(data));
      return;
    }
  }
  at_ = std::min(close + 1, text_.size());
}

// The program path up to the next ">"; a path ending in "<PARAM" carries its parameters after
// that ">", up to the following one. Leaves the scan after the last ">" read.
void Scanner::ReadLaunch(std::size_t from, LaunchData& data) {
  constexpr std::string_view kParam = "<PARAM";
  std::size_t close = Find('>', from);
  std::string_view path = Slice(from, close);
  if (path.ends_with(kParam)) {
    path.remove_suffix(kParam.size());
    const std::size_t end = Find('>', close + 1);
    data.parameters = std::string(Slice(close + 1, end));
    close = end;
  }
  data.path = std::string(path);
  at_ = std::min(close + 1, text_.size());
}

void Scanner::ReadWindowSize(const CommandTag& entry, std::size_t argument, std::size_t close) {
  // "<WSIZE:wwww,hhhh..." and "<WPOS:llll,tttt...": the numbers follow the colon directly.
  const int first = static_cast<int>(argument - at_) + 1;
  WindowSizeData data;
  data.kind = entry.arg;
  data.first = ReadInt(Field(first, 4, close));
  data.second = ReadInt(Field(first + 5, 4, close));
  const std::string_view windowSpec = Slice(at_ + static_cast<std::size_t>(first + 9 - 1), close);
  data.current = windowSpec == kCurrentWindow;
  if (!data.current) data.title = std::string(windowSpec);
  Add(entry.arg == 1 ? kCmdResizeWindow : kCmdRepositionWindow, std::move(data));
}

bool Scanner::TryDate() {
  for (std::size_t i = 0; i < engine::kDateFormatTable.size(); ++i) {
    const std::string_view format = engine::kDateFormatTable[i];
    const std::string_view rest = text_.substr(at_ + 1);
    if (!rest.starts_with(format) || rest.size() <= format.size() || rest[format.size()] != '{') {
      continue;
    }
    const std::size_t flag = at_ + 1 + format.size() + 1;
    auto charAt = [&](std::size_t index) { return index < text_.size() ? text_[index] : '\0'; };
    DateTimeData data;
    data.isDate = true;
    data.format = static_cast<int>(i) + 1;
    data.zeros = charAt(flag) == 'Y';
    std::size_t close = flag + 2;
    if (charAt(flag + 2) != '>') {
      close = Find('>', flag + 1);
      data.future = charAt(flag + 1) != 'P';
      data.days = ReadInt(Slice(flag + 2, std::min(flag + 5, close)));
    }
    Add(kCmdDate, data);
    at_ = std::min(close + 1, text_.size());
    return true;
  }
  return false;
}

bool Scanner::TryTime() {
  for (const char flag : {'N', 'Y'}) {
    for (std::size_t i = 0; i < engine::kTimeFormatTable.size(); ++i) {
      const std::string tag = "<" + std::string(engine::kTimeFormatTable[i]) + "{" + flag + "}>";
      if (!text_.substr(at_).starts_with(tag)) continue;
      Add(kCmdTime, DateTimeData{false, static_cast<int>(i) + 1, flag == 'Y', true, 0});
      at_ += tag.size();
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<ScriptLine> BuildTheScript(std::string_view macroText) {
  return Scanner(macroText).Run();
}

}  // namespace quindle::editors
