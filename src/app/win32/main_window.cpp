#include "app/win32/main_window.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "activation/hotkey_names.h"
#include "activation/key_remap.h"
#include "app/win32/profile_file.h"
#include "hooklib/hook_messages.h"
#include "platform/std_file_io.h"
#include "platform/win32/system_version.h"
#include "platform/win32/window_handle.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::FromHwnd;
using platform::win32::ToHwnd;

constexpr int kMenuTerminate = 101;
constexpr int kMenuRestoreKeyboard = 201;
constexpr int kMenuRestoreMouse = 202;
constexpr int kListId = 1000;

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

void AddColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  if (column == 0) {
    item.mask = LVIF_TEXT;
    item.iItem = row;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  } else {
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

TMainWin::TMainWin(MainWindowContext& context) : context_(context) {}

TMainWin::~TMainWin() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool TMainWin::Create(int showCommand) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &TMainWin::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  if (windowClass.hIcon == nullptr)
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return false;

  const Settings& s = context_.settings;
  HWND created =
      CreateWindowExA(0, kMainWindowClass, "Quindle 98", WS_OVERLAPPEDWINDOW, s.mainLeft, s.mainTop,
                      s.mainWidth, s.mainHeight, nullptr, nullptr, instance, this);
  if (created == nullptr || window_ == nullptr) return false;
  if (!options_.hide) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
  }
  return true;
}

