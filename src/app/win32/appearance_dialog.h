// TDoAppear: "Appearance" of "&Options". The three column widths, the kind of buttons and the two
// fonts of the list (through the system's font dialog).
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "app/list_dialog_models.h"
#include "platform/win32/dialog_base.h"

namespace quindle::app::win32 {

class TDoAppear final : public platform::win32::DialogBase {
 public:
  explicit TDoAppear(const AppearanceForm& form) : form_(form) {}
  // The choice to apply after "&Ok"; nothing after "&Cancel" or when the dialog could not be
  // shown. The caller applies widths and fonts, recomputes the row heights, repaints, lays the
  // window out again and saves the settings.
  std::optional<AppearanceChoice> Run(HWND owner);

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override;

 private:
  void PickFont(FontSetting& font);

  AppearanceForm form_;
  std::optional<AppearanceChoice> result_;
};

}  // namespace quindle::app::win32
