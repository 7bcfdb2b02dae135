// "Quick Info": the facts of one macro of the list, read-only.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>

#include "app/quick_info.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/handles.h"
#include "storage/macro_record.h"

namespace quindle::app::win32 {

class TQuickInfo final : public platform::win32::DialogBase {
 public:
  // `programDir` (without a trailing backslash) holds the "Icons" folder of the macros' icons.
  TQuickInfo(const storage::MacroRecord& macro, std::string programDir)
      : info_(MakeQuickInfo(macro)), programDir_(std::move(programDir)) {}

  // Runs modally over `owner`; true when it was shown.
  bool Run(HWND owner);

 protected:
  bool OnInit() override;

 private:
  void ShowIcon();

  QuickInfoText info_;
  std::string programDir_;
  platform::win32::IconOwner icon_;  // an icon file of the "Icons" folder, while shown
};

}  // namespace quindle::app::win32
