#include "hooklib/win32/hook_procs.h"

#include <float.h>

#include <cstddef>

#include "hooklib/hook_logic.h"
#include "hooklib/win32/hook_env_win32.h"
#include "platform/win32/handles.h"
#include "storage/macro_record.h"

namespace quindle::hooklib::win32 {
namespace {

using storage::ActivationBlock;
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

// The named mutex of one block for one hook call. Released only when the wait made it ours: a
// time-out leaves it to whoever holds it.
class MutexScope {
 public:
  explicit MutexScope(const char* name) noexcept
      : handle_(::OpenMutexA(platform::win32::kMutexAllAccess, FALSE, name)) {}
  MutexScope(const MutexScope&) = delete;
  MutexScope& operator=(const MutexScope&) = delete;
  // Released before the handle closes (members are destroyed after this body).
  ~MutexScope() {
    if (owned_) static_cast<void>(::ReleaseMutex(handle_.Get()));
  }

  bool Opened() const noexcept { return static_cast<bool>(handle_); }

  // True when the mutex is ours (an abandoned mutex is ours too). A time-out or a failed wait
  // both leave the block untouched.
  bool Take() noexcept {
    const DWORD result = ::WaitForSingleObject(handle_.Get(), kHookWaitMs);
    owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return owned_;
  }

 private:
  platform::win32::KernelHandle handle_;
  bool owned_ = false;
};

// A view of exactly `size` bytes of a named block. A mapping smaller than the layout is never
// read: the exact-size map fails for it, and the region check catches a system that allows it.
class BlockScope {
 public:
  BlockScope(const char* name, std::size_t size) noexcept
      : mapping_(::OpenFileMappingA(FILE_MAP_WRITE, FALSE, name)) {
    if (!mapping_) return;
    view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, size));
    if (!view_) return;
    MEMORY_BASIC_INFORMATION region{};
    if (::VirtualQuery(view_.Get(), &region, sizeof region) != sizeof region ||
        region.RegionSize < size) {
      view_.Reset();
    }
  }

  void* View() const noexcept { return view_.Get(); }

 private:
  // Declared in this order so the view is unmapped before the mapping closes.
  platform::win32::KernelHandle mapping_;
  platform::win32::MappedView view_;
};

// The entry protocol around one hook's work. `hookOf(block)` reads the hook's own handle from
// the block at the moment it is needed, so a reinstalled hook takes effect on the next call;
// `work(block)` runs for codes of 0 and more and returns the procedure's result.
template <typename Block, typename HookOf, typename Work>
LRESULT RunHook(const char* mutexName, const char* blockName, int code, WPARAM wParam,
                LPARAM lParam, HookOf hookOf, Work work) noexcept {
  MaskFloatingPointExceptions();
  MutexScope mutex(mutexName);
  if (!mutex.Opened()) return PassOn(code, wParam, lParam);
  if (!mutex.Take()) return PassOn(code, wParam, lParam);
  // Declared after the mutex, so the view is unmapped and closed before the mutex is released.
  BlockScope view(blockName, sizeof(Block));
  if (view.View() == nullptr) return PassOn(code, wParam, lParam);
  Block& block = *static_cast<Block*>(view.View());
  if (code < 0) return ::CallNextHookEx(ToHhook(hookOf(block)), code, wParam, lParam);
  return work(block);
}

// What the keyboard and mouse procedures return for a verdict. An event that is not swallowed
// always goes on to the next hook, so the application sees it whatever the decision said.
LRESULT Conclude(const Verdict& verdict, std::uint32_t hook, int code, WPARAM wParam,
                 LPARAM lParam) noexcept {
  if (!verdict.swallow) return ::CallNextHookEx(ToHhook(hook), code, wParam, lParam);
  if (verdict.callNext) static_cast<void>(::CallNextHookEx(ToHhook(hook), code, wParam, lParam));
  return 1;
}

}  // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return RunHook<SharedMacroTable>(
      storage::kTableMutexName, storage::kTableBlockName, code, wParam, lParam,
      [](const SharedMacroTable& table) { return table.KeyboardHook.Get(); },
      [&](SharedMacroTable& table) {
        Win32HookEnv env;
        KeyEvent event;
        event.code = code;
        event.vk = static_cast<unsigned>(wParam);
        event.data = static_cast<std::uint32_t>(lParam);
        const Verdict verdict = KeyboardDecision(table, env, event);
        return Conclude(verdict, table.KeyboardHook.Get(), code, wParam, lParam);
      });
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return RunHook<SharedMacroTable>(
      storage::kTableMutexName, storage::kTableBlockName, code, wParam, lParam,
      [](const SharedMacroTable& table) { return table.MouseHook.Get(); },
      [&](SharedMacroTable& table) {
        Win32HookEnv env;
        MouseEvent event;
        event.code = code;
        event.message = static_cast<std::uint32_t>(wParam);
        if (const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)) {
          event.x = mouse->pt.x;
          event.y = mouse->pt.y;
        }
        const Verdict verdict = MouseDecision(table, env, event);
        return Conclude(verdict, table.MouseHook.Get(), code, wParam, lParam);
      });
}

LRESULT CALLBACK MessageHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return RunHook<RemapBlock>(
      storage::kRemapMutexName, storage::kRemapBlockName, code, wParam, lParam,
      [](const RemapBlock& block) { return block.SwapHook.Get(); },
      [&](RemapBlock& block) {
        bool replaced = false;
        auto* message = reinterpret_cast<MSG*>(lParam);
        // Only a character taken off the queue is changed: a peek leaves the message for the
        // call that removes it, which then changes it once.
        if (wParam == PM_REMOVE && message != nullptr && message->message == WM_CHAR &&
            message->wParam <= 0xFF) {
          const std::uint8_t character =
              RemapCharacter(block, static_cast<unsigned>(message->wParam));
          if (character != 0) {
            message->wParam = character;
            replaced = true;
          }
        }
        const LRESULT next = ::CallNextHookEx(ToHhook(block.SwapHook.Get()), code, wParam, lParam);
        return replaced ? LRESULT{1} : next;
      });
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  return RunHook<ActivationBlock>(
      storage::kActivationMutexName, storage::kActivationBlockName, code, wParam, lParam,
      [](const ActivationBlock& block) { return block.CbtHook.Get(); },
      [&](ActivationBlock& block) {
        Win32HookEnv env;
        CbtDecision(block, env, code, static_cast<std::uintptr_t>(wParam));
        return ::CallNextHookEx(ToHhook(block.CbtHook.Get()), code, wParam, lParam);
      });
}

}  // namespace quindle::hooklib::win32
