// The one dispatch base of every top-level window of the program, the twin of DialogBase. A
// window object registers its class and creates its window; the static window procedure finds
// the object again through the window (the object's address travels as the creation parameter,
// is taken at WM_NCCREATE and kept in GWLP_USERDATA) and turns messages into virtual calls.
// Whatever a handler leaves alone goes to DefWindowProcA. A handler that throws is stopped at the
// procedure (platform/win32/callback_boundary.h): the user is told and the system gets a safe
// answer, so nothing unwinds through the system's frames. The window holds the object's address,
// so a window object is neither copied nor moved; it destroys its window when it dies first.
//
// Every call that can fail returns false and leaves the failed call's name and error code in
// Failure(), so the owner can say what went wrong.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

namespace quindle::platform::win32 {

// What a window class is made of; the procedure is always WindowBase's.
struct WindowClassOptions {
  const char* name = nullptr;
  HICON icon = nullptr;  // null: the system's application icon
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  HCURSOR cursor = nullptr;  // null: the arrow
  UINT style = 0;
};

// Where and how a top-level window is made.
struct WindowCreateOptions {
  const char* className = nullptr;
  std::string_view title;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND owner = nullptr;
  HMENU menu = nullptr;  // the window destroys it with itself once creation succeeded
};

class WindowBase {
 public:
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  // Registers a class whose windows are WindowBase objects. A class registered before (by this
  // or another object) counts as success.
  bool RegisterWindowClass(const WindowClassOptions& options);
  // Creates the window; OnCreate runs inside. False when the system refused or OnCreate did;
  // `menu` is destroyed here on failure, so it never leaks.
  bool CreateTopLevel(const WindowCreateOptions& options);

  HWND Handle() const { return window_; }
  bool IsOpen() const { return window_ != nullptr; }
  // The failed call of the last helper that returned false, e.g. "PostMessageA failed (error 5)".
  const std::string& Failure() const { return failure_; }

  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  bool SetCaption(std::string_view text);
  // ShowWindow returns the previous visibility, not success: this is true when the window is
  // open.
  bool Show(int command);
  // The window's timers are WindowTimer owners (platform/win32/handles.h) on Handle(); their
  // ticks come to OnTimer.
  // DestroyWindow; OnDestroy runs inside.
  bool Destroy();

 protected:
  WindowBase() = default;

  // WM_CREATE: the window exists, its children do not. Return false to refuse the window.
  virtual bool OnCreate(const CREATESTRUCTA& /*create*/) { return true; }
  // WM_SIZE with its SIZE_ kind and the new client size.
  virtual void OnSize(UINT /*kind*/, int /*clientWidth*/, int /*clientHeight*/) {}
  // WM_COMMAND from a menu (notifyCode 0), an accelerator (1) or a control (`control`).
  virtual void OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) {}
  // WM_NOTIFY from a common control. Return true when handled, with the result in `result`.
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // WM_DRAWITEM and WM_MEASUREITEM for owner-drawn children. True when handled.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  virtual void OnTimer(UINT_PTR /*timerId*/) {}
  // WM_CLOSE: the default destroys the window.
  virtual void OnClose() { Destroy(); }
  // WM_DESTROY: the window and its children still exist.
  virtual void OnDestroy() {}
  // Every other message, for the window's private ones. Return true when handled, with the
  // window procedure's result in `result`; false sends the message to DefWindowProcA.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         LRESULT& /*result*/) {
    return false;
  }

  // Records `what` as the failure and returns false, for derived classes' own checks.
  bool Fail(std::string what);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // What the procedure answers for a message whose handler failed (and was reported).
  static LRESULT AnswerAfterFailure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::string failure_;
};

}  // namespace quindle::platform::win32
