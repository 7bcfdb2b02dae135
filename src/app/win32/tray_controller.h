// The main window's part in the notification area: the "Quindle 98" icon of tray mode ("Use
// Tray") with its menu MyPopUp, the "Macro Is Recording" icon of a capture, and what tray mode
// does with the main window: hiding it when the program loses the focus (AppDeactivate), hiding
// it by "&Hide Quindle 98", and bringing it back from the tray. The decisions are the portable
// ones of app/tray_model.h; this class carries them out.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>

#include "app/settings.h"
#include "app/tray_model.h"
#include "platform/win32/handles.h"
#include "platform/win32/tray_icon.h"

namespace quindle::app::win32 {

// The icons' callback message to the main window: wParam is the icon (kMainTrayIcon or
// kRecordingTrayIcon), lParam the mouse message (WM_LBUTTONUP, WM_RBUTTONUP, ...). Its number
// is fixed (0xB070) so that a test can send it as a click would.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 0x3070;
// AppDeactivate's hide, carried out once the activation change that caused it is over.
inline constexpr UINT kTrayHideMessage = WM_APP + 0x3071;
// The main icon's retry after the shell refused to add it (a WM_TIMER of the main window).
inline constexpr UINT_PTR kTrayRetryTimerId = 0x5201;
inline constexpr UINT kTrayRetryMs = 5000;
inline constexpr UINT kMainTrayIcon = 1;
inline constexpr UINT kRecordingTrayIcon = 2;

inline constexpr const char* kMainTrayTip = "Quindle 98";
inline constexpr const char* kRecordingTrayTip = "Macro Is Recording";

// What the controller asks of the main window.
struct TrayHost {
  std::function<bool()> terminating;
  std::function<bool()> macroPlaying;    // a playback runs
  std::function<bool()> macroStarting;   // the playback marker is set: a start is under way
  std::function<bool()> popupMenuShown;  // a popup menu of macros is shown
  std::function<void()> bringToFront;    // ForceForeground of the main window
};

class TrayController {
 public:
  // `owner` is the main window; its menu bar holds "Place in System &Tray" and "&Hide Quindle
  // 98", and its list the selection that survives hiding.
  TrayController(HWND owner, Settings& settings, IProfile& profile, TrayHost host,
                 bool trayCapable);
  TrayController(const TrayController&) = delete;
  TrayController& operator=(const TrayController&) = delete;

  // FormCreate's part: the icons and MyPopUp loaded, the setting applied (the icon shown, the
  // menu entries checked and enabled). In tray mode the main window is then not shown at start.
  void Start();
  bool StartsHidden() const { return settings_.useTray; }

  // For the main window's procedure, first: the icons' callback, the shell's "TaskbarCreated"
  // (both icons come back) and WM_ACTIVATEAPP (AppDeactivate; left to the default handling
  // too). True when the message was the controller's alone.
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The menu commands of tray mode: "Place in System &Tray", "&Hide Quindle 98" and MyPopUp's
  // three entries. False for any other command.
  bool OnCommand(int id);
  // The main window's WM_TIMER: true when it was the main icon's retry.
  bool OnTimer(UINT_PTR timerId);

  // "Macro Is Recording" on or off (the capture's start and end).
  void SetRecordingIcon(bool on);
  bool RecordingIconShown() const { return recording_.Shown(); }
  // The next focus loss leaves the main window up (the capture's end calls this).
  void SuppressNextFocusLoss() { suppression_.Set(); }

  // Tray mode: the main window (and with it its task-bar button) hidden, the selected row kept;
  // a minimised window is restored first so that it comes back at its size.
  void HideProgram();
  // Opening from the tray: without tray mode the window comes to the front; in tray mode every
  // open dialog of the program is closed first, then the window is shown and activated.
  void OpenProgram();
  // Shows the hidden main window and brings it up (also the "Activate Quindle" hotkey's way).
  void ShowProgram();
  // Before a playback prompt in tray mode: the prompt's owner must not be minimised, or the
  // prompt would be hidden with it. The main window stays as it is.
  void PrepareForPrompt();

  // The tray menu MyPopUp is being shown.
  bool MenuShown() const { return menuShown_; }

 private:
  void ApplyPresence(const TrayPresence& presence);
  // Carries out what the keeper of the main icon decided; a refused add arms the retry timer.
  void CarryOut(TrayIconKeeper::Step step);
  void OnIconMessage(UINT icon, UINT mouse);
  void ShowMenu();
  void AppDeactivate();
  void HideAfterFocusLoss();

  HWND owner_;
  Settings& settings_;
  IProfile& profile_;
  TrayHost host_;
  bool trayCapable_;
  HICON programIcon_ = nullptr;  // shared resource icons: the system frees them
  HICON recordingIcon_ = nullptr;
  platform::win32::MenuOwner menu_;  // MyPopUp
  platform::win32::TrayIcon main_;
  platform::win32::TrayIcon recording_;
  FocusLossSuppression suppression_;
  TrayIconKeeper mainKeeper_;
  UINT taskbarCreated_ = 0;
  platform::win32::WindowTimer retryTimer_;
  bool menuShown_ = false;
  int hiddenRow_ = -1;
};

// Whether a dialog of the program exists (shown or about to be), or a message box or other
// window of the program is on the screen beside the main window (its own menus and tool tips do
// not count). Only the user-interface thread has windows, so its windows are the program's.
bool ProgramDialogOpen(HWND mainWindow);
// Closes every such window: a dialog as its Cancel button or Esc would (IDCANCEL), any other
// window as its close box would (WM_CLOSE). Returns how many were asked to close.
int CloseProgramDialogs(HWND mainWindow);

}  // namespace quindle::app::win32
