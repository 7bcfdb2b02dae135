// The grid control that lists the macros: a child window of its own class with a title row,
// columns the user sizes by dragging their dividers in the title row, one row per entry of its
// source, a vertical scroll bar and one selected row. It knows nothing of what the rows mean:
// the owner gives it a source of texts, its fonts and column widths, and hears of the user's
// actions through callbacks. It takes the keyboard focus (a tab stop; it wants the arrows and
// the typed characters) and paints through an off-screen bitmap, so it does not flicker.
//
// GridControl is the one owner of the window: move-only, it destroys the window when it dies.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/grid/grid_geometry.h"
#include "ui/grid/grid_source.h"

namespace quindle::ui::grid::win32 {

// What the grid tells its owner; an empty function is not called. Rows are the source's numbers
// (1 for the first data row).
struct GridCallbacks {
  // The selection moved to `row` by a key or by the type-ahead; also every click on a data row,
  // whether or not the row was selected before.
  std::function<void(int row)> selected;
  // Enter on the selected row, or a double click on a data row.
  std::function<void(int row)> open;
  // Delete on the selected row.
  std::function<void(int row)> remove;
  // The right button pressed and released on the same data row.
  std::function<void(int row)> info;
  // A character typed into the grid (WM_CHAR, Enter, Tab and Backspace included). Returns the
  // row to select, or kNoRow to leave the selection as it is.
  std::function<int(char typed)> typed;
  // What ends a type-ahead: Ctrl or Alt pressed, an arrow, Page Up/Down, Home or End, and the
  // focus entering or leaving the grid.
  std::function<void()> typingReset;
  // The user dragged the divider of `column` and let go with the column `width` pixels wide.
  std::function<void(int column, int width)> columnResized;
};

class GridWindow;

class GridControl {
 public:
  GridControl();
  GridControl(GridControl&&) noexcept;
  GridControl& operator=(GridControl&&) noexcept;
  GridControl(const GridControl&) = delete;
  GridControl& operator=(const GridControl&) = delete;
  ~GridControl();

  // Creates the grid as a visible child of `parent`, `id` its control id. `source` must outlive
  // the grid. False when the window could not be made; Failure() says why.
  bool Create(HWND parent, int id, const IGridSource& source, GridCallbacks callbacks);
  const std::string& Failure() const { return failure_; }

  HWND Handle() const;
  bool IsOpen() const { return Handle() != nullptr; }

  // The fonts of the title row and of the other rows; the owner keeps them alive while the grid
  // uses them (null: the system's dialog font). The row heights follow from them.
  void SetFonts(HFONT titleFont, HFONT rowFont);
  void SetColumnWidths(const std::vector<int>& widths);
  std::vector<int> ColumnWidths() const;
  // The width of `text` in the row font, for widths that depend on it ("9999" for the numbers).
  int RowTextWidth(std::string_view text) const;

  // The source's rows changed: the selection and the view are kept within them and repainted.
  void RowsChanged();
  // Selects `row` (kNoRow: none) and scrolls it into view; no callback.
  void Select(int row);
  int Selected() const;
  // The first data row shown.
  int TopRow() const;
  // Where the rows and columns lie now, for the owner and the tests.
  const GridGeometry& Geometry() const;

 private:
  std::unique_ptr<GridWindow> window_;
  std::string failure_;
};

}  // namespace quindle::ui::grid::win32
