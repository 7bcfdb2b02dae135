// The decisions of tray mode ("Use Tray"), apart from the notification area itself: when losing
// the focus hides the program, what opening it from the tray does, which menu entries and icons
// go with the setting, and what a click on each tray icon means.
#pragma once

namespace quindle::app {

// What AppDeactivate looks at when the program loses the focus to another program.
struct FocusLossFacts {
  bool useTray = false;
  bool terminating = false;     // the main window is closing
  bool macroPlaying = false;    // a playback is running (it pumps messages, so this can come)
  bool macroStarting = false;   // a start has set the playback marker and not played yet
  bool popupMenuShown = false;  // a popup menu of macros waits for a choice
  bool dialogOpen = false;      // a dialog or message box of the program is on the screen
  bool suppressed = false;      // the one-shot flag a finished capture sets
};

// True when losing the focus hides the program. Without "Use Tray" the window stays where it
// is, as any program's does; in tray mode anything that still needs the window (a playback, a
// popup menu, a dialog), the shutdown, and the focus loss right after a capture keep it.
bool HidesOnFocusLoss(const FocusLossFacts& facts);

// The one-shot flag of the capture's end: the completion brings the main window up and then
// the focus returns to the program the user recorded in; that one focus loss must not hide the
// window again. Every focus loss takes the flag down, whether it hid the program or not.
class FocusLossSuppression {
 public:
  void Set() { set_ = true; }
  // Whether the flag was set; it is clear afterwards.
  bool Take() {
    const bool was = set_;
    set_ = false;
    return was;
  }
  bool IsSet() const { return set_; }

 private:
  bool set_ = false;
};

// Opening the program from the tray (a left click on the main icon, or "&Open").
enum class TrayOpening {
  BringToFront,         // the window is in the task bar anyway: only bring it up
  CloseDialogsAndShow,  // tray mode: close every open dialog, then show and activate it
};
TrayOpening OpeningFromTray(bool useTray);

// What the main window shows for the tray setting. On a system without a notification area
// (Windows NT 3.51) the setting is off and cannot be turned on.
struct TrayPresence {
  bool useTray = false;           // the setting as it must be stored
  bool mainIconShown = false;     // the "Quindle 98" icon in the notification area
  bool trayEntryChecked = false;  // "Place in System &Tray"
  bool trayEntryEnabled = true;
  bool hideEnabled = false;  // "&Hide Quindle 98" hides the program only in tray mode
};
TrayPresence PresenceFor(bool useTray, bool trayCapable);

// "Place in System &Tray": the setting turned over, with what goes with it.
TrayPresence ToggledPresence(bool useTray, bool trayCapable);

// Keeps the main icon in the notification area while tray mode wants it. The shell can refuse
// an add (at log-on the tray may not be up yet; Explorer may be restarting): the icon is then
// tried again when the shell announces a new tray ("TaskbarCreated") and by a retry timer, so
// the program is never left in tray mode without a way back to its window.
class TrayIconKeeper {
 public:
  enum class Step { None, Add, Delete };

  // The setting wants the icon shown (true) or gone.
  Step Want(bool shown) noexcept;
  // The outcome of an Add step; true when the retry timer is to run.
  bool Added(bool ok) noexcept;
  // "TaskbarCreated": the new tray holds none of the program's icons.
  Step OnTaskbarCreated() noexcept;
  // The retry timer fired.
  Step OnRetry() noexcept;
  // The retry timer is no longer needed (the icon is shown, or no longer wanted).
  bool RetryDone() const noexcept { return !wanted_ || shown_; }
  bool Shown() const noexcept { return shown_; }

 private:
  bool wanted_ = false;
  bool shown_ = false;
};

// The program's icons in the notification area and what their mouse buttons do.
enum class TrayIconKind { Main, Recording };
enum class TrayMouse { LeftUp, RightUp, Other };
enum class TrayClickAction { None, Open, ShowMenu, EndCapture };
TrayClickAction ActionOfClick(TrayIconKind icon, TrayMouse mouse);

}  // namespace quindle::app
