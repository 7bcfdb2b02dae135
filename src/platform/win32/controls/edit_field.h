// Edit fields with a length limit.
#pragma once

#include <cstddef>

#include "platform/win32/controls/control.h"

namespace quindle::platform::win32 {

class EditField : public Control {
 public:
  using Control::Control;
  // The most characters the user can type (EM_SETLIMITTEXT; EM_LIMITTEXT is its old name). Text
  // set by the program is not cut.
  bool SetLimit(std::size_t characters);
  std::size_t Limit() const;
  // Selects the whole text, as for a field the user must type again.
  bool SelectAll();
};

}  // namespace quindle::platform::win32
