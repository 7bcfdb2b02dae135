// Shows the grid with a few macro-like rows (one disabled, one selected, one nickname too long
// for its column) in a window of its own, so the grid can be looked at in a screenshot. Runs only
// when QNL_SHOW_GRID names a file; the window stays until that file exists or it is closed.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "platform/win32/handles.h"
#include "support/test_windows.h"
#include "ui/grid/win32/grid_control.h"

namespace quindle::ui::grid::win32 {
namespace {

using platform::win32::testing::PollFor;
using platform::win32::testing::TestWindows;

class Showcase final : public IGridSource {
 public:
  int RowCount() const override { return static_cast<int>(kRows.size()); }
  std::string CellText(int row, int column) const override {
    if (row > 0 && column == 0) return std::to_string(row);
    return kRows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  bool RowDisabled(int row) const override { return row == 3; }

 private:
  static constexpr std::array<std::array<const char*, 4>, 6> kRows{{
      {"", "Activation", "Nickname", "Scope"},
      {"", "Ctrl+Alt+Shift+T", "Letter closing", "GLOBAL"},
      {"", "Ctrl+Alt+Shift+D", "Date and time", "Program: NOTEPAD.EXE"},
      {"", "Ctrl+Alt+Shift+W", "Weekly report, switched off", "Window: Untitled - Notepad"},
      {"", "addr", "Address block for every letter of the year", "GLOBAL"},
      {"", "Timed Macro", "Back up the macro file", "SYSTEM"},
  }};
};

platform::win32::GdiObject ArialFont(int points, HWND window) {
  platform::win32::WindowDc dc(window);
  const int height = -MulDiv(points, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
  return platform::win32::GdiObject(
      CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
}

TEST(GridShowcase, ShowsRowsUntilClosed) {
  const char* done = std::getenv("QNL_SHOW_GRID");
  if (done == nullptr) GTEST_SKIP() << "QNL_SHOW_GRID names no file";
  TestWindows windows;
  HWND parent = windows.Create("Grid showcase", true);
  ASSERT_NE(parent, nullptr);
  ASSERT_NE(MoveWindow(parent, 40, 40, 520, 220, TRUE), FALSE);
  Showcase rows;
  GridControl grid;
  ASSERT_TRUE(grid.Create(parent, 4800, rows, {})) << grid.Failure();
  const platform::win32::GdiObject titleFont = ArialFont(12, parent);
  const platform::win32::GdiObject rowFont = ArialFont(10, parent);
  grid.SetFonts(static_cast<HFONT>(titleFont.Get()), static_cast<HFONT>(rowFont.Get()));
  grid.SetColumnWidths({grid.RowTextWidth("9999"), 112, 168, 132});
  RECT client{};
  GetClientRect(parent, &client);
  MoveWindow(grid.Handle(), 4, 4, client.right - 8, client.bottom - 8, TRUE);
  grid.Select(2);
  SetFocus(grid.Handle());
  EXPECT_TRUE(PollFor(
      [&] {
        return IsWindow(parent) == FALSE || GetFileAttributesA(done) != INVALID_FILE_ATTRIBUTES;
      },
      120000));
}

}  // namespace
}  // namespace quindle::ui::grid::win32