LRESULT CALLBACK TMainWin::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TMainWin* self = nullptr;
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    self = static_cast<TMainWin*>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  } else {
    self = reinterpret_cast<TMainWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = self->Handle(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

LRESULT TMainWin::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  using namespace hooklib;
  switch (message) {
    case WM_CREATE:
      return FormCreate() ? 0 : -1;
    case WM_SIZE:
      LayoutList();
      return 0;
    case WM_PAINT:
      if (options_.hide && !hiddenAtFirstPaint_) {
        hiddenAtFirstPaint_ = true;
        ShowWindow(window_, SW_HIDE);
      }
      break;
    case WM_COMMAND:
      OnMenu(LOWORD(wParam));
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == activation::kScScreenSave && activation_ &&
          activation_->RefuseScreenSaver(context_.settings.disableScreenSaver))
        return -1;
      break;
    case WM_CLOSE:
      FormClose();
      DestroyWindow(window_);
      return 0;
    case WM_ENDSESSION:
      // Windows is shutting down: no WM_CLOSE comes, and this is the last chance to remove the
      // hooks and save the settings.
      if (wParam != FALSE) FormClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  if (activation_ && !closing_) {
    switch (message) {
      case WM_HOTKEY_PRESSED:
        activation_->OnHotkeyPressed(static_cast<std::uint32_t>(wParam),
                                     static_cast<platform::WindowHandle>(lParam));
        return 0;
      case WM_WINDOW_ACTIVATED:
        activation_->OnWindowActivated(static_cast<platform::WindowHandle>(wParam));
        return 0;
      case WM_ABORT_KEYS:
        activation_->OnAbortKeys();
        return 0;
      case WM_CAPSLOCK_STATE:
        activation_->OnCapsLockState(wParam != 0);
        return 0;
      default:
        break;
    }
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool TMainWin::FormCreate() {
  const platform::WindowHandle self = FromHwnd(window_);
  platform_ = std::make_unique<platform::win32::Win32Platform>(self);
  prompts_ = std::make_unique<engine::win32::PlaybackPrompts>(platform_->windows, *this);
  player_ = std::make_unique<engine::Player>(
      platform::win32::MakePlayerServices(*platform_, *prompts_, *this, *this));
  activation_ = std::make_unique<activation::HotkeyActivation>(activation::ActivationServices{
      context_.lock, context_.store, *player_, platform_->windows, platform_->processes,
      platform_->input, platform_->input, platform_->pump, *this});

  const bool isNT = platform::win32::QuerySystemVersion().NtFourOrLater();

  if (!CreateSmallBlocks()) return false;
  auto* activationBlock = static_cast<storage::ActivationBlock*>(activationBlock_.View());
  activationBlock->IsNT = isNT;

  {
    storage::TableGuard guard(context_.lock);
    if (guard) {
      storage::SharedMacroTable& t = guard.Table();
      t.MainWindow = self;
      t.SecWindow = self;
      t.WaitRelease = false;
      t.CaptureActive = false;
      t.AltTabHeld = false;
      t.DoubleAlt = false;
      t.DefineMode = false;
      t.StopSet1Mods[0] = false;
      t.StopSet1Mods[1] = false;
      t.StopSet1Mods[2] = false;
      t.StopSet1Hit = false;
      t.StopSet1Key = 0;
      t.DeadKeyPending = false;
      t.PlaybackMarker = false;
      t.ForegroundProgram.Assign("");
      t.IsNT = isNT;
      storage::RebuildCodeInUse(t);
    }
  }
  InstallTableHooks();

  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU tools = CreatePopupMenu();
  if (bar != nullptr && file != nullptr && tools != nullptr) {
    AppendMenuA(file, MF_STRING, kMenuTerminate, "&Terminate Quindle 98");
    AppendMenuA(tools, MF_STRING, kMenuRestoreKeyboard, "Restore &Keyboard Hooks");
    AppendMenuA(tools, MF_STRING, kMenuRestoreMouse, "Restore &Mouse Hooks");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "&Tools");
    if (SetMenu(window_, bar) == 0) DestroyMenu(bar);
  }

  // The command line comes after the table is initialised, as a "/F" file load rebuilds it.
  for (const std::string& argument : context_.arguments)
    ProcessParam(argument, context_.settings, options_);
  if (options_.file && FileExists(*options_.file)) OpenMacroFile(*options_.file);

  activation_->SetCapsLockOn((GetKeyState(VK_CAPITAL) & 1) != 0);
  CreateList();
  FillList();
  UpdateCaption();
  return true;
}

bool TMainWin::CreateSmallBlocks() {
  const platform::WindowHandle self = FromHwnd(window_);
  if (!remapBlock_.Create(storage::kRemapBlockName, sizeof(storage::RemapBlock)) ||
      !activationBlock_.Create(storage::kActivationBlockName, sizeof(storage::ActivationBlock))) {
    MessageBoxA(nullptr, "Memory Mapped File could not be created.  Quindle will terminate.",
                "System Error", MB_OK | MB_ICONERROR);
    reported_ = true;
    return false;
  }
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  auto* activationBlock = static_cast<storage::ActivationBlock*>(activationBlock_.View());
  if (remap == nullptr || activationBlock == nullptr) {
    MessageBoxA(nullptr, "Memory Mapped File could not be mapped.  Quindle will terminate.",
                "System Error", MB_OK | MB_ICONERROR);
    reported_ = true;
    return false;
  }
  remap->MainWindow = self;
  remap->SwapHook = 0;
  remap->Created = false;
  platform::StdBinaryFiles files;
  activation::GetSwapFile(files, context_.store.FileName(), *remap);
  if (activation::SwapsInUse(*remap)) InstallSwapHook();

  activationBlock->MainWindow = self;
  activationBlock->MainWindow2 = self;
  activationBlock->MainWindow3 = self;
  activationBlock->CbtHook = 0;
  if (context_.hooks.hookCbt != nullptr) cbtHook_ = context_.hooks.hookCbt();
  activationBlock->CbtHook = cbtHook_;
  return true;
}

void TMainWin::InstallTableHooks() {
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  const std::uint32_t keyboard =
      context_.hooks.hookKeyboard != nullptr ? context_.hooks.hookKeyboard() : 0;
  guard.Table().KeyboardHook = keyboard;
  const std::uint32_t mouse = context_.hooks.hookMouse != nullptr ? context_.hooks.hookMouse() : 0;
  guard.Table().MouseHook = mouse;
}

void TMainWin::RemoveTableHooks() {
  storage::TableGuard guard(context_.lock);
  if (!guard || context_.hooks.unHook == nullptr) return;
  if (guard.Table().KeyboardHook != 0U) context_.hooks.unHook(guard.Table().KeyboardHook);
  if (guard.Table().MouseHook != 0U) context_.hooks.unHook(guard.Table().MouseHook);
  guard.Table().KeyboardHook = 0;
  guard.Table().MouseHook = 0;
}

void TMainWin::InstallSwapHook() {
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  if (remap == nullptr || context_.hooks.hookSwap == nullptr) return;
  swapHook_ = context_.hooks.hookSwap();
  remap->SwapHook = swapHook_;
  swapsActive_ = swapHook_ != 0;
}

void TMainWin::RemoveSwapHook() {
  if (!swapsActive_) return;
  if (context_.hooks.unHook != nullptr) context_.hooks.unHook(swapHook_);
  if (auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View())) remap->SwapHook = 0;
  swapHook_ = 0;
  swapsActive_ = false;
}

void TMainWin::FormClose() {
  if (closing_) return;
  closing_ = true;
  RemoveTableHooks();
  RemoveSwapHook();
  if (cbtHook_ != 0 && context_.hooks.unHook != nullptr) context_.hooks.unHook(cbtHook_);
  cbtHook_ = 0;
  remapBlock_ = storage::win32::SharedBlock();
  activationBlock_ = storage::win32::SharedBlock();

  // The geometry of a minimised or maximised window is its restored one.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(window_, &placement) != 0) {
    const RECT& r = placement.rcNormalPosition;
    context_.settings.mainLeft = r.left;
    context_.settings.mainTop = r.top;
    context_.settings.mainWidth = r.right - r.left;
    context_.settings.mainHeight = r.bottom - r.top;
  }
  SaveSettings(context_.settings, context_.profile);
}

