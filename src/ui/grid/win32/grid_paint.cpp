// The grid's painting: every row into an off-screen bitmap, then one copy to the window, so
// nothing is ever seen half drawn.
#include <algorithm>
#include <string>

#include "ui/grid/text_fit.h"
#include "ui/grid/win32/cell_text.h"
#include "ui/grid/win32/grid_window.h"

namespace quindle::ui::grid::win32 {
namespace {

void Fill(HDC dc, const RECT& area, int colour) {
  FillRect(dc, &area, GetSysColorBrush(colour));
}

// The grid lines: the right and bottom edges of a data cell.
void DrawLines(HDC dc, const RECT& cell) {
  RECT right{cell.right - 1, cell.top, cell.right, cell.bottom};
  RECT bottom{cell.left, cell.bottom - 1, cell.right, cell.bottom};
  Fill(dc, right, COLOR_BTNFACE);
  Fill(dc, bottom, COLOR_BTNFACE);
}

}  // namespace

void GridWindow::Paint() {
  platform::win32::PaintSession paint(Handle());
  if (!paint) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return;
  platform::win32::CreatedDc memory(CreateCompatibleDC(paint.Get()));
  platform::win32::GdiObject bitmap(CreateCompatibleBitmap(paint.Get(), width, height));
  // Without the off-screen pair (out of GDI resources) the rows go straight to the window.
  const bool buffered = memory && bitmap;
  HDC dc = buffered ? memory.Get() : paint.Get();
  {
    platform::win32::SelectedObject selectedBitmap(buffered ? dc : nullptr, bitmap.Get());
    Fill(dc, client, COLOR_WINDOW);
    SetBkMode(dc, TRANSPARENT);
    DrawRow(dc, 0, width);
    const int last = geometry_.LastRow();
    for (int row = top_; row <= last && geometry_.RowTop(row, top_) < height; ++row)
      DrawRow(dc, row, width);
    if (buffered) BitBlt(paint.Get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  }
}

void GridWindow::DrawRow(HDC dc, int row, int width) const {
  const int rowTop = geometry_.RowTop(row, top_);
  const int rowHeight = row == 0 ? geometry_.TitleHeight() : geometry_.RowHeight();
  const bool disabled = row != 0 && source_.RowDisabled(row);
  const int columns = static_cast<int>(geometry_.ColumnWidths().size());
  for (int column = 0; column < columns; ++column) {
    const int left = geometry_.ColumnLeft(column);
    if (left >= width) break;
    const RECT cell{left, rowTop, left + geometry_.ColumnWidths()[static_cast<std::size_t>(column)],
                    rowTop + rowHeight};
    if (cell.right > cell.left) DrawCell(dc, row, column, cell, disabled);
  }
  if (row == selected_ && GetFocus() == Handle()) {
    RECT focus{0, rowTop, std::min(width, geometry_.TotalWidth()), rowTop + rowHeight};
    DrawFocusRect(dc, &focus);
  }
}

// The title row and the row numbers look like the fixed cells of a table; the selected row is in
// the highlight colours; a disabled row's text is grey and, but for its number, italic.
void GridWindow::DrawCell(HDC dc, int row, int column, const RECT& cell, bool disabled) const {
  const bool title = row == 0;
  const bool selected = !title && row == selected_;
  const bool fixed = title || column == 0;
  RECT area = cell;
  if (selected) {
    Fill(dc, area, COLOR_HIGHLIGHT);
  } else if (fixed) {
    Fill(dc, area, COLOR_BTNFACE);
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  } else {
    Fill(dc, area, COLOR_WINDOW);
    DrawLines(dc, area);
  }
  int colour = COLOR_WINDOWTEXT;
  if (title) {
    colour = COLOR_BTNTEXT;
  } else if (disabled) {
    colour = COLOR_GRAYTEXT;
  } else if (selected) {
    colour = COLOR_HIGHLIGHTTEXT;
  } else if (fixed) {
    colour = COLOR_BTNTEXT;
  }
  HFONT font = title ? titleFont_ : rowFont_;
  if (disabled && column != 0 && italicFont_) {
    font = static_cast<HFONT>(italicFont_.Get());
  } else if (!title && boldFont_ && source_.CellBold(row, column)) {
    font = static_cast<HFONT>(boldFont_.Get());
  }
  platform::win32::SelectedObject selectedFont(dc, font);
  SetTextColor(dc, GetSysColor(colour));
  const std::string text = source_.CellText(row, column);
  const std::string_view shown = FitToCellIn(dc, text, cell.right - cell.left);
  const int textHeight = title ? titleTextHeight_ : rowTextHeight_;
  const int y = cell.top + std::max(0, static_cast<int>(cell.bottom - cell.top) - textHeight) / 2;
  ExtTextOutA(dc, cell.left + kCellTextMargin, y, ETO_CLIPPED, &cell, shown.data(),
              static_cast<UINT>(shown.size()), nullptr);
}

}  // namespace quindle::ui::grid::win32
