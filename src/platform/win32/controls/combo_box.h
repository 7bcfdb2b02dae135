// Combo boxes (drop-down lists and drop-down fields). Rows are numbered from 0; -1 means "none".
#pragma once

#include <cstddef>

#include "platform/win32/controls/row_list.h"

namespace quindle::platform::win32 {

class ComboBox : public RowList {
 public:
  ComboBox(HWND parent, int id);
  // The row whose text is exactly `text` (ignoring case, as the control compares), -1 if none.
  int Find(std::string_view text) const;
  // The most characters the edit part of a drop-down field takes.
  bool SetLimit(std::size_t characters);
};

}  // namespace quindle::platform::win32
