// List boxes. Rows are numbered from 0; -1 means "none".
#pragma once

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class ListBox : public Control {
 public:
  using Control::Control;
  // The row the text went to (sorted boxes sort it in), -1 when it was refused.
  int Add(std::string_view text);
  bool Clear();
  int Count() const;
  std::string RowText(int row) const;
  int Selected() const;
  // Selects `row`; -1 clears the selection.
  bool Select(int row);
};

}  // namespace quindle::platform::win32
