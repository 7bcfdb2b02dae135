#include "platform/win32/controls/owner_drawn_row.h"

#include <algorithm>

namespace quindle::platform::win32 {
namespace {

void DrawCell(HDC dc, std::string_view text, RECT box) {
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace

bool BeginOwnerDrawnRow(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) {
    // An empty list still shows where the focus is.
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
    return false;
  }
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(item.hDC, &item.rcItem);  // drawn the same way again, it toggles off
    return false;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  return true;
}

void EndOwnerDrawnRow(const DRAWITEMSTRUCT& item) {
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

void DrawTwoColumnRow(const DRAWITEMSTRUCT& item, std::string_view first, std::string_view second,
                      int indent, int secondColumn) {
  if (!BeginOwnerDrawnRow(item)) return;
  RECT left = item.rcItem;
  left.left += indent;
  left.right = std::min(item.rcItem.right, item.rcItem.left + secondColumn);
  DrawCell(item.hDC, first, left);
  RECT right = item.rcItem;
  right.left += secondColumn;
  DrawCell(item.hDC, second, right);
  EndOwnerDrawnRow(item);
}

}  // namespace quindle::platform::win32
