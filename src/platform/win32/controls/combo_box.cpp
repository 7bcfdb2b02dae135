#include "platform/win32/controls/combo_box.h"

#include <string>

namespace quindle::platform::win32 {
namespace {

constexpr RowMessages kComboBoxMessages{CB_ADDSTRING, CB_RESETCONTENT, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                        CB_GETLBTEXT, CB_GETCURSEL,    CB_SETCURSEL};

}  // namespace

ComboBox::ComboBox(HWND parent, int id) : RowList(parent, id, kComboBoxMessages) {}

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
