// The window behind GridControl: the messages of the grid's own class, its state (selection,
// first row shown, a divider being dragged) and its painting. Only GridControl makes one.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window_base.h"
#include "ui/grid/grid_geometry.h"
#include "ui/grid/grid_source.h"
#include "ui/grid/win32/grid_control.h"

namespace quindle::ui::grid::win32 {

inline constexpr const char* kGridClassName = "QuindleGrid";

class GridWindow final : public platform::win32::WindowBase {
 public:
  GridWindow(const IGridSource& source, GridCallbacks callbacks);

  bool Create(HWND parent, int id);

  void SetFonts(HFONT titleFont, HFONT rowFont);
  void SetColumnWidths(const std::vector<int>& widths);
  int RowTextWidth(std::string_view text) const;
  void RowsChanged();
  void Select(int row);
  int Selected() const { return selected_; }
  int TopRow() const { return top_; }
  const GridGeometry& Geometry() const { return geometry_; }

 protected:
  void OnSize(UINT kind, int clientWidth, int clientHeight) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // Input (grid_window.cpp).
  void OnKeyDown(WPARAM key);
  void OnChar(char typed);
  void OnLeftDown(int x, int y);
  void OnLeftDoubleClick(int x, int y);
  void OnMouseMove(int x);
  void EndDrag();
  void OnRightUp(int x, int y);
  void OnScroll(WPARAM request);
  bool SetDividerCursor();
  LRESULT DialogCode(LPARAM message) const;
  // Moves the selection to `row`, shows it and tells the owner when `notify`.
  void MoveTo(int row, bool notify);
  void SetTop(int top);
  void UpdateView();
  void UpdateScrollBar();
  void Redraw();
  int TextHeight(HFONT font) const;

  // Painting (grid_paint.cpp).
  void Paint();
  void DrawRow(HDC dc, int row, int width) const;
  void DrawCell(HDC dc, int row, int column, const RECT& cell, bool disabled) const;

  const IGridSource& source_;
  GridCallbacks callbacks_;
  GridGeometry geometry_;
  HFONT titleFont_ = nullptr;
  HFONT rowFont_ = nullptr;
  platform::win32::GdiObject italicFont_;  // the row font's italic twin, for disabled rows
  platform::win32::GdiObject boldFont_;    // and its bold twin, for the cells the source says
  int titleTextHeight_ = 0;
  int rowTextHeight_ = 0;
  int selected_ = kNoRow;
  int top_ = 1;
  int dragColumn_ = kNoColumn;
  int dragStartWidth_ = 0;
  int rightDownRow_ = kNoRow;
};

}  // namespace quindle::ui::grid::win32
