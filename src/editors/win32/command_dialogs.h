// The command dialogs of the two editors, one function per family: each runs its dialog
// modally over `owner` and returns the accepted command, or nothing when the user cancelled.
// The scripting editor passes the chosen command (its preset) and, to edit a line, the line's
// data; the keystroke editor passes `direct` and inserts the result text.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "editors/command_dialog.h"
#include "editors/script_line.h"
#include "editors/text_dialog_models.h"

namespace quindle::editors::win32 {

struct CommandDialogRequest {
  int command = 0;                    // the command chosen; 0 when opened in direct mode
  const CommandData* edit = nullptr;  // the line's arguments; null for a new command
  bool direct = false;                // opened by the keystroke editor
};

using CommandOutcome = std::optional<CommandResult>;

// Families of the first part.
CommandOutcome RunActiveDialog(HWND owner, const CommandDialogRequest& request,
                               IPathChecks& paths);  // TDoActive
CommandOutcome RunSoundDialog(HWND owner, const CommandDialogRequest& request,
                              IPathChecks& paths);                                // TDoSound
CommandOutcome RunDelayDialog(HWND owner, const CommandDialogRequest& request);   // TDoDelay2
CommandOutcome RunPauseDialog(HWND owner, const CommandDialogRequest& request);   // TDoPausePos
CommandOutcome RunRepeatDialog(HWND owner, const CommandDialogRequest& request);  // TDoRepeat
CommandOutcome RunSpeedDialog(HWND owner, const CommandDialogRequest& request);   // TDoSpeed
CommandOutcome RunSizeItDialog(HWND owner, const CommandDialogRequest& request);  // TDoSizeIt
CommandOutcome RunSystemDialog(HWND owner,
                               const CommandDialogRequest& request);             // TDoSystemCommand
CommandOutcome RunMouseDialog(HWND owner, const CommandDialogRequest& request);  // TDoMouse

// Families of the second part.
CommandOutcome RunClipboardDialog(HWND owner, const CommandDialogRequest& request,
                                  IPathChecks& paths);  // TDoClipboard
CommandOutcome RunFilesDialog(HWND owner, const CommandDialogRequest& request,
                              IPathChecks& paths);                                // TDoDOSFiles
CommandOutcome RunKeysDialog(HWND owner, const CommandDialogRequest& request);    // TDoKeyUpDown
CommandOutcome RunRemarkDialog(HWND owner, const CommandDialogRequest& request);  // TDoRemark
CommandOutcome RunWebDialog(HWND owner, const CommandDialogRequest& request);     // TDoWebStuff
CommandOutcome RunSwapDialog(HWND owner, const CommandDialogRequest& request,
                             IPathChecks& paths);  // TDoSwap
CommandOutcome RunTextFileDialog(HWND owner, const CommandDialogRequest& request,
                                 IPathChecks& paths);  // TDoTextInsert
// TDateOrTime; `memory` holds the remembered choices (read from and written to the settings by
// the caller).
CommandOutcome RunDateTimeDialog(HWND owner, const CommandDialogRequest& request,
                                 DateTimeMemory& memory);

}  // namespace quindle::editors::win32
