// The two timers of a macro file shared on a network, on the main window: `NetTimer` refreshes
// the heartbeat while this user holds the lock, `SyncTimer` ticks once a minute for the periodic
// reload. Also what the lock asks of the window (storage/network_sync.h).
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/locking_files.h"
#include "storage/network_sync.h"

namespace quindle::app::win32 {

inline constexpr UINT_PTR kNetTimerId = 0x5301;
inline constexpr UINT_PTR kSyncTimerId = 0x5302;

class SharedFileTimers final : public storage::INetworkSyncHost {
 public:
  SharedFileTimers(HWND window, std::function<void()> reload)
      : reload_(std::move(reload)),
        netTimer_(window, kNetTimerId),
        syncTimer_(window, kSyncTimerId) {}

  void StartNetTimer() override { netTimer_.Start(kNetTimerMs); }
  void StopNetTimer() override { netTimer_.Stop(); }
  void ReloadMacroFile() override { reload_(); }

  void SwitchSyncTimer(bool on) {
    if (!on) {
      syncTimer_.Stop();
    } else if (!syncTimer_.Running()) {
      syncTimer_.Start(kSyncTimerMs);
    }
  }
  platform::win32::Win32LockingFiles& Files() { return files_; }

 private:
  static constexpr UINT kNetTimerMs = 30000;
  static constexpr UINT kSyncTimerMs = 60000;
  std::function<void()> reload_;
  platform::win32::Win32LockingFiles files_;
  platform::win32::WindowTimer netTimer_;
  platform::win32::WindowTimer syncTimer_;
};

}  // namespace quindle::app::win32
