#include "app/list_type_ahead.h"

#include "platform/text.h"
#include "platform/virtual_keys.h"

namespace quindle::app {

int TypeAhead::KeyPress(char c, const MacroList& list, int selectedRow) {
  const auto code = static_cast<unsigned char>(c);
  if (c == '\t' || c == '\n' || c == '\r') {
    buffer_.clear();
    return selectedRow;
  }
  if (c == '\b') {
    if (!buffer_.empty()) buffer_.pop_back();
  } else if (code < 32 || code == 127) {
    return selectedRow;
  } else if (buffer_.size() < kMaxChars) {
    buffer_ += platform::UpperAToZ(c);
  }
  if (buffer_.empty()) return selectedRow;
  for (int row = 1; row <= list.Count(); ++row)
    if (list.SearchText(row).starts_with(buffer_)) return row;
  return selectedRow;
}

bool TypeAhead::KeyDown(std::uint8_t virtualKey) {
  using namespace platform;
  const bool clears = virtualKey == kVkControl || virtualKey == kVkMenu ||
                      (virtualKey >= kVkPageUp && virtualKey <= kVkDown) ||
                      (virtualKey >= kVkLeftControl && virtualKey <= kVkRightMenu);
  if (clears) buffer_.clear();
  return clears;
}

}  // namespace quindle::app
