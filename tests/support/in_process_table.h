// The shared macro table and its mutex kept inside one process: for tests and for the command
// line tool, which have no hook library to share the table with. Another thread may hold the
// mutex (through Mutex()) to make the lock wait, and each step can be made to fail.
#pragma once

#include <memory>
#include <mutex>

#include "storage/table_lock.h"

namespace quindle::storage {

class InProcessTable final : public ITableObjects {
 public:
  InProcessTable();
  ~InProcessTable() override;
  InProcessTable(const InProcessTable&) = delete;
  InProcessTable& operator=(const InProcessTable&) = delete;

  // The block itself, for setting up and checking without the lock.
  SharedMacroTable& Block() noexcept { return *block_; }
  std::timed_mutex& Mutex() noexcept { return mutex_; }

  void SetOpenFails(bool fails) noexcept { openFails_ = fails; }
  void SetWaitFails(bool fails) noexcept { waitFails_ = fails; }
  // Every wait times out at once, as if another party held the mutex.
  void SetWaitTimesOut(bool timesOut) noexcept { waitTimesOut_ = timesOut; }
  void SetMapFails(bool fails) noexcept { mapFails_ = fails; }

  bool MutexOpen() const noexcept { return mutexOpen_; }
  bool MutexOwned() const noexcept { return owned_; }
  bool Mapped() const noexcept { return mapped_; }
  int OpenCount() const noexcept { return openCount_; }
  // Releases of a mutex this side did not own: always a fault of the caller.
  int StrayReleases() const noexcept { return strayReleases_; }

  bool OpenMutex() override;
  WaitResult Wait(std::uint32_t timeoutMs) override;
  void ReleaseMutex() override;
  void CloseMutex() override;
  SharedMacroTable* MapView() override;
  void UnmapView() override;

 private:
  std::unique_ptr<SharedMacroTable> block_;
  std::timed_mutex mutex_;
  bool openFails_ = false;
  bool waitFails_ = false;
  bool waitTimesOut_ = false;
  bool mapFails_ = false;
  bool mutexOpen_ = false;
  bool owned_ = false;
  bool mapped_ = false;
  int openCount_ = 0;
  int strayReleases_ = 0;
};

}  // namespace quindle::storage
