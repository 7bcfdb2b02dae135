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
  if (!objects_.OpenMutex()) return false;
  const WaitResult wait = objects_.Wait(kTableWaitMs);
  if (wait == WaitResult::Failed) {
    // Without a usable mutex nothing says the objects are sound: report failure rather than
    // map a view that every caller would then trust.
    objects_.CloseMutex();
    return false;
  }
  owned_ = wait == WaitResult::Acquired;
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
    // A mutex that timed out was never ours; releasing it would free another holder's lock.
    if (owned_) objects_.ReleaseMutex();
    owned_ = false;
    objects_.CloseMutex();
  }
}

}  // namespace quindle::storage
