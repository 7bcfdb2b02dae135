// Which macro a hotkey means for the window in front. Both programs must answer the same way: a
// key that the hook swallows and the main program does not resolve is lost.
#include <array>
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

// Which character pairs occur in the title in front: a test of a few bits that rules out most
// scope texts before the search proper, as each hotkey press compares the title with every
// scoped macro of its code. A pair is the 6-bit classes of its two characters, the low bits of
// the upper-cased code, which are exact for space, digits, punctuation and capital letters;
// other characters share classes, which only lets a text through to the search.
class PairFilter {
 public:
  void Build(const char* upperText, std::size_t length) noexcept {
    std::memset(bits_, 0, sizeof(bits_));
    for (std::size_t i = 0; i + 1 < length; ++i)
      bits_[Class(upperText[i])] |= std::uint64_t{1} << Class(upperText[i + 1]);
  }
  // False only when some pair of `part` (compared upper-cased) is not in the text, so that the
  // text cannot contain it.
  bool MayContain(std::string_view part) const noexcept {
    for (std::size_t i = 1; i < part.size(); ++i) {
      if (!MayStartWith(part[i - 1], part[i])) return false;
    }
    return true;
  }
  // False only when a text starting with `a` and `b` cannot occur in the text.
  bool MayStartWith(char a, char b) const noexcept {
    return ((bits_[Class(a)] >> Class(b)) & 1u) != 0;
  }

 private:
  static constexpr std::size_t kClassBits = 6;
  static constexpr std::size_t kClasses = std::size_t{1} << kClassBits;
  static_assert(kClasses == 64, "one 64-bit word per first character's class");
  // The class of every byte, upper-casing included, so that the scope texts, stored as typed,
  // need no upper-casing of their own.
  static constexpr std::array<std::uint8_t, 256> kClass = [] {
    std::array<std::uint8_t, 256> classes{};
    for (std::size_t c = 0; c < classes.size(); ++c) {
      const auto upper = static_cast<unsigned char>(UpperAToZ(static_cast<char>(c)));
      classes[c] = static_cast<std::uint8_t>(upper & (kClasses - 1));
    }
    return classes;
  }();
  static std::size_t Class(char c) noexcept { return kClass[static_cast<unsigned char>(c)]; }
  // Word: the class of a pair's first character; bit: the class of its second. Cleared by
  // Build, as the filter is built only when a hotkey has a scoped macro.
  std::uint64_t bits_[kClasses];
};

// What pass 1 compares with: the title of the window in front and the program that owns it,
// upper case.
class Front {
 public:
  // False when there is no window in front or it is a pause dialog: pass 1 does not apply.
  bool Read(const storage::SharedMacroTable& table, IHookEnv& env) noexcept {
    const Hwnd front = env.Foreground();
    if (front == 0) return false;
    std::size_t length = env.WindowTitle(front, title_, kTitleBuffer);
    if (length >= kTitleBuffer) length = kTitleBuffer - 1;
    for (std::size_t i = 0; i < length; ++i) title_[i] = UpperAToZ(title_[i]);
    titleLength_ = length;
    if (UpperTextContains(title_, length, {kPauseMark, kPauseMarkLength})) return false;
    // Stored upper case by the main program; upper-cased again in case another writer did not.
    const auto stored = table.ForegroundProgram.View();
    for (std::size_t i = 0; i < stored.size(); ++i) program_[i] = UpperAToZ(stored[i]);
    programLength_ = stored.size();
    titleFilter_.Build(title_, titleLength_);
    return true;
  }
  // Only after Read answered true.
  bool TitleHas(const storage::PString<20>& text) const noexcept {
    // The first pair, straight from the stored bytes, rules out most texts.
    if (text.length >= 2 && !titleFilter_.MayStartWith(text.chars[0], text.chars[1])) return false;
    const std::string_view part = text.View();
    return titleFilter_.MayContain(part) && UpperTextContains(title_, titleLength_, part);
  }
  bool ProgramHas(std::string_view part) const noexcept {
    return UpperTextContains(program_, programLength_, part);
  }

 private:
  // Written by Read before anything reads them; left uninitialised, as most key presses never
  // look at them.
  char title_[kTitleBuffer];
  std::size_t titleLength_ = 0;
  char program_[storage::PString<250>::kCapacity];
  std::size_t programLength_ = 0;
  PairFilter titleFilter_;
};

// A 16-bit field's two bytes as one host number, compared only with RawOf of a value: one load
// per slot instead of assembling the value byte by byte, and the same answer on any host.
template <typename T>
std::uint16_t Raw(const storage::LeInt<T>& field) noexcept {
  static_assert(sizeof(T) == sizeof(std::uint16_t));
  std::uint16_t raw;
  std::memcpy(&raw, field.bytes, sizeof(raw));
  return raw;
}
template <typename T>
std::uint16_t RawOf(T value) noexcept {
  storage::LeInt<T> field{};
  field.Set(value);
  return Raw(field);
}

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
  // One scan serves both passes. Pass 1 answers with the first window- or
  // program-scoped macro that matches what is in front, so the scan can stop there. Pass 2 answers
  // with the first window-scoped macro (TopMostOnly 0) whose window exists, else with the last
  // global one; the walk notes both kinds on the way. A program-scoped macro is never chosen in
  // pass 2: the main program cannot bring a program to the front, so it would not resolve the key
  // either and the key would be lost.
  // What is in front is read once a scoped macro turns up: most hotkeys are global.
  Front front;
  bool frontRead = false;
  bool usable = false;
  const auto frontUsable = [&]() noexcept {
    if (!frontRead) {
      frontRead = true;
      usable = front.Read(table, env);
    }
    return usable;
  };
  const std::uint16_t wanted = RawOf(static_cast<std::uint16_t>(code));
  const std::uint16_t window = RawOf<std::int16_t>(storage::ScopeWindow);
  const std::uint16_t program = RawOf<std::int16_t>(storage::ScopeProgram);
  const std::uint16_t global = RawOf<std::int16_t>(storage::ScopeGlobal);
  const std::uint16_t popupMenu = RawOf<std::int16_t>(storage::ScopePopupMenu);
  const std::uint16_t system = RawOf<std::int16_t>(storage::ScopeSystem);
  int candidate = -1;
  std::uint16_t windowScoped[storage::kMaxMacros];
  std::size_t windowCount = 0;
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (Raw(table.HotkeyNumber[i]) != wanted || !table.Enabled[i]) continue;
    const std::uint16_t kind = Raw(table.ScopeKind[i]);
    if (kind == window) {
      if (frontUsable() && front.TitleHas(table.ScopeText[i])) return static_cast<int>(i);
      if (!table.TopMostOnly[i]) windowScoped[windowCount++] = static_cast<std::uint16_t>(i);
    } else if (kind == program) {
      if (frontUsable() && front.ProgramHas(table.ScopeText[i].View())) return static_cast<int>(i);
    } else if (kind == global || kind == popupMenu || kind == system) {
      candidate = static_cast<int>(i);
    }
  }
  for (std::size_t k = 0; k < windowCount; ++k) {
    if (ScopeWindowExists(table, env, windowScoped[k])) return windowScoped[k];
  }
  return candidate;
}

}  // namespace quindle::hooklib
