// The one dispatch base of every dialog of the program. The static dialog procedure finds the
// object again through the window (the object's address travels as the init parameter and is
// kept in DWLP_USER) and turns messages into virtual calls. The window holds the object's
// address, so a dialog is neither copied nor moved. A handler that throws is stopped at the
// procedure (platform/win32/callback_boundary.h) and reported; a dialog whose OnInit threw is
// cancelled.
//
// A dialog runs modally (RunModal: its own message loop, returns when End is called) or
// modeless (CreateModeless: returns at once; the program's MessageLoop routes the dialog's keys
// through IsDialogMessageA, and End destroys the window).
//
// Every dialog of the program follows one pattern, the one the playback prompts show
// (engine/prompt_models.*, engine/win32/playback_dialogs.rc, playback_dialogs_res.h,
// prompt_dialogs.*):
//   1. a portable model at its subsystem's root, tested natively: the fields go in, and out
//      comes either the validated result or the message to show and the field to focus;
//   2. a resource script `<family>.rc` in the subsystem's win32/ folder, laid out in dialog
//      units, with its own resource header `<family>_res.h` whose numbers stay inside the
//      family's range of platform/win32/resource_ranges.h (checked with static_assert);
//   3. a thin class on DialogBase in the same win32/ folder that only moves texts between the
//      controls (platform/win32/controls/) and the model and shows the model's message.
// CMake collects every win32/*.rc of src/ into the executables by itself (qnl_add_resources).
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::platform::win32 {

class MessageLoop;

class DialogBase {
 public:
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;
  virtual ~DialogBase();

  // Shows the dialog template `templateId` of the program's own resources modally over `owner`
  // (may be null) and returns the code passed to End; nullopt when the dialog could not be
  // created (no such template, no memory), in which case none of the handlers ran or all of
  // them ran up to the failure.
  std::optional<INT_PTR> RunModal(HWND owner, int templateId);

  // Creates the dialog without a loop of its own and returns at once; true when the window
  // exists (OnInit has run). The dialog shows itself if its template says WS_VISIBLE, else
  // with ShowWindow. `loop` (may be null) routes the dialog's keys until it is destroyed.
  bool CreateModeless(HWND owner, int templateId, MessageLoop* loop);

  HWND Handle() const { return window_; }
  bool IsOpen() const { return window_ != nullptr; }
  bool IsModeless() const { return modeless_; }
  // The code a modeless dialog was ended with; 0 while it is open or when it was destroyed
  // otherwise.
  INT_PTR EndCode() const { return endCode_; }

  // How many of the program's dialogs exist right now, modal or modeless, shown or not yet:
  // the program-wide "a dialog is open" fact that the tray and the focus-loss handling read.
  // Dialogs live on the UI thread only, so a plain count is enough.
  static int OpenCount() { return openCount_; }

 protected:
  DialogBase() = default;

  // WM_INITDIALOG. Return true to let the system put the focus on the first tab stop, false
  // when the handler set the focus itself. The controls exist; the window is not shown yet.
  virtual bool OnInit() { return true; }
  // WM_COMMAND from a control, a menu or an accelerator. The default sends IDOK to OnOK and
  // IDCANCEL (the Esc key and the close button) to OnCancel.
  virtual void OnCommand(int id, int notifyCode);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  virtual void OnTimer(UINT_PTR /*timerId*/) {}
  // WM_NOTIFY from a common control. Return true when handled, with the result (sent back
  // through DWLP_MSGRESULT) in `result`.
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // WM_SIZE with its SIZE_ kind and the new client size, for dialogs that can be resized.
  virtual void OnSize(UINT /*kind*/, int /*clientWidth*/, int /*clientHeight*/) {}
  // WM_DRAWITEM and WM_MEASUREITEM for owner-drawn controls. True when handled.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  // WM_SHOWWINDOW: the dialog is about to be shown or hidden. A modal dialog is first shown
  // only when its message queue runs empty after WM_INITDIALOG, so anything that needs the
  // window on the screen (activation, bringing it to the front) starts here, not in OnInit.
  virtual void OnShow(bool /*visible*/) {}
  // WM_ACTIVATE: `active` for WA_ACTIVE and WA_CLICKACTIVE.
  virtual void OnActivate(bool /*active*/, bool /*minimized*/) {}
  // WM_CTLCOLORSTATIC: a brush (not owned by the caller, kept alive by the dialog or the
  // system) to paint a static control with colours set on `dc`, or null for the defaults.
  virtual HBRUSH OnCtlColorStatic(HDC /*dc*/, HWND /*control*/) { return nullptr; }
  // WM_DESTROY: the window and its controls still exist.
  virtual void OnDestroy() {}
  // Any other message, for a dialog's private messages. Return true when handled, with the
  // dialog procedure's result in `result`.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         INT_PTR& /*result*/) {
    return false;
  }

  // Helpers on the open dialog; each returns false (or an empty result) when the call failed,
  // also when the dialog is not open.
  HWND Item(int id) const;
  std::string ItemText(int id) const;
  bool SetItemText(int id, std::string_view text);
  bool SetCaption(std::string_view text);
  bool ShowItem(int id, bool visible);
  bool MoveItem(int id, int left, int top, int width, int height);
  bool FocusItem(int id);
  // Sends a message to a control and returns its result (0 when the control is missing).
  LRESULT SendItem(int id, UINT message, WPARAM wParam, LPARAM lParam);
  // Outer rectangle of the dialog, in screen pixels; the dialog stays topmost when it is.
  bool PlaceWindow(int left, int top, int width, int height);
  // Gives the dialog a client area of the given size and centres it on the screen.
  bool CentreWithClientSize(int clientWidth, int clientHeight);
  // Puts the dialog into the topmost band, at its place, without activating it.
  bool MakeTopmost();
  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Closes the dialog. A modal one makes RunModal return `result` (codes below 1 are reserved
  // for failure); a modeless one is destroyed, and `result` is kept in EndCode().
  bool End(INT_PTR result);

  // Makes F1 anywhere in the dialog do what a click on button `buttonId` does, while that
  // button is enabled. Called from OnInit by dialogs with a "&Help" button.
  void AnswerF1With(int buttonId) { helpButton_ = buttonId; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  bool modeless_ = false;
  MessageLoop* loop_ = nullptr;
  INT_PTR endCode_ = 0;
  int helpButton_ = 0;
  bool counted_ = false;
  static inline int openCount_ = 0;
};

}  // namespace quindle::platform::win32
