// The main window's side of hotkey activation: turns a WM_HOTKEY_PRESSED report into the macro
// that the combination means in the current situation, refuses it while a popup menu, a capture
// or a pause is in the way, runs the program's own system hotkeys, and keeps the table's
// picture of the program in front current.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "activation/scope_resolution.h"
#include "engine/player.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::activation {

// Refusal texts, shown with the title "Warning".
inline constexpr std::string_view kWarningTitle = "Warning";
inline constexpr std::string_view kPopupRefusal =
    "A current Popup Menu macro is being displayed. Another macro cannot be executed until "
    "either a choice is made from the Popup Menu or it is cancelled.";
inline constexpr std::string_view kCaptureRefusal =
    "A macro is currently being recorded. Another macro cannot be executed until the recording "
    "is completed.";
inline constexpr std::string_view kPauseRefusal =
    "A current playback macro is in the middle of a PAUSE. Another macro cannot be executed "
    "until the PAUSE is either cancelled or resumed.";
inline constexpr std::string_view kActivateMePauseRefusal =
    "A current playback macro is in the middle of a PAUSE. Quindle 98 cannot be invoked until "
    "the PAUSE is either cancelled or resumed.";
inline constexpr std::string_view kActivateMePopupRefusal =
    "A Quindle 98 Popup Menu is currently being displayed. Quindle 98 cannot be invoked until "
    "this menu has been cleared.";
inline constexpr std::string_view kActivateMeCaptureRefusal =
    "A macro is currently being recorded. Quindle 98 cannot be invoked until the recording is "
    "completed.";

using platform::kScScreenSave;

// The program's own file name, whose windows never become LastForeignWindow.
inline constexpr std::string_view kOwnProgramName = "QUINDL.EXE";
inline constexpr std::size_t kForegroundProgramMax = 250;
// How many popup menus may lead into one another in one start: a menu that names itself (or a
// ring of menus) stops here instead of recursing until the stack runs out.
inline constexpr int kMaxPopupDepth = 8;

// What activation asks of the main window.
class IActivationHost {
 public:
  virtual ~IActivationHost() = default;
  // The pause dialog of the paused macro resumes it and closes.
  virtual void ResumePause() = 0;
  // The on-top message of playback and activation.
  virtual void DoAMessage(std::string_view title, std::string_view text) = 0;
  // Restores the main window and brings it to the front (from the tray when it lives there).
  virtual void ActivateMe() = 0;
  // System hotkeys "2" (quick capture) and "4" (menu of macros for the program in front).
  virtual void StartACapture() = 0;
  virtual void MenuTopWindow() = 0;
  // A popup-menu macro was chosen to run: shows its menu; the chosen member (0: none).
  virtual int ShowPopupMenu(const storage::MacroRecord& macro) = 0;
  // A capture is running (the main window's own flag, for "Activate Quindle").
  virtual bool CaptureRunning() = 0;
  // A capture has stopped recording and its macro is not written yet ("Capture Complete" may
  // be open): starts wait until it is, as while it records.
  virtual bool CaptureCompleting() { return false; }
  // The macro file is shared on a network and has changed since it was loaded.
  virtual bool SharedFileChanged() = 0;
  // Reloads that file and refreshes the menus, the list, the buttons and the schedule.
  virtual void ReloadSharedFile() = 0;
};

struct ActivationServices {
  storage::TableLock& lock;
  storage::MacroStore& store;
  engine::Player& player;
  platform::IWindows& windows;
  platform::IProcesses& processes;
  platform::IInputSink& input;
  platform::IKeyboardLayout& layout;
  platform::IMessagePump& pump;
  IActivationHost& host;
};

class HotkeyActivation {
 public:
  explicit HotkeyActivation(const ActivationServices& services);
  HotkeyActivation(const HotkeyActivation&) = delete;
  HotkeyActivation& operator=(const HotkeyActivation&) = delete;

  // The message handlers.
  void OnHotkeyPressed(std::uint32_t wParam, platform::WindowHandle focus);
  void OnWindowActivated(platform::WindowHandle window);
  void OnAbortKeys();
  void OnCapsLockState(bool on);
  // WM_SYSCOMMAND SC_SCREENSAVE: true when the request must be refused (answered with -1).
  bool RefuseScreenSaver(bool disableScreenSaverSetting);

  // The scope resolution of a HotkeyNumber: a MacroNumber, or 0.
  int GetMacro(int code);
  // Reads macro n and plays it under the playback marker (or shows its popup menu).
  // `beforePlay`, when given, runs with the marker set, right before the playback: a Typlet
  // erases its abbreviation there, so that those keys never reach the Typlet matcher either.
  void RunMacro(int n, const std::function<void()>& beforePlay = {});
  // The refusals every start shares: a popup menu is displayed, or a capture is running. True,
  // with the warning shown, when the start must not go on.
  bool RefusePopupOrCapture();
  // System hotkey "1" with its refusals.
  void SystemActivateMe();

  // Upper-case file name of the program that owns the window in front ("" when unknown).
  std::string ForegroundProgramName();
  // Upper-case file name of the program that owns `window` ("" when unknown).
  std::string ProgramOf(platform::WindowHandle window);

  int CurrentMacroNumber() const noexcept { return currentMacroNumber_; }
  void SetCurrentMacroNumber(int n) noexcept { currentMacroNumber_ = n; }
  platform::WindowHandle LastTitledWindow() const noexcept { return lastTitledWindow_; }
  platform::WindowHandle LastForeignWindow() const noexcept { return lastForeignWindow_; }
  bool CapsLockOn() const noexcept { return capsLockOn_; }
  void SetCapsLockOn(bool on) noexcept { capsLockOn_ = on; }
  // The MacroNumber whose playback is innermost on the stack (the one a pause belongs to), or 0.
  int PlayingMacroNumber() const noexcept { return playingMacro_; }
  // The record of the macro being started. Starts never use the store's CurrentMacro: that is
  // the record an editor, a capture or a dialog is filling, and a hotkey pressed meanwhile must
  // leave it as they left it.
  const storage::MacroRecord& StartedMacro() const noexcept { return startedMacro_; }

 private:
  // What one handler needs of the table, copied under the lock. With the lock refused the
  // table counts as empty.
  struct TableView {
    bool captureActive = false;
    bool playbackMarker = false;
    int count = 0;                    // macros in the table
    std::vector<ScopeEntry> entries;  // those with the HotkeyNumber asked for
  };
  TableView Snapshot(int code);
  // GetMacro's two passes. A probe only asks: it neither activates a window nor changes
  // TargetWindow, so asking during a pause leaves the paused macro's world alone.
  int Resolve(int code, bool probe);
  // Step 4 of a hotkey while a macro is paused: resumes it or refuses.
  void ResumeOrRefuse(std::uint32_t wParam);
  // Presses the combination again so that the hook library meets it against a reloaded table.
  void ReplayCombination(int code);
  void RunMacroAt(int n, int depth, const std::function<void()>& beforePlay);
  // Sets PlaybackMarker; false when the table could not be taken.
  bool SetPlaybackMarker();
  void ReturnFocusToTarget();

  ActivationServices services_;
  storage::MacroRecord startedMacro_{};
  int currentMacroNumber_ = 0;
  int playingMacro_ = 0;
  platform::WindowHandle lastTitledWindow_ = 0;
  platform::WindowHandle lastForeignWindow_ = 0;
  bool capsLockOn_ = false;
};

}  // namespace quindle::activation
