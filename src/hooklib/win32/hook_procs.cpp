#include "hooklib/win32/hook_procs.h"

#include <float.h>

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "hooklib/hook_logic.h"
#include "hooklib/nested_call.h"
#include "hooklib/win32/held_blocks.h"
#include "hooklib/win32/hook_env_win32.h"
#include "platform/win32/handles.h"
#include "storage/macro_record.h"

namespace quindle::hooklib::win32 {
namespace {

using storage::ActivationBlock;
using storage::LeU32;
using storage::RemapBlock;
using storage::SharedMacroTable;

// The hook runs inside programs whose own floating-point settings are unknown; the capture
// delays are computed in floating point and must never trap there.
void MaskFloatingPointExceptions() noexcept {
  // The previous control word belongs to nobody in particular and is not restored.
  static_cast<void>(::_controlfp(_MCW_EM, _MCW_EM));
}

// The event goes on to the rest of the chain without any of our work: the main program is gone
// or busy, and the application must still see the key or click.
LRESULT PassOn(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The running hook calls of each thread, innermost first (a HookCall on the procedure's stack);
// TLS_OUT_OF_INDEXES when the slot could not be had, and then every call does its work.
DWORD gCallSlot = TLS_OUT_OF_INDEXES;

// Marks one hook call as running on its thread for its length, unless it repeats a call that
// already runs there for the same event: a registration left behind by a killed copy of the
// program calls the procedure again from inside our next-hook call, and only the outer call
// may act. TlsGetValue and TlsSetValue allocate nothing.
class CallGuard {
 public:
  CallGuard(HookKind kind, int code, WPARAM wParam, std::intptr_t eventValue) noexcept {
    if (gCallSlot == TLS_OUT_OF_INDEXES) return;
    call_ = HookCall{kind, code, static_cast<std::uintptr_t>(wParam), eventValue,
                     static_cast<const HookCall*>(::TlsGetValue(gCallSlot))};
    repeat_ = RepeatsOuterCall(call_);
    if (!repeat_) entered_ = ::TlsSetValue(gCallSlot, &call_) != FALSE;
  }
  CallGuard(const CallGuard&) = delete;
  CallGuard& operator=(const CallGuard&) = delete;
  ~CallGuard() {
    if (entered_) static_cast<void>(::TlsSetValue(gCallSlot, const_cast<HookCall*>(call_.outer)));
  }

  bool Repeat() const noexcept { return repeat_; }

 private:
  HookCall call_;
  bool repeat_ = false;
  bool entered_ = false;
};

// One block held by this call, for as long as the hook works on it and no longer: the procedure
// lets it go before it calls the next hook or reads other windows, and may take it again.
template <typename Block>
class LockedBlock {
 public:
  explicit LockedBlock(HeldBlock& held) noexcept : held_(held) {}
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  ~LockedBlock() { LetGo(); }

  // True when the mutex is this call's and the block's owner alive; otherwise nothing is held.
  bool Take() noexcept {
    taken_ = held_.Take();
    return taken_;
  }
  void LetGo() noexcept {
    if (taken_) held_.Release();
    taken_ = false;
  }

  Block& Get() const noexcept { return *static_cast<Block*>(held_.View()); }

 private:
  HeldBlock& held_;
  bool taken_ = false;
};

using LockedTable = LockedBlock<SharedMacroTable>;

// The entry protocol around one hook's work. `hookOf(block)` reads the hook's own handle from
// the block at the moment it is needed, so a reinstalled hook takes effect on the next call.
// `work(locked)` runs for codes of 0 and more and returns the procedure's result: it decides
// with the block held, and lets the block go before it calls the next hook.
template <typename Block, typename HookOf, typename Work>
LRESULT RunHook(const CallGuard& guard, HeldBlock& held, int code, WPARAM wParam, LPARAM lParam,
                HookOf hookOf, Work work) noexcept {
  if (guard.Repeat()) return PassOn(code, wParam, lParam);
  MaskFloatingPointExceptions();
  LockedBlock<Block> locked(held);
  if (!locked.Take()) return PassOn(code, wParam, lParam);
  if (code < 0) {
    const HHOOK next = ToHhook(hookOf(locked.Get()));
    locked.LetGo();
    return ::CallNextHookEx(next, code, wParam, lParam);
  }
  return work(locked);
}

// What the keyboard and mouse procedures return for a verdict, once the table is let go. An
// event that is not swallowed always goes on to the next hook, so the application sees it
// whatever the decision said.
LRESULT Conclude(const Verdict& verdict, std::uint32_t hook, int code, WPARAM wParam,
                 LPARAM lParam) noexcept {
  if (!verdict.swallow) return ::CallNextHookEx(ToHhook(hook), code, wParam, lParam);
  if (verdict.callNext) static_cast<void>(::CallNextHookEx(ToHhook(hook), code, wParam, lParam));
  return 1;
}

// The scope lookup of a possible hotkey, on a copy of the table taken while it is held: the
// lookup reads window titles and walks the top-level windows, which must never happen under the
// mutex that every key of the system waits for. Only hotkey presses come here, so only they
// copy the table (on this function's stack, not the procedure's). With a macro in scope the
// table is taken again for the fire routine; `next` is then read afresh.
template <typename Event, typename Fire>
[[gnu::noinline]] Verdict FireInScope(LockedTable& locked, IHookEnv& env, const Event& event,
                                      int scopeCode, Fire fire, LeU32 SharedMacroTable::*hook,
                                      std::uint32_t& next) noexcept {
  static_assert(std::is_trivially_copyable_v<SharedMacroTable>);
  SharedMacroTable copy;
  std::memcpy(static_cast<void*>(&copy), &locked.Get(), sizeof copy);
  locked.LetGo();
  if (FindMacroInScope(copy, env, scopeCode) < 0) return {};
  // The main program may be gone or busy by now: the key passes, as after any failed wait.
  if (!locked.Take()) return {};
  const Verdict verdict = fire(locked.Get(), env, event, scopeCode);
  next = (locked.Get().*hook).Get();
  return verdict;
}

// HeldBlock::LookUnheld's view of the keyboard's fast way.
bool KeyUpPasses(const void* view, const void* event) noexcept {
  const auto& table = *static_cast<const SharedMacroTable*>(view);
  return KeyUpPassesUnheld(table, *static_cast<const KeyEvent*>(event));
}

}  // namespace

void OpenCallRecord() noexcept {
  gCallSlot = ::TlsAlloc();
}

void CloseCallRecord() noexcept {
  if (gCallSlot != TLS_OUT_OF_INDEXES) static_cast<void>(::TlsFree(gCallSlot));
  gCallSlot = TLS_OUT_OF_INDEXES;
  ForgetHeldBlocks();
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  // The key data is a value, the same in every registration's call for one event.
  const CallGuard guard(HookKind::kKeyboard, code, wParam, static_cast<std::intptr_t>(lParam));
  KeyEvent event;
  event.code = code;
  event.vk = static_cast<unsigned>(wParam);
  event.data = static_cast<std::uint32_t>(lParam);
  if (!guard.Repeat() && TableBlock().LookUnheld(&KeyUpPasses, &event))
    return PassOn(code, wParam, lParam);
  return RunHook<SharedMacroTable>(
      guard, TableBlock(), code, wParam, lParam,
      [](const SharedMacroTable& table) { return table.KeyboardHook.Get(); },
      [&](LockedTable& locked) {
        Win32HookEnv env;
        Verdict verdict = KeyboardDecision(locked.Get(), env, event);
        std::uint32_t next = locked.Get().KeyboardHook.Get();
        if (verdict.scopeCode >= 0) {
          verdict = FireInScope(locked, env, event, verdict.scopeCode, KeyboardFire,
                                &SharedMacroTable::KeyboardHook, next);
        }
        locked.LetGo();
        return Conclude(verdict, next, code, wParam, lParam);
      });
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  const CallGuard guard(HookKind::kMouse, code, wParam, 0);
  return RunHook<SharedMacroTable>(
      guard, TableBlock(), code, wParam, lParam,
      [](const SharedMacroTable& table) { return table.MouseHook.Get(); },
      [&](LockedTable& locked) {
        Win32HookEnv env;
        MouseEvent event;
        event.code = code;
        event.message = static_cast<std::uint32_t>(wParam);
        if (const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)) {
          event.x = mouse->pt.x;
          event.y = mouse->pt.y;
        }
        Verdict verdict = MouseDecision(locked.Get(), env, event);
        std::uint32_t next = locked.Get().MouseHook.Get();
        if (verdict.scopeCode >= 0) {
          verdict = FireInScope(locked, env, event, verdict.scopeCode, MouseFire,
                                &SharedMacroTable::MouseHook, next);
        }
        locked.LetGo();
        return Conclude(verdict, next, code, wParam, lParam);
      });
}

LRESULT CALLBACK MessageHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  // Only a character taken off the queue is changed: a peek leaves the message for the call
  // that removes it, which then changes it once. A negative code's message is never read.
  auto* message = code >= 0 ? reinterpret_cast<MSG*>(lParam) : nullptr;
  if (message == nullptr || !MessageMayBeRemapped(code, static_cast<std::uintptr_t>(wParam),
                                                  message->message, message->wParam))
    return PassOn(code, wParam, lParam);
  // Without the guard a second registration would remap the remapped character again (a to b
  // to c).
  const CallGuard guard(HookKind::kMessage, code, wParam, 0);
  return RunHook<RemapBlock>(
      guard, RemapBlockHeld(), code, wParam, lParam,
      [](const RemapBlock& block) { return block.SwapHook.Get(); },
      [&](LockedBlock<RemapBlock>& locked) {
        const std::uint8_t character =
            RemapCharacter(locked.Get(), static_cast<unsigned>(message->wParam));
        if (character != 0) message->wParam = character;
        const HHOOK next = ToHhook(locked.Get().SwapHook.Get());
        locked.LetGo();
        const LRESULT result = ::CallNextHookEx(next, code, wParam, lParam);
        return character != 0 ? LRESULT{1} : result;
      });
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (!CbtEventIsReported(code)) return PassOn(code, wParam, lParam);
  const CallGuard guard(HookKind::kCbt, code, wParam, 0);
  return RunHook<ActivationBlock>(
      guard, ActivationBlockHeld(), code, wParam, lParam,
      [](const ActivationBlock& block) { return block.CbtHook.Get(); },
      [&](LockedBlock<ActivationBlock>& locked) {
        Win32HookEnv env;
        CbtDecision(locked.Get(), env, code, static_cast<std::uintptr_t>(wParam));
        const HHOOK next = ToHhook(locked.Get().CbtHook.Get());
        locked.LetGo();
        return ::CallNextHookEx(next, code, wParam, lParam);
      });
}

}  // namespace quindle::hooklib::win32
