#include "editors/win32/wizard_dialog.h"

#include "editors/win32/editor_dialogs_res.h"
#include "platform/help_topics.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
static_assert(InRange(kEditorDialogIds, IDD_WIZARD) && InRange(kEditorDialogIds, IDC_WZ_HELP));
static_assert(IDC_WZ_TASK_LAST - IDC_WZ_TASK_FIRST + 1 == kWizardTasks.size());

}  // namespace

void TDoWizard::Run(HWND owner) {
  static_cast<void>(RunModal(owner, IDD_WIZARD));
}

bool TDoWizard::OnInit() {
  AnswerF1With(IDC_WZ_HELP);
  SetCaption(kWizardCaption);
  SetItemText(IDC_WZ_QUESTION, kWizardQuestion);
  for (std::size_t i = 0; i < kWizardTasks.size(); ++i) {
    SetItemText(IDC_WZ_TASK_FIRST + static_cast<int>(i), kWizardTasks[i].label);
  }
  return true;
}

void TDoWizard::OnCommand(int id, int notifyCode) {
  if (id >= IDC_WZ_TASK_FIRST && id <= IDC_WZ_TASK_LAST && notifyCode == BN_CLICKED) {
    const WizardTask& task = kWizardTasks[static_cast<std::size_t>(id - IDC_WZ_TASK_FIRST)];
    // A cancelled dialog returns to the wizard without a question.
    if (!runTask_ || !runTask_(task)) return;
    const bool more = platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
                          .AskYesNo(kWizardAddedCaption, kWizardAddedQuestion);
    if (!more) End(IDOK);
    return;
  }
  if (id == IDC_WZ_HELP) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicCommandWizard);
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

}  // namespace quindle::editors::win32
