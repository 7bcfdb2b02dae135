#include "app/win32/multi_select_list.h"

namespace quindle::app::win32 {

bool MultiSelectList::Fill(const std::vector<std::string>& rows) {
  bool all = list_.Clear();
  for (const std::string& row : rows) all = list_.Add(row) >= 0 && all;
  return all;
}

std::vector<bool> MultiSelectList::Picked() const {
  std::vector<bool> picked(static_cast<std::size_t>(list_.Count()), false);
  for (std::size_t row = 0; row < picked.size(); ++row) {
    const LRESULT state = list_.Send(LB_GETSEL, row);
    picked[row] = state != LB_ERR && state > 0;
  }
  return picked;
}

bool MultiSelectList::SetPicked(const std::vector<bool>& picked) {
  bool all = true;
  for (std::size_t row = 0; row < picked.size(); ++row)
    all = list_.Send(LB_SETSEL, picked[row] ? TRUE : FALSE, static_cast<LPARAM>(row)) != LB_ERR &&
          all;
  return all;
}

bool MultiSelectList::PickAll(bool picked) {
  // Row -1 stands for every row.
  return list_.Send(LB_SETSEL, picked ? TRUE : FALSE, -1) != LB_ERR;
}

}  // namespace quindle::app::win32
