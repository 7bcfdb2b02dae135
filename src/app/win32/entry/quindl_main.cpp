// QUINDL.EXE: the program entry. Shared memory and mutexes come first, because the hook library
// finds the main window only through them; then the settings and the macro file, the single-
// instance test, the main window with its hooks, and the message loop.
#include "platform/win32/win32_api.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/settings.h"
#include "app/win32/hook32_host.h"
#include "app/win32/main_window.h"
#include "app/win32/profile_file.h"
#include "hooklib/win32/qnlhook.h"
#include "platform/std_file_io.h"
#include "platform/win32/clock.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/prompts.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "storage/win32/named_objects.h"

namespace {

using namespace quindle;

constexpr std::string_view kSystemError = "System Error";

// Before the main window exists the program's boxes have no owner.
void Tell(std::string_view title, std::string_view text) {
  platform::win32::Win32Prompts(0).ShowMessage(title, text);
}

int Fail(std::string_view text, std::string_view title) {
  Tell(title, text);
  return 1;
}

app::win32::HookExports DllHooks() {
  app::win32::HookExports hooks;
  hooks.hookKeyboard = [] { return static_cast<std::uint32_t>(QnlHookKeyboard()); };
  hooks.hookMouse = [] { return static_cast<std::uint32_t>(QnlHookMouse()); };
  hooks.hookSwap = [] { return static_cast<std::uint32_t>(QnlHookSwap()); };
  hooks.hookCbt = [] { return static_cast<std::uint32_t>(QnlHookCBT()); };
  hooks.unHook = [](std::uint32_t handle) { return QnlUnHook(handle) != 0; };
  return hooks;
}

int Run(int showCommand) {
  const std::string programDir = app::win32::ProgramDirectory();

  storage::win32::SharedBlock table;
  if (!table.Create(storage::kTableBlockName, sizeof(storage::SharedMacroTable)))
    return Fail("Memory Mapped File could not be created.  Quindle will terminate.", kSystemError);
  storage::win32::NamedMutex tableMutex;
  storage::win32::NamedMutex activationMutex;
  storage::win32::NamedMutex remapMutex;
  if (!tableMutex.Create(storage::kTableMutexName) ||
      !activationMutex.Create(storage::kActivationMutexName) ||
      !remapMutex.Create(storage::kRemapMutexName))
    return Fail("Mutex could not be created.  Quindle will terminate.", kSystemError);

  app::win32::ProfileFile profile(programDir + "\\QUINX.INI");
  app::Settings settings = app::ReadSettings(profile);

  // A second copy stops before it loads anything: the table it would fill is the running
  // copy's, and a different macro file there would make the running copy's hotkeys play the
  // wrong macros.
  if (storage::win32::SharedBlock::Exists(storage::kInstanceMarkerName)) {
    Tell("", settings.useTray ? "Quindle 98 is already running.  Right Click on the Quindle "
                                "Icon in the system tray in the bottom right corner to active."
                              : "Quindle 98 is already running.");
    return 0;
  }
  storage::win32::SharedBlock marker;
  if (!marker.Create(storage::kInstanceMarkerName, 10))
    return Fail("Memory Mapped File could not be created.  Quindle will terminate.", kSystemError);
  marker.UnmapView();
  // The hooks of other programs keep the blocks open, so the table may still hold what a copy
  // that was killed left in it (its window, a capture or playback under way): this copy starts
  // from an empty one, as from a block made afresh.
  std::memset(table.View(), 0, sizeof(storage::SharedMacroTable));

  storage::win32::NamedTableObjects objects(table);
  storage::TableLock lock(objects);
  platform::StdBinaryFiles files;
  platform::win32::Win32Prompts prompts(0);
  platform::win32::Win32Clock clock;
  storage::MacroStore store(files, lock, prompts, clock);
  settings.currentFile = app::ResolveCurrentFile(
      settings, programDir, [](std::string_view path) { return app::win32::FileExists(path); });
  store.LoadMacroFile(settings.currentFile);

  // The manifest asks for Common Controls 6; their classes are registered here.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  if (InitCommonControlsEx(&controls) == FALSE)
    return Fail("The common controls could not be initialised.  Quindle will terminate.",
                kSystemError);

  // Declared before the window, so its hooks are gone before the host's owner is.
  app::win32::Hook32Host hooks32(programDir);
  app::win32::MainWindowContext context{settings,
                                        profile,
                                        programDir,
                                        lock,
                                        store,
                                        DllHooks(),
                                        app::SplitCommandLine(GetCommandLineA(), true),
                                        &hooks32};
  app::win32::TMainWin mainWindow(context);
  if (!mainWindow.Create(showCommand)) {
    // A failed shared block has been reported already; anything else is said here.
    if (mainWindow.Handle() == nullptr && !mainWindow.Reported()) {
      Tell(kSystemError, "The main window could not be created (" + mainWindow.Failure() +
                             ").  Quindle will terminate.");
    }
    return 1;
  }

  // Modeless dialogs join this loop as they open; the main window's accelerators work in it.
  platform::win32::MessageLoop loop;
  loop.SetAccelerators(mainWindow.Handle(), mainWindow.Accelerators());
  loop.Run();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  try {
    return Run(showCommand);
  } catch (...) {
    // Everything owned by Run has been released on the way out; the message says what ended.
    try {
      Tell(kSystemError, "Quindle 98 ended after an unexpected error.");
    } catch (...) {
      // Not even the box could be shown; the exit code is all that is left.
    }
    return 1;
  }
}
