// The grid control as a real window: keys and clicks move the selection and keep it in view,
// each user action reaches its callback, and a dragged divider reports the column's new width.
// Messages are sent to the grid directly, as the system delivers them, so the test needs no
// pointer or keyboard of a screen.
#include "ui/grid/win32/grid_control.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_windows.h"

namespace quindle::ui::grid::win32 {
namespace {

using platform::win32::testing::TestWindows;

class Rows final : public IGridSource {
 public:
  int count = 31;  // the title row and 30 more
  int RowCount() const override { return count; }
  std::string CellText(int row, int column) const override {
    return std::to_string(row) + "/" + std::to_string(column);
  }
  bool RowDisabled(int row) const override { return row == 3; }
};

class GridControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = windows_.Create(TestWindows::Unique("grid"), true);
    if (parent_ == nullptr && windows_.WindowsUnavailable()) GTEST_SKIP() << "no windows here";
    ASSERT_NE(parent_, nullptr);
    GridCallbacks callbacks;
    callbacks.selected = [this](int row) { Note("select " + std::to_string(row)); };
    callbacks.open = [this](int row) { Note("open " + std::to_string(row)); };
    callbacks.remove = [this](int row) { Note("remove " + std::to_string(row)); };
    callbacks.info = [this](int row) { Note("info " + std::to_string(row)); };
    callbacks.typed = [this](char typed) {
      Note(std::string("typed ") + typed);
      return typed == 'c' ? 7 : kNoRow;
    };
    callbacks.typingReset = [this] { Note("reset"); };
    callbacks.columnResized = [this](int column, int width) {
      Note("resize " + std::to_string(column) + " " + std::to_string(width));
    };
    ASSERT_TRUE(grid_.Create(parent_, 4800, rows_, std::move(callbacks))) << grid_.Failure();
    grid_.SetColumnWidths({30, 100, 150, 120});
    // About ten rows in sight below the title.
    const GridGeometry& geometry = grid_.Geometry();
    const int height = geometry.TitleHeight() + 10 * geometry.RowHeight() + 8;
    ASSERT_NE(MoveWindow(grid_.Handle(), 0, 0, 420, height, TRUE), FALSE);
    SetFocus(grid_.Handle());
    seen_.clear();
  }

  void Note(std::string what) { seen_.push_back(std::move(what)); }
  std::vector<std::string> Take() { return std::exchange(seen_, {}); }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return SendMessageA(grid_.Handle(), message, wParam, lParam);
  }
  LRESULT Key(WPARAM key) { return Send(WM_KEYDOWN, key); }
  // A point in the middle of data row `row` (which must be in view), in `column`.
  LPARAM OnRow(int row, int column = 2) const {
    const GridGeometry& geometry = grid_.Geometry();
    const int x = geometry.ColumnLeft(column) + 5;
    const int y = geometry.RowTop(row, grid_.TopRow()) + geometry.RowHeight() / 2;
    return MAKELPARAM(x, y);
  }
  int ScrollPosition() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    GetScrollInfo(grid_.Handle(), SB_VERT, &info);
    return info.nPos;
  }

  TestWindows windows_;
  HWND parent_ = nullptr;
  Rows rows_;
  GridControl grid_;
  std::vector<std::string> seen_;
};

using Events = std::vector<std::string>;

