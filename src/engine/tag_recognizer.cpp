// The tag recogniser reads a MacroText the way the player always has: tags are tried in one fixed
// order, and a fixed-width tag whose ">" is not where its width puts it falls through to the later
// tags. Every read is bounded by the text, so a text that ends inside a tag is simply literal.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/date_time_text.h"
#include "engine/tag.h"

namespace quindle::engine {
namespace {

// How the characters after a tag's fixed text are read.
enum class Form : std::uint8_t {
  Plain,       // nothing follows the fixed text
  Field,       // one numeric field of `width` characters, then ">"
  Digits,      // "<ALT:"/"<ALT4:": `width` characters kept as text, then ">"
  Point,       // "<MMS:"/"<MMW:": XXXXX, any separator, YYYYY, then ">"
  PauseAt,     // TTT, any separator, LLL, message to ">"
  WindowBox,   // "<WSIZE:"/"<WPOS:": NNNN, any separator, NNNN, WindowSpec to ">"
  Text,        // one argument to ">"
  Pair,        // first ";" second ">"
  Launch,      // program ["<PARAM>" parameters] ">"
  LaunchWait,  // NN, title to "<", 8 characters skipped, then as Launch
};

struct Entry {
  std::string_view name;
  TagKind kind;
  Form form;
  std::uint8_t width;  // field width for Field and Digits
  std::uint8_t param;  // virtual key, window or mouse action, pass width, wheel side, wave wait
};

constexpr Entry Plain(std::string_view name, TagKind kind, std::uint8_t param = 0) {
  return {name, kind, Form::Plain, 0, param};
}
constexpr Entry Key(std::string_view name, std::uint8_t vk) {
  return Plain(name, TagKind::Key, vk);
}
constexpr Entry Field(std::string_view name, TagKind kind, std::uint8_t width,
                      std::uint8_t param = 0) {
  return {name, kind, Form::Field, width, param};
}
constexpr Entry Text(std::string_view name, TagKind kind, std::uint8_t param = 0) {
  return {name, kind, Form::Text, 0, param};
}
constexpr Entry WindowText(std::string_view name, WindowAction action) {
  return Text(name, TagKind::Window, static_cast<std::uint8_t>(action));
}
constexpr Entry Mouse(std::string_view name, MouseAction action) {
  return Plain(name, TagKind::Mouse, static_cast<std::uint8_t>(action));
}

constexpr std::uint8_t kWheelBackward = 1;

// The recognition order. It decides which later tag a malformed fixed-width tag falls through to,
// so entries must not be reordered.
constexpr Entry kTags[] = {
    Key("<TAB>", 9),
    Key("<ENTER>", 13),
    Key("<RIGHTWIN>", 92),
    Key("<LEFTWIN>", 91),
    Key("<APP>", 93),
    Key("<BACKSPACE>", 8),
    Key("<ESC>", 27),
    Key("<SPACE>", 32),
    Key("<LEFT ARROW>", 37),
    Key("<RIGHT ARROW>", 39),
    Key("<UP ARROW>", 38),
    Key("<DOWN ARROW>", 40),
    Plain("<TEST>", TagKind::Nothing),
    Key("<HOME>", 36),
    Key("<END>", 35),
    Key("<INSERT>", 45),
    Key("<DELETE>", 46),
    Key("<PAGE DOWN>", 34),
    Key("<PAGE UP>", 33),
    Plain("<CTLD>", TagKind::KeyDown, 17),
    Plain("<CTLU>", TagKind::KeyUp, 17),
    Plain("<ALTD>", TagKind::KeyDown, 18),
    Plain("<ALTU>", TagKind::KeyUp, 18),
    Plain("<SHFD>", TagKind::KeyDown, 16),
    Plain("<SHFU>", TagKind::KeyUp, 16),
    Plain("<WIND>", TagKind::KeyDown, 91),
    Plain("<WINU>", TagKind::KeyUp, 91),
    Plain("<RIGHT MOUSE>", TagKind::MouseKey, 2),
    Plain("<MIDDLE MOUSE>", TagKind::MouseKey, 4),
    {"<PAUSE:", TagKind::PauseAt, Form::PauseAt, 0, 0},
    Plain("<PAUSE>", TagKind::PauseCentre),
    Field("<DELAY:", TagKind::Delay, 5),
    Field("<SPEED:", TagKind::Speed, 5),
    Field("<MSD:", TagKind::Msd, 4),
    Text("<REM:", TagKind::Nothing),
    WindowText("<WSHUT:", WindowAction::Shut),
    WindowText("<WHIDE:", WindowAction::Hide),
    WindowText("<WSHOW:", WindowAction::Show),
    {"<WSIZE:", TagKind::Window, Form::WindowBox, 0, static_cast<std::uint8_t>(WindowAction::Size)},
    {"<WPOS:", TagKind::Window, Form::WindowBox, 0, static_cast<std::uint8_t>(WindowAction::Pos)},
    {"<ALT:", TagKind::AltCode, Form::Digits, 3, 0},
    {"<ALT4:", TagKind::AltCode, Form::Digits, 4, 0},
    Plain("<IIII>", TagKind::PassNumber, 4),
    Plain("<III>", TagKind::PassNumber, 3),
    Plain("<II>", TagKind::PassNumber, 2),
    Plain("<I>", TagKind::PassNumber, 1),
    Text("<CLIPF:", TagKind::ClipFile),
    Plain("<CLIPC>", TagKind::ClipCopy),
    Plain("<CLIPP>", TagKind::ClipPaste),
    Plain("<BEGCLIP>", TagKind::BegClip),
    Plain("<PROMPTREP>", TagKind::PromptRep),
    Field("<REPEAT:", TagKind::Repeat, 4),
    Field("<SPKEY:", TagKind::SpKey, 4),
    Field("<SPMSE:", TagKind::SpMse, 4),
    Text("<SWAP:", TagKind::Swap),
    Text("<TFILE:", TagKind::TFile),
    Text("<HTTP:", TagKind::Web),
    Text("<FTP:", TagKind::Web),
    Plain("<ENDREP>", TagKind::EndRep),
    Plain("<ENDCLIP>", TagKind::Nothing),
    Mouse("<LDN>", MouseAction::LeftDown),
    Mouse("<LUP>", MouseAction::LeftUp),
    Mouse("<LCLK>", MouseAction::LeftClick),
    Mouse("<LDCLK>", MouseAction::LeftDouble),
    Mouse("<RDN>", MouseAction::RightDown),
    Mouse("<RUP>", MouseAction::RightUp),
    Mouse("<RCLK>", MouseAction::RightClick),
    Mouse("<RDCLK>", MouseAction::RightDouble),
    Mouse("<MDN>", MouseAction::MiddleDown),
    Mouse("<MUP>", MouseAction::MiddleUp),
    Mouse("<MCLK>", MouseAction::MiddleClick),
    Mouse("<MDCLK>", MouseAction::MiddleDouble),
    Field("<WFW:", TagKind::Wheel, 3),
    Field("<WBW:", TagKind::Wheel, 3, kWheelBackward),
    {"<MMS:", TagKind::MoveScreen, Form::Point, 0, 0},
    {"<MMW:", TagKind::MoveWindow, Form::Point, 0, 0},
    Key("<F1>", 112),
    Key("<F2>", 113),
    Key("<F3>", 114),
    Key("<F4>", 115),
    Key("<F5>", 116),
    Key("<F6>", 117),
    Key("<F7>", 118),
    Key("<F8>", 119),
    Key("<F9>", 120),
    Key("<F10>", 121),
    Key("<F11>", 122),
    Key("<F12>", 123),
    Key("<F13>", 124),
    Key("<F14>", 125),
    Key("<F15>", 126),
    Key("<F16>", 127),
    Key("<F17>", 128),
    Key("<F18>", 129),
    Key("<F19>", 130),
    Key("<F20>", 131),
    Key("<F21>", 132),
    Key("<F22>", 133),
    Key("<F23>", 134),
    Key("<F24>", 135),
    Plain("<SHIFT>", TagKind::OneShotShift),
    Plain("<CTRL>", TagKind::OneShotCtrl),
    Plain("<ALT>", TagKind::OneShotAlt),
    Key("<ATTN>", 246),
    Key("<CRSEL>", 247),
    Key("<EXSEL>", 248),
    Key("<EREOF>", 249),
    Key("<PLAY>", 250),
    Key("<ZOOM>", 251),
    Text("<WAV1:", TagKind::Wave, 1),
    Text("<WAV2:", TagKind::Wave, 0),
    Plain("<BEEP>", TagKind::Beep),
    Text("<CHDIR:", TagKind::ChDir),
    Text("<DELFILE:", TagKind::DelFile),
    {"<COPYFILE:", TagKind::CopyFile, Form::Pair, 0, 0},
    {"<RENFILE:", TagKind::RenFile, Form::Pair, 0, 0},
    Text("<ACTIVATE:", TagKind::Activate),
    {"<LAUNCH:", TagKind::Launch, Form::Launch, 0, 0},
    {"<LAUNCHNO:", TagKind::LaunchNo, Form::LaunchWait, 0, 0},
    {"<LAUNCHYES:", TagKind::LaunchYes, Form::LaunchWait, 0, 0},
    Key("<PA1>", 253),
    Key("<PRTSCR>", 44),
    Key("<KEYP0>", 96),
    Key("<KEYP1>", 97),
    Key("<KEYP2>", 98),
    Key("<KEYP3>", 99),
    Key("<KEYP4>", 100),
    Key("<KEYP5>", 101),
    Key("<KEYP6>", 102),
    Key("<KEYP7>", 103),
    Key("<KEYP8>", 104),
    Key("<KEYP9>", 105),
    Key("<KEYP.>", 110),
    Key("<KEYP/>", 111),
    Key("<KEYP*>", 106),
    Key("<KEYP->", 109),
    Key("<KEYP+>", 107),
    WindowText("<WMAX:", WindowAction::Max),
    WindowText("<WMIN:", WindowAction::Min),
    WindowText("<WCLS:", WindowAction::Close),
    WindowText("<WRES:", WindowAction::Restore),
};

constexpr std::string_view kParamOpen = "<PARAM";
constexpr std::string_view kParam = "<PARAM>";
// "<LAUNCH:", which "<LAUNCHNO:" and "<LAUNCHYES:" carry after the title, is skipped unread.
constexpr std::size_t kLaunchSkip = 8;

// Index of the first `c` at or after `from`, or the end of the text.
std::size_t FindOrEnd(std::string_view text, char c, std::size_t from) noexcept {
  if (from >= text.size()) return text.size();
  const std::size_t at = text.find(c, from);
  return at == std::string_view::npos ? text.size() : at;
}

// The argument between `from` and `to`, cut to the characters that the player keeps.
std::string_view Argument(std::string_view text, std::size_t from, std::size_t to) noexcept {
  if (from >= to) return {};
  return text.substr(from, std::min(to - from, kMaxArgument));
}

// Length of a tag whose argument ends at `close` (a ">" or the end of the text).
std::size_t PastClose(std::string_view text, std::size_t close) noexcept {
  return close < text.size() ? close + 1 : text.size();
}

std::int32_t ToInt(double value) noexcept {
  constexpr double kLow = std::numeric_limits<std::int32_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
}

std::int32_t IntField(std::string_view field) noexcept {
  return ToInt(ConvertField(field, false).value);
}

// Reads the program text of a launch tag from `from`; "<PARAM>" carries its own ">", so when the
// first stretch holds "<PARAM" the reading goes on to the next ">". Returns the tag's length.
std::size_t ReadLaunch(std::string_view rest, std::size_t from, Tag& tag) noexcept {
  std::size_t close = FindOrEnd(rest, '>', from);
  if (close < rest.size() &&
      rest.substr(from, close - from).find(kParamOpen) != std::string_view::npos) {
    close = FindOrEnd(rest, '>', close + 1);
  }
  const std::string_view whole = Argument(rest, from, close);
  const std::size_t split = whole.find(kParam);
  if (split == std::string_view::npos) {
    tag.text2 = whole;
  } else {
    tag.text2 = whole.substr(0, split);
    tag.text3 = whole.substr(split + kParam.size());
  }
  return PastClose(rest, close);
}

// Fills `tag` from one table entry whose fixed text starts `rest`. False when the entry's fields do
// not fit: a misplaced ">" or a text that ends inside the fields.
bool ReadEntry(const Entry& entry, std::string_view rest, Tag& tag) noexcept {
  const std::size_t n = entry.name.size();
  tag.kind = entry.kind;
  switch (entry.kind) {
    case TagKind::Key:
    case TagKind::MouseKey:
    case TagKind::KeyDown:
    case TagKind::KeyUp:
      tag.vk = entry.param;
      break;
    case TagKind::Window:
      tag.window = static_cast<WindowAction>(entry.param);
      break;
    case TagKind::Mouse:
      tag.mouse = static_cast<MouseAction>(entry.param);
      break;
    case TagKind::PassNumber:
      tag.a = entry.param;
      break;
    case TagKind::Wave:
      tag.flag = entry.param != 0;
      break;
    default:
      break;
  }

  switch (entry.form) {
    case Form::Plain:
      tag.length = n;
      return true;

    case Form::Field:
    case Form::Digits: {
      const std::size_t close = n + entry.width;
      if (close >= rest.size() || rest[close] != '>') return false;
      const std::string_view field = rest.substr(n, entry.width);
      tag.length = close + 1;
      if (entry.form == Form::Digits) {
        tag.text = field;
        return true;
      }
      const bool real = entry.kind == TagKind::Delay || entry.kind == TagKind::Speed;
      const FieldValue value = ConvertField(field, real);
      tag.x = value.value;
      tag.a = ToInt(value.value);
      tag.converted = value.ok;
      if (entry.kind == TagKind::Repeat) {
        // The count is 16-bit unsigned; a negative count must not turn into 65535 passes.
        tag.a = std::clamp<std::int32_t>(tag.a, 0, 0xFFFF);
      } else if (entry.kind == TagKind::Wheel && entry.param == kWheelBackward) {
        tag.a = -tag.a;
      }
      return true;
    }

    case Form::Point: {
      constexpr std::size_t kWidth = 5;
      const std::size_t close = n + 2 * kWidth + 1;
      if (close >= rest.size() || rest[close] != '>') return false;
      tag.x = ConvertField(rest.substr(n, kWidth), true).value;
      tag.y = ConvertField(rest.substr(n + kWidth + 1, kWidth), true).value;
      tag.length = close + 1;
      return true;
    }

    case Form::PauseAt:
    case Form::WindowBox: {
      // These two read their fields without looking at the separator or for a ">".
      const std::size_t width = entry.form == Form::PauseAt ? 3 : 4;
      const std::size_t from = n + 2 * width + 1;
      if (from > rest.size()) return false;
      tag.a = IntField(rest.substr(n, width));
      tag.b = IntField(rest.substr(n + width + 1, width));
      const std::size_t close = FindOrEnd(rest, '>', from);
      tag.text = Argument(rest, from, close);
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Text: {
      const std::size_t close = FindOrEnd(rest, '>', n);
      tag.text = Argument(rest, n, close);
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Pair: {
      // The ";" counts only before the closing ">", which keeps the tag's end at its first ">".
      const std::size_t close = FindOrEnd(rest, '>', n);
      const std::size_t semicolon = rest.substr(0, close).find(';', n);
      if (semicolon == std::string_view::npos) {
        tag.text = Argument(rest, n, close);
      } else {
        tag.text = Argument(rest, n, semicolon);
        tag.text2 = Argument(rest, semicolon + 1, close);
      }
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Launch:
      tag.length = ReadLaunch(rest, n, tag);
      return true;

    case Form::LaunchWait: {
      constexpr std::size_t kSecondsWidth = 2;
      if (n + kSecondsWidth > rest.size()) return false;
      tag.a = IntField(rest.substr(n, kSecondsWidth));
      const std::size_t titleFrom = n + kSecondsWidth;
      const std::size_t titleEnd = FindOrEnd(rest, '<', titleFrom);
      tag.text = Argument(rest, titleFrom, titleEnd);
      tag.length = ReadLaunch(rest, std::min(titleEnd + kLaunchSkip, rest.size()), tag);
      return true;
    }
  }
  return false;
}

std::optional<Tag> RecognizeDate(std::string_view rest) noexcept {
  for (std::size_t i = 0; i < kDateFormatCount; ++i) {
    const std::string_view name = kDateFormatTable[i];
    const std::size_t n = name.size();
    if (name[0] != rest[1]) continue;  // cheap first test: most names fail on it
    if (rest.size() <= n + 1 || rest.substr(1, n) != name || rest[n + 1] != '{') continue;
    Tag tag;
    tag.kind = TagKind::Date;
    tag.a = static_cast<std::int32_t>(i + 1);
    const std::size_t shortClose = n + 4;
    if (shortClose < rest.size() && rest[shortClose] == '>') {
      tag.length = shortClose + 1;
      tag.flag = rest[n + 2] == 'Y';
      return tag;
    }
    // The long form: its "}" and ">" are taken on trust.
    constexpr std::size_t kLongExtra = 9;
    if (rest.size() < n + kLongExtra) continue;
    tag.length = n + kLongExtra;
    tag.flag = rest[n + 2] == 'Y';
    const std::int32_t days = IntField(rest.substr(n + 4, 3));
    tag.b = rest[n + 3] == 'P' ? -days : days;
    return tag;
  }
  return std::nullopt;
}

std::optional<Tag> RecognizeTime(std::string_view rest) noexcept {
  constexpr std::string_view kEndings[] = {"{N}>", "{Y}>"};
  for (const std::string_view ending : kEndings) {
    for (std::size_t i = 0; i < kTimeFormatCount; ++i) {
      const std::string_view name = kTimeFormatTable[i];
      const std::size_t n = name.size();
      if (name[0] != rest[1]) continue;
      if (rest.size() < n + 1 + ending.size() || rest.substr(1, n) != name ||
          rest.substr(n + 1, ending.size()) != ending) {
        continue;
      }
      Tag tag;
      tag.kind = TagKind::Time;
      tag.a = static_cast<std::int32_t>(i + 1);
      tag.flag = ending[1] == 'Y';
      tag.length = n + 1 + ending.size();
      return tag;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Tag> RecognizeTag(std::string_view text, std::size_t pos) noexcept {
  if (pos >= text.size() || text[pos] != '<') return std::nullopt;
  const std::string_view rest = text.substr(pos);
  if (rest.size() < 2) return std::nullopt;
  // Every tag has a character after its "<"; comparing that one first skips almost every entry
  // without a string comparison, and keeps the order of those that remain.
  const char second = rest[1];
  for (const Entry& entry : kTags) {
    if (entry.name[1] != second || !rest.starts_with(entry.name)) continue;
    Tag tag;
    if (ReadEntry(entry, rest, tag)) return tag;
  }
  if (auto date = RecognizeDate(rest)) return date;
  return RecognizeTime(rest);
}

// One rule for every numeric field: leading spaces, an optional sign, then digits; a real field may
// also hold one decimal point followed by at least one digit. At least one digit is needed and
// nothing may follow. A field that breaks the rule reads as 0.
FieldValue ConvertField(std::string_view field, bool real) noexcept {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  const auto isDigit = [&](std::size_t at) { return field[at] >= '0' && field[at] <= '9'; };
  double value = 0;
  std::size_t digits = 0;
  for (; i < field.size() && isDigit(i); ++i, ++digits) value = value * 10 + (field[i] - '0');
  if (real && i < field.size() && field[i] == '.') {
    ++i;
    // Digits beyond what a double resolves are read but no longer change the value.
    constexpr std::size_t kSignificant = 17;
    double fraction = 0;
    double scale = 1;
    std::size_t fractionDigits = 0;
    for (; i < field.size() && isDigit(i); ++i, ++fractionDigits) {
      if (fractionDigits < kSignificant) {
        fraction = fraction * 10 + (field[i] - '0');
        scale *= 10;
      }
    }
    if (fractionDigits == 0) return {};
    value += fraction / scale;
    digits += fractionDigits;
  }
  if (digits == 0 || i != field.size()) return {};
  return {negative ? -value : value, true};
}

}  // namespace quindle::engine
