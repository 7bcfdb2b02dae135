// The re-entrant lock of the main program over the shared macro table: the named mutex plus a
// mapped view, with a nesting counter so that a function holding the table may call others that
// take it again. Used on the main thread only.
#pragma once

#include <cstdint>

#include "storage/macro_record.h"

namespace quindle::storage {

enum class WaitResult {
  Acquired,  // owned (an abandoned mutex counts as owned)
  TimedOut,  // not owned: someone else is using the table; the caller gives up
  Failed,    // the wait itself failed (a bad handle, for instance)
};

// The named objects behind the lock. The Win32 side opens "QN88aveR" and maps "QNBA1ZTW"; tests
// and tools use InProcessTable. At most one mutex handle and one view are outstanding at a time,
// so an implementation keeps them itself.
class ITableObjects {
 public:
  virtual ~ITableObjects() = default;
  virtual bool OpenMutex() = 0;
  virtual WaitResult Wait(std::uint32_t timeoutMs) = 0;
  // Called only after a Wait that returned Acquired.
  virtual void ReleaseMutex() = 0;
  virtual void CloseMutex() = 0;
  // The whole block read-write, or nullptr when it cannot be mapped.
  virtual SharedMacroTable* MapView() = 0;
  virtual void UnmapView() = 0;
};

inline constexpr std::uint32_t kTableWaitMs = 500;

// `objects` must outlive the lock.
class TableLock {
 public:
  explicit TableLock(ITableObjects& objects) noexcept : objects_(objects) {}
  TableLock(const TableLock&) = delete;
  TableLock& operator=(const TableLock&) = delete;
  ~TableLock();

  // True when the table may be used until the matching Release. False when the mutex could not
  // be opened or the view mapped, and when the wait timed out: another party still works in the
  // table, and writing to it then could interleave with that party's writes. LastTimedOut()
  // tells a time-out apart from a failure.
  bool Acquire();
  // Undoes one successful Acquire; without one it does nothing.
  void Release();

  bool Held() const noexcept { return nesting_ > 0; }
  // The last outermost Acquire gave up because the wait timed out.
  bool LastTimedOut() const noexcept { return timedOut_; }
  int Nesting() const noexcept { return nesting_; }
  // The mapped table while held, nullptr otherwise.
  SharedMacroTable* Table() const noexcept { return nesting_ > 0 ? view_ : nullptr; }

 private:
  ITableObjects& objects_;
  int nesting_ = 0;
  bool owned_ = false;  // the outermost Acquire got the mutex (it did not time out)
  bool timedOut_ = false;
  SharedMacroTable* view_ = nullptr;
};

// Holds the table for one scope. Check Held() before touching Table(): a guard that does not
// hold the lock (refused, or timed out waiting for it) has no table, and its caller gives up.
class TableGuard {
 public:
  explicit TableGuard(TableLock& lock) : lock_(lock), held_(lock.Acquire()) {}
  TableGuard(const TableGuard&) = delete;
  TableGuard& operator=(const TableGuard&) = delete;
  ~TableGuard() {
    if (held_) lock_.Release();
  }

  bool Held() const noexcept { return held_; }
  // Not held because the wait for the mutex timed out.
  bool TimedOut() const noexcept { return !held_ && lock_.LastTimedOut(); }
  explicit operator bool() const noexcept { return held_; }
  SharedMacroTable& Table() const noexcept { return *lock_.Table(); }

 private:
  TableLock& lock_;
  bool held_;
};

}  // namespace quindle::storage
