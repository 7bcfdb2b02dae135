#include "platform/win32/controls/list_box.h"

#include <string>

namespace quindle::platform::win32 {

int ListBox::Add(std::string_view text) {
  if (window_ == nullptr) return -1;
  const std::string terminated(text);
  const LRESULT row = Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
  return row == LB_ERR || row == LB_ERRSPACE ? -1 : static_cast<int>(row);
}

bool ListBox::Clear() {
  if (window_ == nullptr) return false;
  Send(LB_RESETCONTENT);
  return Count() == 0;
}

int ListBox::Count() const {
  const LRESULT count = Send(LB_GETCOUNT);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string ListBox::RowText(int row) const {
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(row));
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      Send(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int ListBox::Selected() const {
  const LRESULT row = Send(LB_GETCURSEL);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

bool ListBox::Select(int row) {
  if (window_ == nullptr) return false;
  // LB_ERR also answers a clearing -1, which is no failure.
  const LRESULT result = Send(LB_SETCURSEL, static_cast<WPARAM>(row));
  return row == -1 || result != LB_ERR;
}

}  // namespace quindle::platform::win32
