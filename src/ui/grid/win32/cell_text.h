// A cell's text as the grid draws it, for the owner-drawn lists that show columns the same way:
// cut one character at a time from the end until it fits (no ellipsis), 2 pixels from the left.
#pragma once

#include "platform/win32/win32_api.h"

#include <string_view>

namespace quindle::ui::grid::win32 {

// The longest start of `text` that fits `cellWidth` less the margin, measured in the font
// selected into `dc`.
std::string_view FitToCellIn(HDC dc, std::string_view text, int cellWidth);

// Draws the fitted text on one line into the cell of `row` from x `left` to x `right`, centred
// in the row's height, in the colours set on `dc`.
void DrawCellText(HDC dc, std::string_view text, const RECT& row, int left, int right);

}  // namespace quindle::ui::grid::win32
