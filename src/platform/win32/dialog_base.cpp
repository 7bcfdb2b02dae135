#include "platform/win32/dialog_base.h"

#include <string>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/message_loop.h"

namespace quindle::platform::win32 {

DialogBase::~DialogBase() {
  // A dialog object dies only after its modal loop returned, when the window is gone. If it
  // were still there, it must no longer reach this object.
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrA(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
  // Cut off from its window above, the dialog no longer sees WM_NCDESTROY: uncount it here.
  if (counted_) --openCount_;
}

std::optional<INT_PTR> DialogBase::RunModal(HWND owner, int templateId) {
  if (window_ != nullptr) return std::nullopt;  // already running: one window per object
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (instance == nullptr) return std::nullopt;
  const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner,
                                         &DialogBase::Procedure, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  // -1: the dialog could not be created; 0: the owner was not a window.
  if (result <= 0) return std::nullopt;
  return result;
}

bool DialogBase::CreateModeless(HWND owner, int templateId, MessageLoop* loop) {
  if (window_ != nullptr) return false;  // one window per object
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (instance == nullptr) return false;
  modeless_ = true;
  endCode_ = 0;
  HWND created = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner,
                                    &DialogBase::Procedure, reinterpret_cast<LPARAM>(this));
  if (created == nullptr || window_ == nullptr) {
    modeless_ = false;
    return false;
  }
  loop_ = loop;
  if (loop_ != nullptr) loop_->AddDialog(window_);
  if (IsWindowVisible(window_) == FALSE) ShowWindow(window_, SW_SHOW);
  return true;
}

INT_PTR CALLBACK DialogBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogBase* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogBase*>(lParam);
    if (self == nullptr) return FALSE;
    // SetWindowLongPtrA returns the previous value, 0 here; only the error code tells failure.
    SetLastError(ERROR_SUCCESS);
    if (SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self)) == 0 &&
        GetLastError() != ERROR_SUCCESS) {
      EndDialog(window, -1);
      return FALSE;
    }
    self->window_ = window;
    self->counted_ = true;
    ++openCount_;
  } else {
    self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;  // messages before WM_INITDIALOG or after WM_NCDESTROY
  }
  INT_PTR result = FALSE;
  if (RunAtBoundary(window, [&] { result = self->Dispatch(message, wParam, lParam); }))
    return result;
  // The failure has been reported. A dialog whose filling failed is cancelled rather than left
  // half filled; any other message counts as not handled, which leaves it to the dialog
  // manager.
  if (message == WM_INITDIALOG) static_cast<void>(self->End(IDCANCEL));
  return FALSE;
}

INT_PTR DialogBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return TRUE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (lParam == 0 || !OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
      SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return FALSE;
    case WM_DRAWITEM:
      return lParam != 0 && OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_MEASUREITEM:
      return lParam != 0 && OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_SHOWWINDOW:
      OnShow(wParam != FALSE);
      return FALSE;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return FALSE;  // the dialog manager still saves and restores the focused control
    case WM_CTLCOLORSTATIC: {
      // The one message family whose brush is returned directly, not through DWLP_MSGRESULT.
      HBRUSH brush =
          OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      return reinterpret_cast<INT_PTR>(brush);
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, DWLP_USER, 0);
      if (loop_ != nullptr) loop_->RemoveDialog(window_);
      loop_ = nullptr;
      modeless_ = false;
      window_ = nullptr;
      if (counted_) --openCount_;
      counted_ = false;
      return FALSE;
    case WM_HELP:
      if (helpButton_ != 0) {
        HWND button = Item(helpButton_);
        if (button != nullptr && IsWindowEnabled(button) != FALSE) {
          OnCommand(helpButton_, BN_CLICKED);
          return TRUE;
        }
      }
      break;
    default:
      break;
  }
  INT_PTR result = FALSE;
  if (OnMessage(message, wParam, lParam, result)) return result;
  return FALSE;
}

void DialogBase::OnCommand(int id, int /*notifyCode*/) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

HWND DialogBase::Item(int id) const {
  if (window_ == nullptr) return nullptr;
  return GetDlgItem(window_, id);
}

std::string DialogBase::ItemText(int id) const {
  HWND item = Item(id);
  if (item == nullptr) return {};
  const int length = GetWindowTextLengthA(item);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(item, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

bool DialogBase::SetItemText(int id, std::string_view text) {
  HWND item = Item(id);
  if (item == nullptr) return false;
  const std::string terminated(text);
  return SetWindowTextA(item, terminated.c_str()) != FALSE;
}

bool DialogBase::SetCaption(std::string_view text) {
  if (window_ == nullptr) return false;
  const std::string terminated(text);
  return SetWindowTextA(window_, terminated.c_str()) != FALSE;
}

bool DialogBase::ShowItem(int id, bool visible) {
  HWND item = Item(id);
  if (item == nullptr) return false;
  ShowWindow(item, visible ? SW_SHOW : SW_HIDE);  // returns the previous state, not success
  return true;
}

bool DialogBase::MoveItem(int id, int left, int top, int width, int height) {
  HWND item = Item(id);
  if (item == nullptr) return false;
  return MoveWindow(item, left, top, width, height, TRUE) != FALSE;
}

bool DialogBase::FocusItem(int id) {
  HWND item = Item(id);
  if (item == nullptr) return false;
  // The dialog manager's way: it also moves the default-button highlight and selects edit text.
  return PostMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE) != FALSE;
}

LRESULT DialogBase::SendItem(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND item = Item(id);
  if (item == nullptr) return 0;
  return SendMessageA(item, message, wParam, lParam);
}

bool DialogBase::PlaceWindow(int left, int top, int width, int height) {
  if (window_ == nullptr) return false;
  return SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE) !=
         FALSE;
}

bool DialogBase::CentreWithClientSize(int clientWidth, int clientHeight) {
  if (window_ == nullptr) return false;
  RECT frame{0, 0, clientWidth, clientHeight};
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE));
  if (AdjustWindowRectEx(&frame, style, FALSE, exStyle) == FALSE) return false;
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  // A screen size of 0 means the metric failed; the window then goes to the corner.
  const int left = width >= screenWidth ? 0 : (screenWidth - width) / 2;
  const int top = height >= screenHeight ? 0 : (screenHeight - height) / 2;
  return PlaceWindow(left, top, width, height);
}

bool DialogBase::MakeTopmost() {
  if (window_ == nullptr) return false;
  return SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
}

bool DialogBase::Post(UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return false;
  return PostMessageA(window_, message, wParam, lParam) != FALSE;
}

bool DialogBase::End(INT_PTR result) {
  if (window_ == nullptr || result < 1) return false;
  if (modeless_) {
    endCode_ = result;
    return DestroyWindow(window_) != FALSE;
  }
  return EndDialog(window_, result) != FALSE;
}

}  // namespace quindle::platform::win32
