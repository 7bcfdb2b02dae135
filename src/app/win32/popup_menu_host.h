// The main window's popup menus: starting a menu (the chooser shown over a hidden main window,
// which comes back as it was), the menu of macros for the window in front (system hotkey "4"),
// and the menus' own icons in the notification area, whose right button opens the menu above
// the click over the window that was active last.
#pragma once

#include "platform/win32/win32_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "activation/hotkey_activation.h"
#include "app/popup_menus.h"
#include "app/settings.h"
#include "engine/player.h"
#include "platform/program.h"
#include "platform/win32/handles.h"
#include "platform/win32/tray_icon.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::app::win32 {

// The menus' icons report to the main window with this message: wParam is the icon's number
// (kPopupTrayIconBase + its place among the icons), lParam the mouse message.
inline constexpr UINT kPopupTrayCallbackMessage = WM_APP + 0x3072;
inline constexpr UINT kPopupTrayIconBase = 100;

struct PopupMenuServices {
  HWND main = nullptr;
  platform::IAppWindow& app;
  Settings& settings;
  storage::TableLock& lock;
  storage::MacroStore& store;
  platform::IWindows& windows;
  engine::Player& player;
  activation::HotkeyActivation& activation;
  std::function<void(std::string_view, std::string_view)> message;  // DoAMessage
  std::string programDir;
};

class PopupMenuHost {
 public:
  explicit PopupMenuHost(PopupMenuServices services);
  PopupMenuHost(const PopupMenuHost&) = delete;
  PopupMenuHost& operator=(const PopupMenuHost&) = delete;
  ~PopupMenuHost();

  // The chooser of `menu`: the chosen member's MacroNumber, or 0 when cancelled. The caller
  // sets PopupShowing around it and gives the focus back afterwards.
  int Show(const storage::MacroRecord& menu);
  // System hotkey "4".
  void MenuTopWindow();

  // All menu icons removed, then one made for each menu placed in the tray.
  void RebuildTrayIcons();
  void RemoveTrayIcons();
  // For the main window's procedure: the icons' callback and the shell's "TaskbarCreated".
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct TrayMenu;
  void OnTrayClick(std::size_t index);

  PopupMenuServices s_;
  std::vector<std::unique_ptr<TrayMenu>> trayMenus_;
  std::optional<int> clickX_;  // the next chooser opens above this tray click
  UINT taskbarCreated_ = 0;
};

}  // namespace quindle::app::win32
