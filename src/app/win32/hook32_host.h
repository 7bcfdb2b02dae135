// The host of the 32-bit hooks (hooklib/hook_host.h) as a 64-bit QUINDL.EXE runs it: started
// once the program's own hooks are in, started afresh when they are reinstalled, and stopped
// when they are removed or this owner goes. A missing host is no fault (a 32-bit system has
// none); it and every failure are noted for a debugger, never shown.
//
// The process is made on a thread of its own. Under Wine CreateProcess returns only once the
// new process has reached its own start, and the host is started while the main window is
// being made: a host that is slow to start, or never gets that far, must not hold up the
// window and the program's own hooks.
#pragma once

#include <memory>
#include <string>

#include "platform/win32/handles.h"

namespace quindle::app::win32 {

class Hook32Host {
 public:
  // `programDir`: the folder of QUINDL.EXE, whose HOOK32\ holds the host.
  explicit Hook32Host(const std::string& programDir);
  Hook32Host(const Hook32Host&) = delete;
  Hook32Host& operator=(const Hook32Host&) = delete;
  ~Hook32Host() { static_cast<void>(Stop()); }

  // Stops a host that runs and begins starting a new one; true when the start has begun. A
  // 32-bit program never starts it: its own hooks reach the 32-bit programs already.
  bool Start();
  // Waits up to `waitMs` for a start that has begun to make its process; true when the host
  // runs.
  bool Started(unsigned waitMs) const noexcept;
  bool Running() const noexcept { return Started(0); }
  // Signals the host to remove its hooks and waits until it has ended; one that does not end in
  // time is ended by force. A start that has not made its process within kStopWaitMs is given
  // up: a process it makes after all is ended at once. True when none runs or it ended by
  // itself.
  bool Stop() noexcept;

  const std::string& Path() const { return path_; }

  // How long Stop waits for a start to make its process, and then for the host to end.
  static constexpr unsigned kStopWaitMs = 5000;

  // What a start shares with the thread that makes the process.
  struct Launch;

 private:
  std::string path_;
  platform::win32::KernelHandle stopEvent_;
  std::shared_ptr<Launch> launch_;
};

}  // namespace quindle::app::win32
