#include "engine/player.h"

#include <algorithm>
#include <utility>

#include "platform/virtual_keys.h"
#include "storage/macro_record.h"

namespace quindle::engine {
namespace {

constexpr double kPasteSettleSeconds = 0.1;

}  // namespace

Player::Player(const PlayerServices& services)
    : services_(services),
      waits_(services_.clock, services_.pump, state_),
      keys_(services_, state_, waits_),
      actions_(services_, state_, waits_) {}

void Player::IntoProgram(std::string_view text, std::string_view nickname,
                         std::uint16_t hotkeyNumber) {
  state_.AbortRequested = false;
  abortReported_ = false;
  // Its own copy: the record it came from may be reloaded by a nested start or a file switch.
  const std::string copy(text.substr(0, std::min(text.find('\0'), storage::kMacroTextMax)));
  // A macro started from inside this one shows its own name while it plays.
  std::string outerName = std::exchange(macroName_, std::string(nickname));
  const std::uint16_t outerHotkey = std::exchange(hotkeyNumber_, hotkeyNumber);
  if (state_.CapsWasOn) keys_.ToggleCapsLock();
  state_.InRepeat = false;
  state_.RepeatTail = false;
  state_.PauseShown = false;
  state_.AppWasMinimized = false;
  state_.KeystrokeDelay = {};
  state_.MouseDelay = {};
  state_.SpeedFactor = 1.0;
  DoMacro(copy);
  macroName_ = std::move(outerName);
  hotkeyNumber_ = outerHotkey;
}

void Player::DoMacro(std::string_view text) {
  if (!state_.AbortRequested) abortReported_ = false;
  pumped_ = false;
  if (Play(text) != Outcome::Aborted) EndOfMacro();
}

Player::Outcome Player::Play(std::string_view text) {
  PendingModifiers pending;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (state_.AbortRequested) return ReportAbort();
    const char c = text[pos];
    bool typed = true;
    if (c != '<') {
      keys_.TypeChar(c, pending);
      ++pos;
      // CR LF is one Enter: the LF is never typed.
      if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    } else if (const std::optional<Tag> tag = RecognizeTag(text, pos)) {
      const Outcome outcome = CarryOut(*tag, text, pos, pending);
      if (outcome != Outcome::Finished) return outcome;
      typed = false;
    } else {
      keys_.TypeChar(c, pending);
      ++pos;
    }
    PumpAfterKey(typed);
  }
  return Outcome::Finished;
}

// Handling the messages costs a round trip to the window system even when none waits; between
// the characters of a text, every few milliseconds is soon enough for an abort or a hotkey
// pressed meanwhile, and the characters go out faster.
void Player::PumpAfterKey(bool typedCharacter) {
  const std::uint32_t now = services_.clock.TickCount();
  if (typedCharacter && pumped_ && now - pumpedAt_ < kPumpEveryMs) return;
  pumped_ = true;
  pumpedAt_ = now;
  services_.pump.ProcessMessages();
}

void Player::TypeText(std::string_view text, PendingModifiers& pending) {
  for (const char c : text) keys_.TypeChar(c, pending);
}

