// The player's flow tags: repeat blocks and pass numbers, the pause, text files and clipboard
// blocks.
#include <algorithm>
#include <charconv>

#include "engine/player.h"
#include "engine/prompt_models.h"
#include "storage/macro_tags.h"

namespace quindle::engine {
namespace {

constexpr std::string_view kEndRepTag = storage::tags::kEndRep;
constexpr std::string_view kEndClipTag = storage::tags::kEndClip;
constexpr std::size_t kClipBlockMax = 5000;

}  // namespace

Player::Outcome Player::Repeat(const Tag& tag, std::string_view text, std::size_t& pos) {
  // The prompt is asked first, even when the block then plays only once.
  const std::uint16_t count = tag.kind == TagKind::PromptRep ? services_.prompts.AskRepeatCount()
                                                             : static_cast<std::uint16_t>(tag.a);
  const std::size_t bodyStart = std::min(text.size(), pos + tag.length);
  pos = bodyStart;
  // Blocks do not nest: inside a replayed body the tag is passed over.
  if (state_.InRepeat) return Outcome::Finished;
  const std::size_t bodyEnd = text.find(kEndRepTag, bodyStart);
  if (bodyEnd == std::string_view::npos) return Outcome::Finished;
  // A body from a text file can exceed the buffer; it is cut to its 5000 characters.
  state_.SetRepeatBody(text.substr(bodyStart, bodyEnd - bodyStart));
  state_.RepeatCount = count;
  state_.InRepeat = true;
  state_.RepeatPass = 0;
  state_.RepeatTail = false;
  if (count > 1) {
    // The passes play a copy: a macro started from inside a pass may reuse the buffer.
    const std::string body(state_.RepeatBodyText());
    for (std::uint32_t pass = 1; pass < count; ++pass) {
      ++state_.RepeatPass;
      const Outcome outcome = Play(body);
      if (outcome != Outcome::Finished) {
        state_.InRepeat = false;
        return outcome;
      }
      if (state_.AbortRequested) break;
    }
  }
  state_.InRepeat = false;
  ++state_.RepeatPass;
  state_.RepeatTail = true;
  if (state_.AbortRequested) return ReportAbort();
  // The last pass runs inline, through the body in this text up to its "<ENDREP>".
  return Outcome::Finished;
}

Player::Outcome Player::PassNumber(int width) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, state_.RepeatPass);
  const auto length = static_cast<int>(result.ptr - digits);
  std::string text(static_cast<std::size_t>(std::max(width - length, 0)), '0');
  text.append(digits, result.ptr);
  return Play(text);
}

Player::Outcome Player::Pause(const Tag& tag) {
  const int screenWidth = services_.screen.Width();
  const int screenHeight = services_.screen.Height();
  platform::PauseRequest request;
  if (tag.kind == TagKind::PauseCentre) {
    request.left = (screenWidth - kPauseFormWidth) / 2;
    request.top = (screenHeight - kPauseFormHeight) / 2;
  } else {
    request.message = tag.text;
    const int extra = PauseMessageHeight(tag.text.size());
    request.top = std::min(tag.a, screenHeight - kPauseFormHeight - extra);
    request.left = std::min(tag.b, screenWidth - kPauseFormWidth);
  }
  request.macroName = macroName_;
  request.hotkeyNumber = hotkeyNumber_;
  request.targetWindow = state_.TargetWindow;

  platform::IAppWindow& app = services_.app;
  state_.PauseShown = true;
  if (app.UseTray()) {
    app.ShowApplication();
  } else {
    if (app.IsApplicationMinimized()) {
      app.RestoreApplication();
      state_.AppWasMinimized = true;
    }
    app.HideMainWindow();
  }
  state_.PauseActive = true;
  const bool resume = services_.prompts.ShowPause(request);
  state_.PauseActive = false;
  if (app.UseTray()) {
    app.HideApplication();
  } else if (state_.TargetWindow != 0) {
    services_.windows.ForceForeground(state_.TargetWindow);
  }
  if (resume) return Outcome::Finished;

  // Abort: the restoration happens here, and the whole macro ends.
  if (state_.CapsWasOn) keys_.ToggleCapsLock();
  if (!app.UseTray()) {
    app.ShowMainWindow();
    if (state_.AppWasMinimized && tag.kind == TagKind::PauseAt) app.MinimizeApplication();
    BringBackTarget();
  }
  return Outcome::Aborted;
}

Player::Outcome Player::TextFile(std::string_view path) {
  if (textFileDepth_ >= kMaxTextFileDepth) return Outcome::Finished;
  const std::optional<std::string> content = ReadMacroTextFile(services_.files, path);
  if (!content) return Outcome::Finished;
  ++textFileDepth_;
  const Outcome outcome = Play(*content);
  --textFileDepth_;
  return outcome;
}

void Player::ClipboardBlock(std::size_t tagLength, std::string_view text, std::size_t& pos) {
  const std::size_t start = std::min(text.size(), pos + tagLength);
  const std::size_t end = text.find(kEndClipTag, start);
  if (end == std::string_view::npos) {
    // No closing tag: the clipboard stays as it is and the rest of the text is passed over.
    pos = text.size();
    return;
  }
  actions_.PutOnClipboard(text.substr(start, std::min(end - start, kClipBlockMax)));
  // The "<ENDCLIP>" is met next and does nothing.
  pos = end;
}

}  // namespace quindle::engine
