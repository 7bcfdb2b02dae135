// Top-level windows on Win32: search primitives, the window tags' actions and bringing a window
// to the front from a program that is not the active application.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/win32/system_version.h"

namespace quindle::platform::win32 {

// How ForceForeground goes about it.
enum class ForegroundPath {
  // By the system: the attached-input sequence on Windows 98 and Me; elsewhere
  // SetForegroundWindow, then the attached-input sequence if another window stays in front.
  Automatic,
  AttachedInput,     // always the attached-input sequence
  SetForegroundOnly  // always SetForegroundWindow alone
};

class Win32Windows final : public IWindows {
 public:
  // `mainWindow`: the program's main window, whose thread the attached-input sequence joins to
  // the window in front; 0 when the program has none (the calling thread is used).
  explicit Win32Windows(WindowHandle mainWindow, ForegroundPath path = ForegroundPath::Automatic);

  WindowHandle FindByExactTitle(std::string_view title) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::string Title(WindowHandle window) override;
  WindowHandle Foreground() override;
  WindowHandle Parent(WindowHandle window) override;
  std::uint32_t ProcessOf(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  Rect WindowRect(WindowHandle window) override;
  void ShowWindow(WindowHandle window, int command) override;
  void SetWindowPos(WindowHandle window, int x, int y, int width, int height,
                    std::uint32_t flags) override;
  void PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  void SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  void ForceForeground(WindowHandle window) override;
  void SetForegroundWindow(WindowHandle window) override;
  void SetActiveWindow(WindowHandle window) override;
  void SetFocus(WindowHandle window) override;

  // The attached-input sequence alone: join the input of our thread to the window in front,
  // and the target's to ours; SetFocus and SetForegroundWindow; undo the joins in reverse.
  // True when the system accepted SetForegroundWindow.
  bool ForceByAttachedInput(WindowHandle window);
  // True once `window` (or its top-level window) is in front, polling up to `timeoutMs`: the
  // switch between processes happens a moment after SetForegroundWindow returns.
  bool WaitUntilInFront(WindowHandle window, std::uint32_t timeoutMs);

  // How long the automatic path waits for SetForegroundWindow alone before it also tries the
  // attached-input sequence.
  static constexpr std::uint32_t kForegroundSettleMs = 250;

 private:
  WindowHandle mainWindow_;
  ForegroundPath path_;
  SystemVersion version_;
};

}  // namespace quindle::platform::win32
