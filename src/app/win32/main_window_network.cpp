// The main window's side of a macro file shared on a network: the lock (storage/network_sync.h)
// with its two timers, the reload after another user's change, and "&Options" > "&Network".
#include <memory>
#include <optional>

#include "app/network_options.h"
#include "app/win32/main_window.h"
#include "app/win32/network_dialog.h"
#include "app/win32/profile_file.h"
#include "storage/network_sync.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {

void TMainWin::StartNetwork() {
  networkHost_ = std::make_unique<SharedFileTimers>(Handle(), [this] { ReloadSharedMacroFile(); });
  network_ = std::make_unique<storage::NetworkSync>(networkHost_->Files(), platform_->clock,
                                                    platform_->prompts, *networkHost_);
  const Settings& s = context_.settings;
  network_->SetNetworkMode(s.networkMode);
  if (s.networkMode) network_->PrepareSync(context_.store.FileName());
  networkHost_->SwitchSyncTimer(s.networkMode && s.autoSync);
}

void TMainWin::PrepareSharedFile() {
  if (network_ && network_->NetworkMode()) network_->PrepareSync(context_.store.FileName());
}

bool TMainWin::SharedFileBusy() {
  return network_ && network_->FileInUse();
}

void TMainWin::ReleaseSharedFile(bool changed) {
  if (network_) network_->ReleaseSyncFile(changed);
}

bool TMainWin::SharedFileChanged() {
  return network_ && network_->ChangedSinceLoad();
}

void TMainWin::ReloadSharedFile() {
  ReloadSharedMacroFile();
}

bool TMainWin::OnNetworkTimer(UINT_PTR timerId) {
  if (!network_) return false;
  if (timerId == kNetTimerId) {
    network_->OnNetTimer();
    return true;
  }
  if (timerId != kSyncTimerId) return false;
  // Not under a change of this user's own, nor under a capture: the file cannot have changed
  // behind the lock this user holds, and a capture's macro goes into the list it began with.
  if (closing_ || network_->Holding() || CaptureRunning() || CaptureCompleting()) return true;
  if (!network_->CountSyncMinute(context_.settings.syncMinutes)) return true;
  // The counter is read before the file: what is loaded is then at least as new as the counter
  // taken as known, so this user's next change is not refused as if the file had changed, and a
  // change that comes in between is still noticed.
  PrepareSharedFile();
  ReloadSharedMacroFile();
  return true;
}

void TMainWin::ReloadSharedMacroFile() {
  const int row = macroList_.SelectedRow();
  if (!context_.store.ReloadMacroFile()) return;
  ReloadKeyRemap();
  FillList();
  storage::SetHotKeys(context_.lock);
  macroList_.SelectRowOrLast(row > 0 ? row : 1);
  UpdateMacroMenu();
  if (scheduler_) scheduler_->CheckAndSetTime();
  // Another user may have added, removed or changed a menu with a tray icon.
  if (popupMenus_) popupMenus_->RebuildTrayIcons();
}

void TMainWin::OpenNetworkOptions() {
  if (!network_) return;
  const std::optional<NetworkChoice> choice =
      TNetworkConsiderations(context_.settings).Run(Handle());
  if (!choice) return;
  Settings& s = context_.settings;
  const NetworkChanges changes = ApplyNetworkChoice(*choice, s);
  network_->SetNetworkMode(s.networkMode);
  if (changes.prepareSync) network_->PrepareSync(context_.store.FileName());
  if (changes.resetSyncCount) network_->ResetSyncCount();
  networkHost_->SwitchSyncTimer(changes.syncTimerOn);
  SaveSettings(s, context_.profile);
}

}  // namespace quindle::app::win32
