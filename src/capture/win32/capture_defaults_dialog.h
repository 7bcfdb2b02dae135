// TCaptureDefaults: the "Capture Defaults" dialog of "&Options" > "&Capture". It shows the capture
// options of the settings and returns them as changed at "&Ok"; "&Cancel" changes nothing.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "capture/capture_types.h"
#include "platform/win32/dialog_base.h"

namespace quindle::capture::win32 {

class TCaptureDefaults final : public platform::win32::DialogBase {
 public:
  explicit TCaptureDefaults(const CaptureOptions& current) : current_(current) {}

  // Runs the dialog modally over `owner`: the options to store after "&Ok", nothing after
  // "&Cancel" or when the dialog could not be shown.
  std::optional<CaptureOptions> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  CaptureOptions current_;
  std::optional<CaptureOptions> result_;
};

}  // namespace quindle::capture::win32
