// The scripting editor's family handlers: the dialog of a command's family, opened to add a new
// line of that command or to edit an existing line, and the line it makes when accepted.
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>

#include "editors/command_dialog.h"
#include "editors/script_line.h"
#include "editors/text_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/mod_text_dialog.h"

namespace quindle::editors::win32 {

// What the handlers need beyond the line: the keyboard hook for the keystroke editor, the
// path checks, and the remembered date and time choices.
struct FamilyDialogContext {
  KeyboardHookSwitch keyboardHook;
  IPathChecks& paths;
  DateTimeMemory& dateTime;
};

// The dialog of `request.command`'s family; the keystroke editors ask with `request.direct`
// and insert the result text. Nothing after Cancel, and for a Text command.
CommandOutcome RunCommandDialog(HWND owner, const CommandDialogRequest& request,
                                FamilyDialogContext& context);

// The accepted line: `command` chosen for a new line (`line` null), or the command of `line`
// to edit it; the dialog may change the command within its family. Nothing after Cancel.
std::optional<ScriptLine> RunFamilyDialog(HWND owner, int command, const ScriptLine* line,
                                          FamilyDialogContext& context);

}  // namespace quindle::editors::win32
