#include "activation/win32/system_keys_dialog.h"

#include <array>

#include "activation/define_mode.h"
#include "activation/win32/activation_dialogs_res.h"
#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "platform/help_topics.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/help.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::activation::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kActivationDialogIds;
static_assert(InRange(kActivationDialogIds, IDD_SYSTEM_KEYS) && IDD_SYSTEM_KEYS >= 3250 &&
              InRange(kActivationDialogIds, IDC_ACT_PROG_LABEL) &&
              InRange(kActivationDialogIds, IDC_MENU_TOP) &&
              InRange(kActivationDialogIds, IDC_SYSTEM_MENU_NICKNAME) &&
              InRange(kActivationDialogIds, IDC_SYSTEM_KEYS_HINT) &&
              InRange(kActivationDialogIds, IDC_SYSTEM_KEYS_HELP));

// The entry field of each system command, in the order of SystemKeyField.
constexpr std::array<int, kSystemKeyCount> kFieldIds{IDC_ACT_PROG, IDC_START_CAP, IDC_RESUME,
                                                     IDC_MENU_TOP};
constexpr std::array<int, 3> kSystemMenuIds{IDC_SYSTEM_MENU_FIRST_PART, IDC_SYSTEM_MENU_ICONS,
                                            IDC_SYSTEM_MENU_NICKNAME};

int FieldId(SystemKeyField field) {
  return kFieldIds[static_cast<std::size_t>(field)];
}

std::optional<SystemKeyField> FieldOfId(int id) {
  for (std::size_t i = 0; i < kFieldIds.size(); ++i) {
    if (kFieldIds[i] == id) return static_cast<SystemKeyField>(i);
  }
  return std::nullopt;
}

}  // namespace

TSystemKeys::TSystemKeys(storage::TableLock& lock, storage::MacroStore& store, int systemMenu,
                         SystemKeyField focus)
    : lock_(lock), store_(store), systemMenu_(systemMenu), initialFocus_(focus) {}

std::optional<SystemKeysResult> TSystemKeys::Run(HWND owner) {
  result_.reset();
  {
    const storage::TableGuard guard(lock_);
    if (!guard) return std::nullopt;  // without the table there is nothing to show
    model_.Load(guard.Table(), systemMenu_);
  }
  if (!RunModal(owner, IDD_SYSTEM_KEYS)) return std::nullopt;
  return result_;
}

bool TSystemKeys::OnInit() {
  AnswerF1With(IDC_SYSTEM_KEYS_HELP);
  SetCaption(kSystemKeysCaption);
  for (std::size_t i = 0; i < kSystemKeyCount; ++i) {
    const auto field = static_cast<SystemKeyField>(i);
    ShowCode(field);
    if (!model_.HasEntry(field)) EnableWindow(Item(kFieldIds[i]), FALSE);
  }
  platform::win32::RadioGroup(Handle(), kSystemMenuIds.front(), kSystemMenuIds.back())
      .Check(kSystemMenuIds[static_cast<std::size_t>(model_.SystemMenu() - kSystemMenuFirst)]);
  // The field of the entry the user opened the dialog from; the focus message that follows
  // turns definition mode on.
  FocusItem(FieldId(initialFocus_));
  return false;
}

void TSystemKeys::ShowCode(SystemKeyField field) {
  SetItemText(FieldId(field), model_.Name(field));
}

void TSystemKeys::OnCommand(int id, int notifyCode) {
  if (const std::optional<SystemKeyField> field = FieldOfId(id)) {
    if (notifyCode == EN_SETFOCUS) {
      focused_ = field;
      DefineMode(true);
    } else if (notifyCode == EN_KILLFOCUS) {
      focused_.reset();
      DefineMode(false);
    }
    return;
  }
  if (id == IDC_SYSTEM_KEYS_HELP && notifyCode == BN_CLICKED) {
    platform::win32::ShowHelpTopic(Handle(), platform::kTopicSystemHotKeys);
    return;
  }
  DialogBase::OnCommand(id, notifyCode);
}

void TSystemKeys::DefineMode(bool on) {
  // Without the table the hook keeps passing keys on; the field then just shows its code.
  SetSecWind(lock_, platform::win32::FromHwnd(Handle()), on);
}

bool TSystemKeys::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, INT_PTR& result) {
  if (message != hooklib::WM_HOTKEY_DEFINED) return false;
  // The hook's message has the number of DM_SETDEFID: answered TRUE here, the dialog manager
  // leaves it alone instead of making the code the dialog's default button, which would leave
  // Enter without a button.
  result = TRUE;
  if (!focused_) return true;
  const SystemKeyField field = *focused_;
  const int code = static_cast<int>(wParam & 0xFFFF);
  // In definition mode the hook reports Esc like any combination; it still closes the dialog, as
  // everywhere else, rather than becoming a system hotkey that would swallow every Esc.
  if (code == hooklib::kEscapeCode) {
    OnCancel();
    return true;
  }
  if (const std::optional<std::string> refusal = model_.Define(field, code)) {
    Complain(*refusal);
    FocusItem(FieldId(field));
    return true;
  }
  ShowCode(field);
  return true;
}

void TSystemKeys::Complain(std::string_view text) {
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
      .ShowMessage(kSystemKeysErrorTitle, text);
}

void TSystemKeys::OnOK() {
  if (const std::optional<std::string_view> message = model_.CheckOk()) {
    Complain(*message);
    return;
  }
  const int checked =
      platform::win32::RadioGroup(Handle(), kSystemMenuIds.front(), kSystemMenuIds.back())
          .Checked();
  if (checked != 0) model_.SetSystemMenu(checked - kSystemMenuIds.front() + kSystemMenuFirst);
  SystemKeysResult result;
  result.codesChanged = model_.CodesChanged();
  // A failed write has been reported by the storage; the entries written stay written, so the
  // list and the codes are refreshed all the same.
  if (result.codesChanged) model_.Apply(store_);
  result.systemMenu = model_.SystemMenu();
  result_ = result;
  End(IDOK);
}

void TSystemKeys::OnDestroy() {
  DefineMode(false);
}

}  // namespace quindle::activation::win32
