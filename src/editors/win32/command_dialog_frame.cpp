#include "editors/win32/command_dialog_frame.h"

#include <string>

#include "editors/win32/command_dialogs_a_res.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::editors::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kEditorDialogIds;
// This file's dialogs keep to 3800-4099 of the editors' range; the other command dialogs use
// 4100-4399 and the editors themselves 3600-3799.
constexpr platform::win32::ResourceRange kFirstCommandDialogIds{3800, 4099};
static_assert(InRange(kEditorDialogIds, kFirstCommandDialogIds.first) &&
              InRange(kEditorDialogIds, kFirstCommandDialogIds.last));
static_assert(InRange(kFirstCommandDialogIds, IDC_CDA_HELP) &&
              InRange(kFirstCommandDialogIds, IDC_CDA_BROWSE));

constexpr std::string_view kSystemErrorCaption = "System Error";
constexpr std::string_view kNoDialog = "The dialog could not be opened.";

}  // namespace

CommandOutcome CommandDialog::RunCommand(HWND owner, int templateId) {
  result_.reset();
  AnswerF1With(IDC_CDA_HELP);
  const std::optional<INT_PTR> code = RunModal(owner, templateId);
  if (!code) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(owner))
        .ShowMessage(kSystemErrorCaption, kNoDialog);
    return std::nullopt;
  }
  if (*code != IDOK) return std::nullopt;
  return result_;
}

void CommandDialog::OnCommand(int id, int notifyCode) {
  if (id == IDC_CDA_HELP) {
    if (notifyCode == BN_CLICKED) ShowHelp();
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

void CommandDialog::CheckRadio(int first, int last, int id) {
  platform::win32::RadioGroup(Handle(), first, last).Check(id);
}

bool CommandDialog::IsChecked(int id) const {
  return platform::win32::CheckBox(Handle(), id).IsChecked();
}

void CommandDialog::SetChecked(int id, bool checked) {
  platform::win32::CheckBox(Handle(), id).SetChecked(checked);
}

void CommandDialog::Enable(int id, bool enabled) {
  platform::win32::Control(Handle(), id).Enable(enabled);
}

}  // namespace quindle::editors::win32
