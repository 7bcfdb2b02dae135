// What the grid control shows, asked of its owner row by row at every paint: the grid keeps no
// copy of the texts, so a refilled list only needs the grid told that the rows changed.
#pragma once

#include <string>

namespace quindle::ui::grid {

class IGridSource {
 public:
  virtual ~IGridSource() = default;
  // The rows, the title row (row 0) included.
  virtual int RowCount() const = 0;
  // The text of one cell; row 0 holds the column titles.
  virtual std::string CellText(int row, int column) const = 0;
  // True for a row drawn as disabled (italic, in the grey-text colour).
  virtual bool RowDisabled(int row) const = 0;
  // True for a data cell drawn in the bold twin of the row font.
  virtual bool CellBold(int /*row*/, int /*column*/) const { return false; }
};

}  // namespace quindle::ui::grid
