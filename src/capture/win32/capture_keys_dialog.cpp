#include "capture/win32/capture_keys_dialog.h"

#include "capture/capture_forms.h"
#include "capture/win32/capture_dialogs_res.h"
#include "capture/win32/capture_option_controls.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/help.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::capture::win32 {

using platform::win32::InRange;
using platform::win32::kCaptureDialogIds;
static_assert(InRange(kCaptureDialogIds, IDD_CAPTURE_KEYS) && IDD_CAPTURE_KEYS >= 3450 &&
              InRange(kCaptureDialogIds, IDC_CAP_NICKNAME) && IDC_CAP_NICKNAME < 3500);

std::optional<CaptureKeysResult> TCaptureKeys::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_CAPTURE_KEYS)) return std::nullopt;
  return result_;
}

bool TCaptureKeys::OnInit() {
  SetCaption(kCaptureMacroCaption);
  SetItemText(IDC_CAP_STOP_TEXT_1, request_.stopText1);
  SetItemText(IDC_CAP_STOP_TEXT_2, request_.stopText2);
  // A Typlet macro has no hotkey of its own to end the capture with.
  ShowItem(IDC_CAP_STOP_TEXT_2, !request_.stopText2.empty());
  platform::win32::EditField nickname(Handle(), IDC_CAP_NICKNAME);
  nickname.SetLimit(kCaptureNicknameMax);
  nickname.SetText(request_.nickname);
  ShowCaptureOptions(Handle(), request_.options);
  ShowScope(Handle(), IDC_CAP_GLOBAL, IDC_CAP_PROGRAM, InitialScope(request_));
  // Another macro already has this hotkey globally: this one can only be the program's.
  if (request_.forceProgram) EnableWindow(Item(IDC_CAP_GLOBAL), FALSE);
  return true;
}

void TCaptureKeys::OnCommand(int id, int notifyCode) {
  if (IsCaptureMasterOption(id) && notifyCode == BN_CLICKED) {
    ApplyCaptureEnablement(Handle());
  } else if (id == IDC_CAP_HELP && notifyCode == BN_CLICKED) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureMacro);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

bool TCaptureKeys::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_HELP) return false;
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureMacro);
  result = TRUE;
  return true;
}

void TCaptureKeys::OnOK() {
  result_ = AcceptCaptureKeys(request_, ReadCaptureOptions(Handle(), request_.options),
                              ItemText(IDC_CAP_NICKNAME), ReadScope(Handle(), IDC_CAP_PROGRAM));
  End(IDOK);
}

}  // namespace quindle::capture::win32
