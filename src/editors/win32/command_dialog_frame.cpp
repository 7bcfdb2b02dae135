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
constexpr std::string_view kNoFileDialog = "The file dialog could not be opened.";

}  // namespace

CommandOutcome CommandDialog::RunCommand(HWND owner, int templateId) {
  result_.reset();
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

bool CommandDialog::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  // F1 anywhere in the dialog.
  if (message != WM_HELP) return false;
  ShowHelp();
  result = TRUE;
  return true;
}

void CommandDialog::Refuse(std::string_view caption, std::string_view message, int focusId) {
  if (!message.empty()) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(caption.empty() ? kErrorCaption : caption, message);
  }
  platform::win32::FocusFieldInError(Handle(), focusId);
}

void CommandDialog::Browse(int pathId, std::string_view title, std::string_view filter,
                           std::string_view defaultExt) {
  const std::string current = Trimmed(ItemText(pathId));
  platform::win32::FileDialogOptions options;
  options.title = title;
  options.filter = filter;
  options.defaultExt = defaultExt;
  options.initialFile = current;
  unsigned long error = 0;
  const std::optional<std::string> chosen = platform::win32::AskOpenFile(Handle(), options, error);
  if (chosen) {
    SetItemText(pathId, *chosen);
  } else if (error != 0) {
    platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
        .ShowMessage(kSystemErrorCaption, kNoFileDialog);
  }
  platform::win32::FocusFieldInError(Handle(), pathId);
}

void CommandDialog::CheckRadio(int first, int last, int id) {
  platform::win32::RadioGroup(Handle(), first, last).Check(id);
}

int CommandDialog::CheckedRadio(int first, int last) const {
  const int id = platform::win32::RadioGroup(Handle(), first, last).Checked();
  return id == 0 ? 0 : id - first + 1;
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

void CommandDialog::SetLimit(int id, std::size_t characters) {
  platform::win32::EditField(Handle(), id).SetLimit(characters);
}

}  // namespace quindle::editors::win32
