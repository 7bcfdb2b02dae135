// The host of the 32-bit hooks (hooklib/hook_host.h) as a 64-bit QUINDL.EXE runs it: started
// once the program's own hooks are in, started afresh when they are reinstalled, and stopped
// when they are removed or this owner goes. A missing host is no fault (a 32-bit system has
// none); it and every failure are noted for a debugger, never shown.
#pragma once

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

  // Starts the host, after stopping one that runs; true when it runs. A 32-bit program never
  // starts it: its own hooks reach the 32-bit programs already.
  bool Start();
  // Signals the host to remove its hooks and waits until it has ended; one that does not end in
  // time is ended by force. True when none runs or it ended by itself.
  bool Stop() noexcept;
  bool Running() const noexcept;

  const std::string& Path() const { return path_; }

  // How long Stop waits for the host to end by itself.
  static constexpr unsigned kStopWaitMs = 5000;

 private:
  std::string path_;
  platform::win32::KernelHandle stopEvent_;
  platform::win32::KernelHandle process_;
};

}  // namespace quindle::app::win32
