// Every platform interface that playback reaches, implemented on Win32 and owned together.
#pragma once

#include "platform/desktop.h"
#include "platform/program.h"
#include "platform/services.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/clock.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/input.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/processes.h"
#include "platform/win32/prompts.h"
#include "platform/win32/shell.h"
#include "platform/win32/sound.h"
#include "platform/win32/windows.h"

namespace quindle::platform::win32 {

class Win32Platform {
 public:
  // `mainWindow`: the program's main window, owner of what the shell, the clipboard and the
  // message boxes show and the thread ForceForeground joins; 0 when the program has none.
  explicit Win32Platform(WindowHandle mainWindow)
      : windows(mainWindow), shell(mainWindow), clipboard(mainWindow), prompts(mainWindow) {}
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Win32Input input;
  Win32Windows windows;
  Win32Processes processes;
  Win32Shell shell;
  Win32FileOps files;
  Win32Clipboard clipboard;
  Win32Sound sound;
  Win32Clock clock;
  Win32MessagePump pump;
  Win32Prompts prompts;
};

// The bundle the player takes: the system services from `platform`, the program's own windows
// from the caller.
inline Services MakePlayerServices(Win32Platform& platform, IPlaybackPrompts& prompts,
                                   IAppWindow& app, IMacroFileSwitch& fileSwitch) {
  return {platform.input,
          platform.input,
          platform.input,
          platform.windows,
          platform.processes,
          platform.shell,
          platform.files,
          platform.clipboard,
          platform.sound,
          platform.clock,
          platform.pump,
          prompts,
          app,
          fileSwitch};
}

}  // namespace quindle::platform::win32
