#include "platform/win32/window_base.h"

#include <utility>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/last_error.h"

namespace quindle::platform::win32 {

WindowBase::~WindowBase() {
  // The window must no longer reach this object, whose derived part is already gone.
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool WindowBase::RegisterWindowClass(const WindowClassOptions& options) {
  if (options.name == nullptr) return Fail("RegisterClassExA: no class name");
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = options.style;
  windowClass.lpfnWndProc = &WindowBase::Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = options.icon != nullptr
                          ? options.icon
                          : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hCursor = options.cursor != nullptr
                            ? options.cursor
                            : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = options.background;
  windowClass.lpszClassName = options.name;
  if (RegisterClassExA(&windowClass) != 0) return true;
  if (GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return true;
  return Fail(CallFailed("RegisterClassExA"));
}

bool WindowBase::CreateTopLevel(const WindowCreateOptions& options) {
  if (window_ != nullptr) {
    if (options.menu != nullptr) DestroyMenu(options.menu);
    return Fail("CreateWindowExA: the window is open already");
  }
  failure_.clear();  // OnCreate may say why it refused the window
  const std::string title(options.title);
  HWND created = CreateWindowExA(options.exStyle, options.className, title.c_str(), options.style,
                                 options.left, options.top, options.width, options.height,
                                 options.owner, options.menu, GetModuleHandleA(nullptr), this);
  if (created != nullptr) return true;
  const std::string failure = CallFailed("CreateWindowExA");
  // A window destroyed after it took the menu destroyed the menu too; one that never took it
  // leaves it to us.
  if (options.menu != nullptr && IsMenu(options.menu)) DestroyMenu(options.menu);
  return failure_.empty() ? Fail(failure) : false;
}

LRESULT CALLBACK WindowBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowBase* self = nullptr;
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    self = static_cast<WindowBase*>(create->lpCreateParams);
    if (self == nullptr) return FALSE;
    // SetWindowLongPtrA returns the previous value, 0 here; only the error code tells failure.
    SetLastError(ERROR_SUCCESS);
    if (SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self)) == 0 &&
        GetLastError() != ERROR_SUCCESS) {
      self->failure_ = CallFailed("SetWindowLongPtrA");
      return FALSE;  // CreateWindowExA then fails
    }
    self->window_ = window;
  } else {
    self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  if (!RunAtBoundary(window, [&] { result = self->Dispatch(message, wParam, lParam); }))
    result = AnswerAfterFailure(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT WindowBase::AnswerAfterFailure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return FALSE;  // a window whose creation failed is not made
    case WM_CREATE:
      return -1;
    case WM_CLOSE:
      return 0;  // the window stays: what its close handling did not finish is not skipped
    default:
      // The system's own handling, so that a failed paint still validates the window and a
      // failed message is not sent again and again.
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT WindowBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam)) ? 0 : -1;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (lParam != 0 && OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_DRAWITEM:
      if (lParam != 0 && OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_MEASUREITEM:
      if (lParam != 0 && OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default: {
      LRESULT result = 0;
      if (OnMessage(message, wParam, lParam, result)) return result;
      break;
    }
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool WindowBase::Fail(std::string what) {
  failure_ = std::move(what);
  return false;
}

bool WindowBase::Post(UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return Fail("PostMessageA: the window is not open");
  if (PostMessageA(window_, message, wParam, lParam) == FALSE)
    return Fail(CallFailed("PostMessageA"));
  return true;
}

bool WindowBase::SetCaption(std::string_view text) {
  if (window_ == nullptr) return Fail("SetWindowTextA: the window is not open");
  const std::string terminated(text);
  if (SetWindowTextA(window_, terminated.c_str()) == FALSE)
    return Fail(CallFailed("SetWindowTextA"));
  return true;
}

bool WindowBase::Show(int command) {
  if (window_ == nullptr) return Fail("ShowWindow: the window is not open");
  ShowWindow(window_, command);
  return true;
}

bool WindowBase::Destroy() {
  if (window_ == nullptr) return Fail("DestroyWindow: the window is not open");
  if (DestroyWindow(window_) == FALSE) return Fail(CallFailed("DestroyWindow"));
  return true;
}

}  // namespace quindle::platform::win32
