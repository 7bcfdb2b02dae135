#include "hooklib/win32/held_blocks.h"

#include <cstring>

#include "storage/macro_record.h"

namespace quindle::hooklib::win32 {
namespace {

// A scope that holds the lock shared, giving it up for an exclusive spell when handles change.
class SharedScope {
 public:
  explicit SharedScope(SRWLOCK& lock) noexcept : lock_(lock) { ::AcquireSRWLockShared(&lock_); }
  SharedScope(const SharedScope&) = delete;
  SharedScope& operator=(const SharedScope&) = delete;
  ~SharedScope() { ::ReleaseSRWLockShared(&lock_); }

  template <typename Change>
  void Exclusively(Change change) noexcept {
    ::ReleaseSRWLockShared(&lock_);
    ::AcquireSRWLockExclusive(&lock_);
    change();
    ::ReleaseSRWLockExclusive(&lock_);
    ::AcquireSRWLockShared(&lock_);
  }

 private:
  SRWLOCK& lock_;
};

}  // namespace

HeldBlock::HeldBlock(const char* mutexName, const char* blockName, std::size_t size) noexcept
    : mutexName_(mutexName), blockName_(blockName), size_(size) {}

bool HeldBlock::OpenLocked() noexcept {
  if (opened_) return true;
  platform::win32::KernelHandle mapping(::OpenFileMappingA(FILE_MAP_WRITE, FALSE, blockName_));
  if (!mapping) return false;
  // A mapping smaller than the layout is never read: the exact-size map fails for it, and the
  // region check catches a system that allows it.
  platform::win32::MappedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, size_));
  if (!view) return false;
  MEMORY_BASIC_INFORMATION region{};
  if (::VirtualQuery(view.Get(), &region, sizeof region) != sizeof region ||
      region.RegionSize < size_)
    return false;
  platform::win32::KernelHandle mutex(
      ::OpenMutexA(platform::win32::kMutexAllAccess, FALSE, mutexName_));
  if (!mutex) return false;
  mapping_ = std::move(mapping);
  view_ = std::move(view);
  mutex_ = std::move(mutex);
  opened_ = true;
  ownerStale_.store(true, std::memory_order_relaxed);
  return true;
}

std::uint32_t HeldBlock::BlockWindow() const noexcept {
  // Every block starts with the main window (offset 0), written by the main program under the
  // mutex; a torn read is impossible for an aligned word and a stale one is caught by the wait.
  static_assert(offsetof(storage::SharedMacroTable, MainWindow) == 0 &&
                offsetof(storage::RemapBlock, MainWindow) == 0 &&
                offsetof(storage::ActivationBlock, MainWindow) == 0);
  std::uint32_t window = 0;
  std::memcpy(&window, view_.Get(), sizeof window);
  return window;
}

void HeldBlock::RefreshOwner(std::uint32_t window) noexcept {
  ownerProcess_.Reset();
  ownerWindow_ = window;
  ownerGone_ = true;
  ownerStale_.store(false, std::memory_order_relaxed);
  if (window == 0) return;  // no main program has written its window yet
  DWORD processId = 0;
  const HWND hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
  if (::GetWindowThreadProcessId(hwnd, &processId) == 0 || processId == 0) return;
  ownerGone_ = false;
  // Without the right to wait for it, each call asks whether the window still exists.
  ownerProcess_.Reset(::OpenProcess(SYNCHRONIZE, FALSE, processId));
}

bool HeldBlock::LookUnheld(Look look, const void* context) noexcept {
  const SharedScope scope(lock_);
  return opened_ && look(view_.Get(), context);
}

bool HeldBlock::Take() noexcept {
  SharedScope scope(lock_);
  if (!opened_) {
    scope.Exclusively([this] { static_cast<void>(OpenLocked()); });
    if (!opened_) return false;
  }
  const std::uint32_t window = BlockWindow();
  if (window != ownerWindow_ || ownerStale_.load(std::memory_order_relaxed)) {
    scope.Exclusively([this] {
      const std::uint32_t now = BlockWindow();
      if (now != ownerWindow_ || ownerStale_.load(std::memory_order_relaxed)) RefreshOwner(now);
    });
  }
  if (ownerGone_) return false;
  if (!ownerProcess_ &&
      !::IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ownerWindow_)))) {
    ownerStale_.store(true, std::memory_order_relaxed);
    return false;
  }

  const DWORD timeout = hung_.load(std::memory_order_relaxed) ? 0 : kHookWaitMs;
  lastWaitMs_.store(timeout, std::memory_order_relaxed);
  DWORD result;
  DWORD mutexIndex = 0;
  if (ownerProcess_) {
    // The owner first: when it has ended, the wait says so even if the mutex is free.
    const HANDLE both[2] = {ownerProcess_.Get(), mutex_.Get()};
    result = ::WaitForMultipleObjects(2, both, FALSE, timeout);
    mutexIndex = 1;
    if (result == WAIT_OBJECT_0) {
      ownerStale_.store(true, std::memory_order_relaxed);
      return false;
    }
  } else {
    result = ::WaitForSingleObject(mutex_.Get(), timeout);
  }
  // An abandoned mutex is ours too: its holder died, and the block is whole between writes.
  if (result == WAIT_OBJECT_0 + mutexIndex || result == WAIT_ABANDONED_0 + mutexIndex) {
    hung_.store(false, std::memory_order_relaxed);
    return true;
  }
  if (result == WAIT_TIMEOUT) hung_.store(true, std::memory_order_relaxed);
  return false;
}

void HeldBlock::Release() noexcept {
  // The mutex handle stays open until Forget, which no running call meets.
  static_cast<void>(::ReleaseMutex(mutex_.Get()));
}

void HeldBlock::Forget() noexcept {
  ::AcquireSRWLockExclusive(&lock_);
  ownerProcess_.Reset();
  mutex_.Reset();
  view_.Reset();  // the view goes before its mapping
  mapping_.Reset();
  opened_ = false;
  ownerWindow_ = 0;
  ownerGone_ = true;
  ownerStale_.store(true, std::memory_order_relaxed);
  hung_.store(false, std::memory_order_relaxed);
  lastWaitMs_.store(kHookWaitMs, std::memory_order_relaxed);
  ::ReleaseSRWLockExclusive(&lock_);
}

namespace {

// The library's only state besides its module handle and its call record: one per block name.
HeldBlock gTable(storage::kTableMutexName, storage::kTableBlockName,
                 sizeof(storage::SharedMacroTable));
HeldBlock gRemap(storage::kRemapMutexName, storage::kRemapBlockName, sizeof(storage::RemapBlock));
HeldBlock gActivation(storage::kActivationMutexName, storage::kActivationBlockName,
                      sizeof(storage::ActivationBlock));

}  // namespace

HeldBlock& TableBlock() noexcept {
  return gTable;
}
HeldBlock& RemapBlockHeld() noexcept {
  return gRemap;
}
HeldBlock& ActivationBlockHeld() noexcept {
  return gActivation;
}

void ForgetHeldBlocks() noexcept {
  gTable.Forget();
  gRemap.Forget();
  gActivation.Forget();
}

}  // namespace quindle::hooklib::win32
