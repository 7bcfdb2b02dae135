// The grid's arithmetic: row heights from text heights, the cell and divider under a point, the
// selection's moves and the view that keeps it in sight.
#include "ui/grid/grid_geometry.h"

#include <gtest/gtest.h>

namespace quindle::ui::grid {
namespace {

// A grid 20 high in the title, 10 a row, 4 columns (40, 112, 168, 132) and 30 data rows, in a
// client area that holds 8 whole rows below the title and part of a ninth.
GridGeometry ThirtyRows() {
  GridGeometry geometry;
  geometry.SetHeights(20, 10);
  geometry.SetColumnWidths({40, 112, 168, 132});
  geometry.SetView(105, 31);
  return geometry;
}

TEST(GridGeometry, RowHeightsComeFromTheTextHeights) {
  const struct {
    int text, row, title;
  } cases[] = {{16, 18, 16}, {15, 17, 15}, {13, 14, 13}, {10, 11, 10}, {0, 1, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(RowHeightFor(c.text), c.row) << c.text;
    EXPECT_EQ(TitleHeightFor(c.text), c.title) << c.text;
  }
}

TEST(GridGeometry, APointHitsTheCellOrTheDividerUnderIt) {
  const GridGeometry geometry = ThirtyRows();
  const struct {
    int x, y, top;
    Cell cell;
    int divider;
  } cases[] = {
      {0, 0, 1, {0, 0}, kNoColumn},         // title row, number column
      {45, 19, 1, {0, 1}, kNoColumn},       // title, first column
      {38, 5, 1, {0, 0}, 0},                // on the number column's right edge
      {43, 5, 1, {0, 1}, 0},                // just right of it, still in reach
      {44, 5, 1, {0, 1}, kNoColumn},        // out of reach
      {40, 25, 1, {1, 1}, kNoColumn},       // dividers only in the title row
      {152, 20, 1, {1, 2}, kNoColumn},      // first data row
      {100, 29, 1, {1, 1}, kNoColumn},      // its last pixel
      {100, 30, 1, {2, 1}, kNoColumn},      // the next row
      {100, 30, 11, {12, 1}, kNoColumn},    // scrolled: row 11 is the first shown
      {451, 22, 1, {1, 3}, kNoColumn},      // last pixel of the last column
      {452, 5, 1, {kNoRow, kNoColumn}, 3},  // right of every column, on the last edge
      {500, 22, 1, {kNoRow, kNoColumn}, kNoColumn},
      {100, 95, 23, {30, 1}, kNoColumn},               // the last row
      {100, 104, 23, {kNoRow, kNoColumn}, kNoColumn},  // below the last row
      {-1, 5, 1, {kNoRow, kNoColumn}, kNoColumn},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(geometry.HitTest(c.x, c.y, c.top), c.cell) << c.x << "," << c.y;
    EXPECT_EQ(geometry.DividerAt(c.x, c.y), c.divider) << c.x << "," << c.y;
  }
}

TEST(GridGeometry, ADraggedDividerSizesItsColumnAndANarrowColumnStaysReachable) {
  GridGeometry geometry = ThirtyRows();
  EXPECT_EQ(geometry.DraggedWidth(2, 152 + 200), 200);
  EXPECT_EQ(geometry.DraggedWidth(2, 100), kMinColumnWidth);  // dragged left past its start
  geometry.SetColumnWidth(2, kMinColumnWidth);
  // The edges of columns 1 and 2 are 4 apart: the narrow column's own edge is taken.
  EXPECT_EQ(geometry.DividerAt(152 + kMinColumnWidth, 5), 2);
  EXPECT_EQ(geometry.TotalWidth(), 40 + 112 + kMinColumnWidth + 132);
}

TEST(GridGeometry, KeysMoveTheSelectionWithinTheRows) {
  const GridGeometry geometry = ThirtyRows();
  ASSERT_EQ(geometry.PageRows(), 8);
  const struct {
    int from;
    Move move;
    int to;
  } cases[] = {
      {5, Move::Down, 6},      {5, Move::Up, 4},
      {1, Move::Up, 1},        {30, Move::Down, 30},
      {5, Move::PageDown, 13}, {25, Move::PageDown, 30},
      {12, Move::PageUp, 4},   {3, Move::PageUp, 1},
      {17, Move::Home, 1},     {2, Move::End, 30},
      {kNoRow, Move::Down, 1}, {kNoRow, Move::Up, 1},
      {kNoRow, Move::End, 30}, {kNoRow, Move::PageDown, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(geometry.MovedSelection(c.from, c.move), c.to) << c.from;
  GridGeometry empty;
  empty.SetView(105, 1);  // the title row alone
  EXPECT_EQ(empty.MovedSelection(kNoRow, Move::Down), kNoRow);
}

TEST(GridGeometry, TheViewScrollsAsLittleAsItMustToShowTheSelection) {
  const GridGeometry geometry = ThirtyRows();
  EXPECT_EQ(geometry.MaxTop(), 23);  // rows 23..30 fill the view
  const struct {
    int row, top, shown;
  } cases[] = {
      {5, 1, 1},   {8, 1, 1},      {9, 1, 2},  // row 9 is only partly in sight at top 1
      {30, 1, 23}, {4, 10, 4},     {12, 10, 10},
      {1, 23, 1},  {kNoRow, 7, 7}, {kNoRow, 40, 23},  // a top out of range is brought back
  };
  for (const auto& c : cases) EXPECT_EQ(geometry.TopShowing(c.row, c.top), c.shown) << c.row;
}

TEST(GridGeometry, TheScrollBarAndTheWheelMoveTheViewWithinItsRange) {
  const GridGeometry geometry = ThirtyRows();
  const struct {
    int top;
    Scroll scroll;
    int thumb, after;
  } cases[] = {
      {5, Scroll::LineUp, 0, 4},     {1, Scroll::LineUp, 0, 1},    {5, Scroll::LineDown, 0, 6},
      {23, Scroll::LineDown, 0, 23}, {5, Scroll::PageDown, 0, 13}, {20, Scroll::PageDown, 0, 23},
      {5, Scroll::PageUp, 0, 1},     {9, Scroll::Top, 0, 1},       {9, Scroll::Bottom, 0, 23},
      {1, Scroll::Thumb, 9, 10},     {1, Scroll::Thumb, 99, 23},
  };
  for (const auto& c : cases)
    EXPECT_EQ(geometry.Scrolled(c.top, c.scroll, c.thumb), c.after) << c.top;
  EXPECT_EQ(geometry.Wheeled(10, 1), 10 - kWheelRows);
  EXPECT_EQ(geometry.Wheeled(10, -2), 10 + 2 * kWheelRows);
  EXPECT_EQ(geometry.Wheeled(2, 1), 1);

  GridGeometry few = ThirtyRows();
  few.SetView(105, 5);  // four rows, all in sight: nothing to scroll
  EXPECT_EQ(few.MaxTop(), 1);
  EXPECT_EQ(few.Scrolled(1, Scroll::PageDown), 1);
}

}  // namespace
}  // namespace quindle::ui::grid
