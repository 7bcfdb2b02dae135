#include "editors/win32/clipboard_dialog.h"

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/help.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_CLIPBOARD) && InFamilyRange(IDC_CB_HELP));
static_assert(IDC_CB_KIND_LAST - IDC_CB_KIND_FIRST + 1 == std::size(kClipboardKindTexts));
static_assert(platform::kTopicClipboardOptions == kClipboardHelpTopic);

ClipboardForm FormOf(const CommandDialogRequest& request) {
  return OpeningForm<ClipData>(request, ClipboardFormOf, DirectClipboardForm,
                               ClipboardFormForCommand);
}

}  // namespace

CommandOutcome TDoClipboard::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_CLIPBOARD)) return std::nullopt;
  return result_;
}

bool TDoClipboard::OnInit() {
  AnswerF1With(IDC_CB_HELP);
  const ClipboardForm form = FormOf(request_);
  CheckKind(Handle(), IDC_CB_KIND_FIRST, IDC_CB_KIND_LAST, form.kind);
  SetItemText(IDC_CB_PATH, form.path);
  Enabledisable();
  FocusItem(form.kind == 3 ? IDC_CB_PATH : IDC_CB_KIND_FIRST + form.kind - 1);
  return false;
}

void TDoClipboard::Enabledisable() {
  const int kind = CheckedKind(Handle(), IDC_CB_KIND_FIRST, IDC_CB_KIND_LAST);
  platform::win32::EnableControls(Handle(), {IDC_CB_PATH_LABEL, IDC_CB_PATH, IDC_CB_BROWSE},
                                  ClipboardPathEnabled(kind));
}

void TDoClipboard::OnCommand(int id, int notifyCode) {
  if (id >= IDC_CB_KIND_FIRST && id <= IDC_CB_KIND_LAST) {
    if (notifyCode == BN_CLICKED) Enabledisable();
  } else if (id == IDC_CB_BROWSE) {
    BrowseInto(Handle(), IDC_CB_PATH, {kClipboardBrowseFilter, kClipboardBrowseExtension});
  } else if (id == IDC_CB_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicClipboardOptions);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoClipboard::OnOK() {
  ClipboardForm form;
  form.kind = CheckedKind(Handle(), IDC_CB_KIND_FIRST, IDC_CB_KIND_LAST);
  form.path = ItemText(IDC_CB_PATH);
  DialogOutcome<ClipboardField> outcome = AcceptClipboard(form, paths_);
  if (!outcome.Accepted()) {
    ShowRefusal(Handle(), outcome.caption, outcome.message,
                outcome.focus == ClipboardField::ProgPath ? IDC_CB_PATH : IDC_CB_KIND_FIRST);
    return;
  }
  result_ = std::move(outcome.result);
  End(IDOK);
}

CommandOutcome RunClipboardDialog(HWND owner, const CommandDialogRequest& request,
                                  IPathChecks& paths) {
  return TDoClipboard(request, paths).Run(owner);
}

}  // namespace quindle::editors::win32
