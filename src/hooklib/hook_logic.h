// The decisions of the four hook procedures over the mapped blocks. The Win32 hook procedures
// only run the entry protocol, adapt the raw event, call these and pass the event on; all of
// it is noexcept, allocates nothing and never reads outside a block, whatever the block holds.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hooklib/hook_env.h"
#include "storage/macro_record.h"

namespace quindle::hooklib {

// What a hook procedure does with the event after the decision.
struct Verdict {
  bool swallow = false;  // return 1: the application never sees the event
  bool callNext = true;  // call CallNextHookEx (the marker key calls it and still swallows)
  // A hotkey that fires only when a macro for it is in scope, else -1. The scope lookup reads
  // window titles and walks the top-level windows, which a hook must never do while it holds
  // the table's mutex (every key of the system waits for it meanwhile): the procedure copies the
  // table, lets it go, looks the code up in the copy and, for a hit, takes the table again for
  // KeyboardFire or MouseFire.
  int scopeCode = -1;
};

// The hook code of an event that is only being looked at; it stays in the queue (HC_NOREMOVE).
inline constexpr int kHookNoRemove = 3;

struct KeyEvent {
  int code = 0;            // hook code; kHookNoRemove = the message is only looked at
  unsigned vk = 0;         // wParam
  std::uint32_t data = 0;  // lParam: bit 31 set for a key release
  bool Down() const noexcept { return (data & 0x80000000u) == 0; }
};

struct MouseEvent {
  int code = 0;               // hook code
  std::uint32_t message = 0;  // wParam: mouse message number
  int x = 0;                  // cursor position on the screen
  int y = 0;
};

// The keyboard hook's work for a hook code of 0 or more.
Verdict KeyboardDecision(storage::SharedMacroTable& table, IHookEnv& env,
                         const KeyEvent& event) noexcept;

// True when `event` goes on to the application without the table's mutex: a key going up, with
// a hook code of 0 or more, while no capture records and no hotkey waits for a release, that is
// neither Caps Lock nor the marker key. KeyboardDecision would pass it and change nothing; it
// would only repeat the abort report that holding Pause and Scroll Lock already sends with every
// key-down. The flags are read without the mutex, each written whole, so the answer is the one
// the event would have had a moment earlier or later. Most key-ups of the system take this way:
// under Wine each wait for the mutex and its release are two round trips to the server.
bool KeyUpPassesUnheld(const storage::SharedMacroTable& table, const KeyEvent& event) noexcept;

// The fire routine of a hotkey whose macro is in scope (`code` is the verdict's scopeCode). The
// table may have changed since the decision; when the hotkey can no longer fire, the key passes.
Verdict KeyboardFire(storage::SharedMacroTable& table, IHookEnv& env, const KeyEvent& event,
                     int code) noexcept;

// The mouse hook's work for a hook code of 0 or more. `callNext` is always true.
Verdict MouseDecision(storage::SharedMacroTable& table, IHookEnv& env,
                      const MouseEvent& event) noexcept;

// The mouse hotkey of `event` fires, its macro being in scope; as KeyboardFire.
Verdict MouseFire(storage::SharedMacroTable& table, IHookEnv& env, const MouseEvent& event,
                  int code) noexcept;

// The CBT hook: reports an activation (code 5) to the block's main window.
void CbtDecision(const storage::ActivationBlock& block, IHookEnv& env, int code,
                 std::uintptr_t wParam) noexcept;

// The hook codes of an activation, which CbtDecision reports, and of a message taken off the
// queue, which the message-retrieval hook may change.
inline constexpr int kCbtActivate = 5;
inline constexpr std::uintptr_t kPmRemove = 1;
inline constexpr std::uint32_t kWmChar = 0x0102;

// Whether the CBT hook has any work for an event: only an activation. Every other event (a
// window made, focused, moved, destroyed) goes on without the activation block and its mutex.
constexpr bool CbtEventIsReported(int code) noexcept {
  return code == kCbtActivate;
}

// Whether the message-retrieval hook may change a message: only a character of one byte taken
// off the queue (`removal` PM_REMOVE), with a hook code of 0 or more. Every other message that
// any thread of the system retrieves goes on without the remap block and its mutex; under Wine
// each wait for the mutex and its release are two round trips to the server, and a typed key
// brings three messages (key down, character, key up).
constexpr bool MessageMayBeRemapped(int code, std::uintptr_t removal, std::uint32_t message,
                                    std::uintptr_t character) noexcept {
  return code >= 0 && removal == kPmRemove && message == kWmChar && character <= 0xFF;
}

// The message-retrieval hook: the replacement for a typed character, or 0 to leave it.
std::uint8_t RemapCharacter(const storage::RemapBlock& block, unsigned character) noexcept;

// The scope lookup of a hotkey: the index (0-based slot) of the macro the code means for the
// window in front, or -1. A program-scoped macro counts only while its program is in front; its
// window-scoped sibling with TopMostOnly 0 also counts when a window of that title exists.
int FindMacroInScope(const storage::SharedMacroTable& table, IHookEnv& env, int code) noexcept;

// True when `text` contains `part`, both compared upper-cased (platform::UpperAToZ).
bool ContainsUpper(const char* text, std::size_t textLength, const char* part,
                   std::size_t partLength) noexcept;

// A time of day as the fraction of a day, as the table's LastEventTime stores it.
double DayFraction(const TimeOfDay& time) noexcept;

// The capture delay text between two times of day given as day fractions (midnight passed when
// `last` is later): "<MSD:9999>" per full 10000 ms, then "<MSD:" + four digits + ">". Written
// into `out` (capacity `size`); returns the length, cut to what fits. A damaged `last` (not a
// number, outside 0..1) counts as no delay.
std::size_t FormatCaptureDelay(double last, double now, char* out, std::size_t size) noexcept;

// ---- Pieces shared by the decisions above (one file each implements them) ----

// The modifier keys as the decisions see them. For a modifier that is the event's own key the
// event's direction counts, because whether GetKeyState already reflects the event being
// processed differs between platforms; every other key is read from GetKeyState bit 15.
struct Modifiers {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
  bool win = false;  // left or right Win
};
// `event` is null for a mouse event, which has no key of its own.
Modifiers ReadModifiers(IHookEnv& env, const KeyEvent* event) noexcept;
// Whether virtual key `vk` is down: the event's direction for its own key, else GetKeyState. A
// key outside 1..255 (a damaged table value) counts as up.
bool KeyIsDown(IHookEnv& env, const KeyEvent* event, int vk) noexcept;
// Caps Lock toggled on (GetKeyState bit 0).
bool CapsToggled(IHookEnv& env) noexcept;

// The capture output routine: the delay tag (when timing is on) and then every character of
// `piece`, each posted as WM_CAPTURE_CHAR to the main window.
void OutputCapturePiece(storage::SharedMacroTable& table, IHookEnv& env, const char* piece,
                        std::size_t length) noexcept;
// Whole milliseconds from `last` to `now` (day fractions), midnight passed when `last` is later;
// 0 when either is not a time of day.
std::uint32_t ElapsedMilliseconds(double last, double now) noexcept;
// `value` as decimal text of at least `width` characters, zero-padded after the minus sign (the
// sign counts toward the width). Returns the length written into `out` (capacity >= 12).
std::size_t FormatPadded(long long value, std::size_t width, char* out) noexcept;

// The capture key recorder of the keyboard hook: watches the stop combinations during every
// capture and records the key when the capture takes keystrokes (CaptureKeys). True when the
// event is swallowed (the stop combination was released).
bool RecordCaptureKey(storage::SharedMacroTable& table, IHookEnv& env,
                      const KeyEvent& event) noexcept;

}  // namespace quindle::hooklib
