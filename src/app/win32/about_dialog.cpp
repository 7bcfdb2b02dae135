#include "app/win32/about_dialog.h"

#include "app/win32/main_window_res.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::app::win32 {

using platform::win32::InRange;
using platform::win32::kAboutDialogIds;
static_assert(InRange(kAboutDialogIds, IDD_ABOUT) && InRange(kAboutDialogIds, IDC_ABOUT_NAME) &&
              InRange(kAboutDialogIds, IDC_ABOUT_VERSION) &&
              InRange(kAboutDialogIds, IDC_ABOUT_ICON) && InRange(kAboutDialogIds, IDC_ABOUT_FILE));

bool TAboutBox::Run(HWND owner) {
  return RunModal(owner, IDD_ABOUT).has_value();
}

bool TAboutBox::OnInit() {
  // A text that cannot be set leaves the template's; the box still closes with OK.
  SetCaption(view_.caption);
  SetItemText(IDC_ABOUT_NAME, view_.programName);
  SetItemText(IDC_ABOUT_VERSION, view_.detail);
  SetItemText(IDC_ABOUT_FILE, view_.macroFile);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  if (icon == nullptr) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  if (icon != nullptr) SendItem(IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return true;
}

}  // namespace quindle::app::win32
