// The mouse hook's decision: recording mouse actions during a capture, the capture stop click,
// and mouse hotkeys outside a capture. A hotkey click is swallowed whole, down and up: an up
// without its down makes most programs open their context menu, which would then take the
// macro's first keys.
#include <cstddef>
#include <cstdint>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "storage/macro_tags.h"

namespace quindle::hooklib {
namespace {

namespace t = storage::tags;

constexpr int kLowestRecordedX = -999;
constexpr std::size_t kNumberBuffer = 24;
// Outside a capture the Alt+Tab capture field is free (a capture reads it only while AltTabHeld
// is set, which the program clears when a capture starts): it remembers the button whose
// hotkey down was swallowed, marked by a bit no virtual key has, until its up comes. The time of
// that down goes into LastEventTime, which a capture sets afresh at its first event.
constexpr std::uint16_t kUpPending = 0x8000;
// The up of a swallowed down may never come to this hook: a capture began in between, or the
// hook's mutex timed out. So the memory ends at the button's next down, or once the up is later
// than any click takes; a later ordinary click of that button then keeps its up.
constexpr std::uint32_t kUpPendingMs = 3000;

enum class Action { kNone, kMove, kDown, kUp, kDoubleClick };

struct MouseMessage {
  Action action = Action::kNone;
  int button = 0;  // kMouseLeft, kMouseRight, kMouseMiddle; 0 for a move
};

MouseMessage Classify(std::uint32_t message) noexcept {
  if (message == kWmMouseMove || message == kWmNcMouseMove) return {Action::kMove, 0};
  std::uint32_t offset = 0;
  if (message >= kWmLButtonDown && message <= kWmMButtonDblClk) {
    offset = message - kWmLButtonDown;
  } else if (message >= kWmNcLButtonDown && message <= kWmNcMButtonDblClk) {
    offset = message - kWmNcLButtonDown;
  } else {
    return {};
  }
  static constexpr Action kActions[] = {Action::kDown, Action::kUp, Action::kDoubleClick};
  return {kActions[offset % 3], static_cast<int>(offset / 3) + kMouseLeft};
}

const char* ButtonTag(const MouseMessage& m) noexcept {
  static constexpr const char* kTags[3][3] = {{t::kLDn.data(), t::kLUp.data(), t::kLDClk.data()},
                                              {t::kRDn.data(), t::kRUp.data(), t::kRDClk.data()},
                                              {t::kMDn.data(), t::kMUp.data(), t::kMDClk.data()}};
  const int column = m.action == Action::kDown ? 0 : (m.action == Action::kUp ? 1 : 2);
  return kTags[m.button - kMouseLeft][column];
}

std::size_t Length(const char* text) noexcept {
  std::size_t n = 0;
  while (text[n] != '\0') ++n;
  return n;
}

std::size_t Append(char* out, std::size_t at, const char* text) noexcept {
  const std::size_t n = Length(text);
  for (std::size_t i = 0; i < n; ++i) out[at + i] = text[i];
  return at + n;
}

bool IsStopClick(std::uint16_t button, const storage::Flag (&required)[4], const MouseMessage& m,
                 const Modifiers& mods) noexcept {
  return button != 0 && m.action == Action::kDown && m.button == button &&
         required[0] == mods.ctrl && required[1] == mods.alt && required[2] == mods.shift &&
         required[3] == mods.win;
}

// "<WSIZE:wwww,hhhh"CURRENT">" for the window in front; nothing when it has no rectangle.
void OutputWindowSize(storage::SharedMacroTable& table, IHookEnv& env) noexcept {
  HookRect rect;
  const Hwnd front = env.Foreground();
  if (front == 0 || !env.WindowRect(front, rect)) return;
  const long long width = static_cast<long long>(rect.right) - rect.left + 1;
  const long long height = static_cast<long long>(rect.bottom) - rect.top + 1;
  char text[64];
  std::size_t n = Append(text, 0, t::kWSize.data());
  n += FormatPadded(width < 0 ? 0 : width, t::kWindowFieldWidth, text + n);
  text[n++] = ',';
  n += FormatPadded(height < 0 ? 0 : height, t::kWindowFieldWidth, text + n);
  n = Append(text, n, t::kCurrentWindow.data());
  text[n++] = '>';
  OutputCapturePiece(table, env, text, n);
}

void OutputMove(storage::SharedMacroTable& table, IHookEnv& env, const MouseEvent& event) noexcept {
  long long x = event.x;
  long long y = event.y;
  const bool screen = table.ScreenRelative;
  if (!screen) {
    HookRect rect;
    const Hwnd front = env.Foreground();
    // Without a window in front there is nothing to measure from; the move is not written.
    if (front == 0 || !env.WindowRect(front, rect)) return;
    x -= rect.left;
    y -= rect.top;
  }
  char text[kNumberBuffer * 2 + 8];
  std::size_t n = Append(text, 0, screen ? t::kMoveScreen.data() : t::kMoveWindow.data());
  n += FormatPadded(x, t::kPointWidth, text + n);
  text[n++] = ',';
  n += FormatPadded(y, t::kPointWidth, text + n);
  text[n++] = '>';
  OutputCapturePiece(table, env, text, n);
}

void RecordMouse(storage::SharedMacroTable& table, IHookEnv& env, const MouseEvent& event,
                 const MouseMessage& m) noexcept {
  const Modifiers mods = ReadModifiers(env, nullptr);
  if (table.StopSet1Button != 0) {
    if (IsStopClick(table.StopSet1Button, table.StopSet1Mods, m, mods)) {
      table.StopSet1Hit = true;
      return;
    }
  } else if (table.StopSet2Enabled &&
             IsStopClick(table.StopSet2Button, table.StopSet2Mods, m, mods)) {
    table.StopSet2Hit = true;
    return;
  }
  if (!table.CaptureMouse) return;
  const bool recorded =
      m.action != Action::kNone && (m.action != Action::kMove || event.x >= kLowestRecordedX);
  if (!recorded) return;
  if (table.WantWindowSize) {
    // Cleared even when the size cannot be read, so that it never appears after an action.
    table.WantWindowSize = false;
    OutputWindowSize(table, env);
  }
  if (m.action == Action::kMove) {
    OutputMove(table, env, event);
  } else {
    const char* tag = ButtonTag(m);
    OutputCapturePiece(table, env, tag, Length(tag));
  }
}

bool IsPlainClick(int code) noexcept {
  return (code - kFirstMouseCode) % 7 == 0;
}

// A mouse hotkey fires: a plain click is reported at once, a modified one once its modifiers
// are released (the keyboard hook's release check).
void FireMouse(storage::SharedMacroTable& table, IHookEnv& env, int code) noexcept {
  table.PendingFocus = env.Focus();
  if (IsPlainClick(code)) {
    const std::uint32_t reported =
        static_cast<std::uint32_t>(code) | (CapsToggled(env) ? kCapsLockBit : 0u);
    table.PendingCode = static_cast<std::int32_t>(reported);
    env.Post(table.MainWindow, WM_HOTKEY_PRESSED, reported,
             static_cast<std::intptr_t>(table.PendingFocus.Get()));
    return;
  }
  table.PendingCode = code;
  table.ReleaseKey = -1;
  table.WaitRelease = true;
}

// The hotkey code of a button's down message with the modifiers held, or -1.
int MouseCode(IHookEnv& env, const MouseMessage& m) noexcept {
  if (m.action != Action::kDown) return -1;
  const Modifiers mods = ReadModifiers(env, nullptr);
  const int code = EncodeMouseHotkey(m.button, mods.ctrl, mods.alt, mods.shift);
  return (code >= kFirstMouseCode && code < kHotkeyCodeCount) ? code : -1;
}

// A mouse hotkey at a button's down message. True when the click is swallowed now (DefineMode);
// outside it a click that may be a hotkey needs a macro in scope first, and `scopeCode` names
// it for the lookup that runs once the table is let go.
bool MouseHotkey(storage::SharedMacroTable& table, IHookEnv& env, const MouseMessage& m,
                 int& scopeCode) noexcept {
  const int code = MouseCode(env, m);
  if (code < 0) return false;
  if (!table.DefineMode) {
    if (IsPlainClick(code) || table.CodeInUse[code]) scopeCode = code;
    return false;
  }
  if (!IsPlainClick(code)) {
    FireMouse(table, env, code);
    return true;
  }
  // A plain left click is how the user leaves the entry field; it is never a hotkey there.
  if (m.button == kMouseLeft) return false;
  table.PendingCode = code;
  table.PendingFocus = env.Focus();
  env.Post(table.SecWindow, WM_HOTKEY_DEFINED, static_cast<std::uint32_t>(code),
           static_cast<std::intptr_t>(table.PendingFocus.Get()));
  return true;
}

// The swallowed down's up is swallowed too, when it comes.
void AwaitUp(storage::SharedMacroTable& table, IHookEnv& env, const MouseMessage& m) noexcept {
  table.AltTabKey = static_cast<std::uint16_t>(kUpPending | m.button);
  table.LastEventTime = DayFraction(env.Now());
}

// Whether this up belongs to the hotkey down swallowed last; the memory of that down ends at the
// button's next message either way.
bool TakePendingUp(storage::SharedMacroTable& table, IHookEnv& env,
                   const MouseMessage& m) noexcept {
  if (m.button == 0 || table.AltTabKey.Get() != (kUpPending | m.button)) return false;
  table.AltTabKey = 0;
  if (m.action != Action::kUp) return false;
  const double down = table.LastEventTime.Get();
  const double now = DayFraction(env.Now());
  // A time that is not a time of day (damaged, or written by another program) counts as old.
  if (!(down >= 0.0 && down <= 1.0)) return false;
  return ElapsedMilliseconds(down, now) <= kUpPendingMs;
}

}  // namespace

Verdict MouseDecision(storage::SharedMacroTable& table, IHookEnv& env,
                      const MouseEvent& event) noexcept {
  if (event.code < 0 || event.code == kHookNoRemove) return {};
  const MouseMessage m = Classify(event.message);
  if (table.CaptureActive) {
    RecordMouse(table, env, event, m);
    return {};
  }
  if (TakePendingUp(table, env, m)) return {true, true};
  int scopeCode = -1;
  if (!MouseHotkey(table, env, m, scopeCode)) return {false, true, scopeCode};
  AwaitUp(table, env, m);
  return {true, true};
}

Verdict MouseFire(storage::SharedMacroTable& table, IHookEnv& env, const MouseEvent& event,
                  int code) noexcept {
  const MouseMessage m = Classify(event.message);
  // A capture or DefineMode that began meanwhile, or a button or modifiers that no longer give
  // this code: the click passes on.
  if (event.code < 0 || event.code == kHookNoRemove || table.CaptureActive || table.DefineMode ||
      code < 0 || MouseCode(env, m) != code)
    return {};
  FireMouse(table, env, code);
  AwaitUp(table, env, m);
  return {true, true};
}

}  // namespace quindle::hooklib
