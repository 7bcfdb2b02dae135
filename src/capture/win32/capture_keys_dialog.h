// TCaptureKeys: the "Capture Macro" dialog that starts the capture of a new or an existing macro.
// It shows how the capture will be ended, the macro's nickname and the capture options (the
// defaults at first), and hands the choices to the capture session at "&Start Capture".
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "capture/capture_types.h"
#include "platform/win32/dialog_base.h"

namespace quindle::capture::win32 {

class TCaptureKeys final : public platform::win32::DialogBase {
 public:
  explicit TCaptureKeys(CaptureKeysRequest request) : request_(std::move(request)) {}

  // Runs the dialog modally over `owner`: the choices after "&Start Capture"; nothing after
  // "&Cancel", Esc or the close button, or when the dialog could not be shown.
  std::optional<CaptureKeysResult> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  CaptureKeysRequest request_;
  std::optional<CaptureKeysResult> result_;
};

}  // namespace quindle::capture::win32
