// TNetworkConsiderations: the "Network Considerations" dialog of "&Options" > "&Network". It
// shows the three network settings of its model (app/network_options.h) and, however it is
// closed, returns the values to apply.
#pragma once

#include "platform/win32/win32_api.h"

#include "app/network_options.h"
#include "platform/win32/dialog_base.h"

namespace quindle::app::win32 {

class TNetworkConsiderations final : public platform::win32::DialogBase {
 public:
  explicit TNetworkConsiderations(const Settings& current)
      : current_(current), form_(FormOfNetwork(current)) {}

  // Runs the dialog modally over `owner`. Closing it by "&Ok" or otherwise gives the values to
  // apply; nothing only when the dialog could not be shown.
  std::optional<NetworkChoice> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // The two synchronization controls are enabled only while file locking is ticked.
  void FileLockingClick();
  NetworkForm ReadForm() const;

  const Settings& current_;
  NetworkForm form_;
  std::optional<NetworkChoice> result_;
};

}  // namespace quindle::app::win32
