#include "ui/grid/win32/cell_text.h"

#include "ui/grid/text_fit.h"

namespace quindle::ui::grid::win32 {

std::string_view FitToCellIn(HDC dc, std::string_view text, int cellWidth) {
  return FitToCell(text, cellWidth, [dc](std::string_view part) {
    SIZE size{};
    GetTextExtentPoint32A(dc, part.data(), static_cast<int>(part.size()), &size);
    return static_cast<int>(size.cx);
  });
}

void DrawCellText(HDC dc, std::string_view text, const RECT& row, int left, int right) {
  const std::string_view shown = FitToCellIn(dc, text, right - left);
  RECT box{left + kCellTextMargin, row.top, right, row.bottom};
  DrawTextA(dc, shown.data(), static_cast<int>(shown.size()), &box,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace quindle::ui::grid::win32
