#include "ui/grid/text_fit.h"

namespace quindle::ui::grid {

std::string_view FitToCell(std::string_view text, int cellWidth, const MeasureText& measure) {
  const int room = cellWidth - kCellTextMargin;
  while (!text.empty() && measure(text) > room) text.remove_suffix(1);
  return text;
}

}  // namespace quindle::ui::grid
