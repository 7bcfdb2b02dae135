#include "app/win32/copy_or_move_dialog.h"

#include "activation/typlets.h"
#include "app/win32/list_operations_res.h"
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

TCopyOrMove::TCopyOrMove(storage::TableLock& lock, storage::MacroRecord& macro,
                         CopyOrMoveSetup setup)
    : lock_(lock),
      macro_(macro),
      setup_(std::move(setup)),
      picker_(lock, IDC_CM_HOT_KEY_ENTRY, IDC_CM_KEY_LIST) {}

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
    case IDC_CM_TYPLET_NAME:
      // Typing a name chooses "T&yplet".
      if (notifyCode == EN_CHANGE && !ItemText(IDC_CM_TYPLET_NAME).empty())
        platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Check(IDC_CM_TYPLET);
      return;
    case IDC_CM_KEY_LIST:
      if (notifyCode == LBN_SELCHANGE) {
        picker_.ShowSelectedName(Handle());
        CheckHotKeyKind();
      }
      return;
    default:
      if (!picker_.OnCommand(Handle(), id, notifyCode)) DialogBase::OnCommand(id, notifyCode);
  }
}

void TCopyOrMove::CheckHotKeyKind() {
  // A chosen hotkey is what "&Ok" takes, whichever kind was checked before.
  if (picker_.Selected(Handle()) >= 0)
    platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Check(IDC_CM_HOT_KEY);
}

bool TCopyOrMove::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  using Outcome = activation::win32::HotkeyPicker::Outcome;
  const Outcome outcome = picker_.OnMessage(Handle(), message, wParam, result);
  if (outcome == Outcome::Chosen) CheckHotKeyKind();
  if (outcome == Outcome::Cancel) OnCancel();
  return outcome != Outcome::NotMine;
}

CopyOrMoveForm TCopyOrMove::ReadForm() const {
  CopyOrMoveForm form;
  const int checked = platform::win32::RadioGroup(Handle(), IDC_CM_TIMED, IDC_CM_HOT_KEY).Checked();
  form.kind = checked == IDC_CM_TIMED    ? CopyOrMoveKind::Timed
              : checked == IDC_CM_TYPLET ? CopyOrMoveKind::Typlet
                                         : CopyOrMoveKind::Hotkey;
  form.selectedCode = picker_.Selected(Handle());
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
  picker_.Stop(Handle());
  ApplyCopyOrMove(form, setup_.now ? setup_.now() : 0.0, macro_);
  if (step.openSchedule && setup_.setSchedule) setup_.setSchedule(macro_, Handle());
  accepted_ = true;
  End(IDOK);
}

void TCopyOrMove::OnDestroy() {
  picker_.Stop(Handle());
}

}  // namespace quindle::app::win32
