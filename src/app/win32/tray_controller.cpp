#include "app/win32/tray_controller.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/win32/main_window_res.h"
#include "app/win32/tray_res.h"
#include "platform/help_topics.h"
#include "platform/win32/callback_boundary.h"
#include "platform/win32/controls/list_view.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/help.h"
#include "platform/win32/menu.h"
#include "platform/win32/resource_ranges.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::InRange;
using platform::win32::kMainWindowIds;
static_assert(InRange(kMainWindowIds, IDR_TRAY_MENU) && InRange(kMainWindowIds, IDM_TRAY_OPEN) &&
              InRange(kMainWindowIds, IDM_TRAY_TERMINATE) &&
              InRange(kMainWindowIds, IDI_RECORDING) &&
              InRange(kMainWindowIds, IDM_OPTIONS_USE_TRAY));

HICON LoadSmallIcon(int id) {
  // The notification area shows the small size; the shared icon belongs to the module.
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                       LR_SHARED));
}

TrayMouse MouseOf(UINT message) {
  switch (message) {
    case WM_LBUTTONUP:
      return TrayMouse::LeftUp;
    case WM_RBUTTONUP:
      return TrayMouse::RightUp;
    default:
      return TrayMouse::Other;
  }
}

std::string ClassOf(HWND window) {
  std::array<char, 64> name{};
  const int length = GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  return length > 0 ? std::string(name.data(), static_cast<std::size_t>(length)) : std::string();
}

constexpr std::string_view kDialogClass = "#32770";

struct WindowSearch {
  HWND main;
  std::vector<HWND> found;
};

// A callback of the system's own calling convention (stdcall on 32-bit Windows), which a lambda
// does not convert to.
BOOL CALLBACK CollectOtherWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  // Stopped at the boundary, a failure ends the search with what was found so far.
  const bool completed = platform::win32::RunAtBoundary(search->main, [&] {
    if (window == search->main || IsWindowVisible(window) == FALSE) return;
    const std::string name = ClassOf(window);
    if (name == "#32768" || name.rfind("tooltips_class", 0) == 0) return;
    search->found.push_back(window);
  });
  return completed ? TRUE : FALSE;
}

// The program's visible top-level windows beside the main window, not counting menus and tool
// tips, which come and go with the main window's own use.
std::vector<HWND> OtherWindows(HWND mainWindow) {
  WindowSearch search{mainWindow, {}};
  static_cast<void>(EnumThreadWindows(GetCurrentThreadId(), CollectOtherWindow,
                                      reinterpret_cast<LPARAM>(&search)));
  return search.found;
}

}  // namespace

bool ProgramDialogOpen(HWND mainWindow) {
  // The program's own dialogs count themselves, also while they are not shown yet; message
  // boxes and the system's common dialogs are found as windows of the UI thread.
  return platform::win32::DialogBase::OpenCount() > 0 || !OtherWindows(mainWindow).empty();
}

int CloseProgramDialogs(HWND mainWindow) {
  // Found first, closed afterwards: closing one dialog can close or open others.
  const std::vector<HWND> windows = OtherWindows(mainWindow);
  int asked = 0;
  for (HWND window : windows) {
    if (IsWindow(window) == FALSE) continue;
    if (ClassOf(window) == kDialogClass)
      SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    else
      SendMessageA(window, WM_CLOSE, 0, 0);
    ++asked;
  }
  return asked;
}

TrayController::TrayController(HWND owner, Settings& settings, IProfile& profile, TrayHost host,
                               bool trayCapable)
    : owner_(owner),
      settings_(settings),
      profile_(profile),
      host_(std::move(host)),
      trayCapable_(trayCapable),
      main_(owner, kMainTrayIcon, kTrayCallbackMessage),
      recording_(owner, kRecordingTrayIcon, kTrayCallbackMessage),
      taskbarCreated_(platform::win32::TrayIcon::TaskbarCreatedMessage()) {}

void TrayController::Start() {
  programIcon_ = LoadSmallIcon(IDI_PROGRAM);
  recordingIcon_ = LoadSmallIcon(IDI_RECORDING);
  std::string failure;
  menu_ = platform::win32::LoadMenuResource(IDR_TRAY_MENU, failure);
  ApplyPresence(PresenceFor(settings_.useTray, trayCapable_));
}

void TrayController::ApplyPresence(const TrayPresence& presence) {
  settings_.useTray = presence.useTray;
  HMENU bar = GetMenu(owner_);
  platform::win32::CheckMenuCommand(bar, IDM_OPTIONS_USE_TRAY, presence.trayEntryChecked);
  platform::win32::EnableMenuCommand(bar, IDM_OPTIONS_USE_TRAY, presence.trayEntryEnabled);
  platform::win32::EnableMenuCommand(bar, IDM_FILE_HIDE, presence.hideEnabled);
  CarryOut(mainKeeper_.Want(presence.mainIconShown));
}

void TrayController::CarryOut(TrayIconKeeper::Step step) {
  if (step == TrayIconKeeper::Step::Add) {
    // A new tray knows nothing of the icon: it is added afresh, not modified.
    if (main_.Shown()) main_.Delete();
    const bool retry = mainKeeper_.Added(main_.Add(programIcon_, kMainTrayTip));
    if (retry && !retryTimer_.Running()) {
      retryTimer_ = platform::win32::WindowTimer(owner_, kTrayRetryTimerId);
      static_cast<void>(retryTimer_.Start(kTrayRetryMs));
    }
  } else if (step == TrayIconKeeper::Step::Delete) {
    main_.Delete();
  }
  if (retryTimer_.Running() && mainKeeper_.RetryDone()) {
    static_cast<void>(retryTimer_.Stop());
  }
}

