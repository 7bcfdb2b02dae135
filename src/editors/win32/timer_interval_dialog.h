// "Scheduler Frequency": TDoDelay in its scheduler mode, opened by "&Options" > "&Scheduler" >
// "&Timer Interval" to set how many seconds apart the timed macros are checked.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "platform/win32/dialog_base.h"

namespace quindle::editors::win32 {

class TDoTimerInterval final : public platform::win32::DialogBase {
 public:
  explicit TDoTimerInterval(int seconds) : seconds_(seconds) {}
  // The new "Timer Seconds", 1..60; nothing after "&Cancel".
  std::optional<int> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnOK() override;

 private:
  int seconds_;
  std::optional<int> result_;
};

}  // namespace quindle::editors::win32
