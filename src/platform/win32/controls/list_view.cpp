#include "platform/win32/controls/list_view.h"

#include <commctrl.h>

#include <string>

namespace quindle::platform::win32 {

ListView ListView::Create(HWND parent, int id, DWORD extraStyle) {
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | extraStyle, 0, 0,
                              100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  return ListView(list);
}

bool ListView::AddColumn(int column, std::string_view title, int width) {
  if (window_ == nullptr) return false;
  std::string text(title);
  LVCOLUMNA entry{};
  entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  entry.pszText = text.data();
  entry.cx = width;
  entry.iSubItem = column;
  return Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&entry)) !=
         -1;
}

int ListView::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  if (header == nullptr) return 0;
  const LRESULT count = SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

int ListView::ColumnWidth(int column) const {
  return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int ListView::InsertRow(int row, std::string_view firstCell) {
  if (window_ == nullptr) return -1;
  std::string text(firstCell);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = text.data();
  return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetCell(int row, int column, std::string_view text) {
  if (window_ == nullptr) return false;
  std::string copy(text);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = copy.data();
  return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::string ListView::Cell(int row, int column) const {
  if (window_ == nullptr) return {};
  char buffer[512] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  const LRESULT length =
      Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

int ListView::RowCount() const {
  return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

bool ListView::Clear() {
  return Send(LVM_DELETEALLITEMS) != FALSE;
}

bool ListView::SetExtendedStyle(DWORD styles) {
  if (window_ == nullptr) return false;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
  return (static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE)) & styles) == styles;
}

int ListView::Selected() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ListView::Select(int row) {
  if (window_ == nullptr) return false;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (row < 0) {
    // Row -1 addresses every row: all are cleared.
    return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item)) !=
           FALSE;
  }
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) == FALSE)
    return false;
  Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  return Selected() == row;
}

bool ListView::SetOwnerDraw(bool ownerDraw) {
  if (window_ == nullptr) return false;
  LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
  style = ownerDraw ? (style | LVS_OWNERDRAWFIXED)
                    : (style & ~static_cast<LONG_PTR>(LVS_OWNERDRAWFIXED));
  SetLastError(ERROR_SUCCESS);
  if (SetWindowLongPtrA(window_, GWL_STYLE, style) == 0 && GetLastError() != ERROR_SUCCESS)
    return false;
  InvalidateRect(window_, nullptr, TRUE);
  return IsOwnerDraw() == ownerDraw;
}

bool ListView::IsOwnerDraw() const {
  return window_ != nullptr && (GetWindowLongPtrA(window_, GWL_STYLE) & LVS_OWNERDRAWFIXED) != 0;
}

bool ListView::RowRect(int row, RECT& rect) const {
  if (window_ == nullptr) return false;
  rect = RECT{};
  rect.left = LVIR_BOUNDS;
  return Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != FALSE;
}

}  // namespace quindle::platform::win32
