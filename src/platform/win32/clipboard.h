// The clipboard as the macro tags fill it: plain text replacing whatever it held.
#pragma once

#include <string_view>

#include "platform/desktop.h"
#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32Clipboard final : public IClipboard {
 public:
  // `owner`: the window that owns what is put on the clipboard; 0 gives each SetText a hidden
  // window of its own, since a clipboard opened for no window cannot take data everywhere.
  explicit Win32Clipboard(WindowHandle owner) : owner_(owner) {}

  // The text up to a NUL it may hold (CF_TEXT ends at the first NUL). False when the clipboard
  // could not be opened, emptied or filled; it may then be empty.
  bool SetText(std::string_view text) override;

 private:
  WindowHandle owner_;
};

}  // namespace quindle::platform::win32
