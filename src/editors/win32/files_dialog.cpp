#include "editors/win32/files_dialog.h"

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_FILES) && InFamilyRange(IDC_FM_HELP));
static_assert(IDC_FM_KIND_LAST - IDC_FM_KIND_FIRST + 1 == std::size(kFilesKindTexts));
static_assert(platform::kTopicFileCommands == kFilesHelpTopic);

FilesForm FormOf(const CommandDialogRequest& request) {
  return OpeningForm<FileData>(request, FilesFormOf, DirectFilesForm, FilesFormForCommand);
}

}  // namespace

CommandOutcome TDoDOSFiles::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_FILES)) return std::nullopt;
  return result_;
}

bool TDoDOSFiles::OnInit() {
  AnswerF1With(IDC_FM_HELP);
  const FilesForm form = FormOf(request_);
  CheckKind(Handle(), IDC_FM_KIND_FIRST, IDC_FM_KIND_LAST, static_cast<int>(form.kind));
  SetItemText(IDC_FM_PATH, form.path);
  SetItemText(IDC_FM_NEW_NAME, form.newName);
  Enabledisable();
  FocusItem(IDC_FM_PATH);
  return false;
}

FilesKind TDoDOSFiles::CheckedFilesKind() const {
  const int kind = CheckedKind(Handle(), IDC_FM_KIND_FIRST, IDC_FM_KIND_LAST);
  return kind == 0 ? FilesKind::ChangeDirectory : static_cast<FilesKind>(kind);
}

void TDoDOSFiles::Enabledisable() {
  const FilesKind kind = CheckedFilesKind();
  SetItemText(IDC_FM_PATH_LABEL, FilesPathLabel(kind));
  const bool newName = FilesNewNameShown(kind);
  ShowItem(IDC_FM_NEW_NAME_LABEL, newName);
  ShowItem(IDC_FM_NEW_NAME, newName);
}

void TDoDOSFiles::OnCommand(int id, int notifyCode) {
  if (id >= IDC_FM_KIND_FIRST && id <= IDC_FM_KIND_LAST) {
    if (notifyCode == BN_CLICKED) Enabledisable();
  } else if (id == IDC_FM_BROWSE) {
    BrowseInto(Handle(), IDC_FM_PATH, {kFilesBrowseFilter, ""});
  } else if (id == IDC_FM_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicFileCommands);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoDOSFiles::OnOK() {
  FilesForm form;
  form.kind = CheckedFilesKind();
  form.path = ItemText(IDC_FM_PATH);
  form.newName = FilesNewNameShown(form.kind) ? ItemText(IDC_FM_NEW_NAME) : std::string();
  DialogOutcome<FilesField> outcome = AcceptFiles(form, paths_);
  if (!outcome.Accepted()) {
    const int focus = outcome.focus == FilesField::NewName    ? IDC_FM_NEW_NAME
                      : outcome.focus == FilesField::ProgPath ? IDC_FM_PATH
                                                              : IDC_FM_KIND_FIRST;
    ShowRefusal(Handle(), outcome.caption, outcome.message, focus);
    return;
  }
  result_ = std::move(outcome.result);
  End(IDOK);
}

CommandOutcome RunFilesDialog(HWND owner, const CommandDialogRequest& request, IPathChecks& paths) {
  return TDoDOSFiles(request, paths).Run(owner);
}

}  // namespace quindle::editors::win32
