#include "app/win32/main_window.h"

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "activation/key_remap.h"
#include "activation/macro_names.h"
#include "activation/win32/system_keys_dialog.h"
#include "activation/win32/typlet_options_dialog.h"
#include "app/about_box.h"
#include "app/capture_settings.h"
#include "app/help_menu.h"
#include "app/list_window_state.h"
#include "app/macro_file_names.h"
#include "app/main_layout.h"
#include "app/unavailable_commands.h"
#include "app/win32/about_dialog.h"
#include "app/win32/main_window_res.h"
#include "app/win32/profile_file.h"
#include "app/window_position.h"
#include "capture/capture_table.h"
#include "capture/win32/capture_defaults_dialog.h"
#include "hooklib/hook_messages.h"
#include "platform/std_file_io.h"
#include "platform/win32/help.h"
#include "platform/win32/menu.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_version.h"
#include "platform/win32/window_handle.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::FromHwnd;
using platform::win32::ToHwnd;

using platform::win32::InRange;
using platform::win32::kMainWindowIds;
static_assert(InRange(kMainWindowIds, IDR_MAIN_MENU) &&
              InRange(kMainWindowIds, IDR_MAIN_ACCELERATORS));
static_assert(InRange(kMainWindowIds, IDM_FILE_TERMINATE) &&
              InRange(kMainWindowIds, IDM_TOOLS_RESTORE_KEYBOARD) &&
              InRange(kMainWindowIds, IDM_TOOLS_RESTORE_MOUSE));
static_assert(InRange(kMainWindowIds, IDM_HELP_CONTENTS) &&
              InRange(kMainWindowIds, IDM_HELP_TUTORIAL) &&
              InRange(kMainWindowIds, IDM_HELP_ABOUT));
static_assert(InRange(kMainWindowIds, IDC_MACRO_LIST));
static_assert(InRange(kMainWindowIds, IDM_OPTIONS_TYPLETS) &&
              InRange(kMainWindowIds, IDM_OPTIONS_CAPTURE));

constexpr std::array<HelpCommand, 3> kHelpCommands{{
    {IDM_HELP_CONTENTS, HelpMenuEntry::Contents},
    {IDM_HELP_TUTORIAL, HelpMenuEntry::Tutorial},
    {IDM_HELP_ABOUT, HelpMenuEntry::About},
}};

constexpr std::string_view kKeyboardHooksQuestion =
    "Programs started after Quindle 98 can place their own keyboard hooks ahead of Quindle's "
    "and sometimes pass keys on wrongly, so that hotkeys stop working.  Reinstalling the "
    "keyboard hooks gives Quindle 98 the first look at every key again.\n\nReinstall the "
    "keyboard hooks now?";
constexpr std::string_view kMouseHooksQuestion =
    "Programs started after Quindle 98 can place their own mouse hooks ahead of Quindle's and "
    "sometimes pass mouse actions on wrongly, so that mouse hotkeys stop working.  Reinstalling "
    "the mouse hook gives Quindle 98 the first look at the mouse again.\n\nReinstall the mouse "
    "hook now?";

// Where the work area of the window's monitor starts, relative to the monitor: the offset of
// GetWindowPlacement's coordinates from screen coordinates.
WorkAreaOrigin WorkAreaOriginOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  HMONITOR where = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
  if (where == nullptr || GetMonitorInfoA(where, &monitor) == FALSE) return {};
  return WorkAreaOrigin{monitor.rcWork.left - monitor.rcMonitor.left,
                        monitor.rcWork.top - monitor.rcMonitor.top};
}

}  // namespace

bool TMainWin::Create(int showCommand) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  platform::win32::WindowClassOptions windowClass;
  windowClass.name = kMainWindowClass;
  windowClass.icon = LoadIconA(instance, MAKEINTRESOURCEA(1));  // null: the system's icon
  if (!RegisterWindowClass(windowClass)) return false;

  std::string failure;
  platform::win32::MenuOwner menu = platform::win32::LoadMenuResource(IDR_MAIN_MENU, failure);
  if (!menu) return Fail(failure);
  accelerators_ = platform::win32::LoadAcceleratorResource(IDR_MAIN_ACCELERATORS, failure);

  const Settings& s = context_.settings;
  platform::win32::WindowCreateOptions window;
  window.className = kMainWindowClass;
  window.title = "Quindle 98";
  window.left = s.mainLeft;
  window.top = s.mainTop;
  window.width = s.mainWidth;
  window.height = s.mainHeight;
  window.menu = menu.Release();  // the window's from here on, also when creation fails
  if (!CreateTopLevel(window)) return false;
  // Started hidden, the window is never shown here: the first "Activate Quindle" shows it. In
  // tray mode the program starts in the notification area.
  if (!options_.hide && !(tray_ && tray_->StartsHidden())) {
    Show(showCommand);
    UpdateWindow(Handle());
  }
  return true;
}

