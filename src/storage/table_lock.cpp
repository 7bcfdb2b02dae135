#include "storage/table_lock.h"

namespace quindle::storage {

TableLock::~TableLock() {
  // A lock still held at shutdown would leave the hook library waiting 500 ms on every event.
  if (nesting_ > 0) {
    nesting_ = 1;
    Release();
  }
}

bool TableLock::Acquire() {
  if (nesting_ > 0) {
    ++nesting_;
    return true;
  }
  timedOut_ = false;
  if (!objects_.OpenMutex()) return false;
  const WaitResult wait = objects_.Wait(kTableWaitMs);
  if (wait != WaitResult::Acquired) {
    // Without a usable mutex nothing says the objects are sound; after a time-out another party
    // still works in the table. Either way no view is mapped that a caller could write through.
    timedOut_ = wait == WaitResult::TimedOut;
    objects_.CloseMutex();
    return false;
  }
  owned_ = true;
  view_ = objects_.MapView();
  if (view_ == nullptr) {
    if (owned_) objects_.ReleaseMutex();
    objects_.CloseMutex();
    owned_ = false;
    return false;
  }
  nesting_ = 1;
  return true;
}

void TableLock::Release() {
  if (nesting_ > 1) {
    --nesting_;
    return;
  }
  if (nesting_ == 1) {
    nesting_ = 0;
    view_ = nullptr;
    objects_.UnmapView();
    if (owned_) objects_.ReleaseMutex();
    owned_ = false;
    objects_.CloseMutex();
  }
}

}  // namespace quindle::storage
