#include "editors/win32/text_dialogs.h"

#include <string>

#include "editors/win32/command_dialog_support.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/shell.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

static_assert(InFamilyRange(IDD_REMARK) && InFamilyRange(IDC_RM_HELP));
static_assert(InFamilyRange(IDD_WEB) && InFamilyRange(IDC_WB_HELP));
static_assert(InFamilyRange(IDD_SWAP) && InFamilyRange(IDC_SW_HELP));
static_assert(InFamilyRange(IDD_TEXT_FILE) && InFamilyRange(IDC_TF_HELP));
static_assert(platform::kTopicRemarks == kRemarkHelpTopic);
static_assert(platform::kTopicSwapMacroFile == kSwapHelpTopic);
static_assert(platform::kTopicInsertTextFile == kTextInsertHelpTopic);

// The edited line's text, empty for a new command.
std::string EditedText(const CommandDialogRequest& request) {
  const StringData* data = EditedData<StringData>(request);
  return data != nullptr ? data->text : std::string();
}

// Ends `dialog` with the accepted command, or shows the refusal and focuses `field`.
template <typename Outcome>
bool Settle(HWND dialog, Outcome outcome, int field, CommandOutcome& result) {
  if (!outcome.Accepted()) {
    ShowRefusal(dialog, outcome.caption, outcome.message, field);
    return false;
  }
  result = std::move(outcome.result);
  return true;
}

}  // namespace

// ---- "Remark"

CommandOutcome TDoRemark::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_REMARK)) return std::nullopt;
  return result_;
}

bool TDoRemark::OnInit() {
  AnswerF1With(IDC_RM_HELP);
  SetCaption(kRemarkCaption);
  SetItemText(IDC_RM_LABEL, kRemarkLabel);
  LimitField(Handle(), IDC_RM_TEXT, kRemarkLimit);
  SetItemText(IDC_RM_TEXT, EditedText(request_));
  FocusItem(IDC_RM_TEXT);
  return false;
}

void TDoRemark::OnCommand(int id, int notifyCode) {
  if (id == IDC_RM_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicRemarks);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoRemark::OnOK() {
  if (Settle(Handle(), AcceptRemark(ItemText(IDC_RM_TEXT)), IDC_RM_TEXT, result_)) End(IDOK);
}

CommandOutcome RunRemarkDialog(HWND owner, const CommandDialogRequest& request) {
  return TDoRemark(request).Run(owner);
}

// ---- `TDoWebStuff`

TDoWebStuff::TDoWebStuff(const CommandDialogRequest& request)
    : request_(request), mode_(request.command == kCmdWebFtp ? WebMode::Ftp : WebMode::Site) {}

CommandOutcome TDoWebStuff::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_WEB)) return std::nullopt;
  return result_;
}

bool TDoWebStuff::OnInit() {
  AnswerF1With(IDC_WB_HELP);
  const WebTexts texts = TextsOfWebMode(mode_);
  SetCaption(texts.caption);
  SetItemText(IDC_WB_LABEL, texts.label);
  SetItemText(IDC_WB_ADDRESS,
              request_.edit != nullptr ? EditedText(request_) : std::string(texts.preset));
  FocusItem(IDC_WB_ADDRESS);
  return false;
}

void TDoWebStuff::OnCommand(int id, int notifyCode) {
  if (id == IDC_WB_HELP) {
    static_assert(platform::kTopicWebFtp == "Web FTP" &&
                  platform::kTopicWebSiteUrl == "Web Site URL");
    if (mode_ == WebMode::Ftp) {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicWebFtp);
    } else {
      platform::win32::ShowHelpTopic(Handle(), platform::kTopicWebSiteUrl);
    }
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoWebStuff::OnOK() {
  if (Settle(Handle(), AcceptWeb(mode_, ItemText(IDC_WB_ADDRESS)), IDC_WB_ADDRESS, result_)) {
    End(IDOK);
  }
}

CommandOutcome RunWebDialog(HWND owner, const CommandDialogRequest& request) {
  return TDoWebStuff(request).Run(owner);
}

// ---- "Load A New Macro File"

CommandOutcome TDoSwap::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_SWAP)) return std::nullopt;
  return result_;
}

bool TDoSwap::OnInit() {
  AnswerF1With(IDC_SW_HELP);
  SetItemText(IDC_SW_PATH, EditedText(request_));
  FocusItem(IDC_SW_PATH);
  return false;
}

void TDoSwap::OnCommand(int id, int notifyCode) {
  if (id == IDC_SW_BROWSE) {
    BrowseInto(Handle(), IDC_SW_PATH, {kSwapBrowseFilter, kSwapBrowseExtension});
  } else if (id == IDC_SW_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicSwapMacroFile);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoSwap::OnOK() {
  if (Settle(Handle(), AcceptSwap(ItemText(IDC_SW_PATH), paths_), IDC_SW_PATH, result_)) {
    End(IDOK);
  }
}

CommandOutcome RunSwapDialog(HWND owner, const CommandDialogRequest& request, IPathChecks& paths) {
  return TDoSwap(request, paths).Run(owner);
}

// ---- "Load Text from a Text File"

CommandOutcome TDoTextInsert::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_TEXT_FILE)) return std::nullopt;
  return result_;
}

bool TDoTextInsert::OnInit() {
  AnswerF1With(IDC_TF_HELP);
  SetItemText(IDC_TF_PATH, EditedText(request_));
  FocusItem(IDC_TF_PATH);
  return false;
}

void TDoTextInsert::OnCommand(int id, int notifyCode) {
  if (id == IDC_TF_BROWSE) {
    // Any text file may be inserted; the file dialog shows all of them.
    BrowseInto(Handle(), IDC_TF_PATH, {"Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*", ""});
  } else if (id == IDC_TF_EDIT) {
    EditTextFileClick();
  } else if (id == IDC_TF_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicInsertTextFile);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TDoTextInsert::EditTextFileClick() {
  const DialogOutcome<PathField, std::string> file = EditTextFile(ItemText(IDC_TF_PATH), paths_);
  if (!file.Accepted()) {
    ShowRefusal(Handle(), file.caption, file.message, IDC_TF_PATH);
    return;
  }
  platform::win32::Win32Shell(platform::win32::FromHwnd(Handle()))
      .Execute(kTextEditorVerb, kTextEditorProgram, "\"" + *file.result + "\"", SW_SHOWNORMAL);
}

void TDoTextInsert::OnOK() {
  const std::string path = ItemText(IDC_TF_PATH);
  auto outcome =
      Decide(Handle(), [&](Answer answer) { return AcceptTextInsert(path, paths_, answer); });
  if (Settle(Handle(), std::move(outcome), IDC_TF_PATH, result_)) End(IDOK);
}

CommandOutcome RunTextFileDialog(HWND owner, const CommandDialogRequest& request,
                                 IPathChecks& paths) {
  return TDoTextInsert(request, paths).Run(owner);
}

}  // namespace quindle::editors::win32
