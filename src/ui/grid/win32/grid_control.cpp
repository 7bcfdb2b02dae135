#include "ui/grid/win32/grid_control.h"

#include <utility>

#include "ui/grid/win32/grid_window.h"

namespace quindle::ui::grid::win32 {

GridControl::GridControl() = default;
GridControl::GridControl(GridControl&&) noexcept = default;
GridControl& GridControl::operator=(GridControl&&) noexcept = default;
GridControl::~GridControl() = default;

bool GridControl::Create(HWND parent, int id, const IGridSource& source, GridCallbacks callbacks) {
  failure_.clear();
  auto window = std::make_unique<GridWindow>(source, std::move(callbacks));
  if (!window->Create(parent, id)) {
    failure_ = window->Failure();
    return false;
  }
  window_ = std::move(window);
  return true;
}

HWND GridControl::Handle() const {
  return window_ ? window_->Handle() : nullptr;
}

void GridControl::SetFonts(HFONT titleFont, HFONT rowFont) {
  if (window_) window_->SetFonts(titleFont, rowFont);
}

void GridControl::SetColumnWidths(const std::vector<int>& widths) {
  if (window_) window_->SetColumnWidths(widths);
}

std::vector<int> GridControl::ColumnWidths() const {
  return window_ ? window_->Geometry().ColumnWidths() : std::vector<int>{};
}

int GridControl::RowTextWidth(std::string_view text) const {
  return window_ ? window_->RowTextWidth(text) : 0;
}

void GridControl::RowsChanged() {
  if (window_) window_->RowsChanged();
}

void GridControl::Select(int row) {
  if (window_) window_->Select(row);
}

int GridControl::Selected() const {
  return window_ ? window_->Selected() : kNoRow;
}

int GridControl::TopRow() const {
  return window_ ? window_->TopRow() : 1;
}

const GridGeometry& GridControl::Geometry() const {
  static const GridGeometry kNone;
  return window_ ? window_->Geometry() : kNone;
}

}  // namespace quindle::ui::grid::win32