bool TMainWin::OnCreate(const CREATESTRUCTA& /*create*/) {
  return FormCreate();
}

void TMainWin::OnSize(UINT /*kind*/, int /*clientWidth*/, int /*clientHeight*/) {
  LayoutList();
}

void TMainWin::OnCommand(int id, int /*notifyCode*/, HWND control) {
  // Menus, accelerators and the buttons, which send their menu entry's command; the list sends
  // no commands.
  if (control != macroList_.Handle()) OnMenu(id);
}

void TMainWin::OnClose() {
  FormClose();
  Destroy();
}

void TMainWin::OnDestroy() {
  PostQuitMessage(0);
}

bool TMainWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // The menus' icons see the shell's "TaskbarCreated" too; the tray controller takes it.
  if (popupMenus_ && popupMenus_->OnMessage(message, wParam, lParam)) {
    result = 0;
    return true;
  }
  if (tray_ && tray_->OnMessage(message, wParam, lParam)) {
    result = 0;
    return true;
  }
  switch (message) {
    case WM_ACTIVATE:
      // The macro list has the keyboard focus whenever the window comes to the front.
      if (LOWORD(wParam) == WA_INACTIVE || macroList_.Handle() == nullptr) return false;
      macroList_.Focus();
      result = 0;
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == activation::kScScreenSave && activation_ &&
          activation_->RefuseScreenSaver(context_.settings.disableScreenSaver)) {
        result = -1;
        return true;
      }
      return false;
    case WM_ENDSESSION:
      // Windows is shutting down: no WM_CLOSE comes, and this is the last chance to remove the
      // hooks and save the settings.
      if (wParam != FALSE) FormClose();
      result = 0;
      return true;
    default:
      if (!OnHookMessage(message, wParam, lParam)) return false;
      result = 0;
      return true;
  }
}

bool TMainWin::OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  using namespace hooklib;
  if (!activation_ || closing_) return false;
  switch (message) {
    case WM_HOTKEY_PRESSED:
      activation_->OnHotkeyPressed(static_cast<std::uint32_t>(wParam),
                                   static_cast<platform::WindowHandle>(lParam));
      return true;
    case WM_WINDOW_ACTIVATED:
      activation_->OnWindowActivated(static_cast<platform::WindowHandle>(wParam));
      return true;
    case WM_ABORT_KEYS:
      activation_->OnAbortKeys();
      return true;
    case WM_CAPSLOCK_STATE:
      activation_->OnCapsLockState(wParam != 0);
      return true;
    case WM_TYPLET_CHAR:
      typlets_->OnTypletChar(static_cast<std::uintptr_t>(wParam), static_cast<char>(lParam));
      return true;
    default:
      return OnCaptureMessage(message, wParam, lParam);
  }
}

void TMainWin::ToggleOption(int command, bool& option) {
  option = !option;
  platform::win32::CheckMenuCommand(GetMenu(Handle()), command, option);
  SaveSettings(context_.settings, context_.profile);
}

void TMainWin::OnTimer(UINT_PTR timerId) {
  if (tray_ && tray_->OnTimer(timerId)) return;
  if (OnNetworkTimer(timerId)) return;
  if (scheduler_ && !closing_) scheduler_->OnTimer(timerId);
}

void TMainWin::SaveWindowPlace() {
  // The geometry of a minimised or maximised window is its restored one, which the system gives
  // in work-area coordinates; the settings keep screen coordinates, as the window is made with.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(Handle(), &placement) == FALSE) return;  // the old place stays
  const RECT& r = placement.rcNormalPosition;
  StoreMainWindowPlace(context_.settings, PlaceRect{r.left, r.top, r.right, r.bottom},
                       WorkAreaOriginOf(Handle()));
}

bool TMainWin::OpenMacroFile(const std::string& path) {
  if (!context_.store.LoadMacroFile(path)) return false;
  context_.settings.currentFile = context_.store.FileName();
  PrepareSharedFile();
  ReloadKeyRemap();
  storage::SetHotKeys(context_.lock);
  if (scheduler_) scheduler_->CheckAndSetTime();
  FillList();
  macroList_.SelectRowOrLast(1);
  UpdateMacroMenu();
  UpdateCaption();
  if (popupMenus_) popupMenus_->RebuildTrayIcons();
  return true;
}

