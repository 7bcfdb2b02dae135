// Check boxes and groups of radio buttons.
#pragma once

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class CheckBox : public Control {
 public:
  using Control::Control;
  bool IsChecked() const;
  bool SetChecked(bool checked);
};

// Radio buttons numbered `first` to `last` in one dialog, at most one of them checked.
class RadioGroup {
 public:
  RadioGroup(HWND dialog, int first, int last) : dialog_(dialog), first_(first), last_(last) {}

  // The number of the checked button; 0 when none is (or the dialog is missing).
  int Checked() const;
  // Checks `id` and clears the others; false when `id` is outside the group or missing.
  bool Check(int id);

 private:
  HWND dialog_;
  int first_;
  int last_;
};

}  // namespace quindle::platform::win32
