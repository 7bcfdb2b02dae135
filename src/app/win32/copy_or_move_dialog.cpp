#include "app/win32/copy_or_move_dialog.h"

#include "activation/define_mode.h"
#include "activation/typlets.h"
#include "app/win32/list_operations_res.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_names.h"
#include "hooklib/hotkey_number.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/controls/list_box.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kListOperationDialogIds;
static_assert(InRange(kListOperationDialogIds, IDD_COPY_OR_MOVE) &&
              InRange(kListOperationDialogIds, IDC_CM_KEY_LIST_LABEL) &&
              IDC_CM_KEY_LIST_LABEL < IDD_ADD_MACRO);

}  // namespace

bool TCopyOrMove::Run(HWND owner) {
  accepted_ = false;
  {
    // Read once: the hook library needs the table for every key while the user thinks.
    const storage::TableGuard guard(lock_);
    if (guard) {
      use_ = capture::KeyUse(guard.Table());
      globalCodes_ = GlobalCodes(guard.Table(), setup_.mode == CopyOrMoveMode::Move ? setup_.n : 0);
    }
  }
  return RunModal(owner, IDD_COPY_OR_MOVE).has_value() && accepted_;
}

bool TCopyOrMove::OnInit() {
  SetCaption(CopyOrMoveCaption(setup_.mode));
  SetItemText(IDC_CM_HEADING, CopyOrMoveHeading(setup_.mode, macro_));
  platform::win32::ListBox list(Handle(), IDC_CM_KEY_LIST);
  for (const std::string& line : capture::KeyLines(use_)) list.Add(line);
  platform::win32::EditField(Handle(), IDC_CM_TYPLET_NAME).SetLimit(activation::kTypletNameMax);
  platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Check(IDC_CM_HOT_KEY);
  if (OnlyHotkeys(macro_)) {
    platform::win32::EnableControls(
        Handle(), {IDC_CM_TIMED, IDC_CM_TYPLET, IDC_CM_TYPLET_LABEL, IDC_CM_TYPLET_NAME}, false);
  }
  // The focus message that follows turns definition mode on: the user can press the hotkey at
  // once.
  FocusItem(IDC_CM_HOT_KEY_ENTRY);
  return false;
}

void TCopyOrMove::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_CM_HOT_KEY_ENTRY:
      if (notifyCode == EN_SETFOCUS || notifyCode == EN_KILLFOCUS) {
        entryFocused_ = notifyCode == EN_SETFOCUS;
        DefineMode(entryFocused_);
      }
      return;
    case IDC_CM_TYPLET_NAME:
      // Typing a name chooses "T&yplet".
      if (notifyCode == EN_CHANGE && !ItemText(IDC_CM_TYPLET_NAME).empty())
        platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Check(IDC_CM_TYPLET);
      return;
    case IDC_CM_KEY_LIST:
      if (notifyCode == LBN_SELCHANGE) ShowSelectedName();
      return;
    default:
      DialogBase::OnCommand(id, notifyCode);
  }
}

void TCopyOrMove::SelectCode(int code) {
  platform::win32::ListBox(Handle(), IDC_CM_KEY_LIST).Select(code);
  ShowSelectedName();
}

void TCopyOrMove::ShowSelectedName() {
  const int code = platform::win32::ListBox(Handle(), IDC_CM_KEY_LIST).Selected();
  SetItemText(IDC_CM_HOT_KEY_ENTRY, hooklib::HotkeyName(code));
  // A chosen hotkey is what "&Ok" takes, whichever kind was checked before.
  if (code >= 0)
    platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Check(IDC_CM_HOT_KEY);
}

void TCopyOrMove::DefineMode(bool on) {
  activation::SetSecWind(lock_, platform::win32::FromHwnd(Handle()), on);
}

bool TCopyOrMove::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  if (message != hooklib::WM_HOTKEY_DEFINED) return false;
  // The hook's message has the number of DM_SETDEFID: answered TRUE, the dialog manager leaves
  // it alone.
  result = TRUE;
  if (!entryFocused_) return true;
  const int code = static_cast<int>(wParam & 0xFFFF);
  // In definition mode the hook reports Esc like any combination; it still cancels.
  if (code == hooklib::kEscapeCode) {
    OnCancel();
    return true;
  }
  if (!hooklib::HotkeyName(code).empty()) SelectCode(code);
  return true;
}

CopyOrMoveForm TCopyOrMove::ReadForm() const {
  CopyOrMoveForm form;
  const int checked = platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Checked();
  form.kind = checked == IDC_CM_TIMED    ? CopyOrMoveKind::Timed
              : checked == IDC_CM_TYPLET ? CopyOrMoveKind::Typlet
                                         : CopyOrMoveKind::Hotkey;
  form.selectedCode = platform::win32::ListBox(Handle(), IDC_CM_KEY_LIST).Selected();
  form.typletName = ItemText(IDC_CM_TYPLET_NAME);
  return form;
}

void TCopyOrMove::OnOK() {
  const CopyOrMoveForm form = ReadForm();
  const CopyOrMoveStep step = CheckCopyOrMove(setup_.mode, macro_, form, globalCodes_);
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(Handle()));
  if (step.kind == CopyOrMoveStep::Kind::Refuse) {
    prompts.ShowMessage(step.title, step.message);
    platform::win32::FocusFieldInError(Handle(), step.focus == CopyOrMoveField::TypletName
                                                     ? IDC_CM_TYPLET_NAME
                                                     : IDC_CM_HOT_KEY_ENTRY);
    return;
  }
  // No keeps the dialog open, to choose another hotkey.
  if (step.kind == CopyOrMoveStep::Kind::Ask && !prompts.AskYesNo(step.title, step.message)) {
    FocusItem(IDC_CM_HOT_KEY_ENTRY);
    return;
  }
  DefineMode(false);
  ApplyCopyOrMove(form, setup_.now ? setup_.now() : 0.0, macro_);
  if (step.openSchedule && setup_.setSchedule) setup_.setSchedule(macro_, Handle());
  accepted_ = true;
  End(IDOK);
}

void TCopyOrMove::OnDestroy() {
  DefineMode(false);
}

}  // namespace quindle::app::win32
