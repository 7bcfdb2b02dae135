// A recording stand-in for every platform interface: it keeps an ordered log of what playback
// did, answers queries from what the test (or the dry-run tool) set up, and runs on a virtual
// clock so no wait ever sleeps. It never touches the real disk, screen or input stream.
//
// THE LOG. One line per output event or action, in order; `qnl play --dry-run` prints it as is,
// so the format is stable:
//   key VK down | key VK up          any KeyEvent (VK decimal; the scan code is not printed)
//   mouse FLAGS DX DY DATA           any MouseEvent, all decimal, 0 where the event has no value
//   wait MS                          one WaitForMessage: the virtual clock moved MS ms ahead
//   activate "TITLE"                 ForceForeground
//   launch "FILE" "PARAMETERS"       Execute with the verb "open"
//   web "ADDRESS"                    Execute with the default (empty) verb
//   shell "VERB" "FILE" "PARAMETERS" Execute with any other verb
//   window "quit" "TITLE"            PostMessage WM_QUIT
//   window "hide" "TITLE"            ShowWindow SW_HIDE ("show" SW_SHOW, "restore" SW_RESTORE,
//                                    "shownormal" SW_SHOWNORMAL)
//   window "showcmd" "TITLE" "N"     ShowWindow with any other command
//   window "size" "TITLE" "W" "H"    SetWindowPos with SWP_NOMOVE
//   window "move" "TITLE" "X" "Y"    SetWindowPos with SWP_NOSIZE
//   window "setpos" "TITLE" "X" "Y" "W" "H"   SetWindowPos with neither
//   window "maximize" "TITLE"        SendMessage WM_SYSCOMMAND SC_MAXIMIZE ("minimize",
//                                    "sysrestore" SC_RESTORE, "close" SC_CLOSE)
//   window "send"|"post" "TITLE" "MSG" "WPARAM" "LPARAM"   any other message
//   file "delete" "PATH"             DeleteFile
//   file "copy" "SOURCE" "TARGET"    CopyFile
//   file "move" "FROM" "TO"          MoveFile
//   chdir "PATH"                     ChangeDirectory
//   clipboard "TEXT"                 Clipboard SetText
//   sound "wave" "FILE" "wait"|"nowait"   PlayWave
//   sound "beep"                     Beep
//   swap "PATH"                      SwapMacroFile
//   pause "TOP" "LEFT" "MESSAGE"     the pause dialog (the answer is not printed)
//   prompt "COUNT"                   the repeat prompt and the count it answered
//   message "CAPTION" "TEXT"         the on-top message (DoAMessage)
//   msgbox "TITLE" "TEXT"            an OK message box (IPrompts)
//   ask "TITLE" "TEXT"               a Yes/No question (IPrompts)
// A window TITLE is the fake window's title, or "#N" for a handle the fake does not know.
// Inside quotes a backslash and a double quote are escaped with a backslash, CR, LF and Tab are
// written \r \n \t, other control characters (below 32, and 127) \xHH; bytes of 128 and above
// are left as they are.
// Queries (titles, window lists, the foreground window, file reads, key states) and the
// program's own window calls (IAppWindow, SetForegroundWindow, SetActiveWindow, SetFocus) are
// not log lines; they go to Calls().
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/memory_files.h"
#include "platform/program.h"
#include "platform/services.h"
#include "platform/system.h"

