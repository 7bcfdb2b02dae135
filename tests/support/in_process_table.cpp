#include "support/in_process_table.h"

#include <chrono>

namespace quindle::storage {

InProcessTable::InProcessTable() : block_(std::make_unique<SharedMacroTable>()) {}

InProcessTable::~InProcessTable() {
  if (owned_) mutex_.unlock();
}

bool InProcessTable::OpenMutex() {
  if (openFails_ || mutexOpen_) return false;
  mutexOpen_ = true;
  ++openCount_;
  return true;
}

WaitResult InProcessTable::Wait(std::uint32_t timeoutMs) {
  if (waitFails_ || !mutexOpen_ || owned_) return WaitResult::Failed;
  if (waitTimesOut_) return WaitResult::TimedOut;
  if (!mutex_.try_lock_for(std::chrono::milliseconds(timeoutMs))) return WaitResult::TimedOut;
  owned_ = true;
  return WaitResult::Acquired;
}

void InProcessTable::ReleaseMutex() {
  // Unlocking a std::timed_mutex that this side does not hold is undefined; ignore it.
  if (!owned_) {
    ++strayReleases_;
    return;
  }
  owned_ = false;
  mutex_.unlock();
}

// Closing does not release, as with a Win32 mutex handle, so a lock that forgets to release is
// seen by the tests.
void InProcessTable::CloseMutex() {
  mutexOpen_ = false;
}

SharedMacroTable* InProcessTable::MapView() {
  if (mapFails_ || mapped_) return nullptr;
  mapped_ = true;
  return block_.get();
}

void InProcessTable::UnmapView() {
  mapped_ = false;
}

}  // namespace quindle::storage
