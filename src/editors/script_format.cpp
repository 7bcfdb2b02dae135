#include "editors/script_format.h"

#include <cstdio>

#include "storage/macro_tags.h"

namespace quindle::editors {

std::string WindowSpec(std::string_view title, bool current) {
  return std::string(current ? storage::tags::kCurrentWindow : title);
}

std::string TwoDecimals(double value) {
  // The widest double in fixed notation takes 309 digits before the point.
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string("0.00");
}

std::string ShortDecimal(double value) {
  std::string text = TwoDecimals(value);
  if (text.ends_with(".00")) {
    text.resize(text.size() - 3);
  } else if (text.ends_with('0')) {
    text.pop_back();
  }
  return text;
}

std::string ZeroPadded(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string ZeroPadded(long long value, std::size_t width) {
  return ZeroPadded(std::to_string(value), width);
}

}  // namespace quindle::editors
