// One recognised tag of a MacroText, as the player reads it. The recogniser only reads; what a
// tag does is the player's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quindle::engine {

inline constexpr std::size_t kMaxArgument = 255;

enum class TagKind : std::uint8_t {
  Key,           // vk: KeystrokeDelay before, pending one-shot modifiers released after
  MouseKey,      // "<RIGHT MOUSE>", "<MIDDLE MOUSE>": vk 2 or 4 as a key, no KeystrokeDelay
  KeyDown,       // "<CTLD>", "<ALTD>", "<SHFD>", "<WIND>": vk down only
  KeyUp,         // "<CTLU>", "<ALTU>", "<SHFU>", "<WINU>": vk up only
  OneShotShift,  // "<SHIFT>"
  OneShotCtrl,   // "<CTRL>"
  OneShotAlt,    // "<ALT>"
  PauseCentre,   // "<PAUSE>"
  PauseAt,       // "<PAUSE:": a = top, b = left, text = message
  Delay,         // "<DELAY:": x = seconds
  Msd,           // "<MSD:": a = milliseconds
  Speed,         // "<SPEED:": x = factor, converted = whole field converted
  SpKey,         // "<SPKEY:": a = milliseconds (0 = off)
  SpMse,         // "<SPMSE:": a = milliseconds (0 = off)
  Nothing,       // "<REM:", "<TEST>", "<ENDCLIP>" met on its own
  Repeat,        // "<REPEAT:": a = count 0..65535 (a negative field gives 0)
  PromptRep,     // "<PROMPTREP>"
  EndRep,        // "<ENDREP>"
  PassNumber,    // "<I>".."<IIII>": a = width 1..4
  AltCode,       // "<ALT:", "<ALT4:": text = the digit field as written
  BegClip,       // "<BEGCLIP>" (the block is found by the player)
  ClipFile,      // "<CLIPF:": text = path
  ClipCopy,      // "<CLIPC>"
  ClipPaste,     // "<CLIPP>"
  TFile,         // "<TFILE:": text = path
  Swap,          // "<SWAP:": text = path
  Window,        // window tags: window = action, text = WindowSpec, a/b = width/height or x/y
  Activate,      // "<ACTIVATE:": text = title
  Launch,        // "<LAUNCH:": text2 = program, text3 = parameters
  LaunchNo,      // "<LAUNCHNO:": a = NN seconds, text = title, text2/text3 as Launch
  LaunchYes,     // "<LAUNCHYES:": as LaunchNo
  ChDir,         // text = directory
  DelFile,       // text = file
  CopyFile,      // text = source, text2 = target
  RenFile,       // text = old, text2 = new
  Wave,          // "<WAV1:" (flag = wait), "<WAV2:": text = file
  Beep,          // "<BEEP>"
  Web,           // "<HTTP:", "<FTP:": text = address passed on unchanged
  Mouse,         // button tags: mouse = action
  Wheel,         // "<WFW:" a = +notches, "<WBW:" a = -notches
  MoveScreen,    // "<MMS:": x, y pixels
  MoveWindow,    // "<MMW:": x, y pixels from the top-left of the window in front
  Date,          // a = DateFormatTable index 1..51, flag = "Y" (zeros), b = offset days (+/-)
  Time,          // a = TimeFormatTable index 1..26, flag = "Y" (leading zero on the hour)
};

enum class WindowAction : std::uint8_t { Shut, Hide, Show, Size, Pos, Max, Min, Restore, Close };

enum class MouseAction : std::uint8_t {
  LeftDown,
  LeftUp,
  LeftClick,
  LeftDouble,
  RightDown,
  RightUp,
  RightClick,
  RightDouble,
  MiddleDown,
  MiddleUp,
  MiddleClick,
  MiddleDouble,
};

struct Tag {
  TagKind kind = TagKind::Nothing;
  // Characters from the "<" to just past the tag: its fixed length, or up to and including the
  // closing ">" of a variable argument (to the end of the text when there is none).
  std::size_t length = 0;
  std::uint8_t vk = 0;
  std::int32_t a = 0;
  std::int32_t b = 0;
  double x = 0;
  double y = 0;
  bool converted = true;
  // False when the tag holds characters that the player passes over unread: a numeric field that
  // does not convert, a separator other than ",", a date's "}>" or a launch's "<LAUNCH:" taken on
  // trust, or an argument longer than kMaxArgument. Playback never looks at it; an editor that
  // rewrites such a tag from its values would change the macro's text, so it keeps the tag's own.
  bool wellFormed = true;
  bool flag = false;
  WindowAction window = WindowAction::Shut;
  MouseAction mouse = MouseAction::LeftClick;
  // Arguments are views into the scanned text, each at most kMaxArgument characters.
  std::string_view text;
  std::string_view text2;
  std::string_view text3;
};

// Recognises the tag that starts at text[pos] (which must be "<"), trying the tags in the
// language's recognition order. Nothing when no tag is recognised: the "<" is then a literal.
// Never reads outside `text`.
std::optional<Tag> RecognizeTag(std::string_view text, std::size_t pos) noexcept;

// Conversion of a fixed-width numeric field as the player reads it: leading spaces, an optional
// sign, digits, and for real fields one decimal point with at least one digit after it; at least
// one digit in all and nothing after the number. Anything else (an empty field, trailing spaces, a
// second point, an exponent) makes the conversion fail; `value` is then 0, and 0 is the value
// every tag uses for such a field.
// Whether two recognised tags make the player do the same: the same kind and the same values.
bool SameEffect(const Tag& a, const Tag& b) noexcept;

struct FieldValue {
  double value = 0;
  bool ok = false;
};
FieldValue ConvertField(std::string_view field, bool real) noexcept;

}  // namespace quindle::engine
