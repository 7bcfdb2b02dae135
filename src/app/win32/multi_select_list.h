// A list box of the import and export dialogs that takes several rows at once
// (LBS_MULTIPLESEL): its rows and which of them are picked, one flag per row.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <vector>

#include "platform/win32/controls/list_box.h"

namespace quindle::app::win32 {

class MultiSelectList {
 public:
  MultiSelectList(HWND dialog, int id) : list_(dialog, id) {}

  // Replaces the rows; none is picked. False when a row was refused.
  bool Fill(const std::vector<std::string>& rows);
  std::vector<bool> Picked() const;
  // Picks the rows whose flag is set and drops the others.
  bool SetPicked(const std::vector<bool>& picked);
  bool PickAll(bool picked);
  int Count() const { return list_.Count(); }

 private:
  platform::win32::ListBox list_;
};

}  // namespace quindle::app::win32
