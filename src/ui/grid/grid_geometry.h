// Where the rows and columns of the grid control lie: the heights of its rows, the first row
// shown, which cell or column divider a point is on, how the selection moves and how the view
// scrolls to keep it in sight. Pure arithmetic on pixels and row numbers, so the window layer only
// measures, draws and forwards input.
//
// Rows are numbered as the grid's source numbers them: row 0 is the title row, always shown at
// the top; the data rows are 1..rowCount-1 and scroll below it. `top` is the first data row shown.
#pragma once

#include <vector>

namespace quindle::ui::grid {

// No row: nothing selected, or a point beside every row.
inline constexpr int kNoRow = -1;
// No column: a point right of the last one.
inline constexpr int kNoColumn = -1;
// A dragged column keeps at least this width, so it can still be found and widened again.
inline constexpr int kMinColumnWidth = 4;
// How far (pixels, either side) from a column's right edge the pointer takes the divider.
inline constexpr int kDividerReach = 3;
// Rows moved by one notch of the mouse wheel.
inline constexpr int kWheelRows = 3;

// A data row is 1.1 times the height of its font's text, rounded; the title row is as high as
// its font's text.
int RowHeightFor(int textHeight);
int TitleHeightFor(int textHeight);

// The keys that move the selection.
enum class Move { Up, Down, PageUp, PageDown, Home, End };

// What the vertical scroll bar asks for (its SB_ codes, less those that move nothing).
enum class Scroll { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

struct Cell {
  int row = kNoRow;
  int column = kNoColumn;
  bool operator==(const Cell&) const = default;
};

class GridGeometry {
 public:
  void SetHeights(int titleHeight, int rowHeight);
  void SetColumnWidths(std::vector<int> widths);
  void SetColumnWidth(int column, int width);
  // The client area's height and the source's row count (the title row included).
  void SetView(int clientHeight, int rowCount);

  int TitleHeight() const { return titleHeight_; }
  int RowHeight() const { return rowHeight_; }
  int RowCount() const { return rowCount_; }
  int LastRow() const { return rowCount_ - 1; }
  const std::vector<int>& ColumnWidths() const { return widths_; }
  int ColumnLeft(int column) const;
  int TotalWidth() const;

  // Data rows that fit whole below the title row; at least 1, so paging always moves.
  int PageRows() const;
  // The largest `top` that is worth showing: the last row at the bottom of the view.
  int MaxTop() const;
  int ClampTop(int top) const;
  // The pixel row where data row `row` begins when `top` is the first shown.
  int RowTop(int row, int top) const;

  Cell HitTest(int x, int y, int top) const;
  // The column whose right edge is within reach of `x` when `y` is in the title row, else
  // kNoColumn. Among edges in reach the rightmost wins, so a column dragged narrow is still
  // found at its own edge.
  int DividerAt(int x, int y) const;
  // The width `column` gets when its divider is dragged to `x`.
  int DraggedWidth(int column, int x) const;

  // The row selected after `move` from `selected` (kNoRow: nothing selected yet); kNoRow when
  // there are no data rows.
  int MovedSelection(int selected, Move move) const;
  // The `top` that shows `row` whole, moving the view as little as possible.
  int TopShowing(int row, int top) const;
  // The `top` after the scroll bar's `scroll`; `thumb` is the thumb's position for Scroll::Thumb
  // (0 for the first data row).
  int Scrolled(int top, Scroll scroll, int thumb = 0) const;
  // The `top` after turning the wheel by `notches` (positive: away from the user, up the list).
  int Wheeled(int top, int notches) const;

 private:
  int titleHeight_ = 0;
  int rowHeight_ = 1;
  int clientHeight_ = 0;
  int rowCount_ = 1;
  std::vector<int> widths_;
};

}  // namespace quindle::ui::grid
