// The program's own windows as playback sees them: the three playback prompts, the main window
// that is hidden and shown around them, and the switch to another macro file.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/desktop.h"

namespace quindle::platform {

struct PauseRequest {
  int left = 0;
  int top = 0;
  std::string_view message;        // empty: no message line
  std::string_view macroName;      // nickname of the macro being played
  std::uint16_t hotkeyNumber = 0;  // 0..719 names the caption's hotkey; 10000/20000: none
  WindowHandle targetWindow = 0;   // gets the focus back while the dialog floats above it
};

class IPlaybackPrompts {
 public:
  virtual ~IPlaybackPrompts() = default;
  // The modal pause dialog; true when the user resumes, false on Abort or close.
  virtual bool ShowPause(const PauseRequest& request) = 0;
  // The modal repeat prompt; only a number closes it.
  virtual std::uint16_t AskRepeatCount() = 0;
  // The on-top message window; a message while one is open is dropped.
  virtual void DoAMessage(std::string_view caption, std::string_view text) = 0;
};

class IAppWindow {
 public:
  virtual ~IAppWindow() = default;
  virtual WindowHandle MainWindow() = 0;
  virtual bool UseTray() = 0;  // the program lives in the notification area
  virtual bool IsApplicationMinimized() = 0;
  virtual void RestoreApplication() = 0;
  virtual void MinimizeApplication() = 0;
  virtual void ShowApplication() = 0;  // tray mode: make the application's window visible
  virtual void HideApplication() = 0;
  virtual void ShowMainWindow() = 0;
  virtual void HideMainWindow() = 0;
};

class IMacroFileSwitch {
 public:
  virtual ~IMacroFileSwitch() = default;
  // Makes `path` the current macro file, as a running macro's file switch asks.
  virtual void SwapMacroFile(std::string_view path) = 0;
};

}  // namespace quindle::platform
