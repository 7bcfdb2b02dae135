// The main program's named blocks as the hook calls of one process hold them. Opening a mapping,
// mapping its view, opening its mutex and closing all three again costs a round trip to the
// window system each (under Wine a server call of tens of microseconds), and every key of every
// program pays for them: so each process opens them on its first hook call and keeps them until
// the library leaves it.
//
// Kept objects outlive the main program, so a call no longer learns from a missing name that it
// is gone. Each block starts with the main program's window; the call waits for the mutex and for
// the process that owns that window at once, and passes the event on when the process has ended.
// A new main program writes its own window there, which the next call sees. A mutex that nobody
// gives back (a program holding it and hanging) costs one wait: later calls only look at it until
// it is free again, so typed keys are never held up behind it.
#pragma once

#include "platform/win32/win32_api.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/win32/handles.h"

namespace quindle::hooklib::win32 {

// The longest a hook call waits for a block's mutex while the lock behaves. The main program
// holds it for microseconds, or a few milliseconds while it rewrites the table.
inline constexpr DWORD kHookWaitMs = 200;

class HeldBlock {
 public:
  HeldBlock(const char* mutexName, const char* blockName, std::size_t size) noexcept;
  HeldBlock(const HeldBlock&) = delete;
  HeldBlock& operator=(const HeldBlock&) = delete;
  ~HeldBlock() = default;

  // True when the mutex is this call's and the block's owner is alive; then View() is the whole
  // block and Release() must follow. False leaves nothing held: the event passes untouched.
  bool Take() noexcept;
  void Release() noexcept;
  void* View() const noexcept { return view_.Get(); }

  // The answer of `look(view, context)` on the block as it is, without its mutex, for a decision
  // that reads only flags written whole; false while the block is not open in this process.
  using Look = bool (*)(const void* view, const void* context) noexcept;
  bool LookUnheld(Look look, const void* context) noexcept;

  // The time-out of the last wait: kHookWaitMs, or 0 while the lock counts as hung.
  DWORD LastWaitMs() const noexcept { return lastWaitMs_.load(std::memory_order_relaxed); }

  // Closes what is kept (when the library leaves the process, and between tests that make the
  // names afresh). No hook call may be running.
  void Forget() noexcept;

 private:
  // Both with the lock held exclusively.
  bool OpenLocked() noexcept;
  // The owner of `window`, which the block names now: opened afresh when the window changed or
  // the owner it had has ended.
  void RefreshOwner(std::uint32_t window) noexcept;
  std::uint32_t BlockWindow() const noexcept;

  const char* mutexName_;
  const char* blockName_;
  std::size_t size_;
  // Shared by every call of the process while it waits; exclusive while handles change.
  SRWLOCK lock_ = SRWLOCK_INIT;
  bool opened_ = false;
  platform::win32::KernelHandle mapping_;
  platform::win32::MappedView view_;
  platform::win32::KernelHandle mutex_;
  platform::win32::KernelHandle ownerProcess_;
  std::uint32_t ownerWindow_ = 0;
  bool ownerGone_ = true;
  // Set by a call that saw the owner end, so the next one looks at the block's window again.
  std::atomic<bool> ownerStale_{true};
  std::atomic<bool> hung_{false};
  std::atomic<DWORD> lastWaitMs_{kHookWaitMs};
};

// The three blocks of this process: the macro table, the remap block and the activation block.
HeldBlock& TableBlock() noexcept;
HeldBlock& RemapBlockHeld() noexcept;
HeldBlock& ActivationBlockHeld() noexcept;
void ForgetHeldBlocks() noexcept;

}  // namespace quindle::hooklib::win32
