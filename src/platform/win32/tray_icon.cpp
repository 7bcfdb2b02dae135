#include "platform/win32/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace quindle::platform::win32 {

TrayIcon::TrayIcon(HWND owner, UINT iconId, UINT callbackMessage)
    : owner_(owner),
      iconId_(iconId),
      callbackMessage_(callbackMessage),
      taskbarCreated_(TaskbarCreatedMessage()) {}

TrayIcon::~TrayIcon() {
  if (shown_) Delete();
}

UINT TrayIcon::TaskbarCreatedMessage() {
  return RegisterWindowMessageA("TaskbarCreated");
}

bool TrayIcon::Notify(DWORD action) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = iconId_;
  if (action != NIM_DELETE) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    const std::size_t length = std::min(tip_.size(), sizeof(data.szTip) - 1);
    std::memcpy(data.szTip, tip_.data(), length);
  }
  return Shell_NotifyIconA(action, &data) != FALSE;
}

bool TrayIcon::Add(HICON icon, std::string_view tip) {
  if (shown_ || owner_ == nullptr) return false;
  icon_ = icon;
  tip_ = std::string(tip);
  shown_ = Notify(NIM_ADD);
  return shown_;
}

bool TrayIcon::Modify(HICON icon, std::string_view tip) {
  if (!shown_) return false;
  icon_ = icon;
  tip_ = std::string(tip);
  return Notify(NIM_MODIFY);
}

bool TrayIcon::Delete() {
  if (!shown_) return false;
  shown_ = false;
  return Notify(NIM_DELETE);
}

bool TrayIcon::OnMessage(UINT message, bool* readded) {
  if (taskbarCreated_ == 0 || message != taskbarCreated_) return false;
  bool added = false;
  // The new tray knows nothing of the icon: add it, do not modify it.
  if (shown_) added = Notify(NIM_ADD);
  if (readded != nullptr) *readded = added;
  return true;
}

}  // namespace quindle::platform::win32
