// The composition of the program's main window: the parts FormCreate makes and wires together
// (the player, the activations, the shared blocks and hooks, the list, the scheduler, the
// capture and the tray), and FormClose, which takes them down again in order.
#include "app/win32/main_window.h"

#include <cstring>
#include <memory>
#include <utility>

#include "activation/key_remap.h"
#include "app/win32/main_window_res.h"
#include "app/win32/profile_file.h"
#include "platform/std_file_io.h"
#include "platform/win32/menu.h"
#include "platform/win32/prompts.h"
#include "platform/win32/system_version.h"
#include "platform/win32/window_handle.h"
#include "storage/set_hotkeys.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::FromHwnd;

activation::TypletOptions TypletOptionsOf(const Settings& s) {
  return {s.solitaryUsage, s.caseSensitive, s.useSuffix, s.prefixKeys};
}

}  // namespace

bool TMainWin::FormCreate() {
  const platform::WindowHandle self = FromHwnd(Handle());
  platform_ = std::make_unique<platform::win32::Win32Platform>(self);
  prompts_ = std::make_unique<engine::win32::PlaybackPrompts>(platform_->windows, *this);
  pausePrompts_ = std::make_unique<activation::PauseLetsTypletsThrough>(context_.lock, *prompts_);
  player_ = std::make_unique<engine::Player>(
      platform::win32::MakePlayerServices(*platform_, *pausePrompts_, *this, *this));
  const activation::ActivationServices services{
      context_.lock,      context_.store,       *player_,
      platform_->windows, platform_->processes, platform_->input,
      platform_->input,   platform_->pump,      *this};
  activation_ = std::make_unique<activation::HotkeyActivation>(services);
  typlets_ = std::make_unique<activation::TypletActivation>(services, *activation_);
  typlets_->SetOptions(TypletOptionsOf(context_.settings));
  pausePrompts_->SetPauseEnded([this] { typlets_->ClearBuffer(); });

  const platform::win32::SystemVersion version = platform::win32::QuerySystemVersion();
  const bool isNT = version.NtFourOrLater();

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
  if (context_.hooks32 != nullptr) static_cast<void>(context_.hooks32->Start());

  // The command line comes after the table is initialised, as a "/F" file load rebuilds it.
  ProcessParams(context_.arguments, context_.settings, options_);
  if (options_.file && FileExists(*options_.file)) OpenMacroFile(*options_.file);

  activation_->SetCapsLockOn((GetKeyState(VK_CAPITAL) & 1) != 0);
  CreateList();
  panels_.Create(Handle(), context_.settings.useSpeed);
  LayoutList();
  FillList();
  // The first row selected, so that the keys and the buttons have a macro at once.
  macroList_.SelectRowOrLast(1);
  UpdateMacroMenu();
  StartScheduler();
  StartNetwork();
  StartCapture();
  StartListOperations();
  UpdateLastFilesMenu();
  UpdateCaption();
  StartTray(version.windows95Family || isNT);
  StartPopupMenus();
  return true;
}

void TMainWin::StartTray(bool trayCapable) {
  TrayHost host{[this] { return closing_; },
                [this] { return activation_->PlayingMacroNumber() != 0; },
                [this] {
                  const storage::TableGuard guard(context_.lock);
                  return guard && guard.Table().PlaybackMarker;
                },
                [this] { return player_->State().PopupShowing; },
                [this] { platform_->windows.ForceForeground(FromHwnd(Handle())); }};
  tray_ = std::make_unique<TrayController>(Handle(), context_.settings, context_.profile,
                                           std::move(host), trayCapable);
  tray_->Start();
}

