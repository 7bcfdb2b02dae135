// Every command of the scripting editor opens its dialog on its own choice, and "&Ok" on that
// choice gives a line of the same command: the two numberings (commands and the kinds of each
// family) must agree for all fifty.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "editors/chooser_dialog_models.h"
#include "editors/file_dialog_models.h"
#include "editors/launch_dialog_model.h"
#include "editors/text_dialog_models.h"
#include "editors/timing_dialog_models.h"
#include "editors/window_dialog_models.h"

namespace quindle::editors {
namespace {

using testing_support::FakePathChecks;

template <typename Outcome>
std::optional<CommandResult> ResultOf(const Outcome& outcome) {
  return outcome.result;
}

// The dialog of `command`, preset for a new line of it, with valid entries, accepted.
std::optional<CommandResult> NewLineOf(int command, FakePathChecks& checks) {
  switch (command) {
    case kCmdText:
      return ResultOf(AcceptSymbol(0, 0));
    case kCmdDate:
    case kCmdTime:
      return ResultOf(AcceptDateTime(DateTimeFormFor(command == kCmdDate, DateTimeMemory{})));
    case kCmdDelay:
      return ResultOf(AcceptDelay2(Delay2Form{false, "1"}));
    case kCmdPause:
      return ResultOf(AcceptPause(PauseFormForCommand()));
    case kCmdRepeatStart:
    case kCmdRepeatEnd:
    case kCmdRepeatCounter:
    case kCmdRepeatPromptStart: {
      RepeatForm form = RepeatFormForCommand(command);
      form.count = "2";
      return ResultOf(AcceptRepeat(form));
    }
    case kCmdKeystrokeSpeed:
    case kCmdMouseSpeed:
    case kCmdPlaybackSpeed: {
      SpeedForm form = SpeedFormForCommand(command);
      form.count = "2";
      return ResultOf(AcceptSpeed(form));
    }
    case kCmdActivateWindow:
    case kCmdLaunchProgram:
    case kCmdActivateOrLaunch:
    case kCmdLaunchAndActivate: {
      ActiveForm form = ActiveFormForCommand(command);
      form.title = "Note";
      form.path = "C:\\NOTE.EXE";
      return ResultOf(AcceptActive(form, checks));
    }
    case kCmdSoundBeep:
    case kCmdSoundWaveFile: {
      SoundForm form = SoundFormForCommand(command);
      form.path = "C:\\DING.WAV";
      return ResultOf(AcceptSound(form, checks));
    }
    case kCmdLoadMacroFile:
      return ResultOf(AcceptSwap("C:\\WORK.QNL", checks));
    case kCmdLoadTextFile:
      return ResultOf(AcceptTextInsert("C:\\NOTES.TXT", checks));
    case kCmdResizeWindow:
    case kCmdRepositionWindow: {
      SizeItForm form = SizeItFormForCommand(command);
      form.title = "Note";
      form.first = "100";
      form.second = "100";
      return ResultOf(AcceptSizeIt(form));
    }
    case kCmdMaximizeWindow:
    case kCmdMinimizeWindow:
    case kCmdRestoreWindow:
    case kCmdCloseWindow:
    case kCmdHideWindow:
    case kCmdShowWindow:
    case kCmdShutDownProgram: {
      SystemCommandForm form = SystemCommandFormForCommand(command);
      form.title = "Note";
      return ResultOf(AcceptSystemCommand(form));
    }
    case kCmdMouseMove:
    case kCmdLeftButton:
    case kCmdRightButton:
    case kCmdMiddleButton:
    case kCmdMouseWheel:
      return ResultOf(
          AcceptMouse(MouseForm{MouseFormForCommand(command).action, false, "1", "1", "1"}));
    case kCmdRemark:
      return ResultOf(AcceptRemark("note"));
    case kCmdClipboardCopy:
    case kCmdClipboardPaste:
    case kCmdClipboardStartCopy:
    case kCmdClipboardEndCopy:
    case kCmdClipboardFileCopy: {
      ClipboardForm form = ClipboardFormForCommand(command);
      form.path = "C:\\NOTES.TXT";
      return ResultOf(AcceptClipboard(form, checks));
    }
    case kCmdControlKey:
    case kCmdAltKey:
    case kCmdShiftKey:
    case kCmdWinKey:
      return ResultOf(AcceptKeyUpDown(KeyCodeForCommand(command)));
    case kCmdWebSite:
    case kCmdWebFtp: {
      const WebMode mode = command == kCmdWebSite ? WebMode::Site : WebMode::Ftp;
      return ResultOf(AcceptWeb(mode, TextsOfWebMode(mode).preset));
    }
    case kCmdChangeDirectory:
    case kCmdDeleteFile:
    case kCmdCopyFile:
    case kCmdRenameFile: {
      FilesForm form = FilesFormForCommand(command);
      form.path = command == kCmdChangeDirectory ? "C:\\DATA" : "C:\\NOTES.TXT";
      form.newName = "B.TXT";
      return ResultOf(AcceptFiles(form, checks));
    }
    default:
      return std::nullopt;
  }
}

TEST(DialogCommands, EachCommandsDialogMakesALineOfThatCommand) {
  FakePathChecks checks;
  checks.files = {"C:\\NOTE.EXE", "C:\\DING.WAV", "C:\\WORK.QNL", "C:\\NOTES.TXT"};
  checks.directories = {"C:\\DATA"};
  for (int command = 1; command <= kCommandCount; ++command) {
    const std::optional<CommandResult> result = NewLineOf(command, checks);
    ASSERT_TRUE(result.has_value()) << CommandName(command);
    EXPECT_EQ(result->command, command) << CommandName(command);
    EXPECT_FALSE(result->text.empty()) << CommandName(command);
    EXPECT_EQ(testing_support::WrittenBack(*result), result->text) << CommandName(command);
    EXPECT_EQ(CommandNumberOf(LineText(result->command, result->data, true)), command)
        << CommandName(command);
  }
}

}  // namespace
}  // namespace quindle::editors
