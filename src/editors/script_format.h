// How script lines write numbers, and the fixed samples that date and time lines show.
#pragma once

#include <string>
#include <string_view>

namespace quindle::editors {

// `value` with two decimals ("1.50").
std::string TwoDecimals(double value);
// Two decimals, then a trailing ".00" dropped, or else a trailing "0" after one decimal digit
// ("4.00" gives "4", "2.50" gives "2.5", "3.33" stays).
std::string ShortDecimal(double value);
// `text` padded on the left with "0" to `width` characters; a wider text is kept whole.
std::string ZeroPadded(std::string text, std::size_t width);
std::string ZeroPadded(long long value, std::size_t width);

// The window argument of the window tags (`WindowSpec`): the title, or "CURRENT" in double
// quotes for the window in front.
std::string WindowSpec(std::string_view title, bool current);

// Format `format` (1-based) shown for 30 March 1998, a Monday, at 15:04:23.
std::string DateSample(int format);
std::string TimeSample(int format);

}  // namespace quindle::editors
