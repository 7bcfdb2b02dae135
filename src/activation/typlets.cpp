#include "activation/typlets.h"

#include <utility>

#include "hooklib/hook_messages.h"
#include "platform/text.h"
#include "storage/table_lock.h"

namespace quindle::activation {
namespace {

constexpr std::string_view kTypletPunctuation = "!#$%&*+,-./;<=>?@^_";
constexpr char kEnter = '\r';
constexpr std::uint8_t kVkBackspace = 8;

bool SameText(std::string_view typed, std::string_view name, bool caseSensitive) noexcept {
  if (typed.size() != name.size()) return false;
  if (caseSensitive) return typed == name;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (typed[i] != platform::UpperAToZ(name[i])) return false;
  }
  return true;
}

}  // namespace

bool IsTypletCharacter(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         kTypletPunctuation.find(c) != std::string_view::npos;
}

TypletActivation::TypletActivation(const ActivationServices& services, HotkeyActivation& hotkeys)
    : services_(services), hotkeys_(hotkeys) {
  matches_.reserve(kTypletMatchMax);
}

void TypletActivation::SetOptions(TypletOptions options) {
  // A prefix from a hand-edited settings file is held to what the options dialog accepts.
  options.prefixKeys = std::string(platform::Trim(options.prefixKeys, " "));
  if (options.prefixKeys.size() > kTypletPrefixMax) options.prefixKeys.resize(kTypletPrefixMax);
  options_ = std::move(options);
  buffer_.clear();
}

std::string_view TypletActivation::Prefix() const noexcept {
  return options_.useSuffix ? std::string_view{} : std::string_view(options_.prefixKeys);
}

void TypletActivation::OnTypletChar(std::uintptr_t code, char ch) {
  bool marker = false;
  {
    const storage::TableGuard guard(services_.lock);
    if (!guard || guard.Table().SafeCount() == 0) return;
    marker = guard.Table().PlaybackMarker;
  }
  if (code == hooklib::kTypletReset) {
    buffer_.clear();
    return;
  }
  // As with a hotkey: a character typed while a macro plays or is paused must leave the Caps
  // Lock state that macro's start recorded, or its end would set Caps Lock wrongly.
  engine::PlaybackState& state = services_.player.State();
  if (!marker && !state.PauseActive && hotkeys_.PlayingMacroNumber() == 0)
    state.CapsWasOn = code == hooklib::kTypletCharacterCaps;
  if (IsTypletCharacter(ch)) {
    if (buffer_.size() >= kTypletBufferMax) buffer_.erase(0, 1);
    buffer_.push_back(ch);
    const std::size_t keep = Prefix().size() + kTypletNameMax;
    if (buffer_.size() > keep) buffer_.erase(0, buffer_.size() - keep);
    if (!options_.useSuffix) TestIt();
    return;
  }
  if (options_.useSuffix && (ch == ' ' || ch == kEnter)) TestIt();
  buffer_.clear();
}

bool TypletActivation::Matches(std::string_view name) const noexcept {
  // An empty name (a damaged record) would match every character typed.
  if (name.empty()) return false;
  const std::string_view prefix = Prefix();
  const std::string_view typed = typed_;
  const std::size_t length = prefix.size() + name.size();
  if (typed.size() < length) return false;
  // Suffix mode and solitary usage want the whole buffer. Otherwise the Typlet must end with the
  // character just typed: the Backspaces erase the newest characters, and a match left further
  // back (refused, or out of scope) would have them erase the wrong ones.
  if ((options_.useSuffix || options_.solitaryUsage) && typed.size() != length) return false;
  const std::string_view tail = typed.substr(typed.size() - length);
  return SameText(tail.substr(0, prefix.size()), prefix, options_.caseSensitive) &&
         SameText(tail.substr(prefix.size()), name, options_.caseSensitive);
}

