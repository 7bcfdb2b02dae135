#include "platform/win32/message_loop.h"

#include <algorithm>

namespace quindle::platform::win32 {

void MessageLoop::SetAccelerators(HWND window, HACCEL table) {
  acceleratorWindow_ = window;
  accelerators_ = table;
}

void MessageLoop::AddDialog(HWND dialog) {
  if (dialog != nullptr && std::find(dialogs_.begin(), dialogs_.end(), dialog) == dialogs_.end())
    dialogs_.push_back(dialog);
}

void MessageLoop::RemoveDialog(HWND dialog) {
  dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

bool MessageLoop::Route(MSG& message) {
  for (HWND dialog : dialogs_)
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &message) != FALSE) return true;
  if (accelerators_ != nullptr && acceleratorWindow_ != nullptr &&
      (message.hwnd == acceleratorWindow_ || IsChild(acceleratorWindow_, message.hwnd)) &&
      TranslateAcceleratorA(acceleratorWindow_, accelerators_, &message) != 0)
    return true;
  return false;
}

int MessageLoop::Run() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return -1;
    if (Route(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace quindle::platform::win32
