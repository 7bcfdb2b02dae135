// TAboutBox: the "About Quindle 98" box of the "&Help" menu, on the About template of
// main_window.rc. It shows the texts of its model (app/about_box.h) and closes with OK, Enter or
// Esc.
#pragma once

#include "platform/win32/win32_api.h"

#include "app/about_box.h"
#include "platform/win32/dialog_base.h"

namespace quindle::app::win32 {

class TAboutBox final : public platform::win32::DialogBase {
 public:
  explicit TAboutBox(AboutView view) : view_(std::move(view)) {}

  // Runs the box modally over `owner`; false when it could not be shown.
  bool Run(HWND owner);

 protected:
  bool OnInit() override;

 private:
  AboutView view_;
};

}  // namespace quindle::app::win32
