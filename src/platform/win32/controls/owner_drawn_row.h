// Rows of owner-drawn list boxes, painted as the system paints its own: the highlight of a
// selected row, its text colours, and the focus rectangle.
#pragma once

#include "platform/win32/win32_api.h"

#include <string_view>

namespace quindle::platform::win32 {

// Paints the row's background and sets the colours for its text. False when the system asked
// for the focus rectangle alone (or the list is empty): that is then drawn, and the caller
// draws nothing more.
bool BeginOwnerDrawnRow(const DRAWITEMSTRUCT& item);

// Draws the focus rectangle when the row has the focus; the last step of a row.
void EndOwnerDrawnRow(const DRAWITEMSTRUCT& item);

// A whole row of two columns: `first` from `indent` pixels, clipped before `secondColumn`,
// and `second` from `secondColumn` pixels; each cut with an ellipsis when it does not fit.
void DrawTwoColumnRow(const DRAWITEMSTRUCT& item, std::string_view first, std::string_view second,
                      int indent, int secondColumn);

}  // namespace quindle::platform::win32
