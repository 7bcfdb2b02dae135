// Report-style list views: columns, rows and their cells, the selection, and the hooks an
// owner-drawn list needs. Rows and columns are numbered from 0; -1 means "none".
#pragma once

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class ListView : public Control {
 public:
  using Control::Control;

  // Makes a report-style list view as a child of `parent`; an empty wrapper when it failed.
  static ListView Create(HWND parent, int id, DWORD extraStyle = 0);

  bool AddColumn(int column, std::string_view title, int width);
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  // Inserts a row at `row` (or the end when `row` is past it) with the first cell's text; the
  // row it went to, -1 when refused.
  int InsertRow(int row, std::string_view firstCell);
  bool SetCell(int row, int column, std::string_view text);
  std::string Cell(int row, int column) const;
  int RowCount() const;
  bool Clear();
  // LVS_EX_ styles such as LVS_EX_FULLROWSELECT, set and read back.
  bool SetExtendedStyle(DWORD styles);

  int Selected() const;
  // Selects and focuses `row` and scrolls it into view; -1 clears the selection.
  bool Select(int row);

  // Owner drawing: with LVS_OWNERDRAWFIXED the parent paints each row in its OnDrawItem (the
  // DRAWITEMSTRUCT names the row in itemID) and sets the row height in OnMeasureItem.
  bool SetOwnerDraw(bool ownerDraw);
  bool IsOwnerDraw() const;
  // The rectangle of a row in the list's client coordinates, for drawing and hit tests.
  bool RowRect(int row, RECT& rect) const;
};

}  // namespace quindle::platform::win32
