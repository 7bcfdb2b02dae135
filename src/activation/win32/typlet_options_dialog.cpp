#include "activation/win32/typlet_options_dialog.h"

#include "activation/win32/activation_dialogs_res.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/controls/edit_field.h"
#include "platform/win32/controls/field_focus.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::activation::win32 {

using platform::win32::CheckBox;
using platform::win32::InRange;
using platform::win32::kActivationDialogIds;
static_assert(InRange(kActivationDialogIds, IDD_TYPLET_OPTIONS) &&
              InRange(kActivationDialogIds, IDC_SOLITARY_USAGE) &&
              InRange(kActivationDialogIds, IDC_CASE_SENSITIVE) &&
              InRange(kActivationDialogIds, IDC_USE_PREFIX) &&
              InRange(kActivationDialogIds, IDC_PREFIX_LABEL) &&
              InRange(kActivationDialogIds, IDC_PREFIX_KEYS));
static_assert(IDC_PREFIX_KEYS < 3250, "Typlet Options keeps to 3200-3249");

std::optional<TypletOptions> TTypletOptions::Run(HWND owner) {
  result_.reset();
  if (!RunModal(owner, IDD_TYPLET_OPTIONS)) return std::nullopt;
  return result_;
}

bool TTypletOptions::OnInit() {
  SetCaption(kTypletOptionsCaption);
  CheckBox(Handle(), IDC_SOLITARY_USAGE).SetChecked(form_.solitaryUsage);
  CheckBox(Handle(), IDC_CASE_SENSITIVE).SetChecked(form_.caseSensitive);
  CheckBox(Handle(), IDC_USE_PREFIX).SetChecked(form_.usePrefixKeys);
  platform::win32::EditField prefix(Handle(), IDC_PREFIX_KEYS);
  prefix.SetLimit(kTypletPrefixMax);
  prefix.SetText(form_.prefixKeys);
  UsePrefixClick();
  return true;
}

void TTypletOptions::OnCommand(int id, int notifyCode) {
  if (id == IDC_USE_PREFIX && notifyCode == BN_CLICKED) {
    UsePrefixClick();
  } else if (id == IDC_PREFIX_KEYS && notifyCode == EN_CHANGE) {
    CheckPrefix(false);
  } else if (id == IDC_PREFIX_KEYS && notifyCode == EN_KILLFOCUS) {
    CheckPrefix(true);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TTypletOptions::UsePrefixClick() {
  const bool on = CheckBox(Handle(), IDC_USE_PREFIX).IsChecked();
  platform::win32::EnableControls(Handle(), {IDC_PREFIX_LABEL, IDC_PREFIX_KEYS}, on);
}

void TTypletOptions::CheckPrefix(bool leaving) {
  if (complaining_) return;
  if (leaving) {
    // Leaving for "&Cancel" or to untick "Use &Prefix Keys" must not be stopped by the check.
    const HWND next = GetFocus();
    if (next == Item(IDCANCEL) || next == Item(IDC_USE_PREFIX)) return;
    // Only the dialog's own controls: switching to another program is no reason to complain.
    if (next == nullptr || GetParent(next) != Handle()) return;
  }
  if (const std::optional<std::string_view> message = CheckPrefixKeys(ItemText(IDC_PREFIX_KEYS)))
    Complain(kTypletOptionsErrorTitle, *message);
}

void TTypletOptions::Complain(std::string_view title, std::string_view text) {
  complaining_ = true;
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle())).ShowMessage(title, text);
  platform::win32::FocusFieldInError(Handle(), IDC_PREFIX_KEYS);
  complaining_ = false;
}

TypletOptionsForm TTypletOptions::ReadForm() const {
  TypletOptionsForm form;
  form.solitaryUsage = CheckBox(Handle(), IDC_SOLITARY_USAGE).IsChecked();
  form.caseSensitive = CheckBox(Handle(), IDC_CASE_SENSITIVE).IsChecked();
  form.usePrefixKeys = CheckBox(Handle(), IDC_USE_PREFIX).IsChecked();
  form.prefixKeys = ItemText(IDC_PREFIX_KEYS);
  return form;
}

void TTypletOptions::OnOK() {
  const TypletOptionsResult result = AcceptTypletOptions(ReadForm());
  if (!result.options) {
    Complain(result.title, result.message);
    return;
  }
  result_ = result.options;
  End(IDOK);
}

}  // namespace quindle::activation::win32
