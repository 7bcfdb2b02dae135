#include "scheduler/timed_runner.h"

#include "hooklib/hook_messages.h"

namespace quindle::scheduler {

std::vector<int> StoreMacroSource::EnabledTimedMacros() {
  std::vector<int> numbers;
  const storage::TableGuard guard(lock_);
  if (!guard) return numbers;
  const storage::SharedMacroTable& table = guard.Table();
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i)
    if (table.Enabled[i] && table.HotkeyNumber[i].Get() == storage::kActivationTimed)
      numbers.push_back(static_cast<int>(i) + 1);
  return numbers;
}

bool StoreMacroSource::IsEnabledTimed(int n) {
  const storage::TableGuard guard(lock_);
  if (!guard || n < 1 || static_cast<std::size_t>(n) > guard.Table().SafeCount()) return false;
  const auto slot = static_cast<std::size_t>(n - 1);
  return guard.Table().Enabled[slot] &&
         guard.Table().HotkeyNumber[slot].Get() == storage::kActivationTimed;
}

bool StoreMacroSource::ReadMacro(int n, storage::MacroRecord& record) {
  return store_.ReadMacro(n, record);
}

AlarmSound AlarmOfChoice(bool wave, std::string_view file, bool wait) {
  if (!wave || file.empty()) return AlarmSound{true, false, {}};
  return AlarmSound{true, wait, std::string(file)};
}

bool PlayerRunner::Busy() {
  const engine::PlaybackState& state = services_.player.State();
  if (state.PauseActive || state.PopupShowing) return true;
  if (services_.captureCompleting && services_.captureCompleting()) return true;
  const storage::TableGuard guard(services_.lock);
  return guard && guard.Table().CaptureActive;
}

bool PlayerRunner::ActivateScope(const storage::MacroRecord& record) {
  engine::WindowActions& actions = services_.player.Actions();
  switch (record.ScopeKind.Get()) {
    case storage::ScopeWindow:
      return actions.ActivateIt(record.ScopeText.View());
    case storage::ScopeProgram:
      return actions.ActivateProg(record.ScopeText.View());
    default:
      services_.player.State().TargetWindow = services_.windows.Foreground();
      return true;
  }
}

bool PlayerRunner::Run(int /*n*/, const storage::MacroRecord& record, bool capsStep) {
  // Copied first: the record may be read over by a start nested in this playback.
  const std::string text(record.MacroText());
  const std::string name(record.Name.View());
  if (!ActivateScope(record)) return false;
  const AlarmSound alarm = services_.alarm ? services_.alarm() : AlarmSound{};
  if (alarm.PlaysWave())
    services_.player.Actions().Wave(alarm.file, alarm.wait);
  else if (alarm.Beeps())
    services_.player.Actions().Beep();

  // Under the playback marker, as a hotkey's macro plays: the macro's own keys must not feed
  // Typlet matching.
  bool marked = false;
  bool nested = false;
  {
    const storage::TableGuard guard(services_.lock);
    if (guard) {
      nested = guard.Table().PlaybackMarker;
      guard.Table().PlaybackMarker = true;
      marked = true;
    }
  }
  // The player presses Caps Lock off before the text and on again after it. A start inside a
  // playing macro keeps the state that the outer start recorded.
  engine::PlaybackState& state = services_.player.State();
  if (!nested) state.CapsWasOn = capsStep && services_.capsLockOn && services_.capsLockOn();
  // IntoProgram resets the speed to 1.0 and the per-run state before the text plays.
  services_.player.IntoProgram(text, name, record.HotkeyNumber);
  if (marked) {
    const auto scan = static_cast<std::uint8_t>(
        services_.layout.MapVirtualKey(hooklib::kMarkerKey, platform::kMapVkToScan));
    services_.input.KeyEvent(hooklib::kMarkerKey, scan, 0);
    services_.input.KeyEvent(hooklib::kMarkerKey, scan, platform::kKeyEventKeyUp);
  }
  return true;
}

}  // namespace quindle::scheduler