TEST_F(GridControlTest, KeysMoveTheSelectionAndKeepItInView) {
  const int page = grid_.Geometry().PageRows();
  ASSERT_GE(page, 5);
  ASSERT_LT(page, 30);
  EXPECT_EQ(grid_.Selected(), kNoRow);
  EXPECT_EQ(Send(WM_GETDLGCODE, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  MSG enter{grid_.Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  // Enter stays with the grid, not with a dialog's default button.
  EXPECT_NE(Send(WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) & DLGC_WANTMESSAGE, 0);

  Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events{"reset", "select 1"}));
  Key(VK_END);
  EXPECT_EQ(Take(), (Events{"reset", "select 30"}));
  EXPECT_EQ(grid_.TopRow(), 31 - page);  // the last row at the bottom
  EXPECT_EQ(ScrollPosition(), grid_.TopRow() - 1);
  Key(VK_DOWN);  // already at the end: no move, no callback but the reset
  EXPECT_EQ(Take(), (Events{"reset"}));
  Key(VK_HOME);
  EXPECT_EQ(grid_.TopRow(), 1);
  EXPECT_EQ(ScrollPosition(), 0);
  Key(VK_NEXT);
  EXPECT_EQ(grid_.Selected(), 1 + page);
  EXPECT_EQ(grid_.TopRow(), 2);  // the new row whole at the bottom
  Key(VK_PRIOR);
  EXPECT_EQ(grid_.Selected(), 1);
  Take();

  Key(VK_RETURN);
  Key(VK_DELETE);
  Key(VK_CONTROL);
  Key(VK_LEFT);
  EXPECT_EQ(Take(), (Events{"open 1", "remove 1", "reset", "reset"}));

  Send(WM_CHAR, 'c');  // the type-ahead answers row 7
  Send(WM_CHAR, 'x');  // and then no row
  EXPECT_EQ(Take(), (Events{"typed c", "select 7", "typed x"}));
  EXPECT_EQ(grid_.Selected(), 7);
}

TEST_F(GridControlTest, ClicksSelectOpenAndAskForInfo) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, OnRow(4));
  Send(WM_LBUTTONUP, 0, OnRow(4));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, OnRow(4));  // a click on the selected row still tells
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, OnRow(5));
  EXPECT_EQ(Take(), (Events{"select 4", "select 4", "open 5"}));
  EXPECT_EQ(grid_.Selected(), 5);

  Send(WM_RBUTTONDOWN, MK_RBUTTON, OnRow(2));
  Send(WM_RBUTTONUP, 0, OnRow(2));
  Send(WM_RBUTTONDOWN, MK_RBUTTON, OnRow(2));
  Send(WM_RBUTTONUP, 0, OnRow(3));                      // let go on another row: nothing
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 1));  // the title row selects nothing
  EXPECT_EQ(Take(), (Events{"info 2"}));
  EXPECT_EQ(grid_.Selected(), 5);  // the right button leaves the selection

  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(grid_.TopRow(), 1 + kWheelRows);
  Send(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(grid_.TopRow(), grid_.Geometry().MaxTop());
  EXPECT_EQ(ScrollPosition(), grid_.TopRow() - 1);
  EXPECT_EQ(grid_.Selected(), 5);  // scrolling leaves the selection where it was
}

TEST_F(GridControlTest, ADraggedDividerSizesItsColumnAndReportsTheWidth) {
  const int edge = grid_.Geometry().ColumnLeft(2);  // the right edge of column 1
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(edge - 1, 2));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(edge + 30, 2));
  EXPECT_EQ(grid_.ColumnWidths()[1], 130);  // sized while it moves
  Send(WM_LBUTTONUP, 0, MAKELPARAM(edge + 50, 2));
  EXPECT_EQ(Take(), (Events{"resize 1 150"}));
  EXPECT_EQ(grid_.ColumnWidths(), (std::vector<int>{30, 150, 150, 120}));
  EXPECT_EQ(grid_.Selected(), kNoRow);  // the drag selected nothing

  // Let go where it started: no change to report.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 2));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(30, 2));
  EXPECT_EQ(Take(), Events{});
}

TEST_F(GridControlTest, FewerRowsKeepTheSelectionAndTheViewInsideThem) {
  Key(VK_END);
  rows_.count = 6;
  grid_.RowsChanged();
  EXPECT_EQ(grid_.Selected(), 5);
  EXPECT_EQ(grid_.TopRow(), 1);
  rows_.count = 1;
  grid_.RowsChanged();
  EXPECT_EQ(grid_.Selected(), kNoRow);
  Take();
  Key(VK_DOWN);
  Key(VK_RETURN);  // nothing to open
  EXPECT_EQ(Take(), (Events{"reset"}));

  // Entering and leaving the grid end a type-ahead.
  ASSERT_EQ(GetFocus(), grid_.Handle());
  SetFocus(parent_);
  SetFocus(grid_.Handle());
  EXPECT_EQ(Take(), (Events{"reset", "reset"}));
}

}  // namespace
}  // namespace quindle::ui::grid::win32
