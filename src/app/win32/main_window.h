// TMainWin: the program's main window. It owns the two small shared blocks and the hooks,
// lists the macros of the current file, turns the hook library's messages into macro starts
// and plays them, and closes everything down again in order. It is a shell: its menu commands
// call operations that live elsewhere.
#pragma once

#include "platform/win32/win32_api.h"

#include <memory>
#include <string>
#include <string_view>

#include "activation/hotkey_activation.h"
#include "activation/pause_typlets.h"
#include "activation/system_keys.h"
#include "activation/typlets.h"
#include "app/command_line.h"
#include "app/list_operations.h"
#include "app/settings.h"
#include "app/win32/button_panels.h"
#include "app/win32/hook32_host.h"
#include "app/win32/hook_exports.h"
#include "app/win32/macro_list_panel.h"
#include "app/win32/popup_menu_host.h"
#include "app/win32/print_list.h"
#include "app/win32/shared_file_timers.h"
#include "app/win32/tray_controller.h"
#include "capture/capture_session.h"
#include "capture/capture_types.h"
#include "editors/win32/editor_header_controls.h"
#include "engine/player.h"
#include "engine/win32/playback_prompts.h"
#include "platform/program.h"
#include "platform/std_file_io.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_base.h"
#include "scheduler/win32/scheduler_timers.h"
#include "storage/macro_store.h"
#include "storage/network_sync.h"
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
  // The 32-bit programs' hooks of a 64-bit build: started after the window's own hooks and
  // stopped with them; none in the tests.
  Hook32Host* hooks32 = nullptr;
};

