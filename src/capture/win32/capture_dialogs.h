// The capture dialogs as the capture session asks for them: "Capture Macro" before a capture
// from the dialog, "Capture Complete" after a quick capture, each modal over the main window.
#pragma once

#include "platform/win32/win32_api.h"

#include "capture/capture_types.h"
#include "platform/desktop.h"
#include "storage/table_lock.h"

namespace quindle::capture::win32 {

class CaptureDialogs final : public ICaptureDialogs {
 public:
  // `owner`: the window the dialogs are modal over (the main window); `lock`: the shared table,
  // for definition mode while "Capture Complete" waits for a hotkey. Both must outlive this.
  // Call the Run functions without holding a TableGuard: while a dialog is open the hook library
  // needs the table for every key. So RunCapComplete's `request.table` is best left null (the
  // dialog then reads the table through `lock` as it opens) or points to a copy of the table;
  // a pointer into the mapped table is valid only while a guard is held.
  // `windows` brings "Capture Complete" to the front (ForceForeground).
  CaptureDialogs(HWND owner, storage::TableLock& lock, platform::IWindows& windows)
      : owner_(owner), lock_(lock), windows_(windows) {}

  std::optional<CaptureKeysResult> RunCaptureKeys(const CaptureKeysRequest& request) override;
  std::optional<CapCompleteResult> RunCapComplete(const CapCompleteRequest& request) override;

 private:
  HWND owner_;
  storage::TableLock& lock_;
  platform::IWindows& windows_;
};

}  // namespace quindle::capture::win32
