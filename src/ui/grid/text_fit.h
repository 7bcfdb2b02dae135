// How a cell's text is cut to its cell: one character at a time from the end, with no ellipsis,
// until what is left fits the cell's width less the 2 pixels of margin it is drawn at.
#pragma once

#include <functional>
#include <string_view>

namespace quindle::ui::grid {

// The text's left margin inside its cell, and the room kept free of the cell's width.
inline constexpr int kCellTextMargin = 2;

// The width of a text in pixels, as the font it is drawn in measures it.
using MeasureText = std::function<int(std::string_view)>;

// The longest start of `text` (the whole text, or less) whose width is at most `cellWidth` - 2;
// empty when not even one character fits.
std::string_view FitToCell(std::string_view text, int cellWidth, const MeasureText& measure);

}  // namespace quindle::ui::grid