class TMainWin final : public platform::win32::WindowBase,
                       public platform::IAppWindow,
                       public platform::IMacroFileSwitch,
                       public activation::IActivationHost {
 public:
  explicit TMainWin(MainWindowContext& context);
  TMainWin(const TMainWin&) = delete;
  TMainWin& operator=(const TMainWin&) = delete;
  ~TMainWin() override;

  // Registers the class and creates the window with its menu (FormCreate runs inside), then
  // shows it with `showCommand` unless "/HIDE" was given. False when the window or one of its
  // shared blocks could not be made; Failure() says which call failed.
  bool Create(int showCommand);
  // The user has been told why the window could not be made.
  bool Reported() const { return reported_; }
  // The main window's accelerator table (F1 and the like), for the program's message loop;
  // null when it could not be loaded.
  HACCEL Accelerators() const { return accelerators_; }

  // For the capture: "Macro Is Recording" in the notification area while a capture records
  // (it comes back by itself after Explorer restarts), and the one-shot flag that keeps the
  // main window up through the focus loss right after a capture ends.
  void SetRecordingIcon(bool on);
  void SuppressNextFocusLoss();

  // IAppWindow
  platform::WindowHandle MainWindow() override;
  bool UseTray() override { return context_.settings.useTray; }
  bool IsApplicationMinimized() override;
  void RestoreApplication() override;
  void MinimizeApplication() override;
  void ShowApplication() override;
  void HideApplication() override;
  void ShowMainWindow() override;
  void HideMainWindow() override;

  // IMacroFileSwitch
  void SwapMacroFile(std::string_view path) override;

  // IActivationHost
  void ResumePause() override;
  void DoAMessage(std::string_view title, std::string_view text) override;
  void ActivateMe() override;
  // Until quick capture exists, its system hotkey says so in the on-top message: the hook has
  // swallowed the key already.
  void StartACapture() override;
  void MenuTopWindow() override;
  int ShowPopupMenu(const storage::MacroRecord& macro) override;
  bool CaptureRunning() override;
  bool CaptureCompleting() override;
  bool SharedFileChanged() override;
  void ReloadSharedFile() override;

 private:
  // WindowBase
  bool OnCreate(const CREATESTRUCTA& create) override;
  void OnSize(UINT kind, int clientWidth, int clientHeight) override;
  void OnCommand(int id, int notifyCode, HWND control) override;
  void OnClose() override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR timerId) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  // The list operations (main_window_operations.cpp): true when `command` is one of them.
  class ListHost;
  void StartListOperations();
  bool OnListOperation(int command);
  void ReloadKeyRemap();
  // "&Remap": "Keyboard Remapper", then the remap file saved and the hook as the mapping needs.
  void OpenRemapper();
  // The editors over a working record (main_window_editing.cpp); true when it was accepted.
  editors::win32::MacroEditorSetup EditorSetup(const EditorRequest& request,
                                               const storage::MacroRecord& macro);
  bool RunScriptingEditor(const EditorRequest& request, storage::MacroRecord& macro);
  bool RunDirectEditorFor(const EditorRequest& request, storage::MacroRecord& macro);
  void KeepDateTimeChoices(const editors::DateTimeMemory& chosen);
  // Off while an editor is open, so that what the user types there starts nothing; the
  // editors nest, and the hook comes back when the last one closes.
  void SwitchKeyboardHook(bool on);
  std::vector<std::string> RunningNames(bool windows);
  // "&Scheduler" > "&Timer Interval": how many seconds apart the timed macros are checked.
  void OpenTimerInterval();
  // "&Scheduler" > "&Alarm": the sound a timed macro gives when it starts.
  void OpenAlarm();
  void OpenTypletOptions();
  // "&Options" > "&Capture": "Capture Defaults", stored in the settings at "&Ok".
  void OpenCaptureDefaults();
  // True when it stored changed hotkeys.
  bool OpenSystemKeys(activation::SystemKeyField field);
  // The popup menus (main_window_popup.cpp): their host, the builder over a working record.
  void StartPopupMenus();
  PopupBuilderResult RunPopupBuilder(const EditorRequest& request, storage::MacroRecord& macro);

  // The capture (main_window_capture.cpp): the session, the hook library's capture messages
  // and the two capture entries of "&Macros".
  class CaptureHost;
  void StartCapture();
  bool OnCaptureMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void DoCapture();
  void EndCapture();

  // The macro file shared on a network (main_window_network.cpp): the lock and its timers, the
  // reload after another user's change, and "&Options" > "&Network".
  void StartNetwork();
  void PrepareSharedFile();
  bool SharedFileBusy();  // FileInUse: true when the change must not go ahead
  void ReleaseSharedFile(bool changed);
  bool OnNetworkTimer(UINT_PTR timerId);
  void ReloadSharedMacroFile();
  void OpenNetworkOptions();

  bool FormCreate();
  // The tray icons and tray mode (FormCreate's last step).
  void StartTray(bool trayCapable);
  void FormClose();
  bool CreateSmallBlocks();
  void InstallTableHooks();
  void RemoveTableHooks();
  void InstallSwapHook();
  void RemoveSwapHook();
  // Makes `path` the current file; false when it could not be loaded (the user was told).
  bool OpenMacroFile(const std::string& path);
  void CreateList();
  void FillList();
  // The list's selection, as MacroNumbers (0: none).
  int SelectedMacro() const { return macroList_.SelectedMacro(); }
  void SelectMacro(int n) { macroList_.SelectMacro(n); }
  // The list's fonts and widths after "&Appearance".
  void ApplyListAppearance();

  // The files (main_window_files.cpp).
  void DoOpen(bool create);  // "&Open File", or "&New File" with `create`
  void OpenLastFile(int index);
  void SwitchMacroFile(const std::string& path);
  void UpdateLastFilesMenu();
  void OutputMacroInformation();
  // "&Print Macro List", "Printer &Font" and "Printer &Setup" (main_window_print.cpp).
  void OnPrintMenu(int id);
  void OpenSortOrder();
  void OpenAppearance();
  void ImportMacros();
  // "Mouse &Locator": MSLOCATE.EXE from the program's folder.
  void StartMouseLocator();
  void ExportMacros();
  // "Re&capture Macro" greyed for the selected macro when the capture would refuse it.
  void UpdateMacroMenu();
  void LayoutList();
  void UpdateCaption();
  void OnMenu(int id);
  // The three entries of "&Help": the About box, or the entry's help topic.
  void OnHelpMenu(int id);
  void SaveWindowPlace();
  void RestoreKeyboardHooks();
  void RestoreMouseHooks();
  void RestartHooks32();
  // The scheduler's part: its timers and the two options of its menu.
  void StartScheduler();
  void ToggleOption(int command, bool& option);

  MainWindowContext& context_;
  MacroListPanel macroList_;
  ButtonPanels panels_;
  HACCEL accelerators_ = nullptr;
  StartOptions options_;
  bool closing_ = false;
  bool reported_ = false;
  // The installed hooks; the blocks hold copies of their handles for the hook procedures.
  InstalledHook keyboardHook_;
  InstalledHook mouseHook_;
  InstalledHook swapHook_;
  InstalledHook cbtHook_;
  storage::win32::SharedBlock remapBlock_;
  storage::win32::SharedBlock activationBlock_;
  std::unique_ptr<platform::win32::Win32Platform> platform_;
  std::unique_ptr<engine::win32::PlaybackPrompts> prompts_;
  std::unique_ptr<activation::PauseLetsTypletsThrough> pausePrompts_;
  std::unique_ptr<engine::Player> player_;
  std::unique_ptr<activation::HotkeyActivation> activation_;
  std::unique_ptr<scheduler::win32::SchedulerTimers> scheduler_;
  std::unique_ptr<activation::TypletActivation> typlets_;
  std::unique_ptr<TrayController> tray_;
  std::unique_ptr<PopupMenuHost> popupMenus_;
  int keyboardHookOff_ = 0;  // editors open that have the keyboard hook off
  platform::StdBinaryFiles captureFiles_;
  std::unique_ptr<capture::ICaptureHost> captureHost_;
  std::unique_ptr<capture::ICaptureDialogs> captureDialogs_;
  std::unique_ptr<capture::CaptureSession> capture_;
  std::unique_ptr<ListHost> listHost_;
  std::unique_ptr<IListDialogs> listDialogs_;
  std::unique_ptr<ListOperations> operations_;
  std::unique_ptr<ListPrinter> printer_;
  std::unique_ptr<SharedFileTimers> networkHost_;
  std::unique_ptr<storage::NetworkSync> network_;
};

}  // namespace quindle::app::win32
