// One icon in the notification area (the tray) for a window of the program. The icon sends its
// mouse events to the owner window as `callbackMessage` (lParam: WM_LBUTTONUP, WM_RBUTTONUP, ...).
// When Explorer restarts, the tray is new and empty; it then broadcasts "TaskbarCreated", and
// the owner's window procedure passes every message to OnMessage, which adds the icon again.
// The icon is deleted when the owner object dies.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

namespace quindle::platform::win32 {

class TrayIcon {
 public:
  TrayIcon(HWND owner, UINT iconId, UINT callbackMessage);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // NIM_ADD with the icon and its tool tip (cut to the tray's 127 characters). False when the
  // shell refused, or when the icon is shown already.
  bool Add(HICON icon, std::string_view tip);
  // NIM_MODIFY of the shown icon; false when it is not shown or the shell refused.
  bool Modify(HICON icon, std::string_view tip);
  // NIM_DELETE; false when it was not shown or the shell refused (it is forgotten either way).
  bool Delete();
  bool Shown() const { return shown_; }

  // For the owner's window procedure: true when `message` was the shell's "TaskbarCreated"
  // broadcast; a shown icon has then been added again (`readded` says whether that worked).
  bool OnMessage(UINT message, bool* readded = nullptr);

  // RegisterWindowMessageA("TaskbarCreated"): the same number in every program; 0 on failure.
  static UINT TaskbarCreatedMessage();

 private:
  bool Notify(DWORD action);

  HWND owner_;
  UINT iconId_;
  UINT callbackMessage_;
  UINT taskbarCreated_;
  HICON icon_ = nullptr;
  std::string tip_;
  bool shown_ = false;
};

}  // namespace quindle::platform::win32