void TMainWin::StartScheduler() {
  scheduler::TimedRunServices run{
      context_.lock,
      *player_,
      platform_->windows,
      platform_->input,
      platform_->input,
      [this] {
        const Settings& s = context_.settings;
        return scheduler::AlarmSound{s.useWaveFile, s.waveFileWait, s.waveFile};
      },
      [this] { return activation_->CapsLockOn(); },
      [this] { return capture_ && capture_->Completing(); }};
  scheduler_ = std::make_unique<scheduler::win32::SchedulerTimers>(
      Handle(), run, context_.store, platform_->clock, platform_->prompts,
      scheduler::win32::SchedulerHost{[this] { return int{context_.settings.timerSeconds}; },
                                      [this] { return context_.settings.showDate; },
                                      [this] { UpdateCaption(); }});
  HMENU menu = GetMenu(Handle());
  platform::win32::CheckMenuCommand(menu, IDM_OPTIONS_SHOW_DATE, context_.settings.showDate);
  platform::win32::CheckMenuCommand(menu, IDM_OPTIONS_DISABLE_SCREEN_SAVER,
                                    context_.settings.disableScreenSaver);
  scheduler_->Start();
}

bool TMainWin::CreateSmallBlocks() {
  const platform::WindowHandle self = FromHwnd(Handle());
  if (!remapBlock_.Create(storage::kRemapBlockName, sizeof(storage::RemapBlock)) ||
      !activationBlock_.Create(storage::kActivationBlockName, sizeof(storage::ActivationBlock))) {
    // The window is still being made: the box belongs to no window, like those before it.
    platform::win32::Win32Prompts(0).ShowMessage(
        "System Error", "Memory Mapped File could not be created.  Quindle will terminate.");
    reported_ = true;
    return false;
  }
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  auto* activationBlock = static_cast<storage::ActivationBlock*>(activationBlock_.View());
  if (remap == nullptr || activationBlock == nullptr) {
    // The window is still being made: the box belongs to no window, like those before it.
    platform::win32::Win32Prompts(0).ShowMessage(
        "System Error", "Memory Mapped File could not be mapped.  Quindle will terminate.");
    reported_ = true;
    return false;
  }
  // Other programs' hooks keep the blocks open: what a killed copy left in them is cleared.
  std::memset(remap, 0, sizeof *remap);
  std::memset(activationBlock, 0, sizeof *activationBlock);
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
  cbtHook_ = context_.hooks.Install(context_.hooks.hookCbt);
  activationBlock->CbtHook = cbtHook_.Get();
  return true;
}

void TMainWin::InstallTableHooks() {
  storage::TableGuard guard(context_.lock);
  if (!guard) return;
  keyboardHook_ = context_.hooks.Install(context_.hooks.hookKeyboard);
  guard.Table().KeyboardHook = keyboardHook_.Get();
  mouseHook_ = context_.hooks.Install(context_.hooks.hookMouse);
  guard.Table().MouseHook = mouseHook_.Get();
}

void TMainWin::RemoveTableHooks() {
  storage::TableGuard guard(context_.lock);
  // Removed even without the table: a hook of a program that is going must not stay behind.
  keyboardHook_.Reset();
  mouseHook_.Reset();
  if (!guard) return;
  guard.Table().KeyboardHook = 0;
  guard.Table().MouseHook = 0;
}

void TMainWin::InstallSwapHook() {
  auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View());
  if (remap == nullptr) return;
  swapHook_ = context_.hooks.Install(context_.hooks.hookSwap);
  remap->SwapHook = swapHook_.Get();
}

void TMainWin::RemoveSwapHook() {
  if (!swapHook_) return;
  swapHook_.Reset();
  if (auto* remap = static_cast<storage::RemapBlock*>(remapBlock_.View())) remap->SwapHook = 0;
}

void TMainWin::FormClose() {
  if (closing_) return;
  closing_ = true;
  if (scheduler_) scheduler_->Stop();
  RemoveTableHooks();
  RemoveSwapHook();
  cbtHook_.Reset();
  if (context_.hooks32 != nullptr) static_cast<void>(context_.hooks32->Stop());
  remapBlock_ = storage::win32::SharedBlock();
  activationBlock_ = storage::win32::SharedBlock();
  popupMenus_.reset();  // the menus' icons leave the notification area with the program
  tray_.reset();

  SaveWindowPlace();
  SaveSettings(context_.settings, context_.profile);
}

}  // namespace quindle::app::win32