void TMainWin::CreateList() {
  MacroListEvents events;
  // In the browse modes the list only shows.
  const auto browsing = [this] { return options_.browse || options_.browseAll; };
  events.selected = [this](int) { UpdateMacroMenu(); };
  events.open = [this, browsing](int) {
    if (!browsing()) OnListOperation(IDM_MACROS_SCRIPTING);
  };
  events.remove = [this, browsing](int) {
    if (!browsing()) OnListOperation(IDM_MACROS_REMOVE);
  };
  events.info = [this](int n) {
    // Quick Info is of the row under the pointer, which becomes the selected one.
    if (options_.browseAll) return;
    SelectMacro(n);
    UpdateMacroMenu();
    OnListOperation(IDM_MACROS_QUICK_INFO);
  };
  events.columnResized = [this](int column, int width) {
    int* widths[] = {&context_.settings.col1Width, &context_.settings.col2Width,
                     &context_.settings.col3Width};
    *widths[column - 1] = width;
    SaveSettings(context_.settings, context_.profile);
  };
  // The window still works from its menu and hotkeys when the list could not be made.
  macroList_.Create(Handle(), IDC_MACRO_LIST, context_.settings, std::move(events));
  LayoutList();
}

void TMainWin::FillList() {
  macroList_.Refill(context_.lock, context_.store.Index(), context_.settings);
  UpdateMacroMenu();
}

void TMainWin::ApplyListAppearance() {
  macroList_.ApplyAppearance(context_.settings);
}

void TMainWin::UpdateMacroMenu() {
  const BrowseMode mode = options_.browseAll ? BrowseMode::BrowseAll
                          : options_.browse  ? BrowseMode::Browse
                                             : BrowseMode::None;
  const int n = SelectedMacro();
  const ListButtonState state =
      ButtonStateFor(macroList_.List().EntryAt(macroList_.List().ReverseSort(n)), mode);
  bool recapture = state.Enabled(ListOperation::Recapture);
  if (recapture && n > 0) {
    const storage::TableGuard guard(context_.lock);
    recapture = guard && !capture::RecaptureRefusal(guard.Table(), n, false).has_value();
  }
  const struct {
    int command;
    bool enabled;
  } entries[] = {
      {IDM_MACROS_SCRIPTING, state.Enabled(ListOperation::ScriptingEditor)},
      {IDM_MACROS_MODIFY, state.Enabled(ListOperation::ModifyDirectly)},
      {IDM_MACROS_RECAPTURE, recapture},
      {IDM_MACROS_RENAME, state.Enabled(ListOperation::Rename)},
      {IDM_MACROS_COPY, state.Enabled(ListOperation::Copy)},
      {IDM_MACROS_ACTIVATE, state.Enabled(ListOperation::Activate)},
      {IDM_MACROS_REMOVE, state.Enabled(ListOperation::Remove)},
      {IDM_MACROS_QUICK_INFO, state.Enabled(ListOperation::QuickInfo)},
  };
  HMENU menu = GetMenu(Handle());
  for (const auto& e : entries) {
    platform::win32::EnableMenuCommand(menu, e.command, e.enabled);
    panels_.Enable(e.command, e.enabled);
  }
  platform::win32::SetMenuCommandText(menu, IDM_MACROS_MODIFY, state.modifyCaption);
  platform::win32::SetMenuCommandText(menu, IDM_MACROS_ACTIVATE, state.activateCaption);
  panels_.SetCaption(IDM_MACROS_MODIFY, state.modifyCaption);
  panels_.SetHint(IDM_MACROS_MODIFY, state.modifyHint);
  panels_.SetCaption(IDM_MACROS_ACTIVATE, state.activateCaption);
  panels_.SetHint(IDM_MACROS_ACTIVATE, state.activateHint);
}

void TMainWin::LayoutList() {
  RECT client{};
  if (GetClientRect(Handle(), &client) == 0) return;
  const MainLayout layout =
      LayOutMainWindow(client.right - client.left, client.bottom - client.top, panels_.UsesSpeed());
  panels_.Place(layout);
  macroList_.Place(layout.list);
}

