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
#include "platform/win32/controls/list_view.h"
#include "platform/win32/help.h"
#include "platform/win32/menu.h"
#include "platform/win32/resource_ranges.h"
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

std::string FileTitle(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  if (name.size() >= 4) name.resize(name.size() - 4);
  return name;
}

// The list shows what the table and the index hold; the file is not read for it.
storage::MacroRecord RowRecord(const storage::SharedMacroTable& table,
                               const storage::MacroIndex& index, std::size_t slot) {
  storage::MacroRecord record{};
  const int n = static_cast<int>(slot) + 1;
  record.Name.Assign(index.Name(n));
  record.TypletName.Assign(index.TypletName(n));
  record.HotkeyNumber = table.HotkeyNumber[slot];
  record.ScopeKind = table.ScopeKind[slot];
  record.ScopeText.Assign(table.ScopeText[slot].View());
  record.Enabled = table.Enabled[slot];
  return record;
}

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

TMainWin::TMainWin(MainWindowContext& context) : context_(context) {}

TMainWin::~TMainWin() = default;  // WindowBase destroys a window still open

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
  if (control != list_) OnMenu(id);
}

void TMainWin::OnClose() {
  FormClose();
  Destroy();
}

void TMainWin::OnDestroy() {
  PostQuitMessage(0);
}

bool TMainWin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (tray_ && tray_->OnMessage(message, wParam, lParam)) {
    result = 0;
    return true;
  }
  switch (message) {
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

void TMainWin::OpenMacroFile(const std::string& path) {
  if (!context_.store.LoadMacroFile(path)) return;
  context_.settings.currentFile = context_.store.FileName();
  if (auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View())) {
    platform::StdBinaryFiles files;
    activation::GetSwapFile(files, context_.store.FileName(), *remap);
    const bool inUse = activation::SwapsInUse(*remap);
    if (inUse && !swapHook_) InstallSwapHook();
    if (!inUse && swapHook_) RemoveSwapHook();
  }
  storage::SetHotKeys(context_.lock);
  if (scheduler_) scheduler_->CheckAndSetTime();
  FillList();
  UpdateCaption();
}

void TMainWin::CreateList() {
  platform::win32::ListView list = platform::win32::ListView::Create(
      Handle(), IDC_MACRO_LIST, LVS_SINGLESEL | LVS_SHOWSELALWAYS);
  list_ = list.Handle();
  if (!list) return;  // the window still works from its menu and hotkeys
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const Settings& s = context_.settings;
  list.AddColumn(0, "", 40);
  list.AddColumn(1, "Activation", s.col1Width);
  list.AddColumn(2, "Nickname", s.col2Width);
  list.AddColumn(3, "Scope", s.col3Width);
  LayoutList();
}

void TMainWin::FillList() {
  platform::win32::ListView list(list_);
  if (!list) return;
  list.Clear();
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  const storage::SharedMacroTable& table = guard.Table();
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    const storage::MacroRecord record = RowRecord(table, context_.store.Index(), slot);
    const int row = list.InsertRow(static_cast<int>(slot), std::to_string(slot + 1));
    if (row < 0) continue;
    list.SetCell(row, 1, activation::ActivationName(record));
    list.SetCell(row, 2, record.Name.View());
    list.SetCell(row, 3, activation::ScopeName(record));
  }
  UpdateMacroMenu();
}

void TMainWin::UpdateMacroMenu() {
  const int row = list_ != nullptr ? platform::win32::ListView(list_).Selected() : -1;
  bool refused = options_.browse || options_.browseAll;
  if (!refused && row >= 0) {
    const storage::TableGuard guard(context_.lock);
    refused = guard && capture::RecaptureRefusal(guard.Table(), row + 1, false).has_value();
  }
  platform::win32::EnableMenuCommand(GetMenu(Handle()), IDM_MACROS_RECAPTURE, !refused);
}

void TMainWin::LayoutList() {
  RECT client{};
  if (GetClientRect(Handle(), &client) == 0) return;
  const MainLayout layout =
      LayOutMainWindow(client.right - client.left, client.bottom - client.top, panels_.UsesSpeed());
  panels_.Place(layout);
  if (list_ == nullptr) return;
  MoveWindow(list_, layout.list.left, layout.list.top, layout.list.width, layout.list.height, TRUE);
}

void TMainWin::UpdateCaption() {
  std::string caption = "Quindle 98 (" + FileTitle(context_.store.FileName()) + ")";
  if (context_.settings.showDate) caption += "     " + scheduler::win32::CaptionDateTime();
  if (options_.browseAll)
    caption += "    (Browse All Mode)";
  else if (options_.browse)
    caption += "    (Browse Mode)";
  // The caption clock asks every second; the caption changes once a minute.
  std::array<char, 512> current{};
  if (GetWindowTextA(Handle(), current.data(), static_cast<int>(current.size())) > 0 &&
      caption == current.data())
    return;
  SetCaption(caption);
}

void TMainWin::OnMenu(int id) {
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
    case IDM_MACROS_SCRIPTING:
      DoTheScript(platform::win32::ListView(list_).Selected());
      break;
    case IDM_HELP_CONTENTS:
    case IDM_HELP_TUTORIAL:
    case IDM_HELP_ABOUT:
      OnHelpMenu(id);
      break;
    default:
      if (tray_) tray_->OnCommand(id);
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
  if (header.hwndFrom == list_ && header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) UpdateMacroMenu();
    return false;
  }
  if (header.hwndFrom != list_ || (header.code != NM_DBLCLK && header.code != NM_RETURN))
    return false;
  OpenListEntry(platform::win32::ListView(list_).Selected());
  result = 0;
  return true;
}

void TMainWin::OpenListEntry(int row) {
  if (row >= 0) DoTheScript(row);
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

void TMainWin::OpenSystemKeys(activation::SystemKeyField field) {
  if (capture_ && capture_->RefuseWhileBusy()) return;
  activation::win32::TSystemKeys dialog(context_.lock, context_.store, context_.settings.systemMenu,
                                        field);
  const std::optional<activation::win32::SystemKeysResult> result = dialog.Run(Handle());
  if (!result) return;
  context_.settings.systemMenu = result->systemMenu;
  SaveSettings(context_.settings, context_.profile);
  if (!result->codesChanged) return;
  FillList();
  storage::SetHotKeys(context_.lock);
}

void TMainWin::OnHelpMenu(int id) {
  const std::optional<HelpMenuEntry> entry = HelpEntryOfCommand(kHelpCommands, id);
  if (!entry) return;
  if (*entry == HelpMenuEntry::About) {
    TAboutBox about(MakeAboutView(context_.store.FileName()));
    if (about.Run(Handle())) return;
    // Without its box, the About topic of the help says the same.
  }
  platform::win32::ShowHelpTopic(Handle(), HelpTopicOf(*entry));
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
}

void TMainWin::RestoreMouseHooks() {
  if (!platform_->prompts.AskYesNo("Mouse Hooks", kMouseHooksQuestion)) return;
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  mouseHook_.Reset();
  mouseHook_ = context_.hooks.Install(context_.hooks.hookMouse);
  guard.Table().MouseHook = mouseHook_.Get();
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

void TMainWin::MenuTopWindow() {
  DoAMessage(kNoticeTitle, kMenuTopWindowUnavailable);
}

int TMainWin::ShowPopupMenu(const storage::MacroRecord& /*macro*/) {
  // The menus of macros come with the popup-menu feature; until then nothing is chosen.
  return 0;
}

}  // namespace quindle::app::win32
