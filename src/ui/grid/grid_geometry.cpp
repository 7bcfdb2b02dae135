#include "ui/grid/grid_geometry.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quindle::ui::grid {

int RowHeightFor(int textHeight) {
  // 1.1 times, rounded half up, in whole numbers.
  return std::max(1, (textHeight * 11 + 5) / 10);
}

int TitleHeightFor(int textHeight) {
  return std::max(0, textHeight);
}

void GridGeometry::SetHeights(int titleHeight, int rowHeight) {
  titleHeight_ = std::max(0, titleHeight);
  rowHeight_ = std::max(1, rowHeight);
}

void GridGeometry::SetColumnWidths(std::vector<int> widths) {
  for (int& width : widths) width = std::max(0, width);
  widths_ = std::move(widths);
}

void GridGeometry::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= static_cast<int>(widths_.size())) return;
  widths_[static_cast<std::size_t>(column)] = std::max(0, width);
}

void GridGeometry::SetView(int clientHeight, int rowCount) {
  clientHeight_ = std::max(0, clientHeight);
  rowCount_ = std::max(1, rowCount);
}

int GridGeometry::ColumnLeft(int column) const {
  int left = 0;
  for (int c = 0; c < column && c < static_cast<int>(widths_.size()); ++c)
    left += widths_[static_cast<std::size_t>(c)];
  return left;
}

int GridGeometry::TotalWidth() const {
  return ColumnLeft(static_cast<int>(widths_.size()));
}

int GridGeometry::PageRows() const {
  return std::max(1, (clientHeight_ - titleHeight_) / rowHeight_);
}

int GridGeometry::MaxTop() const {
  return std::max(1, rowCount_ - PageRows());
}

int GridGeometry::ClampTop(int top) const {
  return std::clamp(top, 1, MaxTop());
}

int GridGeometry::RowTop(int row, int top) const {
  if (row == 0) return 0;
  return titleHeight_ + (row - top) * rowHeight_;
}

Cell GridGeometry::HitTest(int x, int y, int top) const {
  Cell cell;
  if (x < 0 || y < 0) return cell;
  int left = 0;
  for (std::size_t c = 0; c < widths_.size(); ++c) {
    if (x < left + widths_[c]) {
      cell.column = static_cast<int>(c);
      break;
    }
    left += widths_[c];
  }
  if (cell.column == kNoColumn) return cell;
  if (y < titleHeight_) {
    cell.row = 0;
  } else {
    const int row = top + (y - titleHeight_) / rowHeight_;
    cell.row = row <= LastRow() ? row : kNoRow;
  }
  if (cell.row == kNoRow) cell.column = kNoColumn;
  return cell;
}

int GridGeometry::DividerAt(int x, int y) const {
  if (y < 0 || y >= titleHeight_) return kNoColumn;
  for (int c = static_cast<int>(widths_.size()) - 1; c >= 0; --c) {
    const int edge = ColumnLeft(c + 1);
    if (x >= edge - kDividerReach && x <= edge + kDividerReach) return c;
  }
  return kNoColumn;
}

int GridGeometry::DraggedWidth(int column, int x) const {
  return std::max(kMinColumnWidth, x - ColumnLeft(column));
}

int GridGeometry::MovedSelection(int selected, Move move) const {
  const int last = LastRow();
  if (last < 1) return kNoRow;
  if (selected < 1 || selected > last) {
    // Nothing selected yet: the moves toward the end start from the first row.
    return move == Move::End ? last : 1;
  }
  int row = selected;
  switch (move) {
    case Move::Up:
      row = selected - 1;
      break;
    case Move::Down:
      row = selected + 1;
      break;
    case Move::PageUp:
      row = selected - PageRows();
      break;
    case Move::PageDown:
      row = selected + PageRows();
      break;
    case Move::Home:
      row = 1;
      break;
    case Move::End:
      row = last;
      break;
  }
  return std::clamp(row, 1, last);
}

int GridGeometry::TopShowing(int row, int top) const {
  top = ClampTop(top);
  if (row < 1 || row > LastRow()) return top;
  if (row < top) return row;
  const int pageRows = PageRows();
  if (row >= top + pageRows) return ClampTop(row - pageRows + 1);
  return top;
}

int GridGeometry::Scrolled(int top, Scroll scroll, int thumb) const {
  switch (scroll) {
    case Scroll::LineUp:
      return ClampTop(top - 1);
    case Scroll::LineDown:
      return ClampTop(top + 1);
    case Scroll::PageUp:
      return ClampTop(top - PageRows());
    case Scroll::PageDown:
      return ClampTop(top + PageRows());
    case Scroll::Top:
      return 1;
    case Scroll::Bottom:
      return MaxTop();
    case Scroll::Thumb:
      return ClampTop(thumb + 1);
  }
  return ClampTop(top);
}

int GridGeometry::Wheeled(int top, int notches) const {
  return ClampTop(top - notches * kWheelRows);
}

}  // namespace quindle::ui::grid
