#include "editors/win32/keys_dialog.h"

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_KEYS) && InFamilyRange(IDC_KU_HELP));
static_assert(IDC_KU_LAST - IDC_KU_FIRST + 1 == std::size(kKeyUpDownTexts));
static_assert(platform::kTopicKeysUpOrDown == kKeyUpDownHelpTopic);

int CodeOf(const CommandDialogRequest& request) {
  if (const KeyData* data = EditedData<KeyData>(request)) return data->code;
  return request.direct ? 0 : KeyCodeForCommand(request.command);
}

}  // namespace

CommandOutcome TDoKeyUpDown::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_KEYS)) return std::nullopt;
  return result_;
}

bool TDoKeyUpDown::OnInit() {
  AnswerF1With(IDC_KU_HELP);
  const int code = CodeOf(request_);
  CheckKind(Handle(), IDC_KU_FIRST, IDC_KU_LAST, code);
  FocusItem(code >= 1 && code <= IDC_KU_LAST - IDC_KU_FIRST + 1 ? IDC_KU_FIRST + code - 1
                                                                : IDC_KU_FIRST);
  return false;
}

void TDoKeyUpDown::OnCommand(int id, int notifyCode) {
  if (id == IDC_KU_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicKeysUpOrDown);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoKeyUpDown::OnOK() {
  DialogOutcome<KeyUpDownField> outcome =
      AcceptKeyUpDown(CheckedKind(Handle(), IDC_KU_FIRST, IDC_KU_LAST));
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message, IDC_KU_FIRST);
    return;
  }
  result_ = std::move(outcome.result);
  End(IDOK);
}

CommandOutcome RunKeysDialog(HWND owner, const CommandDialogRequest& request) {
  return TDoKeyUpDown(request).Run(owner);
}

}  // namespace quindle::editors::win32
