// Another thread that owns a named mutex until told to let it go, as a hook in another
// program would while the test's side waits for it.
#pragma once

#include "platform/win32/win32_api.h"

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace quindle::testing_support {

inline constexpr DWORD kMutexHolderAccess = 0x1F0001;  // MUTEX_ALL_ACCESS

// Another thread that owns a mutex until told to let it go, as a hook in another program would.
class MutexHolder {
 public:
  explicit MutexHolder(std::string name) {
    thread_ = std::thread([this, name = std::move(name)] {
      HANDLE mutex = ::OpenMutexA(kMutexHolderAccess, FALSE, name.c_str());
      const bool owned = mutex != nullptr && ::WaitForSingleObject(mutex, 5000) == WAIT_OBJECT_0;
      holding_ = owned;
      started_ = true;
      while (!letGo_) std::this_thread::yield();
      if (owned) released_ = ::ReleaseMutex(mutex) != FALSE;
      if (mutex != nullptr) static_cast<void>(::CloseHandle(mutex));
    });
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!started_ && std::chrono::steady_clock::now() < limit) std::this_thread::yield();
  }
  MutexHolder(const MutexHolder&) = delete;
  MutexHolder& operator=(const MutexHolder&) = delete;
  ~MutexHolder() { LetGo(); }

  bool Holding() const { return holding_; }
  // True when the holder still owned the mutex at the end, so nobody else released it.
  bool LetGo() {
    letGo_ = true;
    if (thread_.joinable()) thread_.join();
    return released_;
  }

 private:
  std::atomic<bool> started_{false};
  std::atomic<bool> holding_{false};
  std::atomic<bool> letGo_{false};
  bool released_ = false;
  std::thread thread_;
};

}  // namespace quindle::testing_support
