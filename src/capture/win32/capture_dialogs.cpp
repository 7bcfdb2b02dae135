#include "capture/win32/capture_dialogs.h"

#include "capture/win32/cap_complete_dialog.h"
#include "capture/win32/capture_keys_dialog.h"

namespace quindle::capture::win32 {

std::optional<CaptureKeysResult> CaptureDialogs::RunCaptureKeys(const CaptureKeysRequest& request) {
  TCaptureKeys dialog(request);
  return dialog.Run(owner_);
}

std::optional<CapCompleteResult> CaptureDialogs::RunCapComplete(const CapCompleteRequest& request) {
  TCapComplete dialog(lock_, request, windows_);
  return dialog.Run(owner_);
}

}  // namespace quindle::capture::win32