namespace quindle::platform::fake {

struct FakeWindow {
  WindowHandle handle = 0;
  std::string title;
  std::uint32_t processId = 0;
  Rect rect;
  bool iconic = false;
  bool visible = true;
  WindowHandle parent = 0;  // non-zero: a child window, not in the top-level list
};

struct KeyEventRecord {
  std::uint8_t vk = 0;
  std::uint8_t scan = 0;
  std::uint32_t flags = 0;
};

struct PauseRecord {
  int left = 0;
  int top = 0;
  std::string message;
  std::string macroName;
  std::uint16_t hotkeyNumber = 0;
};

class RecordingPlatform final : public IInputSink,
                                public IKeyboardLayout,
                                public IScreen,
                                public IKeyState,
                                public IWindows,
                                public IProcesses,
                                public IShell,
                                public IFileOps,
                                public IClipboard,
                                public ISound,
                                public IClock,
                                public IMessagePump,
                                public IPlaybackPrompts,
                                public IAppWindow,
                                public IMacroFileSwitch,
                                public IPrompts {
 public:
  using Callback = std::function<void()>;

  // The main window's handle; it is not among the top-level windows unless a test adds it.
  static constexpr WindowHandle kMainWindowHandle = 1;

  RecordingPlatform();

  // ---- Set-up by the test ----
  void SetScreenSize(int width, int height);
  // Overrides one VkKeyScan answer (e.g. an AltGr character: state 6).
  void SetVkKeyScan(char c, std::int16_t result);
  // Virtual clock: Now() is `dateTime` plus the virtual milliseconds since; TickCount() is
  // `tickBase` plus the same milliseconds (wrapping at 2^32).
  void SetStartDateTime(double dateTime);
  void SetTickBase(std::uint32_t tickBase);
  void AdvanceClock(std::uint32_t ms);
  std::int64_t VirtualMilliseconds() const { return virtualMs_; }

  // Adds a top-level window below all existing ones (z-order: first added is on top).
  WindowHandle AddWindow(std::string title, std::uint32_t processId = 0, Rect rect = {},
                         bool iconic = false);
  WindowHandle AddChildWindow(WindowHandle parent, std::string title = {});
  void SetForeground(WindowHandle window);
  // nullptr when the handle is unknown (or the window was closed).
  const FakeWindow* FindWindowRecord(WindowHandle window) const;
  const std::vector<FakeWindow>& Windows() const { return windows_; }

  void AddProcess(std::uint32_t id, std::string exeName);

  void SetFile(std::string path, std::string content);
  bool HasFile(std::string_view path) const;
  std::optional<std::string> FileContent(std::string_view path) const;
  std::string CurrentDirectory() const { return currentDirectory_; }
  std::string ClipboardText() const { return clipboard_; }

  void SetUseTray(bool on) { useTray_ = on; }
  void SetApplicationMinimized(bool on) { appMinimized_ = on; }
  bool MainWindowVisible() const { return mainVisible_; }
  bool ApplicationMinimized() const { return appMinimized_; }

  // Answers of the dialogs, used in order; when a queue runs dry the pause resumes, the repeat
  // prompt answers 1 and questions answer Yes.
  void QueuePauseAnswer(bool resume) { pauseAnswers_.push_back(resume); }
  void QueueRepeatCount(std::uint16_t count) { repeatAnswers_.push_back(count); }
  void QueueYesNo(bool yes) { yesNoAnswers_.push_back(yes); }
  // Runs while the pause dialog is "open", before the answer is taken.
  void OnPause(Callback callback) { onPause_ = std::move(callback); }
  // Runs on every Execute (e.g. to make the launched program's window appear).
  void OnExecute(std::function<void(std::string_view verb, std::string_view file)> callback) {
    onExecute_ = std::move(callback);
  }

  // Callbacks stand for window messages: each runs once, inside ProcessMessages.
  void PostCallback(Callback callback);                            // at the next ProcessMessages
  void AtVirtualTime(std::int64_t ms, Callback callback);          // once the clock reaches `ms`
  void AtProcessMessagesCall(std::uint64_t n, Callback callback);  // on the n-th call (1-based)
  // Runs inside the n-th key event itself (1-based), as a user's abort keys arrive while keys go
  // out; one at a time, a later call replaces it.
  void AtKeyEvent(std::uint64_t n, Callback callback);
  std::uint64_t ProcessMessagesCalls() const { return processCalls_; }

  // ---- What happened ----
  // The lines are kept as one text and split only when asked for, so recording costs a few
  // bytes of appending per event.
  const std::vector<std::string>& Log() const;
  const std::string& LogText() const { return logText_; }  // every line followed by "\n"
  void ClearLog();
  const std::vector<std::string>& Calls() const { return calls_; }
  const std::vector<KeyEventRecord>& KeyEvents() const { return keyEvents_; }
  const std::vector<PauseRecord>& Pauses() const { return pauses_; }
  bool CapsLockOn() const { return (keyToggled_[20] & 1) != 0; }
  bool KeyDown(std::uint8_t vk) const { return keyDown_[vk] != 0; }

  // ---- IInputSink ----
  void KeyEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;
  void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                  std::int32_t data) override;
  // ---- IKeyboardLayout ----
  std::int16_t VkKeyScan(char c) override;
  std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
  // ---- IScreen ----
  int Width() override { return screenWidth_; }
  int Height() override { return screenHeight_; }
  // ---- IKeyState ----
  std::int16_t GetKeyState(int vk) override;
  // ---- IWindows ----
  WindowHandle FindByExactTitle(std::string_view title) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::string Title(WindowHandle window) override;
  WindowHandle Foreground() override { return foreground_; }
  WindowHandle Parent(WindowHandle window) override;
  std::uint32_t ProcessOf(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  Rect WindowRect(WindowHandle window) override;
  void ShowWindow(WindowHandle window, int command) override;
  void SetWindowPos(WindowHandle window, int x, int y, int width, int height,
                    std::uint32_t flags) override;
  void PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  void SendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override;
  void ForceForeground(WindowHandle window) override;
  void SetForegroundWindow(WindowHandle window) override;
  void SetActiveWindow(WindowHandle window) override;
  void SetFocus(WindowHandle window) override;
  // ---- IProcesses ----
  std::vector<ProcessEntry> List() override { return processes_; }
  std::string ExeName(std::uint32_t processId) override;
  // ---- IShell ----
  void Execute(std::string_view verb, std::string_view file, std::string_view parameters,
               int showCommand) override;
  // ---- IFileOps ----
  bool ChangeDirectory(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view source, std::string_view target) override;
  bool MoveFile(std::string_view from, std::string_view to) override;
  std::optional<std::string> ReadFile(std::string_view path, std::size_t limit) override;
  // ---- IClipboard ----
  bool SetText(std::string_view text) override;
  // ---- ISound ----
  void PlayWave(std::string_view file, bool wait) override;
  void Beep() override;
  // ---- IClock ----
  double Now() override;
  std::uint32_t TickCount() override;
  // ---- IMessagePump ----
  void ProcessMessages() override;
  void WaitForMessage(std::uint32_t timeoutMs) override;
  // ---- IPlaybackPrompts ----
  bool ShowPause(const PauseRequest& request) override;
  std::uint16_t AskRepeatCount() override;
  void DoAMessage(std::string_view caption, std::string_view text) override;
  // ---- IAppWindow ----
  WindowHandle MainWindow() override { return kMainWindowHandle; }
  bool UseTray() override { return useTray_; }
  bool IsApplicationMinimized() override { return appMinimized_; }
  void RestoreApplication() override;
  void MinimizeApplication() override;
  void ShowApplication() override;
  void HideApplication() override;
  void ShowMainWindow() override;
  void HideMainWindow() override;
  // ---- IMacroFileSwitch ----
  void SwapMacroFile(std::string_view path) override;
  // ---- IPrompts ----
  void ShowMessage(std::string_view title, std::string_view text) override;
  bool AskYesNo(std::string_view title, std::string_view text) override;

 private:
  struct TimedCallback {
    std::int64_t at = 0;
    Callback callback;
  };
  struct CountedCallback {
    std::uint64_t at = 0;
    Callback callback;
  };

  FakeWindow* Find(WindowHandle window);
  std::string WindowName(WindowHandle window) const;
  void BringToTop(WindowHandle window);
  // Appends `verb` and each argument quoted and escaped.
  void AddLine(std::string_view verb, std::initializer_list<std::string_view> arguments);
  void RunDueCallbacks();

  void EndLine() { logText_ += '\n'; }

  std::string logText_;
  mutable std::vector<std::string> logLines_;  // split from logText_ up to logSplitAt_
  mutable std::size_t logSplitAt_ = 0;
  std::vector<std::string> calls_;
  std::vector<KeyEventRecord> keyEvents_;
  std::vector<PauseRecord> pauses_;

  int screenWidth_ = 1024;
  int screenHeight_ = 768;
  std::array<std::int16_t, 128> vkKeyScan_{};
  std::array<std::uint8_t, 256> keyDown_{};
  std::array<std::uint8_t, 256> keyToggled_{};

  double startDateTime_ = 36526.0;  // 1 January 2000, midnight
  std::uint32_t tickBase_ = 0;
  std::int64_t virtualMs_ = 0;

  std::vector<FakeWindow> windows_;  // top-level in z-order, then children
  WindowHandle nextHandle_ = 0x100;
  WindowHandle foreground_ = 0;
  std::vector<ProcessEntry> processes_;

  MemoryBinaryFiles files_;
  std::string currentDirectory_;
  std::string clipboard_;

  bool useTray_ = false;
  bool appMinimized_ = false;
  bool mainVisible_ = true;

  std::deque<bool> pauseAnswers_;
  std::deque<std::uint16_t> repeatAnswers_;
  std::deque<bool> yesNoAnswers_;
  Callback onPause_;
  std::function<void(std::string_view, std::string_view)> onExecute_;

  std::vector<Callback> posted_;
  std::vector<TimedCallback> timed_;
  std::vector<CountedCallback> counted_;
  std::uint64_t keyEventTotal_ = 0;
  std::uint64_t keyEventCallbackAt_ = 0;
  Callback atKeyEvent_;
  std::uint64_t processCalls_ = 0;
};

// The bundle the player takes, every member referring to `platform`.
Services MakePlayerServices(RecordingPlatform& platform);

}  // namespace quindle::platform::fake
