#include "app/win32/appearance_dialog.h"

#include <array>
#include <string>

#include "app/win32/font_settings.h"
#include "app/win32/list_view_dialogs_res.h"
#include "editors/win32/command_dialog_support.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kListViewDialogIds;
static_assert(InRange(kListViewDialogIds, IDD_APPEARANCE) &&
              InRange(kListViewDialogIds, IDC_AP_ROW_FONT));
static_assert(IDD_APPEARANCE >= 4430 && IDC_AP_ROW_FONT < 4460, "Appearance keeps to 4430-4459");

constexpr std::array<int, 3> kWidthIds{IDC_AP_COL1, IDC_AP_COL2, IDC_AP_COL3};

}  // namespace

std::optional<AppearanceChoice> TDoAppear::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_APPEARANCE)) return std::nullopt;
  return result_;
}

bool TDoAppear::OnInit() {
  SetCaption(kAppearanceCaption);
  for (std::size_t i = 0; i < kWidthIds.size(); ++i) {
    editors::win32::LimitField(Handle(), kWidthIds[i], kColumnWidthDigits);
    SetItemText(kWidthIds[i], form_.widths[i]);
  }
  platform::win32::RadioGroup(Handle(), IDC_AP_SPEED, IDC_AP_LETTERED)
      .Check(form_.useSpeed ? IDC_AP_SPEED : IDC_AP_LETTERED);
  FocusItem(IDC_AP_COL1);
  return false;
}

void TDoAppear::OnCommand(int id, int notifyCode) {
  if (id == IDC_AP_TITLE_FONT && notifyCode == BN_CLICKED) {
    PickFont(form_.titleFont);
  } else if (id == IDC_AP_ROW_FONT && notifyCode == BN_CLICKED) {
    PickFont(form_.rowFont);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoAppear::PickFont(FontSetting& font) {
  if (const std::optional<FontSetting> chosen = AskFontSetting(Handle(), font)) font = *chosen;
}

void TDoAppear::OnOK() {
  for (std::size_t i = 0; i < kWidthIds.size(); ++i) form_.widths[i] = ItemText(kWidthIds[i]);
  form_.useSpeed = platform::win32::CheckBox(Handle(), IDC_AP_SPEED).IsChecked();
  const auto outcome = AcceptAppearance(form_);
  if (!outcome.Accepted()) {
    editors::win32::ShowRefusal(Handle(), outcome.caption, outcome.message,
                                kWidthIds[static_cast<std::size_t>(outcome.focus)]);
    return;
  }
  result_ = *outcome.result;
  End(IDOK);
}

}  // namespace quindle::app::win32