void TMainWin::UpdateCaption() {
  const BrowseMode mode = options_.browseAll ? BrowseMode::BrowseAll
                          : options_.browse  ? BrowseMode::Browse
                                             : BrowseMode::None;
  const std::string caption =
      MainCaption(context_.store.FileName(), context_.settings.showDate,
                  context_.settings.showDate ? scheduler::win32::CaptionDateTime() : "", mode);
  // The caption clock asks every second; the caption changes once a minute.
  std::array<char, 512> current{};
  if (GetWindowTextA(Handle(), current.data(), static_cast<int>(current.size())) > 0 &&
      caption == current.data())
    return;
  SetCaption(caption);
}

void TMainWin::OnMenu(int id) {
  if (OnListOperation(id)) return;
  switch (id) {
    case IDM_FILE_TERMINATE:
      Post(WM_CLOSE);
      break;
    case IDM_OPTIONS_SHOW_DATE:
      ToggleOption(id, context_.settings.showDate);
      if (scheduler_) scheduler_->ShowDateChanged();
      break;
    case IDM_OPTIONS_DISABLE_SCREEN_SAVER:
      ToggleOption(id, context_.settings.disableScreenSaver);
      break;
    case IDM_TOOLS_RESTORE_KEYBOARD:
      RestoreKeyboardHooks();
      break;
    case IDM_TOOLS_RESTORE_MOUSE:
      RestoreMouseHooks();
      break;
    case IDM_OPTIONS_TYPLETS:
      OpenTypletOptions();
      break;
    case IDM_OPTIONS_CAPTURE:
      OpenCaptureDefaults();
      break;
    case IDM_OPTIONS_ALARM:
      OpenAlarm();
      break;
    case IDM_OPTIONS_TIMER_INTERVAL:
      OpenTimerInterval();
      break;
    case IDM_MACROS_RECAPTURE:
      DoCapture();
      break;
    case IDM_MACROS_END_CAPTURE:
      EndCapture();
      break;
    case IDM_FILE_NEW:
    case IDM_FILE_OPEN:
      DoOpen(id == IDM_FILE_NEW);
      break;
    case IDM_FILE_OUTPUT:
      OutputMacroInformation();
      break;
    case IDM_MACROS_SORT:
      OpenSortOrder();
      break;
    case IDM_REMAP:
      OpenRemapper();
      break;
    case IDM_OPTIONS_NETWORK:
      OpenNetworkOptions();
      break;
    case IDM_FILE_PRINT:
    case IDM_FILE_PRINTER_FONT:
    case IDM_FILE_PRINTER_SETUP:
      OnPrintMenu(id);
      break;
    case IDM_TOOLS_MOUSE_LOCATOR:
      StartMouseLocator();
      break;
    case IDM_MACROS_IMPORT:
      ImportMacros();
      break;
    case IDM_MACROS_EXPORT:
      ExportMacros();
      break;
    case IDM_OPTIONS_APPEARANCE:
      OpenAppearance();
      break;
    case IDM_HELP_CONTENTS:
    case IDM_HELP_TUTORIAL:
    case IDM_HELP_ABOUT:
      OnHelpMenu(id);
      break;
    default:
      if (id >= IDM_FILE_LAST && id < IDM_FILE_LAST + static_cast<int>(kLastFileCount)) {
        OpenLastFile(id - IDM_FILE_LAST);
      } else if (tray_) {
        tray_->OnCommand(id);
      }
      break;
  }
}

bool TMainWin::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code == TTN_GETDISPINFOA) {
    // A tool button's tip; the tip control copies the text before the next one is asked for.
    auto& tip = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    if (const char* hint = panels_.Hint(static_cast<int>(header.idFrom))) {
      tip.lpszText = const_cast<char*>(hint);
      return true;
    }
    return false;
  }
  static_cast<void>(result);
  return false;
}

void TMainWin::OpenTypletOptions() {
  activation::win32::TTypletOptions dialog(typlets_->Options());
  const std::optional<activation::TypletOptions> chosen = dialog.Run(Handle());
  if (!chosen) return;
  Settings& s = context_.settings;
  s.solitaryUsage = chosen->solitaryUsage;
  s.caseSensitive = chosen->caseSensitive;
  s.useSuffix = chosen->useSuffix;
  s.prefixKeys = chosen->prefixKeys;
  SaveSettings(s, context_.profile);
  typlets_->SetOptions(*chosen);
}

void TMainWin::OpenCaptureDefaults() {
  capture::win32::TCaptureDefaults dialog(CaptureOptionsOf(context_.settings));
  const std::optional<capture::CaptureOptions> chosen = dialog.Run(Handle());
  if (!chosen) return;
  StoreCaptureOptions(*chosen, context_.settings);
  SaveSettings(context_.settings, context_.profile);
}

