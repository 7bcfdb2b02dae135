// The program's message loop. Keyboard messages need routing before they are dispatched:
//   1. to each open modeless dialog, through IsDialogMessageA, so that Tab, the arrow keys,
//      Enter and Esc and the dialog's mnemonics work in it as in a modal dialog (a modal dialog
//      runs its own loop and needs none of this);
//   2. to the accelerator table of the main window, through TranslateAcceleratorA, so that F1
//      and the like reach the window's OnCommand from wherever the focus is in that window;
//   3. everything else through TranslateMessage and DispatchMessageA.
// A modeless dialog joins with AddDialog once it is created and leaves with RemoveDialog when it
// is destroyed (DialogBase does both when it is given the loop).
#pragma once

#include "platform/win32/win32_api.h"

#include <vector>

namespace quindle::platform::win32 {

class MessageLoop {
 public:
  // `window` receives the accelerators of `table`; either may be null (no accelerators).
  void SetAccelerators(HWND window, HACCEL table);
  void AddDialog(HWND dialog);
  void RemoveDialog(HWND dialog);
  std::size_t DialogCount() const { return dialogs_.size(); }

  // Steps 1 and 2 above for one message: true when it was taken (do not dispatch it again).
  bool Route(MSG& message);
  // GetMessageA until WM_QUIT, routing every message; the exit code of WM_QUIT, or -1 when
  // GetMessageA failed.
  int Run();

 private:
  std::vector<HWND> dialogs_;
  HWND acceleratorWindow_ = nullptr;
  HACCEL accelerators_ = nullptr;
};

}  // namespace quindle::platform::win32
