#include "platform/win32/controls/check_box.h"

namespace quindle::platform::win32 {

bool CheckBox::IsChecked() const {
  return Send(BM_GETCHECK) == BST_CHECKED;
}

bool CheckBox::SetChecked(bool checked) {
  if (window_ == nullptr) return false;
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  return IsChecked() == checked;
}

int RadioGroup::Checked() const {
  if (dialog_ == nullptr) return 0;
  for (int id = first_; id <= last_; ++id)
    if (IsDlgButtonChecked(dialog_, id) == BST_CHECKED) return id;
  return 0;
}

bool RadioGroup::Check(int id) {
  if (dialog_ == nullptr || id < first_ || id > last_ || GetDlgItem(dialog_, id) == nullptr)
    return false;
  return CheckRadioButton(dialog_, first_, last_, id) != FALSE;
}

}  // namespace quindle::platform::win32
