#include "app/win32/popup_menu_host.h"

#include <utility>

#include "app/win32/choose_menu_dialog.h"
#include "app/win32/popup_menus_res.h"
#include "editors/icon_choice.h"
#include "hooklib/hook_messages.h"
#include "platform/text.h"
#include "platform/win32/window_handle.h"

namespace quindle::app::win32 {
namespace {

constexpr std::size_t kTitleMax = 255;
constexpr int kProgramIconId = 1;

// The icon of a menu in the notification area: its own file, else the menu icon.
HICON TrayIconOf(const PopupTrayEntry& entry, const std::string& programDir) {
  const int size = GetSystemMetrics(SM_CXSMICON);
  const std::string file = editors::IconFile(entry.iconName, programDir + "\\Icons");
  HICON icon = nullptr;
  if (!file.empty())
    icon = static_cast<HICON>(
        LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
  if (icon != nullptr) return icon;
  const int id = entry.iconName == "MAIN" ? kProgramIconId : IDI_POPUP_MENU;
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

struct PopupMenuHost::TrayMenu {
  TrayMenu(HWND owner, UINT id, PopupTrayEntry what, HICON picture)
      : entry(std::move(what)), icon(picture), tray(owner, id, kPopupTrayCallbackMessage) {}
  PopupTrayEntry entry;
  platform::win32::IconOwner icon;  // deleted after the tray icon that shows it
  platform::win32::TrayIcon tray;
};

PopupMenuHost::PopupMenuHost(PopupMenuServices services)
    : s_(std::move(services)),
      taskbarCreated_(platform::win32::TrayIcon::TaskbarCreatedMessage()) {}

PopupMenuHost::~PopupMenuHost() = default;

int PopupMenuHost::Show(const storage::MacroRecord& menu) {
  ChooserSetup setup;
  setup.options = ParseMenuOptions(menu.TypletName.View());
  for (std::size_t i = 0; i < menu.MemberCount(); ++i) {
    const int n = menu.Member(i);
    storage::MacroRecord member{};
    const bool read = n >= 1 && s_.store.ReadMacro(n, member);
    setup.entries.push_back(MakeChooserEntry(n, read ? &member : nullptr));
  }
  setup.clickX = std::exchange(clickX_, std::nullopt);
  setup.programDir = s_.programDir;
  setup.bringToFront = [this](HWND chooser) {
    s_.windows.ForceForeground(platform::win32::FromHwnd(chooser));
  };

  // The main window steps aside while the chooser shows and comes back as it was.
  const bool useTray = s_.settings.useTray;
  const bool wasVisible = IsWindowVisible(s_.main) != FALSE;
  const bool wasMinimized = s_.app.IsApplicationMinimized();
  if (useTray) {
    s_.app.ShowApplication();
  } else if (wasMinimized) {
    s_.app.RestoreApplication();
  }
  s_.app.HideMainWindow();
  const int chosen = TDoAMenu(std::move(setup)).Run(s_.main);
  if (wasVisible) {
    // Not activated: the focus goes back to the window the menu was opened over.
    ShowWindow(s_.main, SW_SHOWNA);
    if (wasMinimized && !useTray) ShowWindow(s_.main, SW_SHOWMINNOACTIVE);
  }
  return chosen > 0 ? chosen : 0;
}

void PopupMenuHost::MenuTopWindow() {
  const platform::WindowHandle front = s_.windows.Foreground();
  const std::string title = platform::UpperAToZ(s_.windows.Title(front)).substr(0, kTitleMax);
  const std::string program = s_.activation.ProgramOf(front);
  const std::vector<std::uint16_t> members = MacrosForTopWindow(s_.lock, title, program);
  if (members.empty()) {
    s_.message(activation::kWarningTitle, kNoMacrosForTopWindow);
    return;
  }
  engine::PlaybackState& state = s_.player.State();
  state.TargetWindow = front;
  const bool wasShowing = std::exchange(state.PopupShowing, true);
  const int chosen = Show(MenuForTopWindow(members, s_.settings.systemMenu));
  state.PopupShowing = wasShowing;
  const platform::WindowHandle top = s_.player.MakeSureItsAParent(state.TargetWindow);
  if (top != 0) s_.windows.ForceForeground(top);
  if (chosen <= 0) return;
  s_.activation.SetCurrentMacroNumber(chosen);
  s_.activation.RunMacro(chosen);
}

void PopupMenuHost::RemoveTrayIcons() {
  trayMenus_.clear();
}

void PopupMenuHost::RebuildTrayIcons() {
  RemoveTrayIcons();
  const std::vector<PopupTrayEntry> entries = PopupTrayEntries(s_.lock, s_.store);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    auto menu = std::make_unique<TrayMenu>(s_.main, kPopupTrayIconBase + static_cast<UINT>(i),
                                           entries[i], TrayIconOf(entries[i], s_.programDir));
    // A refused add leaves the icon out until the shell announces a new tray.
    menu->tray.Add(menu->icon.Get(), menu->entry.name);
    trayMenus_.push_back(std::move(menu));
  }
}

bool PopupMenuHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPopupTrayCallbackMessage) {
    const std::size_t index = static_cast<std::size_t>(wParam) - kPopupTrayIconBase;
    if (wParam >= kPopupTrayIconBase && index < trayMenus_.size() &&
        static_cast<UINT>(lParam) == WM_RBUTTONUP)
      OnTrayClick(index);
    return true;
  }
  if (taskbarCreated_ != 0 && message == taskbarCreated_) {
    // The new tray holds none of the icons: the shown ones come back, and so do those whose
    // add was refused before.
    for (auto& menu : trayMenus_) {
      menu->tray.OnMessage(message);
      if (!menu->tray.Shown()) menu->tray.Add(menu->icon.Get(), menu->entry.name);
    }
    // The main window's own icons come back through the tray controller too.
    return false;
  }
  return false;
}

void PopupMenuHost::OnTrayClick(std::size_t index) {
  POINT at{};
  clickX_ = GetCursorPos(&at) != FALSE ? std::optional<int>(at.x) : std::nullopt;
  // The menu opens over the window that was active last, as a hotkey's does over its window.
  s_.player.State().TargetWindow = s_.activation.LastTitledWindow();
  const int n = trayMenus_[index]->entry.n;
  PostMessageA(s_.main, hooklib::WM_HOTKEY_PRESSED,
               hooklib::kDirectMacroBit | static_cast<WPARAM>(n), 0);
}

}  // namespace quindle::app::win32
