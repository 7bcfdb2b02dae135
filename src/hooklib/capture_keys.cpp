// The capture key recorder: turns the keys typed during a capture into MacroText and watches for
// the release of a capture stop combination. Recorded keys still reach the application.
#include <cstddef>
#include <cstdint>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "platform/virtual_keys.h"
#include "storage/macro_tags.h"

namespace quindle::hooklib {
namespace {

// The language's tags are literals, so each name's data() is a zero-ended string.
namespace t = storage::tags;

constexpr std::size_t kTextBuffer = 16;

struct KeyText {
  unsigned vk;
  const char* text;
};

constexpr KeyText kKeyTexts[] = {
    {9, t::kTab.data()},       {13, t::kEnter.data()},     {8, t::kBackspace.data()},
    {27, t::kEsc.data()},      {37, t::kLeftArrow.data()}, {39, t::kRightArrow.data()},
    {38, t::kUpArrow.data()},  {40, t::kDownArrow.data()}, {36, t::kHome.data()},
    {35, t::kEnd.data()},      {45, t::kInsert.data()},    {46, t::kDelete.data()},
    {34, t::kPageDown.data()}, {33, t::kPageUp.data()},    {91, t::kLeftWin.data()},
    {92, t::kRightWin.data()}, {93, t::kApp.data()},       {246, t::kAttn.data()},
    {247, t::kCrSel.data()},   {248, t::kExSel.data()},    {249, t::kErEof.data()},
    {250, t::kPlay.data()},    {251, t::kZoom.data()},     {253, t::kPa1.data()},
};

// Keys that a capture never writes: lock and system keys, and the playback marker.
constexpr unsigned kNeverRecorded[] = {144, 145, 43, 44, 41, 47, 20, 19, 12, 3};

std::size_t Length(const char* text) noexcept {
  std::size_t n = 0;
  while (text[n] != '\0') ++n;
  return n;
}

void Output(storage::SharedMacroTable& table, IHookEnv& env, const char* text) noexcept {
  OutputCapturePiece(table, env, text, Length(text));
}

// The text of a key other than a letter into `out`; the length, 0 when the key has none.
std::size_t KeyTextOf(IHookEnv& env, unsigned vk, char* out) noexcept {
  for (const KeyText& k : kKeyTexts) {
    if (k.vk != vk) continue;
    const std::size_t n = Length(k.text);
    for (std::size_t i = 0; i < n; ++i) out[i] = k.text[i];
    return n;
  }
  if (vk >= 112 && vk <= 135) {
    std::size_t n = 0;
    out[n++] = '<';
    out[n++] = 'F';
    n += FormatPadded(static_cast<long long>(vk - 111), 1, out + n);
    out[n++] = '>';
    return n;
  }
  const auto character = static_cast<char>(env.MapVkToChar(vk) & 0xFFu);
  if (character == '\0') return 0;
  out[0] = character;
  return 1;
}

bool StateMatches(const storage::Flag (&required)[4], const Modifiers& mods) noexcept {
  return required[0] == mods.ctrl && required[1] == mods.alt && required[2] == mods.shift &&
         required[3] == mods.win;
}

// The stop combination has been released: every modifier and its key are up.
bool StopReleased(IHookEnv& env, const KeyEvent& event, const Modifiers& mods,
                  std::uint16_t key) noexcept {
  return !mods.ctrl && !mods.alt && !mods.shift && !mods.win && !KeyIsDown(env, &event, key);
}

void PostStop(const storage::SharedMacroTable& table, IHookEnv& env) noexcept {
  const std::uintptr_t macro = table.CaptureMacro.Get();
  env.Post(table.MainWindow, WM_CAPTURE_CHAR, macro, 0);
  env.Post(table.MainWindow, WM_CAPTURE_STOP, macro, 0);
}

void OutputModifiers(storage::SharedMacroTable& table, IHookEnv& env,
                     const Modifiers& mods) noexcept {
  if (mods.ctrl) Output(table, env, t::kCtrl.data());
  if (mods.alt) {
    Output(table, env, t::kAlt.data());
    if (table.DoubleAlt) Output(table, env, t::kAlt.data());
  }
}

}  // namespace

bool RecordCaptureKey(storage::SharedMacroTable& table, IHookEnv& env,
                      const KeyEvent& event) noexcept {
  if (event.code == kHookNoRemove) return false;
  const Modifiers mods = ReadModifiers(env, &event);
  bool skip = false;
  // One stop per hit: the flag is cleared with the stop, so the keys that follow until the main
  // program ends the capture do not end it a second time.
  if (table.StopSet1Hit) {
    skip = true;
    if (StopReleased(env, event, mods, table.StopSet1Key)) {
      table.StopSet1Hit = false;
      PostStop(table, env);
      return true;
    }
  }
  const bool set2Pending = table.StopSet2Hit;
  if (set2Pending) {
    skip = true;
    if (StopReleased(env, event, mods, table.StopSet2Key)) {
      table.StopSet2Hit = false;
      PostStop(table, env);
      return true;
    }
  }
  if (!set2Pending && event.Down()) {
    const std::uint16_t key1 = table.StopSet1Key;
    if (key1 != 0 && event.vk == key1 && StateMatches(table.StopSet1Mods, mods)) {
      table.StopSet1Hit = true;
      skip = true;
    }
    const std::uint16_t key2 = table.StopSet2Key;
    if (table.StopSet2Enabled && !skip && key2 != 0 && event.vk == key2 &&
        StateMatches(table.StopSet2Mods, mods)) {
      table.StopSet2Hit = true;
      skip = true;
    }
  }
  if (skip || !table.CaptureKeys) return false;
  if (event.vk == 16 || event.vk == 17 || event.vk == 18) return false;
  for (unsigned never : kNeverRecorded)
    if (event.vk == never) return false;
  if (table.AltTabHeld) {
    if (KeyIsDown(env, &event, table.AltTabKey)) return false;
    table.AltTabHeld = false;
  }
  if (!event.Down()) return false;

  if (event.vk >= 'A' && event.vk <= 'Z') {
    OutputModifiers(table, env, mods);
    const bool upper = mods.shift || CapsToggled(env);
    const char letter[2] = {static_cast<char>(upper ? event.vk : event.vk + ('a' - 'A')), '\0'};
    Output(table, env, letter);
    return false;
  }
  char text[kTextBuffer] = {};
  const std::size_t length = KeyTextOf(env, event.vk, text);
  // A key without text writes nothing, not even its modifiers.
  if (length == 0) return false;
  if (mods.shift) Output(table, env, t::kShift.data());
  OutputModifiers(table, env, mods);
  if (event.vk == platform::kVkTab && mods.alt) {
    table.AltTabHeld = true;
    table.AltTabKey = static_cast<std::uint16_t>(platform::kVkTab);
  }
  OutputCapturePiece(table, env, text, length);
  return false;
}

}  // namespace quindle::hooklib
