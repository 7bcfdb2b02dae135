#include "capture/win32/capture_defaults_dialog.h"

#include "capture/capture_forms.h"
#include "capture/win32/capture_dialogs_res.h"
#include "capture/win32/capture_option_controls.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/help.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::capture::win32 {

using platform::win32::InRange;
using platform::win32::kCaptureDialogIds;
static_assert(InRange(kCaptureDialogIds, IDC_CAP_KEYS) &&
              InRange(kCaptureDialogIds, IDC_CAP_HELP) &&
              InRange(kCaptureDialogIds, IDD_CAPTURE_DEFAULTS) &&
              InRange(kCaptureDialogIds, IDC_CAP_PROMPT));
static_assert(IDC_CAP_PROMPT < 3450, "Capture Defaults keeps to 3400-3449");

std::optional<CaptureOptions> TCaptureDefaults::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_CAPTURE_DEFAULTS)) return std::nullopt;
  return result_;
}

bool TCaptureDefaults::OnInit() {
  SetCaption(kCaptureDefaultsCaption);
  ShowCaptureOptions(Handle(), current_);
  platform::win32::CheckBox(Handle(), IDC_CAP_PROMPT).SetChecked(current_.prompt);
  ShowScope(Handle(), IDC_CAP_GLOBAL, IDC_CAP_PROGRAM,
            current_.global ? ScopeChoice::Global : ScopeChoice::Program);
  return true;
}

void TCaptureDefaults::OnCommand(int id, int notifyCode) {
  if (IsCaptureMasterOption(id) && notifyCode == BN_CLICKED) {
    ApplyCaptureEnablement(Handle());
  } else if (id == IDC_CAP_HELP && notifyCode == BN_CLICKED) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureDefaults);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

bool TCaptureDefaults::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
  if (message != WM_HELP) return false;
  platform::win32::ShowHelpTopic(Handle(), platform::kTopicCaptureDefaults);
  result = TRUE;
  return true;
}

void TCaptureDefaults::OnOK() {
  CaptureOptions form = ReadCaptureOptions(Handle(), current_);
  form.prompt = platform::win32::CheckBox(Handle(), IDC_CAP_PROMPT).IsChecked();
  form.global = ReadScope(Handle(), IDC_CAP_PROGRAM) == ScopeChoice::Global;
  result_ = AcceptCaptureDefaults(form);
  End(IDOK);
}

}  // namespace quindle::capture::win32