bool TMainWin::OpenSystemKeys(activation::SystemKeyField field) {
  if (capture_ && capture_->RefuseWhileBusy()) return false;
  activation::win32::TSystemKeys dialog(context_.lock, context_.store, context_.settings.systemMenu,
                                        field);
  const std::optional<activation::win32::SystemKeysResult> result = dialog.Run(Handle());
  if (!result) return false;
  context_.settings.systemMenu = result->systemMenu;
  SaveSettings(context_.settings, context_.profile);
  if (!result->codesChanged) return false;
  FillList();
  storage::SetHotKeys(context_.lock);
  return true;
}

void TMainWin::StartMouseLocator() {
  // A program of its own beside QUINDL.EXE; nothing comes back from it.
  platform::win32::Win32Shell shell(FromHwnd(Handle()));
  shell.Execute("open", context_.programDir + "\\MSLOCATE.EXE", "ZAB", SW_SHOWNORMAL);
  if (!shell.LastSucceeded()) platform_->prompts.ShowMessage(kErrorTitle, kMouseLocatorMissing);
}

void TMainWin::OnHelpMenu(int id) {
  const std::optional<HelpMenuEntry> entry = HelpEntryOfCommand(kHelpCommands, id);
  if (!entry) return;
  if (*entry == HelpMenuEntry::About) {
    TAboutBox about(MakeAboutView(context_.store.FileName()));
    if (about.Run(Handle())) return;
    // Without its box, the About topic of the help says the same.
  }
  platform::win32::ShowHelpTopic(Handle(), HelpTopicOf(*entry), MissingHelpMessage(*entry));
}

void TMainWin::RestoreKeyboardHooks() {
  if (!platform_->prompts.AskYesNo("Keyboard Hooks", kKeyboardHooksQuestion)) return;
  {
    storage::TableGuard guard(context_.lock);
    if (!guard) return;
    keyboardHook_.Reset();
    keyboardHook_ = context_.hooks.Install(context_.hooks.hookKeyboard);
    guard.Table().KeyboardHook = keyboardHook_.Get();
  }
  if (swapHook_) {
    RemoveSwapHook();
    InstallSwapHook();
  }
  RestartHooks32();
}

void TMainWin::RestoreMouseHooks() {
  if (!platform_->prompts.AskYesNo("Mouse Hooks", kMouseHooksQuestion)) return;
  {
    storage::TableGuard guard(context_.lock);
    if (!guard) return;
    mouseHook_.Reset();
    mouseHook_ = context_.hooks.Install(context_.hooks.hookMouse);
    guard.Table().MouseHook = mouseHook_.Get();
  }
  RestartHooks32();
}

// The 32-bit programs' hooks come first in the chain again too: the host installs them anew.
void TMainWin::RestartHooks32() {
  if (context_.hooks32 != nullptr) static_cast<void>(context_.hooks32->Start());
}

platform::WindowHandle TMainWin::MainWindow() {
  return FromHwnd(Handle());
}

bool TMainWin::IsApplicationMinimized() {
  return IsIconic(Handle()) != 0;
}
void TMainWin::RestoreApplication() {
  ShowWindow(Handle(), SW_RESTORE);
}
void TMainWin::MinimizeApplication() {
  ShowWindow(Handle(), SW_MINIMIZE);
}
void TMainWin::ShowMainWindow() {
  ShowWindow(Handle(), SW_SHOW);
}
void TMainWin::HideMainWindow() {
  ShowWindow(Handle(), SW_HIDE);
}
void TMainWin::ShowApplication() {
  if (tray_) tray_->PrepareForPrompt();
}
void TMainWin::HideApplication() {
  if (tray_) tray_->HideProgram();
}
void TMainWin::SetRecordingIcon(bool on) {
  if (tray_) tray_->SetRecordingIcon(on);
}
void TMainWin::SuppressNextFocusLoss() {
  if (tray_) tray_->SuppressNextFocusLoss();
}

void TMainWin::SwapMacroFile(std::string_view path) {
  // The capture's macro goes into the file it began in; the swap follows its end.
  if (capture_ && capture_->DeferSwap(path)) return;
  const std::string file(path);
  if (FileExists(file)) OpenMacroFile(file);
}

void TMainWin::ResumePause() {
  prompts_->ResumePause();
}

void TMainWin::DoAMessage(std::string_view title, std::string_view text) {
  prompts_->DoAMessage(title, text);
}

void TMainWin::ActivateMe() {
  // Restored, shown (also out of the tray) and brought to the front.
  if (tray_) tray_->ShowProgram();
}

}  // namespace quindle::app::win32
