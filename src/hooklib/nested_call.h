// Whether a hook call repeats one that is already running on the same thread. A program that
// ended without removing its hooks (a crash, the Task Manager) can leave its registrations in
// the system, and they call this library's procedures again from inside our own next-hook call,
// on the same thread, for the same event: each registration would then report the key, the
// click or the activation again, or remap a remapped character once more.
#pragma once

#include <cstdint>

namespace quindle::hooklib {

enum class HookKind : std::uint8_t { kKeyboard, kMouse, kMessage, kCbt };

// One running hook call of a thread, kept on the stack of the procedure; `outer` is the call of
// the same thread that this one runs inside, or null. `lParam` holds the event's own value
// only where it is one (the keyboard's key data): a pointer argument can differ from call to
// call, because the system may copy what it points to for each hook.
struct HookCall {
  HookKind kind = HookKind::kKeyboard;
  int code = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  const HookCall* outer = nullptr;
};

// True when some call that `call` runs inside is the same kind of hook for the same event: that
// call does (or did) the work, and this one only passes the event on.
constexpr bool RepeatsOuterCall(const HookCall& call) noexcept {
  for (const HookCall* at = call.outer; at != nullptr; at = at->outer) {
    if (at->kind == call.kind && at->code == call.code && at->wParam == call.wParam &&
        at->lParam == call.lParam)
      return true;
  }
  return false;
}

}  // namespace quindle::hooklib
