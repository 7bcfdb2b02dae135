#include "platform/win32/controls/list_box.h"

namespace quindle::platform::win32 {
namespace {

constexpr RowMessages kListBoxMessages{LB_ADDSTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXTLEN,
                                       LB_GETTEXT,   LB_GETCURSEL,    LB_SETCURSEL};

}  // namespace

ListBox::ListBox(HWND parent, int id) : RowList(parent, id, kListBoxMessages) {}

}  // namespace quindle::platform::win32
