// The main window's editing operations: a macro of the list opened in the scripting editor and
// written back when the editor is accepted. TMainWin only routes to them.
#include <algorithm>

#include "activation/macro_names.h"
#include "activation/system_keys.h"
#include "app/unavailable_commands.h"
#include "app/win32/main_window.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/keyboard_hook_switch.h"
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

constexpr std::string_view kListError = "Error";

editors::ActivationKind KindOf(std::uint16_t hotkey) {
  if (hotkey == storage::kActivationTimed) return editors::ActivationKind::Timed;
  if (hotkey == storage::kActivationTyplet) return editors::ActivationKind::Typlet;
  return editors::ActivationKind::Hotkey;
}

// A hotkey that a global, popup or system macro already uses can only be given to this macro
// for one window.
bool SharedWithAGlobal(const storage::SharedMacroTable& table, std::size_t slot) {
  const std::uint16_t code = table.HotkeyNumber[slot];
  if (code >= storage::kActivationTimed) return false;
  for (std::size_t other = 0; other < table.SafeCount(); ++other) {
    if (other == slot || table.HotkeyNumber[other] != code) continue;
    const std::int16_t scope = table.ScopeKind[other];
    if (scope == storage::ScopeGlobal || scope == storage::ScopePopupMenu ||
        scope == storage::ScopeSystem) {
      return true;
    }
  }
  return false;
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

void TMainWin::DoTheScript(int n) {
  // The capture's macro is written when it completes; an editor's write-back meanwhile could
  // overwrite it, or go into a file the capture then no longer matches.
  if (capture_ && capture_->RefuseWhileBusy()) return;
  editors::win32::ScriptingEditorSetup setup;
  std::size_t count = 0;
  bool popup = false;
  bool system = false;
  std::optional<activation::SystemKeyField> systemField;
  {
    // The lock is let go before any message: the hook library waits for it on every key.
    storage::TableGuard guard(context_.lock);
    if (!guard) return;
    const storage::SharedMacroTable& table = guard.Table();
    count = table.SafeCount();
    if (n >= 1 && static_cast<std::size_t>(n) <= count) {
      const std::size_t slot = static_cast<std::size_t>(n - 1);
      popup = table.ScopeKind[slot] == storage::ScopePopupMenu;
      system = table.ScopeKind[slot] == storage::ScopeSystem;
      systemField = activation::SystemFieldOfSlot(table, slot);
      setup.kind = KindOf(table.HotkeyNumber[slot]);
      setup.hotkeyName = std::string(hooklib::HotkeyName(table.HotkeyNumber[slot]));
      setup.forcedWindow = SharedWithAGlobal(table, slot);
    }
  }
  if (count == 0) return platform_->prompts.ShowMessage(kListError, activation::kNoMacrosYet);
  if (n < 1 || static_cast<std::size_t>(n) > count) {
    return platform_->prompts.ShowMessage(kListError, activation::kNoMacroSelected);
  }
  // A system macro is changed in "System Hot Keys"; a popup menu's record holds its members,
  // not a text, and has an editor of its own.
  if (system) {
    if (systemField) OpenSystemKeys(*systemField);
    return;
  }
  if (popup) return platform_->prompts.ShowMessage(kNoticeTitle, kPopupMenuNotScripted);
  storage::MacroRecord& current = context_.store.CurrentMacro();
  if (!context_.store.ReadMacro(n, current)) return;
  const Settings& s = context_.settings;
  setup.placement = {s.scriptLeft, s.scriptTop, s.scriptWidth, s.scriptHeight};
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
  editors::win32::TDoScripting editor(current, std::move(setup));
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
  const editors::DateTimeMemory& chosen = editor.DateTime();
  settings.lastDateFormat = chosen.dateFormat - 1;
  settings.lastTimeFormat = chosen.timeFormat - 1;
  settings.suppressZerosInDate = chosen.dateNoLeadingZeros;
  settings.suppressZerosInTime = chosen.timeNoLeadingZeros;
  SaveSettings(settings, context_.profile);
  if (!accepted || !context_.store.WriteMacro(n, current)) return;
  storage::SetHotKeys(context_.lock);
  FillList();
  SelectMacro(n);
  if (current.HotkeyNumber == storage::kActivationTimed && scheduler_) {
    scheduler_->CheckAndSetTime();
  }
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
