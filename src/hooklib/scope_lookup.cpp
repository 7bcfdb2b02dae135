// Which macro a hotkey means for the window in front. Both programs must answer the same way: a
// key that the hook swallows and the main program does not resolve is lost.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "hooklib/hook_logic.h"
#include "platform/desktop.h"
#include "platform/text.h"

namespace quindle::hooklib {
namespace {

constexpr std::size_t kTitleBuffer = platform::kWindowTitleMax + 1;
constexpr char kPauseMark[] = "PAUSE (";
constexpr std::size_t kPauseMarkLength = sizeof(kPauseMark) - 1;

using platform::UpperAToZ;

// `part` (compared upper-cased) within `upperText`, which is upper case already. The scan runs
// for every macro with the pressed code, on every hotkey press in every program, so it looks for
// the first character with memchr and compares the rest only there.
bool UpperTextContains(const char* upperText, std::size_t textLength,
                       std::string_view part) noexcept {
  if (part.empty()) return true;
  if (part.size() > textLength) return false;
  const char first = UpperAToZ(part[0]);
  const char* at = upperText;
  const char* const last = upperText + (textLength - part.size());
  while (at <= last) {
    const void* hit = std::memchr(at, first, static_cast<std::size_t>(last - at) + 1);
    if (hit == nullptr) return false;
    at = static_cast<const char*>(hit);
    std::size_t k = 1;
    while (k < part.size() && at[k] == UpperAToZ(part[k])) ++k;
    if (k == part.size()) return true;
    ++at;
  }
  return false;
}

// Which character pairs occur in a text: a test of one bit that rules out most scope texts
// before the search proper. Worth it when many scoped macros share one hotkey.
class PairFilter {
 public:
  void Build(const char* upperText, std::size_t length) noexcept {
    for (std::size_t i = 0; i + 1 < length; ++i) Set(Hash(upperText[i], upperText[i + 1]));
  }
  bool MayContain(std::string_view part) const noexcept {
    return part.size() < 2 || Test(Hash(UpperAToZ(part[0]), UpperAToZ(part[1])));
  }

 private:
  static constexpr std::size_t kBits = 4096;
  static std::size_t Hash(char a, char b) noexcept {
    const auto x = static_cast<unsigned char>(a);
    const auto y = static_cast<unsigned char>(b);
    return ((static_cast<std::size_t>(x) << 4) ^ y) % kBits;
  }
  void Set(std::size_t bit) noexcept { bits_[bit / 64] |= std::uint64_t{1} << (bit % 64); }
  bool Test(std::size_t bit) const noexcept { return ((bits_[bit / 64] >> (bit % 64)) & 1u) != 0; }
  std::uint64_t bits_[kBits / 64] = {};
};

// What pass 1 compares with: the title of the window in front and the program that owns it,
// upper case. Read only when the hotkey has a scoped macro at all, as most hotkeys are global.
class Front {
 public:
  explicit Front(const storage::SharedMacroTable& table, IHookEnv& env) noexcept
      : table_(table), env_(env) {}

  // False when there is no window in front or it is a pause dialog: pass 1 does not apply.
  bool Usable() noexcept {
    if (!read_) Read();
    return usable_;
  }
  bool TitleHas(std::string_view part) const noexcept {
    return titleFilter_.MayContain(part) && UpperTextContains(title_, titleLength_, part);
  }
  bool ProgramHas(std::string_view part) const noexcept {
    return UpperTextContains(program_, programLength_, part);
  }

 private:
  void Read() noexcept {
    read_ = true;
    const Hwnd front = env_.Foreground();
    if (front == 0) return;
    std::size_t length = env_.WindowTitle(front, title_, kTitleBuffer);
    if (length >= kTitleBuffer) length = kTitleBuffer - 1;
    for (std::size_t i = 0; i < length; ++i) title_[i] = UpperAToZ(title_[i]);
    titleLength_ = length;
    if (UpperTextContains(title_, length, {kPauseMark, kPauseMarkLength})) return;
    // Stored upper case by the main program; upper-cased again in case another writer did not.
    const auto stored = table_.ForegroundProgram.View();
    for (std::size_t i = 0; i < stored.size(); ++i) program_[i] = UpperAToZ(stored[i]);
    programLength_ = stored.size();
    titleFilter_.Build(title_, titleLength_);
    usable_ = true;
  }

  const storage::SharedMacroTable& table_;
  IHookEnv& env_;
  bool read_ = false;
  bool usable_ = false;
  char title_[kTitleBuffer] = {};
  std::size_t titleLength_ = 0;
  char program_[storage::PString<250>::kCapacity] = {};
  std::size_t programLength_ = 0;
  PairFilter titleFilter_;
};

// A top-level window named by a window-scoped macro: its exact title first, else any title that
// contains the text.
bool ScopeWindowExists(const storage::SharedMacroTable& table, IHookEnv& env,
                       std::size_t i) noexcept {
  const auto scope = table.ScopeText[i].View();
  char text[storage::PString<20>::kCapacity + 1] = {};
  for (std::size_t k = 0; k < scope.size(); ++k) text[k] = scope[k];
  if (env.WindowWithExactTitle(text)) return true;
  for (std::size_t k = 0; k < scope.size(); ++k) text[k] = UpperAToZ(text[k]);
  return env.WindowTitleContains(text, scope.size());
}

}  // namespace

bool ContainsUpper(const char* text, std::size_t textLength, const char* part,
                   std::size_t partLength) noexcept {
  if (partLength == 0) return true;
  if (text == nullptr || part == nullptr || partLength > textLength) return false;
  for (std::size_t start = 0; start + partLength <= textLength; ++start) {
    std::size_t k = 0;
    while (k < partLength && UpperAToZ(text[start + k]) == UpperAToZ(part[k])) ++k;
    if (k == partLength) return true;
  }
  return false;
}

int FindMacroInScope(const storage::SharedMacroTable& table, IHookEnv& env, int code) noexcept {
  if (code < 0 || code >= static_cast<int>(storage::kHotkeyCount)) return -1;
  // One scan serves both passes. Pass 1 answers with the first window- or program-scoped macro
  // that matches what is in front, so the scan can stop there. Pass 2 answers with the first
  // window-scoped macro (TopMostOnly 0) whose window exists, else with the last global one; the
  // scan notes both kinds on the way. A program-scoped macro is never chosen in pass 2: the
  // main program cannot bring a program to the front, so it would not resolve the key either
  // and the key would be lost.
  Front front(table, env);
  int candidate = -1;
  std::uint16_t windowScoped[storage::kMaxMacros];
  std::size_t windowCount = 0;
  const auto wanted = static_cast<std::uint16_t>(code);
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (table.HotkeyNumber[i].Get() != wanted || !table.Enabled[i]) continue;
    const std::int16_t kind = table.ScopeKind[i];
    if (kind == storage::ScopeWindow) {
      if (front.Usable() && front.TitleHas(table.ScopeText[i].View())) return static_cast<int>(i);
      if (!table.TopMostOnly[i]) windowScoped[windowCount++] = static_cast<std::uint16_t>(i);
    } else if (kind == storage::ScopeProgram) {
      if (front.Usable() && front.ProgramHas(table.ScopeText[i].View())) return static_cast<int>(i);
    } else if (kind == storage::ScopeGlobal || kind == storage::ScopePopupMenu ||
               kind == storage::ScopeSystem) {
      candidate = static_cast<int>(i);
    }
  }
  for (std::size_t k = 0; k < windowCount; ++k) {
    if (ScopeWindowExists(table, env, windowScoped[k])) return windowScoped[k];
  }
  return candidate;
}

}  // namespace quindle::hooklib
