#include "platform/win32/controls/edit_field.h"

namespace quindle::platform::win32 {

bool EditField::SetLimit(std::size_t characters) {
  if (window_ == nullptr || characters == 0) return false;  // 0 would mean "no limit"
  Send(EM_SETLIMITTEXT, static_cast<WPARAM>(characters));
  return Limit() == characters;
}

std::size_t EditField::Limit() const {
  return static_cast<std::size_t>(Send(EM_GETLIMITTEXT));
}

bool EditField::SelectAll() {
  if (window_ == nullptr) return false;
  Send(EM_SETSEL, 0, -1);
  return true;
}

}  // namespace quindle::platform::win32
