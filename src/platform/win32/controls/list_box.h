// List boxes. Rows are numbered from 0; -1 means "none".
#pragma once

#include "platform/win32/controls/row_list.h"

namespace quindle::platform::win32 {

class ListBox : public RowList {
 public:
  ListBox(HWND parent, int id);
};

}  // namespace quindle::platform::win32
