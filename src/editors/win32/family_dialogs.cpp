#include "editors/win32/family_dialogs.h"

#include "editors/script_editor.h"

namespace quindle::editors::win32 {
namespace {

std::optional<ScriptLine> TextLine(HWND owner, const ScriptLine* line,
                                   FamilyDialogContext& context) {
  const TextData* text = line != nullptr ? std::get_if<TextData>(&line->data) : nullptr;
  TModText dialog(text != nullptr ? text->text : std::string(), context.keyboardHook);
  std::optional<std::string> typed = dialog.Run(owner);
  if (!typed || typed->empty()) return std::nullopt;
  TextData data{std::move(*typed)};
  std::string shown = LineText(kCmdText, data, true);
  return ScriptLine{std::move(shown), std::move(data)};
}

}  // namespace

CommandOutcome RunCommandDialog(HWND owner, const CommandDialogRequest& request,
                                FamilyDialogContext& context) {
  switch (FamilyOf(request.command)) {
    case CommandFamily::DateTime:
      return RunDateTimeDialog(owner, request, context.dateTime);
    case CommandFamily::Delay:
      return RunDelayDialog(owner, request);
    case CommandFamily::Pause:
      return RunPauseDialog(owner, request);
    case CommandFamily::Repeat:
      return RunRepeatDialog(owner, request);
    case CommandFamily::Speed:
      return RunSpeedDialog(owner, request);
    case CommandFamily::Launch:
      return RunActiveDialog(owner, request, context.paths);
    case CommandFamily::Sound:
      return RunSoundDialog(owner, request, context.paths);
    case CommandFamily::MacroFile:
      return RunSwapDialog(owner, request, context.paths);
    case CommandFamily::TextFile:
      return RunTextFileDialog(owner, request, context.paths);
    case CommandFamily::WindowSize:
      return RunSizeItDialog(owner, request);
    case CommandFamily::WindowCommand:
      return RunSystemDialog(owner, request);
    case CommandFamily::Mouse:
      return RunMouseDialog(owner, request);
    case CommandFamily::Remark:
      return RunRemarkDialog(owner, request);
    case CommandFamily::Clipboard:
      return RunClipboardDialog(owner, request, context.paths);
    case CommandFamily::Keys:
      return RunKeysDialog(owner, request);
    case CommandFamily::Web:
      return RunWebDialog(owner, request);
    case CommandFamily::Files:
      return RunFilesDialog(owner, request, context.paths);
    case CommandFamily::Text:
      break;
  }
  return std::nullopt;
}

std::optional<ScriptLine> RunFamilyDialog(HWND owner, int command, const ScriptLine* line,
                                          FamilyDialogContext& context) {
  if (FamilyOf(command) == CommandFamily::Text) {
    // Only a Text line is edited as keystrokes; a line whose name is unknown stays as it is.
    if (command != kCmdText) return std::nullopt;
    return TextLine(owner, line, context);
  }
  CommandDialogRequest request;
  request.command = command;
  request.edit = line != nullptr ? &line->data : nullptr;
  CommandOutcome result = RunCommandDialog(owner, request, context);
  // The editor takes a command with a result text as accepted.
  if (!result || result->text.empty()) return std::nullopt;
  std::string shown = LineText(result->command, result->data, true);
  return ScriptLine{std::move(shown), std::move(result->data)};
}

}  // namespace quindle::editors::win32
