// The main window's editors: the scripting editor and the direct editor over a working record
// (the list operations write what they accept), and the scheduler's two options.
#include <algorithm>

#include "activation/macro_names.h"
#include "activation/system_keys.h"
#include "app/unavailable_commands.h"
#include "app/win32/main_window.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/keyboard_hook_switch.h"
#include "editors/win32/mod_hotkeys_dialog.h"
#include "editors/win32/path_checks.h"
#include "editors/win32/scripting_editor.h"
#include "editors/win32/timer_interval_dialog.h"
#include "hooklib/hotkey_names.h"
#include "platform/date_time.h"
#include "scheduler/timed_runner.h"
#include "scheduler/win32/schedule_dialog.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {
namespace {

editors::ActivationKind KindOf(std::uint16_t hotkey) {
  if (hotkey == storage::kActivationTimed) return editors::ActivationKind::Timed;
  if (hotkey == storage::kActivationTyplet) return editors::ActivationKind::Typlet;
  return editors::ActivationKind::Hotkey;
}

}  // namespace

// What the scope chooser lists: the titles of the windows on the screen, or the file names of
// the programs running, each once and sorted.
std::vector<std::string> TMainWin::RunningNames(bool windows) {
  std::vector<std::string> names;
  if (windows) {
    for (const platform::WindowHandle window : platform_->windows.TopLevelWindows()) {
      std::string title = platform_->windows.Title(window);
      if (!title.empty()) names.push_back(std::move(title));
    }
  } else {
    for (const platform::ProcessEntry& process : platform_->processes.List()) {
      if (!process.exeName.empty()) names.push_back(process.exeName);
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

// The editors nest (the keystroke editor opens from the scripting editor): the hook comes back
// only when the last of them has closed.
void TMainWin::SwitchKeyboardHook(bool on) {
  if (!on && keyboardHookOff_++ > 0) return;
  if (on && (keyboardHookOff_ == 0 || --keyboardHookOff_ > 0)) return;
  storage::TableGuard guard(context_.lock);
  // The hook follows the count even without the table; only the copy of its handle needs it.
  if (!on) {
    keyboardHook_.Reset();
  } else if (!keyboardHook_) {
    keyboardHook_ = context_.hooks.Install(context_.hooks.hookKeyboard);
  }
  if (guard) guard.Table().KeyboardHook = keyboardHook_.Get();
}

editors::win32::MacroEditorSetup TMainWin::EditorSetup(const EditorRequest& request,
                                                       const storage::MacroRecord& macro) {
  editors::win32::MacroEditorSetup setup;
  setup.kind = KindOf(macro.HotkeyNumber);
  setup.existing = request.n != 0;
  setup.hotkeyName = std::string(hooklib::HotkeyName(macro.HotkeyNumber));
  setup.forcedWindow = request.sharedWithGlobal;
  const Settings& s = context_.settings;
  setup.dateTime = {s.lastDateFormat + 1, s.lastTimeFormat + 1, s.suppressZerosInDate,
                    s.suppressZerosInTime};
  setup.runningNames = [this](bool windows) { return RunningNames(windows); };
  setup.programDir = context_.programDir;
  setup.keyboardHook = [this](bool on) { SwitchKeyboardHook(on); };
  setup.now = [this] { return platform_->clock.Now(); };
  setup.setSchedule = [this](storage::MacroRecord& record, HWND owner) {
    const platform::CivilDateTime now = platform::FromDateTime(platform_->clock.Now());
    scheduler::win32::TDoSchedule(record, scheduler::Today{now.year, now.month, now.day})
        .Run(owner);
  };
  return setup;
}

void TMainWin::KeepDateTimeChoices(const editors::DateTimeMemory& chosen) {
  Settings& settings = context_.settings;
  settings.lastDateFormat = chosen.dateFormat - 1;
  settings.lastTimeFormat = chosen.timeFormat - 1;
  settings.suppressZerosInDate = chosen.dateNoLeadingZeros;
  settings.suppressZerosInTime = chosen.timeNoLeadingZeros;
  SaveSettings(settings, context_.profile);
}

bool TMainWin::RunScriptingEditor(const EditorRequest& request, storage::MacroRecord& macro) {
  editors::win32::ScriptingEditorSetup setup;
  static_cast<editors::win32::MacroEditorSetup&>(setup) = EditorSetup(request, macro);
  const Settings& s = context_.settings;
  setup.placement = {s.scriptLeft, s.scriptTop, s.scriptWidth, s.scriptHeight};
  editors::win32::TDoScripting editor(macro, std::move(setup));
  bool accepted = false;
  {
    // No hotkey or Typlet fires while the user works in the editor.
    const editors::win32::KeyboardHookOff hookOff([this](bool on) { SwitchKeyboardHook(on); });
    accepted = editor.Run(Handle());
  }
  const editors::win32::EditorPlacement& place = editor.Placement();
  Settings& settings = context_.settings;
  settings.scriptLeft = place.left;
  settings.scriptTop = place.top;
  settings.scriptWidth = place.width;
  settings.scriptHeight = place.height;
  KeepDateTimeChoices(editor.DateTime());
  return accepted;
}

bool TMainWin::RunDirectEditorFor(const EditorRequest& request, storage::MacroRecord& macro) {
  editors::win32::DirectEditorSetup setup = EditorSetup(request, macro);
  const bool accepted = editors::win32::RunDirectEditor(Handle(), macro, setup);
  KeepDateTimeChoices(setup.dateTime);
  return accepted;
}

void TMainWin::OpenTimerInterval() {
  Settings& settings = context_.settings;
  const std::optional<int> seconds =
      editors::win32::TDoTimerInterval(settings.timerSeconds).Run(Handle());
  if (!seconds) return;
  settings.timerSeconds = static_cast<std::uint16_t>(*seconds);
  SaveSettings(settings, context_.profile);
  // The check timer takes the new interval when it is set again.
  if (scheduler_) scheduler_->CheckAndSetTime();
}

// The alarm is edited in "Set Sound" as a sound command would be: a beep, or a wave file with
// or without waiting for its end.
void TMainWin::OpenAlarm() {
  Settings& settings = context_.settings;
  const scheduler::AlarmSound now{settings.useWaveFile, settings.waveFileWait, settings.waveFile};
  const editors::CommandData alarm =
      editors::SoundData{now.PlaysWave() ? 2 : 1, settings.waveFile, settings.waveFileWait};
  editors::win32::CommandDialogRequest request;
  request.command = now.PlaysWave() ? editors::kCmdSoundWaveFile : editors::kCmdSoundBeep;
  request.edit = &alarm;
  editors::win32::Win32PathChecks paths;
  const editors::win32::CommandOutcome chosen =
      editors::win32::RunSoundDialog(Handle(), request, paths);
  const auto* sound = chosen ? std::get_if<editors::SoundData>(&chosen->data) : nullptr;
  if (sound == nullptr) return;
  const scheduler::AlarmSound chosenAlarm =
      scheduler::AlarmOfChoice(sound->kind == 2, sound->path, sound->wait);
  settings.useWaveFile = chosenAlarm.use;
  settings.waveFileWait = chosenAlarm.wait;
  settings.waveFile = chosenAlarm.file;
  SaveSettings(settings, context_.profile);
}

}  // namespace quindle::app::win32
