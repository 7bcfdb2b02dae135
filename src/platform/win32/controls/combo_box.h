// Combo boxes (drop-down lists and drop-down fields). Rows are numbered from 0; -1 means "none".
#pragma once

#include <cstddef>

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class ComboBox : public Control {
 public:
  using Control::Control;
  int Add(std::string_view text);
  bool Clear();
  int Count() const;
  std::string RowText(int row) const;
  int Selected() const;
  bool Select(int row);
  // The row whose text is exactly `text` (ignoring case, as the control compares), -1 if none.
  int Find(std::string_view text) const;
  // The most characters the edit part of a drop-down field takes.
  bool SetLimit(std::size_t characters);
};

}  // namespace quindle::platform::win32
