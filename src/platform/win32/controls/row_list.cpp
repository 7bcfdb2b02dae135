#include "platform/win32/controls/row_list.h"

#include <string>

namespace quindle::platform::win32 {

// Both kinds answer failures with the same values.
static_assert(LB_ERR == CB_ERR && LB_ERRSPACE == CB_ERRSPACE);

int RowList::Add(std::string_view text) {
  if (window_ == nullptr) return -1;
  const std::string terminated(text);
  const LRESULT row = Send(messages_.add, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
  return row == LB_ERR || row == LB_ERRSPACE ? -1 : static_cast<int>(row);
}

bool RowList::Clear() {
  if (window_ == nullptr) return false;
  Send(messages_.reset);
  return Count() == 0;
}

int RowList::Count() const {
  const LRESULT count = Send(messages_.count);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string RowList::RowText(int row) const {
  const LRESULT length = Send(messages_.textLength, static_cast<WPARAM>(row));
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      Send(messages_.text, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int RowList::Selected() const {
  const LRESULT row = Send(messages_.getSelection);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

bool RowList::Select(int row) {
  if (window_ == nullptr) return false;
  // The error value also answers a clearing -1, which is no failure.
  const LRESULT result = Send(messages_.setSelection, static_cast<WPARAM>(row));
  return row == -1 || result != LB_ERR;
}

}  // namespace quindle::platform::win32
