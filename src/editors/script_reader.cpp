// Reading a MacroText into script lines. The player's recogniser is the one reader of the
// language: the scan goes once from left to right, and at each "<" the tag the player would play
// there, if any, decides the line, with the player's extent and values. Key tags that belong to
// typed text, and every character the player types, gather into Text lines.
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editors/script_line.h"
#include "engine/plays_alike.h"
#include "engine/tag.h"
#include "storage/macro_record.h"
#include "storage/macro_tags.h"

namespace quindle::editors {
namespace {

using engine::MouseAction;
using engine::Tag;
using engine::TagKind;
using engine::WindowAction;

// A line a tag makes: its command and data.
struct Made {
  int command = 0;
  CommandData data;
};

int KeyCode(std::uint8_t vk, bool down) noexcept {
  int key = 0;  // Control
  if (vk == 18) key = 1;
  if (vk == 16) key = 2;
  if (vk == 91) key = 3;
  return key * 2 + (down ? 1 : 2);
}

// MouseData action codes of the button tags.
int ButtonAction(MouseAction action) noexcept {
  static constexpr int kCodes[] = {4, 5, 2, 3, 8, 9, 6, 7, 12, 13, 10, 11};
  return kCodes[static_cast<int>(action)];
}

int ButtonCommand(int action) noexcept {
  if (action <= 5) return kCmdLeftButton;
  if (action <= 9) return kCmdRightButton;
  return kCmdMiddleButton;
}

// WindowData action 1..7 and its command.
Made WindowLine(const Tag& tag) {
  static constexpr int kActions[] = {7, 5, 6, 0, 0, 1, 2, 3, 4};  // by WindowAction
  static constexpr int kCommands[] = {kCmdMaximizeWindow, kCmdMinimizeWindow, kCmdRestoreWindow,
                                      kCmdCloseWindow,    kCmdHideWindow,     kCmdShowWindow,
                                      kCmdShutDownProgram};
  const bool current = tag.text == storage::tags::kCurrentWindow;
  const std::string title = current ? std::string() : std::string(tag.text);
  if (tag.window == WindowAction::Size || tag.window == WindowAction::Pos) {
    const bool size = tag.window == WindowAction::Size;
    return {size ? kCmdResizeWindow : kCmdRepositionWindow,
            WindowSizeData{title, size ? 1 : 2, current, tag.a, tag.b}};
  }
  const int action = kActions[static_cast<int>(tag.window)];
  return {kCommands[action - 1], WindowData{title, action, current}};
}

Made LaunchLine(const Tag& tag) {
  LaunchData data{1, std::string(tag.text), std::string(tag.text2), std::string(tag.text3), 0};
  switch (tag.kind) {
    case TagKind::Activate:
      return {kCmdActivateWindow, LaunchData{1, std::string(tag.text), {}, {}, 0}};
    case TagKind::Launch:
      data.kind = 2;
      data.title.clear();
      return {kCmdLaunchProgram, std::move(data)};
    case TagKind::LaunchNo:
      data.kind = 3;
      data.delay = tag.a;
      return {kCmdLaunchAndActivate, std::move(data)};
    default:
      data.kind = 4;
      data.delay = tag.a;
      return {kCmdActivateOrLaunch, std::move(data)};
  }
}

// Lines of the tags whose command depends on the tag's name, not only on its kind.
std::optional<Made> NamedLine(const Tag& tag, std::string_view source) {
  namespace t = storage::tags;
  if (tag.kind == TagKind::Nothing) {
    if (source.starts_with(t::kRem)) return Made{kCmdRemark, StringData{std::string(tag.text)}};
    if (source.starts_with(t::kEndClip)) return Made{kCmdClipboardEndCopy, ClipData{2, {}}};
    return std::nullopt;  // "<TEST>" is typed text
  }
  // TagKind::Web
  const int command = source.starts_with(t::kFtp) ? kCmdWebFtp : kCmdWebSite;
  return Made{command, StringData{std::string(tag.text)}};
}

// The line of one recognised tag; nothing for a tag that belongs to typed text.
std::optional<Made> LineOf(const Tag& tag, std::string_view source) {
  switch (tag.kind) {
    case TagKind::Key:
    case TagKind::MouseKey:
    case TagKind::OneShotShift:
    case TagKind::OneShotCtrl:
    case TagKind::OneShotAlt:
    case TagKind::AltCode:
      return std::nullopt;
    case TagKind::Nothing:
    case TagKind::Web:
      return NamedLine(tag, source);
    case TagKind::KeyDown:
    case TagKind::KeyUp: {
      const int code = KeyCode(tag.vk, tag.kind == TagKind::KeyDown);
      return Made{kCmdControlKey + (code - 1) / 2, KeyData{code}};
    }
    case TagKind::PauseCentre:
      return Made{kCmdPause, PauseData{}};
    case TagKind::PauseAt:
      return Made{kCmdPause, PauseData{2, tag.b, tag.a, std::string(tag.text)}};
    case TagKind::Delay:
      return Made{kCmdDelay, DelayData{1.0, tag.x}};
    case TagKind::Msd:
      return Made{kCmdDelay, DelayData{2.0, static_cast<double>(tag.a)}};
    case TagKind::Speed:
      return Made{kCmdPlaybackSpeed, SpeedData{3, 0, tag.x}};
    case TagKind::SpKey:
      return Made{kCmdKeystrokeSpeed, SpeedData{1, tag.a, 1.0}};
    case TagKind::SpMse:
      return Made{kCmdMouseSpeed, SpeedData{2, tag.a, 1.0}};
    case TagKind::Repeat:
      return Made{kCmdRepeatStart, RepeatData{1, tag.a}};
    case TagKind::PromptRep:
      return Made{kCmdRepeatPromptStart, RepeatData{2, 0}};
    case TagKind::EndRep:
      return Made{kCmdRepeatEnd, RepeatData{3, 0}};
    case TagKind::PassNumber:
      return Made{kCmdRepeatCounter, RepeatData{4, tag.a}};
    case TagKind::BegClip:
      return Made{kCmdClipboardStartCopy, ClipData{1, {}}};
    case TagKind::ClipFile:
      return Made{kCmdClipboardFileCopy, ClipData{3, std::string(tag.text)}};
    case TagKind::ClipCopy:
      return Made{kCmdClipboardCopy, ClipData{4, {}}};
    case TagKind::ClipPaste:
      return Made{kCmdClipboardPaste, ClipData{5, {}}};
    case TagKind::TFile:
      return Made{kCmdLoadTextFile, StringData{std::string(tag.text)}};
    case TagKind::Swap:
      return Made{kCmdLoadMacroFile, StringData{std::string(tag.text)}};
    case TagKind::Window:
      return WindowLine(tag);
    case TagKind::Activate:
    case TagKind::Launch:
    case TagKind::LaunchNo:
    case TagKind::LaunchYes:
      return LaunchLine(tag);
    case TagKind::ChDir:
      return Made{kCmdChangeDirectory, FileData{1, std::string(tag.text), {}}};
    case TagKind::DelFile:
      return Made{kCmdDeleteFile, FileData{4, std::string(tag.text), {}}};
    case TagKind::CopyFile:
      return Made{kCmdCopyFile, FileData{2, std::string(tag.text), std::string(tag.text2)}};
    case TagKind::RenFile:
      return Made{kCmdRenameFile, FileData{3, std::string(tag.text), std::string(tag.text2)}};
    case TagKind::Wave:
      return Made{kCmdSoundWaveFile, SoundData{2, std::string(tag.text), tag.flag}};
    case TagKind::Beep:
      return Made{kCmdSoundBeep, SoundData{}};
    case TagKind::Mouse: {
      const int action = ButtonAction(tag.mouse);
      return Made{ButtonCommand(action), MouseData{0, 0, 0, action, false}};
    }
    case TagKind::Wheel:
      return Made{kCmdMouseWheel, MouseData{0, 0, std::abs(tag.a), tag.a < 0 ? 15 : 14, false}};
    case TagKind::MoveScreen:
    case TagKind::MoveWindow:
      return Made{kCmdMouseMove, MouseData{static_cast<int>(tag.x), static_cast<int>(tag.y), 0, 1,
                                           tag.kind == TagKind::MoveWindow}};
    case TagKind::Date:
      return Made{kCmdDate, DateTimeData{true, tag.a, tag.flag, tag.b >= 0, std::abs(tag.b)}};
    case TagKind::Time:
      return Made{kCmdTime, DateTimeData{false, tag.a, tag.flag, true, 0}};
  }
  return std::nullopt;
}

// Whether the line's data writes a tag that the player reads as `tag` again, to its full length.
bool WritesTheSame(const Made& made, const Tag& tag) {
  if (!tag.wellFormed) return false;
  const std::string written = CommandTag(made.command, made.data);
  const std::optional<Tag> again = engine::RecognizeTag(written, 0);
  return again && again->length == written.size() && engine::SameEffect(*again, tag);
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::vector<ScriptLine> Run() {
    bool allRewritable = true;
    while (at_ < text_.size()) {
      const std::optional<Tag> tag =
          text_[at_] == '<' ? engine::RecognizeTag(text_, at_) : std::nullopt;
      if (!tag) {
        pending_ += text_[at_++];
        continue;
      }
      const std::string_view source = text_.substr(at_, tag->length);
      at_ += tag->length;
      std::optional<Made> made = LineOf(*tag, source);
      if (!made) {
        pending_ += source;
        continue;
      }
      Flush();
      if (!WritesTheSame(*made, *tag)) allRewritable = false;
      lines_.push_back(
          {LineText(made->command, made->data), std::move(made->data), std::string(source)});
    }
    Flush();
    KeepSourcesWhereNeeded(allRewritable);
    return std::move(lines_);
  }

 private:
  void Flush() {
    if (pending_.empty()) return;
    TextData data{std::move(pending_)};
    pending_.clear();
    lines_.push_back({LineText(kCmdText, data), std::move(data), {}});
  }

  // The lines are written from their data (the editor's own spelling of each tag) only when the
  // whole text so written plays as the macro did and still fits; otherwise every line keeps the
  // text it was read from. One tag spelled anew can change how the text before it reads (a "<"
  // that was typed can become a tag), and the body of a repeat or clipboard block is taken raw.
  void KeepSourcesWhereNeeded(bool allRewritable) {
    if (allRewritable) {
      std::vector<std::string> sources;
      sources.reserve(lines_.size());
      for (ScriptLine& line : lines_) sources.push_back(std::exchange(line.source, {}));
      const std::string written = WriteBack(lines_);
      if (written.size() <= storage::kMacroTextMax && engine::PlaysAlike(text_, written)) return;
      for (std::size_t i = 0; i < lines_.size(); ++i) lines_[i].source = std::move(sources[i]);
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string pending_;
  std::vector<ScriptLine> lines_;
};

}  // namespace

std::vector<ScriptLine> BuildTheScript(std::string_view macroText) {
  return Reader(macroText).Run();
}

}  // namespace quindle::editors
