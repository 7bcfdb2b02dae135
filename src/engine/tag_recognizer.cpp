// The tag recogniser reads a MacroText the way the player always has: tags are tried in one fixed
// order, and a fixed-width tag whose ">" is not where its width puts it falls through to the later
// tags. Every read is bounded by the text, so a text that ends inside a tag is simply literal.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/date_time_text.h"
#include "engine/tag.h"
#include "storage/macro_tags.h"

namespace quindle::engine {
namespace {

namespace t = storage::tags;

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
    Key(t::kTab, 9),
    Key(t::kEnter, 13),
    Key(t::kRightWin, 92),
    Key(t::kLeftWin, 91),
    Key(t::kApp, 93),
    Key(t::kBackspace, 8),
    Key(t::kEsc, 27),
    Key(t::kSpace, 32),
    Key(t::kLeftArrow, 37),
    Key(t::kRightArrow, 39),
    Key(t::kUpArrow, 38),
    Key(t::kDownArrow, 40),
    Plain(t::kTest, TagKind::Nothing),
    Key(t::kHome, 36),
    Key(t::kEnd, 35),
    Key(t::kInsert, 45),
    Key(t::kDelete, 46),
    Key(t::kPageDown, 34),
    Key(t::kPageUp, 33),
    Plain(t::kCtlD, TagKind::KeyDown, 17),
    Plain(t::kCtlU, TagKind::KeyUp, 17),
    Plain(t::kAltD, TagKind::KeyDown, 18),
    Plain(t::kAltU, TagKind::KeyUp, 18),
    Plain(t::kShfD, TagKind::KeyDown, 16),
    Plain(t::kShfU, TagKind::KeyUp, 16),
    Plain(t::kWinD, TagKind::KeyDown, 91),
    Plain(t::kWinU, TagKind::KeyUp, 91),
    Plain(t::kRightMouse, TagKind::MouseKey, 2),
    Plain(t::kMiddleMouse, TagKind::MouseKey, 4),
    {t::kPauseAt, TagKind::PauseAt, Form::PauseAt, 0, 0},
    Plain(t::kPause, TagKind::PauseCentre),
    Field(t::kDelay, TagKind::Delay, t::kDelayWidth),
    Field(t::kSpeed, TagKind::Speed, t::kSpeedWidth),
    Field(t::kMsd, TagKind::Msd, t::kMsdWidth),
    Text(t::kRem, TagKind::Nothing),
    WindowText(t::kWShut, WindowAction::Shut),
    WindowText(t::kWHide, WindowAction::Hide),
    WindowText(t::kWShow, WindowAction::Show),
    {t::kWSize, TagKind::Window, Form::WindowBox, 0, static_cast<std::uint8_t>(WindowAction::Size)},
    {t::kWPos, TagKind::Window, Form::WindowBox, 0, static_cast<std::uint8_t>(WindowAction::Pos)},
    {t::kAltCode, TagKind::AltCode, Form::Digits, t::kAltCodeWidth, 0},
    {t::kAlt4Code, TagKind::AltCode, Form::Digits, t::kAlt4CodeWidth, 0},
    Plain(t::kPass4, TagKind::PassNumber, 4),
    Plain(t::kPass3, TagKind::PassNumber, 3),
    Plain(t::kPass2, TagKind::PassNumber, 2),
    Plain(t::kPass1, TagKind::PassNumber, 1),
    Text(t::kClipF, TagKind::ClipFile),
    Plain(t::kClipC, TagKind::ClipCopy),
    Plain(t::kClipP, TagKind::ClipPaste),
    Plain(t::kBegClip, TagKind::BegClip),
    Plain(t::kPromptRep, TagKind::PromptRep),
    Field(t::kRepeat, TagKind::Repeat, t::kRepeatWidth),
    Field(t::kSpKey, TagKind::SpKey, t::kStepSpeedWidth),
    Field(t::kSpMse, TagKind::SpMse, t::kStepSpeedWidth),
    Text(t::kSwap, TagKind::Swap),
    Text(t::kTFile, TagKind::TFile),
    Text(t::kHttp, TagKind::Web),
    Text(t::kFtp, TagKind::Web),
    Plain(t::kEndRep, TagKind::EndRep),
    Plain(t::kEndClip, TagKind::Nothing),
    Mouse(t::kLDn, MouseAction::LeftDown),
    Mouse(t::kLUp, MouseAction::LeftUp),
    Mouse(t::kLClk, MouseAction::LeftClick),
    Mouse(t::kLDClk, MouseAction::LeftDouble),
    Mouse(t::kRDn, MouseAction::RightDown),
    Mouse(t::kRUp, MouseAction::RightUp),
    Mouse(t::kRClk, MouseAction::RightClick),
    Mouse(t::kRDClk, MouseAction::RightDouble),
    Mouse(t::kMDn, MouseAction::MiddleDown),
    Mouse(t::kMUp, MouseAction::MiddleUp),
    Mouse(t::kMClk, MouseAction::MiddleClick),
    Mouse(t::kMDClk, MouseAction::MiddleDouble),
    Field(t::kWheelForward, TagKind::Wheel, t::kWheelWidth),
    Field(t::kWheelBackward, TagKind::Wheel, t::kWheelWidth, kWheelBackward),
    {t::kMoveScreen, TagKind::MoveScreen, Form::Point, 0, 0},
    {t::kMoveWindow, TagKind::MoveWindow, Form::Point, 0, 0},
    Key(t::kFunctionKeys[0], 112),
    Key(t::kFunctionKeys[1], 113),
    Key(t::kFunctionKeys[2], 114),
    Key(t::kFunctionKeys[3], 115),
    Key(t::kFunctionKeys[4], 116),
    Key(t::kFunctionKeys[5], 117),
    Key(t::kFunctionKeys[6], 118),
    Key(t::kFunctionKeys[7], 119),
    Key(t::kFunctionKeys[8], 120),
    Key(t::kFunctionKeys[9], 121),
    Key(t::kFunctionKeys[10], 122),
    Key(t::kFunctionKeys[11], 123),
    Key(t::kFunctionKeys[12], 124),
    Key(t::kFunctionKeys[13], 125),
    Key(t::kFunctionKeys[14], 126),
    Key(t::kFunctionKeys[15], 127),
    Key(t::kFunctionKeys[16], 128),
    Key(t::kFunctionKeys[17], 129),
    Key(t::kFunctionKeys[18], 130),
    Key(t::kFunctionKeys[19], 131),
    Key(t::kFunctionKeys[20], 132),
    Key(t::kFunctionKeys[21], 133),
    Key(t::kFunctionKeys[22], 134),
    Key(t::kFunctionKeys[23], 135),
    Plain(t::kShift, TagKind::OneShotShift),
    Plain(t::kCtrl, TagKind::OneShotCtrl),
    Plain(t::kAlt, TagKind::OneShotAlt),
    Key(t::kAttn, 246),
    Key(t::kCrSel, 247),
    Key(t::kExSel, 248),
    Key(t::kErEof, 249),
    Key(t::kPlay, 250),
    Key(t::kZoom, 251),
    Text(t::kWav1, TagKind::Wave, 1),
    Text(t::kWav2, TagKind::Wave, 0),
    Plain(t::kBeep, TagKind::Beep),
    Text(t::kChDir, TagKind::ChDir),
    Text(t::kDelFile, TagKind::DelFile),
    {t::kCopyFile, TagKind::CopyFile, Form::Pair, 0, 0},
    {t::kRenFile, TagKind::RenFile, Form::Pair, 0, 0},
    Text(t::kActivate, TagKind::Activate),
    {t::kLaunch, TagKind::Launch, Form::Launch, 0, 0},
    {t::kLaunchNo, TagKind::LaunchNo, Form::LaunchWait, 0, 0},
    {t::kLaunchYes, TagKind::LaunchYes, Form::LaunchWait, 0, 0},
    Key(t::kPa1, 253),
    Key(t::kPrtScr, 44),
    Key(t::kKeypadKeys[0], 96),
    Key(t::kKeypadKeys[1], 97),
    Key(t::kKeypadKeys[2], 98),
    Key(t::kKeypadKeys[3], 99),
    Key(t::kKeypadKeys[4], 100),
    Key(t::kKeypadKeys[5], 101),
    Key(t::kKeypadKeys[6], 102),
    Key(t::kKeypadKeys[7], 103),
    Key(t::kKeypadKeys[8], 104),
    Key(t::kKeypadKeys[9], 105),
    Key(t::kKeypadKeys[10], 110),
    Key(t::kKeypadKeys[11], 111),
    Key(t::kKeypadKeys[12], 106),
    Key(t::kKeypadKeys[13], 109),
    Key(t::kKeypadKeys[14], 107),
    WindowText(t::kWMax, WindowAction::Max),
    WindowText(t::kWMin, WindowAction::Min),
    WindowText(t::kWCls, WindowAction::Close),
    WindowText(t::kWRes, WindowAction::Restore),
};

// "<PARAM>" without its ">", which a launch tag's first stretch holds when it has parameters.
constexpr std::string_view kParamOpen = t::kParam.substr(0, t::kParam.size() - 1);
constexpr std::string_view kParam = t::kParam;
// "<LAUNCH:", which "<LAUNCHNO:" and "<LAUNCHYES:" carry after the title, is skipped unread.
constexpr std::string_view kLaunchHead = t::kLaunch;
constexpr std::size_t kLaunchSkip = kLaunchHead.size();

// Index of the first `c` at or after `from`, or the end of the text.
std::size_t FindOrEnd(std::string_view text, char c, std::size_t from) noexcept {
  if (from >= text.size()) return text.size();
  const std::size_t at = text.find(c, from);
  return at == std::string_view::npos ? text.size() : at;
}

// The argument between `from` and `to`, cut to the characters that the player keeps; a cut
// argument makes the tag not well formed.
std::string_view Argument(std::string_view text, std::size_t from, std::size_t to,
                          Tag& tag) noexcept {
  if (from >= to) return {};
  if (to - from > kMaxArgument) tag.wellFormed = false;
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

// A whole-number field as the player reads it; a field that does not convert reads as 0 and
// makes the tag not well formed.
std::int32_t IntField(std::string_view field, Tag& tag) noexcept {
  const FieldValue value = ConvertField(field, false);
  if (!value.ok) tag.wellFormed = false;
  return ToInt(value.value);
}

double RealField(std::string_view field, Tag& tag) noexcept {
  const FieldValue value = ConvertField(field, true);
  if (!value.ok) tag.wellFormed = false;
  return value.value;
}

// The character between two fields: the player skips it whatever it is.
void Separator(char c, Tag& tag) noexcept {
  if (c != ',') tag.wellFormed = false;
}

// Reads the program text of a launch tag from `from`; "<PARAM>" carries its own ">", so when the
// first stretch holds "<PARAM" the reading goes on to the next ">". Returns the tag's length.
std::size_t ReadLaunch(std::string_view rest, std::size_t from, Tag& tag) noexcept {
  std::size_t close = FindOrEnd(rest, '>', from);
  if (close < rest.size() &&
      rest.substr(from, close - from).find(kParamOpen) != std::string_view::npos) {
    close = FindOrEnd(rest, '>', close + 1);
  }
  const std::string_view whole = Argument(rest, from, close, tag);
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
      tag.wellFormed = value.ok;
      if (entry.kind == TagKind::Repeat) {
        // The count is 16-bit unsigned; a negative count must not turn into 65535 passes.
        tag.a = std::clamp<std::int32_t>(tag.a, 0, 0xFFFF);
      } else if (entry.kind == TagKind::Wheel && entry.param == kWheelBackward) {
        tag.a = -tag.a;
      }
      return true;
    }

    case Form::Point: {
      constexpr std::size_t kWidth = t::kPointWidth;
      const std::size_t close = n + 2 * kWidth + 1;
      if (close >= rest.size() || rest[close] != '>') return false;
      tag.x = RealField(rest.substr(n, kWidth), tag);
      Separator(rest[n + kWidth], tag);
      tag.y = RealField(rest.substr(n + kWidth + 1, kWidth), tag);
      tag.length = close + 1;
      return true;
    }

    case Form::PauseAt:
    case Form::WindowBox: {
      // These two read their fields without looking at the separator or for a ">".
      const std::size_t width =
          entry.form == Form::PauseAt ? t::kPauseFieldWidth : t::kWindowFieldWidth;
      const std::size_t from = n + 2 * width + 1;
      if (from > rest.size()) return false;
      tag.a = IntField(rest.substr(n, width), tag);
      Separator(rest[n + width], tag);
      tag.b = IntField(rest.substr(n + width + 1, width), tag);
      const std::size_t close = FindOrEnd(rest, '>', from);
      tag.text = Argument(rest, from, close, tag);
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Text: {
      const std::size_t close = FindOrEnd(rest, '>', n);
      tag.text = Argument(rest, n, close, tag);
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Pair: {
      // The ";" counts only before the closing ">", which keeps the tag's end at its first ">".
      const std::size_t close = FindOrEnd(rest, '>', n);
      const std::size_t semicolon = rest.substr(0, close).find(';', n);
      if (semicolon == std::string_view::npos) {
        tag.text = Argument(rest, n, close, tag);
      } else {
        tag.text = Argument(rest, n, semicolon, tag);
        tag.text2 = Argument(rest, semicolon + 1, close, tag);
      }
      tag.length = PastClose(rest, close);
      return true;
    }

    case Form::Launch:
      tag.length = ReadLaunch(rest, n, tag);
      return true;

    case Form::LaunchWait: {
      constexpr std::size_t kSecondsWidth = t::kLaunchDelayWidth;
      if (n + kSecondsWidth > rest.size()) return false;
      tag.a = IntField(rest.substr(n, kSecondsWidth), tag);
      const std::size_t titleFrom = n + kSecondsWidth;
      const std::size_t titleEnd = FindOrEnd(rest, '<', titleFrom);
      tag.text = Argument(rest, titleFrom, titleEnd, tag);
      if (rest.substr(titleEnd, kLaunchSkip) != kLaunchHead) tag.wellFormed = false;
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
      if (rest[n + 2] != 'N' && !tag.flag) tag.wellFormed = false;
      if (rest[n + 3] != '}') tag.wellFormed = false;
      return tag;
    }
    // The long form: its "}" and ">" are taken on trust.
    constexpr std::size_t kLongExtra = 9;
    if (rest.size() < n + kLongExtra) continue;
    tag.length = n + kLongExtra;
    tag.flag = rest[n + 2] == 'Y';
    const std::int32_t days = IntField(rest.substr(n + 4, t::kDateDaysWidth), tag);
    tag.b = rest[n + 3] == 'P' ? -days : days;
    const bool marksRead = (rest[n + 2] == 'Y' || rest[n + 2] == 'N') &&
                           (rest[n + 3] == 'P' || rest[n + 3] == 'F') && days >= 0;
    if (!marksRead || rest.substr(n + 7, 2) != "}>") tag.wellFormed = false;
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

bool SameEffect(const Tag& a, const Tag& b) noexcept {
  // Only the speed tag plays differently for a field that did not convert: it keeps the speed.
  const bool converted = a.kind != TagKind::Speed || a.converted == b.converted;
  return a.kind == b.kind && a.vk == b.vk && a.a == b.a && a.b == b.b && a.x == b.x && a.y == b.y &&
         converted && a.flag == b.flag && a.window == b.window && a.mouse == b.mouse &&
         a.text == b.text && a.text2 == b.text2 && a.text3 == b.text3;
}

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