bool TypletActivation::FindMatches() {
  matches_.clear();
  const storage::TableGuard guard(services_.lock);
  if (!guard) return false;
  const storage::SharedMacroTable& table = guard.Table();
  const storage::MacroIndex& index = services_.store.Index();
  const std::size_t count = table.SafeCount();
  if (typed_.empty()) return true;
  // Every match ends with the character just typed, so only the Typlets that end with it are
  // looked at (the index keeps them by last character): this runs for every character typed in
  // prefix mode, against up to 500 Typlets.
  const char last = typed_.back();
  const bool caseSensitive = options_.caseSensitive;
  index.ForEachTypletEndingWith(last, [&](int n) {
    const auto i = static_cast<std::size_t>(n - 1);
    // In ascending order: the rest lie past the table's end as well.
    if (i >= count) return false;
    if (table.HotkeyNumber[i].Get() != storage::kActivationTyplet || !table.Enabled[i]) return true;
    const std::string_view name = index.TypletName(n);
    if (caseSensitive && name.back() != last) return true;
    if (Matches(name))
      matches_.push_back({n, table.ScopeKind[i].Get(), std::string(table.ScopeText[i].View())});
    return matches_.size() < kTypletMatchMax;
  });
  return true;
}

void TypletActivation::TestIt() {
  const std::string_view prefix = Prefix();
  if (!prefix.empty() && buffer_.find(prefix) == std::string::npos) return;
  typed_ = buffer_;
  if (!options_.caseSensitive) {
    for (char& c : typed_) c = platform::UpperAToZ(c);
  }
  if (!FindMatches() || matches_.empty()) return;

  if (hotkeys_.RefusePopupOrCapture()) return;
  if (services_.player.State().PauseActive) {
    services_.host.DoAMessage(kWarningTitle, kPauseRefusal);
    return;
  }
  const int n = ChooseByScope();
  if (n > 0) RunTyplet(n);
}

int TypletActivation::ChooseByScope() {
  bool anyWindow = false;
  bool anyProgram = false;
  for (const Match& match : matches_) {
    anyWindow = anyWindow || match.scopeKind == storage::ScopeWindow;
    anyProgram = anyProgram || match.scopeKind == storage::ScopeProgram;
  }
  const auto firstIn = [this](std::int16_t kind, std::string_view upperText) {
    for (const Match& match : matches_) {
      if (match.scopeKind == kind &&
          upperText.find(platform::UpperAToZ(match.scopeText)) != std::string_view::npos) {
        return match.number;
      }
    }
    return 0;
  };
  if (anyWindow) {
    const platform::WindowHandle front = services_.windows.Foreground();
    const std::string title =
        front != 0 ? platform::UpperAToZ(services_.windows.Title(front)) : std::string();
    if (const int n = firstIn(storage::ScopeWindow, title)) return n;
  }
  if (anyProgram) {
    if (const int n = firstIn(storage::ScopeProgram, hotkeys_.ForegroundProgramName())) return n;
  }
  for (const Match& match : matches_) {
    if (match.scopeKind == storage::ScopeGlobal) return match.number;
  }
  return 0;
}

void TypletActivation::RunTyplet(int n) {
  hotkeys_.SetCurrentMacroNumber(n);
  buffer_.clear();
  // The Typlet was typed into the window in front: the macro works there, and a pause in it
  // gives the focus back to that window.
  services_.player.State().TargetWindow = services_.windows.Foreground();
  const std::size_t erased = options_.useSuffix ? 1 : options_.prefixKeys.size();
  hotkeys_.RunMacro(n, [this, erased] {
    const std::size_t count = erased + hotkeys_.StartedMacro().TypletName.View().size();
    engine::KeyOutput& keys = services_.player.Keys();
    for (std::size_t i = 0; i < count; ++i) {
      keys.PostVKey(kVkBackspace, false);
      keys.PostVKey(kVkBackspace, true);
      services_.pump.ProcessMessages();
    }
    services_.player.PauseForNoSpeed(kTypletEraseSettleSeconds);
  });
  buffer_.clear();
}

}  // namespace quindle::activation
