#include "activation/hotkey_activation.h"

#include <utility>

#include "hooklib/hook_messages.h"
#include "hooklib/hotkey_number.h"
#include "platform/text.h"
#include "platform/virtual_keys.h"

namespace quindle::activation {
namespace {

// A replayed mouse hotkey waits this long before its click, so the hook has seen the modifiers.
constexpr double kReplayMouseSettleSeconds = 0.05;
// The hook library posts a 16-bit HotkeyNumber (with the Caps Lock bit); anything wider did not
// come from it.
constexpr std::uint32_t kHotkeyParamMax = 0xFFFF;

struct MouseFlags {
  std::uint32_t down = 0;
  std::uint32_t up = 0;
};

MouseFlags FlagsOfButton(int button) {
  switch (button) {
    case hooklib::kMouseLeft:
      return {platform::kMouseLeftDown, platform::kMouseLeftUp};
    case hooklib::kMouseRight:
      return {platform::kMouseRightDown, platform::kMouseRightUp};
    case hooklib::kMouseMiddle:
      return {platform::kMouseMiddleDown, platform::kMouseMiddleUp};
    default:
      return {};
  }
}

}  // namespace

HotkeyActivation::HotkeyActivation(const ActivationServices& services) : services_(services) {}

HotkeyActivation::TableView HotkeyActivation::Snapshot(int code) {
  TableView view;
  const storage::TableGuard guard(services_.lock);
  if (!guard) return view;
  const storage::SharedMacroTable& table = guard.Table();
  view.captureActive = table.CaptureActive;
  view.playbackMarker = table.PlaybackMarker;
  view.count = static_cast<int>(table.SafeCount());
  if (code >= 0) view.entries = EntriesWithHotkey(table, code);
  return view;
}

void HotkeyActivation::OnHotkeyPressed(std::uint32_t wParam, platform::WindowHandle focus) {
  engine::PlaybackState& state = services_.player.State();
  if (RefusePopupOrCapture()) return;
  if ((wParam & hooklib::kDirectMacroBit) != 0) {
    const std::uint32_t number = wParam & ~(hooklib::kDirectMacroBit | hooklib::kDirectExtraBit);
    if (number == 0 || number > storage::kMaxMacros) return;
    currentMacroNumber_ = static_cast<int>(number);
    RunMacro(currentMacroNumber_);
    return;
  }
  if (wParam > kHotkeyParamMax) return;
  if (state.PauseActive) {
    ResumeOrRefuse(wParam);
    return;
  }

  const bool capsBit = (wParam & hooklib::kCapsLockBit) != 0;
  const int code = static_cast<int>(wParam & ~hooklib::kCapsLockBit);
  currentMacroNumber_ = code;
  // A start inside a playing macro keeps the Caps Lock state that the outer start recorded.
  if (!Snapshot(-1).playbackMarker) state.CapsWasOn = capsBit;
  state.TargetWindow = focus;

  if (services_.host.SharedFileChanged()) {
    services_.host.ReloadSharedFile();
    ReplayCombination(code);
    return;
  }

  if (const std::optional<char> action = SystemAction(Snapshot(code).entries)) {
    switch (*action) {
      case kSystemActivateMe:
        SystemActivateMe();
        break;
      case kSystemCapture:
        services_.host.StartACapture();
        break;
      case kSystemMenuTop:
        services_.host.MenuTopWindow();
        break;
      default:
        // "3" resumes a pause and means nothing otherwise; unknown actions do nothing either.
        break;
    }
    return;
  }

  currentMacroNumber_ = GetMacro(code);
  if (currentMacroNumber_ <= 0) return;
  RunMacro(currentMacroNumber_);
}

bool HotkeyActivation::RefusePopupOrCapture() {
  if (services_.player.State().PopupShowing) {
    services_.host.DoAMessage(kWarningTitle, kPopupRefusal);
    return true;
  }
  if (Snapshot(-1).captureActive || services_.host.CaptureCompleting()) {
    services_.host.DoAMessage(kWarningTitle, kCaptureRefusal);
    return true;
  }
  return false;
}

void HotkeyActivation::ResumeOrRefuse(std::uint32_t wParam) {
  const int code = static_cast<int>(wParam & ~hooklib::kCapsLockBit);
  bool resume = HasSystemAction(Snapshot(code).entries, kSystemResume);
  // A pause of a macro that was not started here (a Typlet, the scheduler) has no number: the
  // lookup's "nothing" must not count as that macro.
  if (!resume && playingMacro_ > 0) resume = Resolve(code, true) == playingMacro_;
  if (!resume) {
    services_.host.DoAMessage(kWarningTitle, kPauseRefusal);
    return;
  }
  if ((wParam & hooklib::kCapsLockBit) != 0) services_.player.Keys().ToggleCapsLock();
  services_.host.ResumePause();
}

void HotkeyActivation::ReplayCombination(int code) {
  const hooklib::HotkeyKey key = hooklib::DecipherKey(code);
  if (key.vk == 0 && key.mouseButton == 0) return;
  const auto post = [this](std::uint8_t vk, bool up) {
    const auto scan =
        static_cast<std::uint8_t>(services_.layout.MapVirtualKey(vk, platform::kMapVkToScan));
    services_.input.KeyEvent(vk, scan, up ? platform::kKeyEventKeyUp : 0);
  };
  if (key.win) post(platform::kVkRightWin, false);
  if (key.alt) post(platform::kVkMenu, false);
  if (key.ctrl) post(platform::kVkControl, false);
  if (key.shift) post(platform::kVkShift, false);
  if (key.mouseButton != 0) {
    services_.player.PauseForNoSpeed(kReplayMouseSettleSeconds);
    const MouseFlags flags = FlagsOfButton(key.mouseButton);
    services_.input.MouseEvent(flags.down, 0, 0, 0);
    services_.input.MouseEvent(flags.up, 0, 0, 0);
  } else {
    const auto vk = static_cast<std::uint8_t>(key.vk);
    post(vk, false);
    post(vk, true);
  }
  if (key.shift) post(platform::kVkShift, true);
  if (key.ctrl) post(platform::kVkControl, true);
  if (key.alt) post(platform::kVkMenu, true);
  if (key.win) post(platform::kVkRightWin, true);
}

int HotkeyActivation::GetMacro(int code) {
  return Resolve(code, false);
}

int HotkeyActivation::Resolve(int code, bool probe) {
  if (code < 0) return 0;
  code &= ~static_cast<int>(hooklib::kCapsLockBit);
  // Copied out so the lock is free again before any window is activated.
  const std::vector<ScopeEntry> entries = Snapshot(code).entries;
  if (entries.empty()) return 0;

  platform::IWindows& windows = services_.windows;
  const platform::WindowHandle front = windows.Foreground();
  if (front != 0) {
    const std::string title = platform::UpperAToZ(windows.Title(front));
    if (title.find(kPauseTitleMark) == std::string::npos) {
      const std::string program = ProgramOf(front);
      const int inFront = MatchInFront(entries, title, program);
      if (inFront > 0) {
        if (!probe) services_.player.State().TargetWindow = front;
        return inFront;
      }
    }
  }
  engine::WindowActions& actions = services_.player.Actions();
  return ChooseInBackground(entries, [&actions, probe](std::string_view scopeText) {
    return probe ? actions.GetWinHandle(scopeText) != 0 : actions.ActivateIt(scopeText);
  });
}

void HotkeyActivation::RunMacro(int n, const std::function<void()>& beforePlay) {
  RunMacroAt(n, 0, beforePlay);
}

void HotkeyActivation::RunMacroAt(int n, int depth, const std::function<void()>& beforePlay) {
  if (depth >= kMaxPopupDepth) return;
  // A number past the loaded macros (a stale popup member, a damaged message) is ignored like
  // an unresolved hotkey, without the storage's read-error message.
  if (n < 1 || n > Snapshot(-1).count) return;
  storage::MacroRecord& record = startedMacro_;
  if (!services_.store.ReadMacro(n, record)) return;
  engine::PlaybackState& state = services_.player.State();

  if (record.ScopeKind == storage::ScopePopupMenu) {
    const bool wasShowing = std::exchange(state.PopupShowing, true);
    const int member = services_.host.ShowPopupMenu(record);
    state.PopupShowing = wasShowing;
    ReturnFocusToTarget();
    if (member > 0) RunMacroAt(member, depth + 1, {});
    return;
  }

  const bool marked = SetPlaybackMarker();
  if (beforePlay) beforePlay();
  const int outer = std::exchange(playingMacro_, n);
  // The player copies the text and the name before anything else runs, so a start nested in
  // this playback may read its own record over this one.
  services_.player.IntoProgram(record.MacroText(), record.Name.View(), record.HotkeyNumber);
  playingMacro_ = outer;
  // Without the marker set the hook would let the marker key through to the application.
  if (!marked) return;
  const auto scan = static_cast<std::uint8_t>(
      services_.layout.MapVirtualKey(hooklib::kMarkerKey, platform::kMapVkToScan));
  services_.input.KeyEvent(hooklib::kMarkerKey, scan, 0);
  services_.input.KeyEvent(hooklib::kMarkerKey, scan, platform::kKeyEventKeyUp);
}

bool HotkeyActivation::SetPlaybackMarker() {
  const storage::TableGuard guard(services_.lock);
  if (!guard) return false;
  guard.Table().PlaybackMarker = true;
  return true;
}

void HotkeyActivation::ReturnFocusToTarget() {
  // The focus window may be a child; bringing its top-level window up lets the system give the
  // focus back to the child that had it.
  const platform::WindowHandle top =
      services_.player.MakeSureItsAParent(services_.player.State().TargetWindow);
  if (top != 0) services_.windows.ForceForeground(top);
}

void HotkeyActivation::SystemActivateMe() {
  const engine::PlaybackState& state = services_.player.State();
  if (state.PauseActive) {
    services_.host.DoAMessage(kWarningTitle, kActivateMePauseRefusal);
  } else if (state.PopupShowing) {
    services_.host.DoAMessage(kWarningTitle, kActivateMePopupRefusal);
  } else if (services_.host.CaptureRunning()) {
    services_.host.DoAMessage(kWarningTitle, kActivateMeCaptureRefusal);
  } else {
    services_.host.ActivateMe();
  }
}

std::string HotkeyActivation::ForegroundProgramName() {
  return ProgramOf(services_.windows.Foreground());
}

// Cut to what the table holds: the hooks compare program scopes with the table's copy, so a
// longer name compared whole here could find a macro that the hook never swallowed the key for,
// or the other way round.
std::string HotkeyActivation::ProgramOf(platform::WindowHandle window) {
  if (window == 0) return {};
  std::string program =
      platform::UpperAToZ(services_.processes.ExeName(services_.windows.ProcessOf(window)));
  if (program.size() > kForegroundProgramMax) program.resize(kForegroundProgramMax);
  return program;
}

void HotkeyActivation::OnWindowActivated(platform::WindowHandle window) {
  if (services_.windows.Title(window).empty()) return;
  lastTitledWindow_ = window;
  // While the system passes the front from one program to another there is a moment with no
  // window in front; a report handled then names the program of the window being activated,
  // which is the one coming to the front. Storing an empty name instead would leave every
  // program-scoped hotkey dead until the next activation.
  const platform::WindowHandle front = services_.windows.Foreground();
  const std::string program = ProgramOf(front != 0 ? front : window);
  if (program != kOwnProgramName) lastForeignWindow_ = window;
  const storage::TableGuard guard(services_.lock);
  if (!guard) return;
  guard.Table().ForegroundProgram.Assign(program);
}

void HotkeyActivation::OnAbortKeys() {
  services_.player.RequestAbort();
}

void HotkeyActivation::OnCapsLockState(bool on) {
  capsLockOn_ = on;
}

bool HotkeyActivation::RefuseScreenSaver(bool disableScreenSaverSetting) {
  if (!disableScreenSaverSetting) return false;
  const storage::TableGuard guard(services_.lock);
  if (!guard) return false;
  const storage::SharedMacroTable& table = guard.Table();
  const std::size_t count = table.SafeCount();
  for (std::size_t i = 0; i < count; ++i) {
    if (table.Enabled[i] && table.HotkeyNumber[i].Get() == storage::kActivationTimed) return true;
  }
  return false;
}

}  // namespace quindle::activation
