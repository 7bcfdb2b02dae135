// The main window's macro list: the grid control showing the rows of the list model in the
// order of the sort settings, drawn in the settings' fonts and column widths, with type-ahead.
// It speaks in MacroNumbers to its owner; the rows are its own business.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "app/list_type_ahead.h"
#include "app/macro_list.h"
#include "app/main_layout.h"
#include "app/settings.h"
#include "platform/win32/handles.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "ui/grid/grid_source.h"
#include "ui/grid/win32/grid_control.h"

namespace quindle::app::win32 {

// What the user did in the list; MacroNumbers, never 0.
struct MacroListEvents {
  std::function<void(int n)> selected;
  std::function<void(int n)> open;    // Enter or a double click
  std::function<void(int n)> remove;  // Delete
  std::function<void(int n)> info;    // the right button pressed and released on the row
  // "Col N Width" changed by dragging a divider (column 1..3).
  std::function<void(int column, int width)> columnResized;
};

class MacroListPanel final : private ui::grid::IGridSource {
 public:
  bool Create(HWND parent, int id, const Settings& settings, MacroListEvents events);
  HWND Handle() const { return grid_.Handle(); }

  // FillList: the rows anew from the table; the selected macro stays selected when it is still
  // there. False, the rows as they were, when the table could not be locked.
  bool Refill(storage::TableLock& lock, const storage::MacroIndex& index, const Settings& settings);
  const MacroList& List() const noexcept { return list_; }
  int Count() const noexcept { return list_.Count(); }

  // The MacroNumber of the selected row, 0 when none is.
  int SelectedMacro() const;
  // Selects the row of macro `n` (`ReverseSort`); none when n is not in the list.
  void SelectMacro(int n);
  // Selects display row `row` (1..Count()), or the last row when the list got shorter.
  void SelectRowOrLast(int row);
  int SelectedRow() const;

  // The fonts and column widths of the settings, after "&Appearance".
  void ApplyAppearance(const Settings& settings);
  void Place(const Placement& place);
  void Focus();

 private:
  int RowCount() const override { return list_.RowCount(); }
  std::string CellText(int row, int column) const override { return list_.CellText(row, column); }
  bool RowDisabled(int row) const override { return list_.RowDisabled(row); }

  ui::grid::win32::GridControl grid_;
  MacroList list_;
  TypeAhead typeAhead_;
  platform::win32::GdiObject titleFont_;
  platform::win32::GdiObject rowFont_;
};

}  // namespace quindle::app::win32
