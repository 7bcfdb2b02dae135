// Which macro a hotkey means for the window in front. Both programs must answer the same way: a
// key that the hook swallows and the main program does not resolve is lost.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "hooklib/hook_logic.h"

namespace quindle::hooklib {
namespace {

constexpr std::size_t kTitleBuffer = 256;
constexpr char kPauseMark[] = "PAUSE (";
constexpr std::size_t kPauseMarkLength = sizeof(kPauseMark) - 1;

constexpr char Upper(char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// `part` (compared upper-cased) within `upperText`, which is upper case already. The scan runs
// for every macro with the pressed code, on every hotkey press in every program, so it looks for
// the first character with memchr and compares the rest only there.
bool UpperTextContains(const char* upperText, std::size_t textLength,
                       std::string_view part) noexcept {
  if (part.empty()) return true;
  if (part.size() > textLength) return false;
  const char first = Upper(part[0]);
  const char* at = upperText;
  const char* const last = upperText + (textLength - part.size());
  while (at <= last) {
    const void* hit = std::memchr(at, first, static_cast<std::size_t>(last - at) + 1);
    if (hit == nullptr) return false;
    at = static_cast<const char*>(hit);
    std::size_t k = 1;
    while (k < part.size() && at[k] == Upper(part[k])) ++k;
    if (k == part.size()) return true;
    ++at;
  }
  return false;
}

bool Selectable(const storage::SharedMacroTable& table, std::size_t i, int code) noexcept {
  return table.Enabled[i] && static_cast<int>(table.HotkeyNumber[i].Get()) == code;
}

bool ScopeTextIn(const storage::SharedMacroTable& table, std::size_t i, const char* upperText,
                 std::size_t length) noexcept {
  return UpperTextContains(upperText, length, table.ScopeText[i].View());
}

// Pass 1: a window- or program-scoped macro whose scope matches what is in front.
int FindInFront(const storage::SharedMacroTable& table, IHookEnv& env, int code) noexcept {
  const Hwnd front = env.Foreground();
  if (front == 0) return -1;
  char title[kTitleBuffer] = {};
  std::size_t length = env.WindowTitle(front, title, kTitleBuffer);
  if (length >= kTitleBuffer) length = kTitleBuffer - 1;
  for (std::size_t i = 0; i < length; ++i) title[i] = Upper(title[i]);
  if (UpperTextContains(title, length, {kPauseMark, kPauseMarkLength})) return -1;
  // Stored upper case by the main program; upper-cased again in case another writer did not.
  char program[storage::PString<250>::kCapacity];
  const auto stored = table.ForegroundProgram.View();
  for (std::size_t i = 0; i < stored.size(); ++i) program[i] = Upper(stored[i]);
  const std::size_t programLength = stored.size();
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (!Selectable(table, i, code)) continue;
    const std::int16_t kind = table.ScopeKind[i];
    if (kind == storage::ScopeWindow && ScopeTextIn(table, i, title, length))
      return static_cast<int>(i);
    if (kind == storage::ScopeProgram && ScopeTextIn(table, i, program, programLength))
      return static_cast<int>(i);
  }
  return -1;
}

// A top-level window named by a window-scoped macro: its exact title first, else any title that
// contains the text.
bool ScopeWindowExists(const storage::SharedMacroTable& table, IHookEnv& env,
                       std::size_t i) noexcept {
  const auto scope = table.ScopeText[i].View();
  char text[storage::PString<20>::kCapacity + 1] = {};
  for (std::size_t k = 0; k < scope.size(); ++k) text[k] = scope[k];
  if (env.WindowWithExactTitle(text)) return true;
  for (std::size_t k = 0; k < scope.size(); ++k) text[k] = Upper(text[k]);
  return env.WindowTitleContains(text, scope.size());
}

}  // namespace

char UpperAnsi(char c) noexcept {
  return Upper(c);
}

bool ContainsUpper(const char* text, std::size_t textLength, const char* part,
                   std::size_t partLength) noexcept {
  if (partLength == 0) return true;
  if (text == nullptr || part == nullptr || partLength > textLength) return false;
  for (std::size_t start = 0; start + partLength <= textLength; ++start) {
    std::size_t k = 0;
    while (k < partLength && Upper(text[start + k]) == Upper(part[k])) ++k;
    if (k == partLength) return true;
  }
  return false;
}

int FindMacroInScope(const storage::SharedMacroTable& table, IHookEnv& env, int code) noexcept {
  if (code < 0 || code >= static_cast<int>(storage::kHotkeyCount)) return -1;
  const int inFront = FindInFront(table, env, code);
  if (inFront >= 0) return inFront;
  // Pass 2. A program-scoped macro is never chosen here: the main program cannot bring a
  // program to the front, so it would not resolve the key either and the key would be lost.
  int candidate = -1;
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (!Selectable(table, i, code)) continue;
    const std::int16_t kind = table.ScopeKind[i];
    if (kind == storage::ScopeGlobal || kind == storage::ScopePopupMenu ||
        kind == storage::ScopeSystem) {
      candidate = static_cast<int>(i);
    } else if (kind == storage::ScopeWindow && !table.TopMostOnly[i] &&
               ScopeWindowExists(table, env, i)) {
      return static_cast<int>(i);
    }
  }
  return candidate;
}

}  // namespace quindle::hooklib
