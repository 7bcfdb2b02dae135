#include "app/win32/network_dialog.h"

#include "app/win32/network_dialog_res.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {

using platform::win32::CheckBox;
using platform::win32::InRange;
using platform::win32::kNetworkDialogIds;
static_assert(InRange(kNetworkDialogIds, IDD_NETWORK) &&
              InRange(kNetworkDialogIds, IDC_FILE_LOCKING) &&
              InRange(kNetworkDialogIds, IDC_AUTO_SYNC) &&
              InRange(kNetworkDialogIds, IDC_SYNC_EVERY) &&
              InRange(kNetworkDialogIds, IDC_SYNC_MINUTES) &&
              InRange(kNetworkDialogIds, IDC_SYNC_UNIT));

std::optional<NetworkChoice> TNetworkConsiderations::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_NETWORK)) return std::nullopt;
  return result_;
}

bool TNetworkConsiderations::OnInit() {
  SetCaption(kNetworkCaption);
  CheckBox(Handle(), IDC_FILE_LOCKING).SetChecked(form_.fileLocking);
  CheckBox(Handle(), IDC_AUTO_SYNC).SetChecked(form_.autoSync);
  platform::win32::EditField minutes(Handle(), IDC_SYNC_MINUTES);
  minutes.SetLimit(2);
  minutes.SetText(form_.minutes);
  FileLockingClick();
  return true;
}

void TNetworkConsiderations::OnCommand(int id, int notifyCode) {
  if (id == IDC_FILE_LOCKING && notifyCode == BN_CLICKED) {
    FileLockingClick();
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TNetworkConsiderations::FileLockingClick() {
  const bool on = CheckBox(Handle(), IDC_FILE_LOCKING).IsChecked();
  platform::win32::EnableControls(
      Handle(), {IDC_AUTO_SYNC, IDC_SYNC_EVERY, IDC_SYNC_MINUTES, IDC_SYNC_UNIT}, on);
}

NetworkForm TNetworkConsiderations::ReadForm() const {
  NetworkForm form;
  form.fileLocking = CheckBox(Handle(), IDC_FILE_LOCKING).IsChecked();
  form.autoSync = CheckBox(Handle(), IDC_AUTO_SYNC).IsChecked();
  form.minutes = ItemText(IDC_SYNC_MINUTES);
  return form;
}

void TNetworkConsiderations::OnOK() {
  const NetworkResult result = AcceptNetworkForm(ReadForm());
  if (!result.choice) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(kNetworkErrorTitle, result.message);
    platform::win32::FocusFieldInError(Handle(), IDC_SYNC_MINUTES);
    return;
  }
  result_ = result.choice;
  End(IDOK);
}

// Esc and the close box apply the values too; a minute field that holds no number keeps the
// minutes as they were.
void TNetworkConsiderations::OnCancel() {
  result_ = ChoiceOnClose(ReadForm(), current_);
  End(IDCANCEL);
}

}  // namespace quindle::app::win32
