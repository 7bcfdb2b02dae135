#include "platform/win32/controls/combo_box.h"

#include <string>

namespace quindle::platform::win32 {

int ComboBox::Add(std::string_view text) {
  if (window_ == nullptr) return -1;
  const std::string terminated(text);
  const LRESULT row = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
  return row == CB_ERR || row == CB_ERRSPACE ? -1 : static_cast<int>(row);
}

bool ComboBox::Clear() {
  if (window_ == nullptr) return false;
  Send(CB_RESETCONTENT);
  return Count() == 0;
}

int ComboBox::Count() const {
  const LRESULT count = Send(CB_GETCOUNT);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string ComboBox::RowText(int row) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(row));
  if (length == CB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      Send(CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int ComboBox::Selected() const {
  const LRESULT row = Send(CB_GETCURSEL);
  return row == CB_ERR ? -1 : static_cast<int>(row);
}

bool ComboBox::Select(int row) {
  if (window_ == nullptr) return false;
  const LRESULT result = Send(CB_SETCURSEL, static_cast<WPARAM>(row));
  return row == -1 || result != CB_ERR;
}

int ComboBox::Find(std::string_view text) const {
  const std::string terminated(text);
  const LRESULT row = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(terminated.c_str()));
  return row == CB_ERR ? -1 : static_cast<int>(row);
}

bool ComboBox::SetLimit(std::size_t characters) {
  if (window_ == nullptr || characters == 0) return false;
  return Send(CB_LIMITTEXT, static_cast<WPARAM>(characters)) != FALSE;
}

}  // namespace quindle::platform::win32