void TMainWin::OpenMacroFile(const std::string& path) {
  if (!context_.store.LoadMacroFile(path)) return;
  context_.settings.currentFile = context_.store.FileName();
  if (auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View())) {
    platform::StdBinaryFiles files;
    activation::GetSwapFile(files, context_.store.FileName(), *remap);
    const bool inUse = activation::SwapsInUse(*remap);
    if (inUse && !swapsActive_) InstallSwapHook();
    if (!inUse && swapsActive_) RemoveSwapHook();
  }
  storage::SetHotKeys(context_.lock);
  FillList();
  UpdateCaption();
}

void TMainWin::CreateList() {
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0,
                          0, 100, 100, window_, reinterpret_cast<HMENU>(kListId),
                          GetModuleHandleA(nullptr), nullptr);
  if (list_ == nullptr) return;
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const Settings& s = context_.settings;
  AddColumn(list_, 0, "", 40);
  AddColumn(list_, 1, "Activation", s.col1Width);
  AddColumn(list_, 2, "Nickname", s.col2Width);
  AddColumn(list_, 3, "Scope", s.col3Width);
  LayoutList();
}

void TMainWin::FillList() {
  if (list_ == nullptr) return;
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  const storage::SharedMacroTable& table = guard.Table();
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    const storage::MacroRecord record = RowRecord(table, context_.store.Index(), slot);
    const int row = static_cast<int>(slot);
    SetCell(list_, row, 0, std::to_string(slot + 1));
    SetCell(list_, row, 1, activation::ActivationName(record));
    SetCell(list_, row, 2, std::string(record.Name.View()));
    SetCell(list_, row, 3, activation::ScopeName(record));
  }
}

void TMainWin::LayoutList() {
  if (list_ == nullptr) return;
  RECT client{};
  if (GetClientRect(window_, &client) == 0) return;
  MoveWindow(list_, 0, 0, client.right - client.left, client.bottom - client.top, TRUE);
}

void TMainWin::UpdateCaption() {
  std::string caption = "Quindle 98 (" + FileTitle(context_.store.FileName()) + ")";
  if (options_.browseAll)
    caption += "    (Browse All Mode)";
  else if (options_.browse)
    caption += "    (Browse Mode)";
  SetWindowTextA(window_, caption.c_str());
}

void TMainWin::OnMenu(int id) {
  switch (id) {
    case kMenuTerminate:
      PostMessageA(window_, WM_CLOSE, 0, 0);
      break;
    case kMenuRestoreKeyboard:
      RestoreKeyboardHooks();
      break;
    case kMenuRestoreMouse:
      RestoreMouseHooks();
      break;
    default:
      break;
  }
}

void TMainWin::RestoreKeyboardHooks() {
  if (!platform_->prompts.AskYesNo("Keyboard Hooks", kKeyboardHooksQuestion)) return;
  {
    storage::TableGuard guard(context_.lock);
    if (!guard) return;
    if (context_.hooks.unHook != nullptr && guard.Table().KeyboardHook != 0U)
      context_.hooks.unHook(guard.Table().KeyboardHook);
    guard.Table().KeyboardHook =
        context_.hooks.hookKeyboard != nullptr ? context_.hooks.hookKeyboard() : 0;
  }
  if (swapsActive_) {
    RemoveSwapHook();
    InstallSwapHook();
  }
}

void TMainWin::RestoreMouseHooks() {
  if (!platform_->prompts.AskYesNo("Mouse Hooks", kMouseHooksQuestion)) return;
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  if (context_.hooks.unHook != nullptr && guard.Table().MouseHook != 0U)
    context_.hooks.unHook(guard.Table().MouseHook);
  guard.Table().MouseHook = context_.hooks.hookMouse != nullptr ? context_.hooks.hookMouse() : 0;
}

platform::WindowHandle TMainWin::MainWindow() {
  return FromHwnd(window_);
}

bool TMainWin::IsApplicationMinimized() {
  return IsIconic(window_) != 0;
}
void TMainWin::RestoreApplication() {
  ShowWindow(window_, SW_RESTORE);
}
void TMainWin::MinimizeApplication() {
  ShowWindow(window_, SW_MINIMIZE);
}
void TMainWin::ShowMainWindow() {
  ShowWindow(window_, SW_SHOW);
}
void TMainWin::HideMainWindow() {
  ShowWindow(window_, SW_HIDE);
}

void TMainWin::SwapMacroFile(std::string_view path) {
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
  if (IsIconic(window_) != 0) ShowWindow(window_, SW_RESTORE);
  ShowWindow(window_, SW_SHOW);
  platform_->windows.ForceForeground(FromHwnd(window_));
}

int TMainWin::ShowPopupMenu(const storage::MacroRecord& /*macro*/) {
  // The menus of macros come with the popup-menu feature; until then nothing is chosen.
  return 0;
}

}  // namespace quindle::app::win32
