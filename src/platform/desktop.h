// Windows, processes and the shell, as primitives. The searches built on them (a title first
// whole, then as a part in z-order; a program by part of its file name) are portable code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quindle::platform {

// Top-level window handles are 32-bit values, as stored in the shared blocks; 0 is no window.
using WindowHandle = std::uint32_t;

// The longest window title the program and the hook library compare: both read at most this
// many characters (GetWindowTextA with one more for the terminating zero), so that a title
// matches a scope text on both sides or on neither.
inline constexpr std::size_t kWindowTitleMax = 255;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShow = 5;
inline constexpr int kSwRestore = 9;

inline constexpr std::uint32_t kSwpNoSize = 0x0001;
inline constexpr std::uint32_t kSwpNoMove = 0x0002;
inline constexpr std::uint32_t kSwpNoZOrder = 0x0004;

inline constexpr std::uint32_t kWmQuit = 0x0012;
inline constexpr std::uint32_t kWmSysCommand = 0x0112;
inline constexpr std::uint32_t kScMinimize = 61472;
inline constexpr std::uint32_t kScMaximize = 61488;
inline constexpr std::uint32_t kScClose = 61536;
inline constexpr std::uint32_t kScRestore = 61728;
inline constexpr std::uint32_t kScScreenSave = 0xF140;

class IWindows {
 public:
  virtual ~IWindows() = default;
  // FindWindowA(nullptr, title): a top-level window whose whole title equals `title`.
  virtual WindowHandle FindByExactTitle(std::string_view title) = 0;
  // EnumWindows: all top-level windows, visible or not, in z-order, top first.
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // GetWindowTextA, at most 255 characters.
  virtual std::string Title(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  virtual WindowHandle Parent(WindowHandle window) = 0;
  virtual std::uint32_t ProcessOf(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual Rect WindowRect(WindowHandle window) = 0;
  virtual void ShowWindow(WindowHandle window, int command) = 0;
  virtual void SetWindowPos(WindowHandle window, int x, int y, int width, int height,
                            std::uint32_t flags) = 0;
  virtual void PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
  // Returns once the window has handled the message.
  virtual void SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
  // Brings a window to the front from a program that is not the active application.
  virtual void ForceForeground(WindowHandle window) = 0;
  // The plain sequence used where forcing is not needed.
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  virtual void SetActiveWindow(WindowHandle window) = 0;
  virtual void SetFocus(WindowHandle window) = 0;
};

struct ProcessEntry {
  std::uint32_t id = 0;
  std::string exeName;  // file name of the executable, in the case the system reports
};

class IProcesses {
 public:
  virtual ~IProcesses() = default;
  // Running processes in the order the system lists them.
  virtual std::vector<ProcessEntry> List() = 0;
  // File name of a process's executable; empty when it cannot be queried.
  virtual std::string ExeName(std::uint32_t processId) = 0;
};

class IShell {
 public:
  virtual ~IShell() = default;
  // ShellExecuteA with the main window as owner. An empty verb is the default operation.
  virtual void Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                       int showCommand) = 0;
};

}  // namespace quindle::platform
