// The keyboard hook's decision: hotkeys outside a capture (recognised at the key-down, reported
// once the whole combination is released), the Typlet feed, the abort keys and Caps Lock.
#include <cstdint>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "platform/virtual_keys.h"

namespace quindle::hooklib {
namespace {

constexpr std::uint32_t kDeadKeyBits = 0x80008000u;
constexpr std::size_t kKeyboardStateSize = 256;
constexpr std::size_t kToAsciiBuffer = 5;

bool IsModifierKey(unsigned vk) noexcept {
  return vk == platform::kVkShift || vk == platform::kVkControl || vk == platform::kVkMenu ||
         vk == platform::kVkLeftWin || vk == platform::kVkRightWin ||
         (vk >= platform::kVkLeftShift && vk <= platform::kVkRightMenu);
}

void PostTyplet(const storage::SharedMacroTable& table, IHookEnv& env, std::uintptr_t kind,
                std::intptr_t character) noexcept {
  env.Post(table.MainWindow, WM_TYPLET_CHAR, kind, character);
}

// Every key-down that the user typed (not playback) goes to the Typlet matcher.
void FeedTyplet(storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
                const Modifiers& mods) noexcept {
  if (mods.alt || mods.ctrl) {
    PostTyplet(table, env, kTypletReset, 0);
    return;
  }
  if (table.DeadKeyPending) {
    // The key after a dead key completes an accented character, which is not Typlet text.
    table.DeadKeyPending = false;
    return;
  }
  if ((env.MapVkToChar(event.vk) & kDeadKeyBits) != 0) {
    table.DeadKeyPending = true;
    return;
  }
  if (event.vk == platform::kVkShift) return;
  // Filled whole by KeyboardState and read only when it succeeded: clearing it first would cost
  // every key-down of the system 256 stores for nothing.
  std::uint8_t state[kKeyboardStateSize];
  char out[kToAsciiBuffer] = {};
  if (env.KeyboardState(state) && env.ToAscii(event.vk, state, out) >= 1) {
    PostTyplet(table, env, CapsToggled(env) ? kTypletCharacterCaps : kTypletCharacter,
               static_cast<std::intptr_t>(static_cast<unsigned char>(out[0])));
  } else {
    PostTyplet(table, env, kTypletReset, 0);
  }
}

// The key whose release ends a hotkey's wait; -1 (a mouse hotkey) or a damaged value means none.
int ValidReleaseKey(std::int32_t key) noexcept {
  return (key > 0 && key <= 255) ? key : -1;
}

// True when the hotkey that waits for its release is complete with this event.
bool ReleaseCompletes(const storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
                      const Modifiers& mods) noexcept {
  const int releaseKey = ValidReleaseKey(table.ReleaseKey);
  const bool relevant =
      IsModifierKey(event.vk) || (releaseKey > 0 && event.vk == static_cast<unsigned>(releaseKey));
  if (!relevant) return false;
  if (mods.ctrl || mods.shift || mods.alt || mods.win) return false;
  return releaseKey < 0 || !KeyIsDown(env, &event, releaseKey);
}

// The fire routine's writes: the hotkey now waits for the release of its combination.
void Fire(storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
          int code) noexcept {
  table.PendingCode = code;
  table.ReleaseKey = static_cast<std::int32_t>(event.vk);
  table.WaitRelease = true;
  table.PendingFocus = env.Focus();
}

// Recognises a hotkey at the key-down. In DefineMode every combination with a code fires at
// once (the key is swallowed, true); otherwise a code in use needs a macro in scope first, and
// `scopeCode` names it for the lookup that runs once the table is let go.
bool DetectHotkey(storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
                  const Modifiers& mods, int& scopeCode) noexcept {
  if (!event.Down() || event.vk > 255) return false;
  const int code =
      EncodeHotkey(static_cast<int>(event.vk), mods.ctrl, mods.alt, mods.shift, mods.win);
  if (code < 0 || code >= kHotkeyCodeCount) return false;
  if (!table.DefineMode) {
    if (code == kEscapeCode || table.CodeInUse[code]) scopeCode = code;
    return false;
  }
  Fire(table, env, event, code);
  return true;
}

void ReportHotkey(storage::SharedMacroTable& table, IHookEnv& env) noexcept {
  if (table.DefineMode) {
    env.Post(table.SecWindow, WM_HOTKEY_DEFINED,
             static_cast<std::uint32_t>(table.PendingCode.Get()),
             static_cast<std::intptr_t>(table.PendingFocus.Get()));
    return;
  }
  if (CapsToggled(env)) table.PendingCode = table.PendingCode.Get() | kCapsLockBit;
  env.Post(table.MainWindow, WM_HOTKEY_PRESSED, static_cast<std::uint32_t>(table.PendingCode.Get()),
           static_cast<std::intptr_t>(table.PendingFocus.Get()));
}

}  // namespace

Verdict KeyboardDecision(storage::SharedMacroTable& table, IHookEnv& env,
                         const KeyEvent& event) noexcept {
  if (event.code < 0) return {};
  if (table.CaptureActive) {
    // The stop combinations end every capture, also one that records only the mouse.
    const bool swallow = RecordCaptureKey(table, env, event);
    return swallow ? Verdict{true, false} : Verdict{};
  }
  if (event.vk == kMarkerKey && table.PlaybackMarker) {
    table.PlaybackMarker = false;
    return {true, true};
  }
  const Modifiers mods = ReadModifiers(env, &event);
  if (event.code != kHookNoRemove && !table.PlaybackMarker && event.Down())
    FeedTyplet(table, env, event, mods);

  bool swallow = false;
  int scopeCode = -1;
  if (table.WaitRelease) {
    if (ReleaseCompletes(table, env, event, mods)) {
      table.WaitRelease = false;
      ReportHotkey(table, env);
    }
  } else {
    if (KeyIsDown(env, &event, platform::kVkPause) && KeyIsDown(env, &event, platform::kVkScroll))
      env.Post(table.MainWindow, WM_ABORT_KEYS, 0, 0);
    if (event.vk == platform::kVkCapital)
      env.Post(table.MainWindow, WM_CAPSLOCK_STATE, CapsToggled(env) ? 1 : 0, 0);
    swallow = DetectHotkey(table, env, event, mods, scopeCode);
  }
  if (swallow) return {true, false};
  return {false, true, scopeCode};
}

bool KeyUpPassesUnheld(const storage::SharedMacroTable& table, const KeyEvent& event) noexcept {
  return event.code >= 0 && !event.Down() && !table.CaptureActive && !table.WaitRelease &&
         event.vk != kMarkerKey && event.vk != platform::kVkCapital;
}

Verdict KeyboardFire(storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
                     int code) noexcept {
  // Meanwhile another thread's hotkey may wait for its release, or a capture may have begun:
  // the key then passes on, as it would have had it come a moment later.
  if (event.code < 0 || code < 0 || code >= kHotkeyCodeCount || table.CaptureActive ||
      table.WaitRelease || table.DefineMode)
    return {};
  Fire(table, env, event, code);
  return {true, false};
}

}  // namespace quindle::hooklib
