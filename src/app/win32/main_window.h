// TMainWin: the program's main window. It owns the two small shared blocks and the hooks,
// lists the macros of the current file, turns the hook library's messages into macro starts
// and plays them, and closes everything down again in order.
#pragma once

#include "platform/win32/win32_api.h"

#include <memory>
#include <string>
#include <string_view>

#include "activation/hotkey_activation.h"
#include "app/command_line.h"
#include "app/settings.h"
#include "app/win32/hook_exports.h"
#include "engine/player.h"
#include "engine/win32/playback_prompts.h"
#include "platform/program.h"
#include "platform/win32/win32_platform.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"
#include "storage/win32/named_objects.h"

namespace quindle::app::win32 {

inline constexpr const char* kMainWindowClass = "TMainWin";

// What the program entry has made before the window exists.
struct MainWindowContext {
  Settings& settings;
  IProfile& profile;
  std::string programDir;
  storage::TableLock& lock;
  storage::MacroStore& store;
  HookExports hooks;
  std::vector<std::string> arguments;
};

class TMainWin final : public platform::IAppWindow,
                       public platform::IMacroFileSwitch,
                       public activation::IActivationHost {
 public:
  explicit TMainWin(MainWindowContext& context);
  TMainWin(const TMainWin&) = delete;
  TMainWin& operator=(const TMainWin&) = delete;
  ~TMainWin() override;

  // Registers the class and creates the window (FormCreate runs inside). False when the window
  // or one of its shared blocks could not be made; the user has been told.
  bool Create(int showCommand);
  HWND Handle() const { return window_; }
  // The user has been told why the window could not be made.
  bool Reported() const { return reported_; }

  // IAppWindow
  platform::WindowHandle MainWindow() override;
  bool UseTray() override { return false; }
  bool IsApplicationMinimized() override;
  void RestoreApplication() override;
  void MinimizeApplication() override;
  void ShowApplication() override {}
  void HideApplication() override {}
  void ShowMainWindow() override;
  void HideMainWindow() override;

  // IMacroFileSwitch
  void SwapMacroFile(std::string_view path) override;

  // IActivationHost
  void ResumePause() override;
  void DoAMessage(std::string_view title, std::string_view text) override;
  void ActivateMe() override;
  void StartACapture() override {}
  void MenuTopWindow() override {}
  int ShowPopupMenu(const storage::MacroRecord& macro) override;
  bool CaptureRunning() override { return false; }
  bool SharedFileChanged() override { return false; }
  void ReloadSharedFile() override {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  bool FormCreate();
  void FormClose();
  bool CreateSmallBlocks();
  void InstallTableHooks();
  void RemoveTableHooks();
  void InstallSwapHook();
  void RemoveSwapHook();
  void OpenMacroFile(const std::string& path);
  void CreateList();
  void FillList();
  void LayoutList();
  void UpdateCaption();
  void OnMenu(int id);
  void RestoreKeyboardHooks();
  void RestoreMouseHooks();

  MainWindowContext& context_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  StartOptions options_;
  bool closing_ = false;
  bool reported_ = false;
  bool hiddenAtFirstPaint_ = false;
  bool swapsActive_ = false;
  std::uint32_t cbtHook_ = 0;
  std::uint32_t swapHook_ = 0;
  storage::win32::SharedBlock remapBlock_;
  storage::win32::SharedBlock activationBlock_;
  std::unique_ptr<platform::win32::Win32Platform> platform_;
  std::unique_ptr<engine::win32::PlaybackPrompts> prompts_;
  std::unique_ptr<engine::Player> player_;
  std::unique_ptr<activation::HotkeyActivation> activation_;
};

}  // namespace quindle::app::win32