bool TrayController::OnTimer(UINT_PTR timerId) {
  if (timerId != kTrayRetryTimerId) return false;
  CarryOut(mainKeeper_.OnRetry());
  return true;
}

bool TrayController::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage) {
    OnIconMessage(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
    return true;
  }
  if (message == kTrayHideMessage) {
    HideAfterFocusLoss();
    return true;
  }
  if (message == WM_ACTIVATEAPP) {
    if (wParam == FALSE) AppDeactivate();
    return false;
  }
  // The main icon comes back also when its earlier add was refused; the recording icon adds
  // itself again when it was shown.
  if (taskbarCreated_ == 0 || message != taskbarCreated_) return false;
  CarryOut(mainKeeper_.OnTaskbarCreated());
  recording_.OnMessage(message);
  return true;
}

void TrayController::OnIconMessage(UINT icon, UINT mouse) {
  const TrayIconKind kind =
      icon == kRecordingTrayIcon ? TrayIconKind::Recording : TrayIconKind::Main;
  if (icon != kMainTrayIcon && icon != kRecordingTrayIcon) return;
  switch (ActionOfClick(kind, MouseOf(mouse))) {
    case TrayClickAction::Open:
      OpenProgram();
      break;
    case TrayClickAction::ShowMenu:
      ShowMenu();
      break;
    case TrayClickAction::EndCapture:
      // The capture ends through the same command as its menu entry.
      PostMessageA(owner_, WM_COMMAND, MAKEWPARAM(IDM_MACROS_END_CAPTURE, 0), 0);
      break;
    case TrayClickAction::None:
      break;
  }
}

void TrayController::ShowMenu() {
  HMENU popup = menu_ ? GetSubMenu(menu_.Get(), 0) : nullptr;
  if (popup == nullptr || menuShown_) return;
  POINT at{};
  if (GetCursorPos(&at) == FALSE) return;
  // Without the owner in front the menu would not close when the user clicks elsewhere; the
  // posted null message afterwards lets a second click on the icon open it again.
  SetForegroundWindow(owner_);
  menuShown_ = true;
  TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_RIGHTALIGN, at.x, at.y, 0, owner_,
                 nullptr);
  menuShown_ = false;
  PostMessageA(owner_, WM_NULL, 0, 0);
}

bool TrayController::OnCommand(int id) {
  switch (id) {
    case IDM_OPTIONS_USE_TRAY:
      ApplyPresence(ToggledPresence(settings_.useTray, trayCapable_));
      SaveSettings(settings_, profile_);
      return true;
    case IDM_FILE_HIDE:
      if (settings_.useTray) HideProgram();
      return true;
    case IDM_TRAY_OPEN:
      OpenProgram();
      return true;
    case IDM_TRAY_HELP:
      platform::win32::ShowHelpTopic(owner_, platform::kTopicMainWindow);
      return true;
    case IDM_TRAY_TERMINATE:
      // As "&Terminate Quindle 98": closing the main window ends the program.
      PostMessageA(owner_, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

void TrayController::SetRecordingIcon(bool on) {
  if (on)
    recording_.Add(recordingIcon_, kRecordingTrayTip);
  else
    recording_.Delete();
}

void TrayController::AppDeactivate() {
  FocusLossFacts facts;
  facts.useTray = settings_.useTray;
  facts.terminating = host_.terminating && host_.terminating();
  facts.macroPlaying = host_.macroPlaying && host_.macroPlaying();
  facts.macroStarting = host_.macroStarting && host_.macroStarting();
  facts.popupMenuShown = menuShown_ || (host_.popupMenuShown && host_.popupMenuShown());
  facts.dialogOpen = ProgramDialogOpen(owner_);
  facts.suppressed = suppression_.Take();
  // Hiding the window while the system is still handing the activation over would make it
  // look for another window to activate; the hide waits until the change is done.
  if (HidesOnFocusLoss(facts)) PostMessageA(owner_, kTrayHideMessage, 0, 0);
}

void TrayController::HideAfterFocusLoss() {
  // The user may have come back (or left tray mode) meanwhile.
  HWND front = GetForegroundWindow();
  const bool ours =
      front != nullptr && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId();
  if (settings_.useTray && !ours) HideProgram();
}

void TrayController::HideProgram() {
  hiddenRow_ = platform::win32::ListView(GetDlgItem(owner_, IDC_MACRO_LIST)).Selected();
  if (IsIconic(owner_) != FALSE) ShowWindow(owner_, SW_RESTORE);
  ShowWindow(owner_, SW_HIDE);
}

void TrayController::ShowProgram() {
  if (IsIconic(owner_) != FALSE) ShowWindow(owner_, SW_RESTORE);
  ShowWindow(owner_, SW_SHOW);
  platform::win32::ListView list(GetDlgItem(owner_, IDC_MACRO_LIST));
  if (hiddenRow_ >= 0 && list.Selected() < 0) list.Select(hiddenRow_);
  if (host_.bringToFront) host_.bringToFront();
}

void TrayController::OpenProgram() {
  if (OpeningFromTray(settings_.useTray) == TrayOpening::CloseDialogsAndShow)
    CloseProgramDialogs(owner_);
  ShowProgram();
}

void TrayController::PrepareForPrompt() {
  if (IsIconic(owner_) != FALSE) ShowWindow(owner_, SW_RESTORE);
}

}  // namespace quindle::app::win32
