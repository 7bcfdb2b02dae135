// The one dispatch base of every dialog of the program. A dialog object runs its template
// modally; the static dialog procedure finds the object again through the window (the object's
// address travels as the init parameter and is kept in DWLP_USER) and turns messages into
// virtual calls. The window holds the object's address, so a dialog is neither copied nor moved.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::platform::win32 {

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

  HWND Handle() const { return window_; }
  bool IsOpen() const { return window_ != nullptr; }

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
  bool StartTimer(UINT_PTR timerId, UINT milliseconds);
  bool StopTimer(UINT_PTR timerId);
  // Closes the modal dialog; RunModal returns `result`. Codes below 1 are reserved for failure.
  bool End(INT_PTR result);

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace quindle::platform::win32