Player::Outcome Player::CarryOut(const Tag& tag, std::string_view text, std::size_t& pos,
                                 PendingModifiers& pending) {
  const std::size_t tagStart = pos;
  pos = std::min(text.size(), pos + std::max<std::size_t>(tag.length, 1));
  switch (tag.kind) {
    case TagKind::Key:
      keys_.PressKeyTag(tag.vk, pending);
      break;
    case TagKind::MouseKey:
      keys_.PressKeyTag(tag.vk, pending, true);
      break;
    case TagKind::KeyDown:
      keys_.PostVKey(tag.vk, false);
      break;
    case TagKind::KeyUp:
      keys_.PostVKey(tag.vk, true);
      break;
    case TagKind::OneShotShift:
      keys_.OneShotShift(pending);
      break;
    case TagKind::OneShotCtrl:
      keys_.OneShotCtrl(pending);
      break;
    case TagKind::OneShotAlt:
      keys_.OneShotAlt(pending);
      break;
    case TagKind::PauseCentre:
    case TagKind::PauseAt:
      return Pause(tag);
    case TagKind::Delay:
      waits_.PauseFor(tag.x);
      break;
    case TagKind::Msd:
      waits_.PauseForMilliseconds(tag.a);
      break;
    case TagKind::Speed:
      if (tag.converted) state_.SpeedFactor = tag.x;
      break;
    case TagKind::SpKey:
      state_.KeystrokeDelay = {tag.a != 0, tag.a};
      break;
    case TagKind::SpMse:
      state_.MouseDelay = {tag.a != 0, tag.a};
      break;
    case TagKind::Nothing:
      break;
    case TagKind::Repeat:
    case TagKind::PromptRep:
      pos = tagStart;
      return Repeat(tag, text, pos);
    case TagKind::EndRep:
      state_.RepeatTail = false;
      break;
    case TagKind::PassNumber:
      if (state_.InRepeat || state_.RepeatTail) return PassNumber(tag.a);
      break;
    case TagKind::AltCode:
      keys_.AltCodeTag(tag.text);
      break;
    case TagKind::BegClip:
      pos = tagStart;
      ClipboardBlock(tag.length, text, pos);
      break;
    case TagKind::ClipFile:
      actions_.ClipboardFromFile(tag.text);
      break;
    case TagKind::ClipCopy:
      keys_.CtrlChord(platform::kVkKeyC);
      break;
    case TagKind::ClipPaste:
      keys_.CtrlChord(platform::kVkKeyV);
      waits_.PauseForNoSpeed(kPasteSettleSeconds);
      break;
    case TagKind::TFile:
      return TextFile(tag.text);
    case TagKind::Swap:
      services_.fileSwitch.SwapMacroFile(tag.text);
      break;
    case TagKind::Window:
      actions_.WindowTag(tag);
      break;
    case TagKind::Activate:
      if (!actions_.ActivateIt(tag.text)) return Outcome::Skipped;
      break;
    case TagKind::Launch:
    case TagKind::LaunchNo:
    case TagKind::LaunchYes:
      if (!actions_.Launch(tag)) return Outcome::Skipped;
      break;
    case TagKind::ChDir:
    case TagKind::DelFile:
    case TagKind::CopyFile:
    case TagKind::RenFile:
      actions_.FileTag(tag);
      break;
    case TagKind::Wave:
      actions_.Wave(tag.text, tag.flag);
      break;
    case TagKind::Beep:
      actions_.Beep();
      break;
    case TagKind::Web:
      actions_.Web(tag.text);
      break;
    case TagKind::Mouse:
      keys_.MouseButtons(tag.mouse);
      break;
    case TagKind::Wheel:
      keys_.Wheel(tag.a);
      break;
    case TagKind::MoveScreen:
      keys_.MoveToScreen(tag.x, tag.y);
      break;
    case TagKind::MoveWindow:
      keys_.MoveInForegroundWindow(tag.x, tag.y);
      break;
    case TagKind::Date:
      TypeText(keys_.DateText(tag.a, tag.flag, tag.b), pending);
      break;
    case TagKind::Time:
      TypeText(keys_.TimeText(tag.a, tag.flag), pending);
      break;
  }
  return Outcome::Finished;
}

Player::Outcome Player::ReportAbort() {
  if (!abortReported_) {
    abortReported_ = true;
    services_.prompts.DoAMessage(kAbortCaption, kAbortMessage);
  }
  return Outcome::Aborted;
}

void Player::BringBackTarget() {
  const platform::WindowHandle window = actions_.MakeSureItsAParent(state_.TargetWindow);
  if (window != 0) services_.windows.ForceForeground(window);
}

void Player::EndOfMacro() {
  if (state_.CapsWasOn) keys_.ToggleCapsLock();
  if (state_.PauseShown && !services_.app.UseTray()) {
    services_.app.ShowMainWindow();
    if (state_.AppWasMinimized) services_.app.MinimizeApplication();
    BringBackTarget();
  }
}

}  // namespace quindle::engine
