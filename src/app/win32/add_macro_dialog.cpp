#include "app/win32/add_macro_dialog.h"

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
static_assert(InRange(kListOperationDialogIds, IDD_ADD_MACRO) &&
              InRange(kListOperationDialogIds, IDC_AM_KEY_LIST_LABEL) &&
              IDC_AM_KEY_LIST_LABEL < IDD_QUICK_INFO);

platform::win32::RadioGroup Kinds(HWND dialog) {
  return platform::win32::RadioGroup(dialog, IDC_AM_HOT_KEYS, IDC_AM_POPUP);
}

}  // namespace

TAddNewHotKey::TAddNewHotKey(storage::TableLock& lock)
    : lock_(lock), picker_(lock, IDC_AM_HOT_KEY_ENTRY, IDC_AM_KEY_LIST) {}

std::optional<AddChoice> TAddNewHotKey::Run(HWND owner) {
  result_.reset();
  {
    // Read once: the hook library needs the table for every key while the user thinks.
    const storage::TableGuard guard(lock_);
    if (guard) context_ = ReadAddContext(guard.Table());
  }
  if (!RunModal(owner, IDD_ADD_MACRO)) return std::nullopt;
  return result_;
}

bool TAddNewHotKey::OnInit() {
  SetCaption(kAddMacroCaption);
  platform::win32::ListBox list(Handle(), IDC_AM_KEY_LIST);
  for (const std::string& line : capture::KeyLines(context_.use)) list.Add(line);
  platform::win32::EditField(Handle(), IDC_AM_TYPLET_NAME).SetLimit(activation::kTypletNameMax);
  Kinds(Handle()).Check(IDC_AM_HOT_KEYS);
  // The focus message that follows turns definition mode on: the user can press the hotkey at
  // once.
  FocusItem(IDC_AM_HOT_KEY_ENTRY);
  return false;
}

AddKind TAddNewHotKey::CheckedKind() const {
  switch (Kinds(Handle()).Checked()) {
    case IDC_AM_TYPLETS:
      return AddKind::Typlet;
    case IDC_AM_TIMED:
      return AddKind::Timed;
    case IDC_AM_POPUP:
      return AddKind::PopupMenu;
    default:
      return AddKind::Hotkey;
  }
}

void TAddNewHotKey::ShowKind(AddKind kind) {
  const bool keys = kind == AddKind::Hotkey || kind == AddKind::PopupMenu;
  for (const int id :
       {IDC_AM_HOT_KEY_LABEL, IDC_AM_HOT_KEY_ENTRY, IDC_AM_KEY_LIST_LABEL, IDC_AM_KEY_LIST})
    ShowItem(id, keys);
  for (const int id : {IDC_AM_TYPLET_LABEL, IDC_AM_TYPLET_NAME})
    ShowItem(id, kind == AddKind::Typlet);
  // A popup menu is filled in its builder, not by a capture.
  platform::win32::EnableControls(Handle(), {IDC_AM_CAPTURE}, kind != AddKind::PopupMenu);
}

void TAddNewHotKey::OnCommand(int id, int notifyCode) {
  switch (id) {
    case IDC_AM_HOT_KEYS:
    case IDC_AM_TYPLETS:
    case IDC_AM_TIMED:
    case IDC_AM_POPUP:
      if (notifyCode == BN_CLICKED) ShowKind(CheckedKind());
      return;
    case IDC_AM_KEY_LIST:
      if (notifyCode == LBN_SELCHANGE) picker_.ShowSelectedName(Handle());
      return;
    case IDC_AM_DIRECT:
      if (notifyCode == BN_CLICKED) Go(AddButton::EnterDirectly);
      return;
    case IDC_AM_CAPTURE:
      if (notifyCode == BN_CLICKED) Go(AddButton::CaptureMacro);
      return;
    default:
      if (!picker_.OnCommand(Handle(), id, notifyCode)) DialogBase::OnCommand(id, notifyCode);
  }
}

bool TAddNewHotKey::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  const auto outcome = picker_.OnMessage(Handle(), message, wParam, result);
  if (outcome == activation::win32::HotkeyPicker::Outcome::Cancel) OnCancel();
  return outcome != activation::win32::HotkeyPicker::Outcome::NotMine;
}

void TAddNewHotKey::OnOK() {
  Go(AddButton::ScriptingEditor);
}

void TAddNewHotKey::Go(AddButton button) {
  AddForm form;
  form.kind = CheckedKind();
  form.selectedCode = picker_.Selected(Handle());
  form.typletName = ItemText(IDC_AM_TYPLET_NAME);
  const AddStep step = CheckAddMacro(form, button, context_);
  platform::win32::Win32Prompts prompts(platform::win32::FromHwnd(Handle()));
  if (step.kind == AddStep::Kind::Refuse) {
    prompts.ShowMessage(step.title, step.message);
    platform::win32::FocusFieldInError(
        Handle(), step.focus == AddField::TypletName ? IDC_AM_TYPLET_NAME : IDC_AM_HOT_KEY_ENTRY);
    return;
  }
  if (step.kind == AddStep::Kind::Ask && !prompts.AskYesNo(step.title, step.message)) {
    FocusItem(IDC_AM_HOT_KEY_ENTRY);
    return;
  }
  result_ = step.choice;
  End(IDOK);
}

void TAddNewHotKey::OnDestroy() {
  picker_.Stop(Handle());
}

}  // namespace quindle::app::win32
