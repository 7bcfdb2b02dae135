// The main window's side of a capture: prepares the shared table and the capture file, collects
// the characters the hook library posts, and at the end moves the text into the macro's record
// and saves it. Two ways in: the capture dialog for a chosen macro (DoCapture, or
// CaptureWithDialog for a macro the new-macro dialog is creating) and the quick capture
// (StartACapture), which creates a new Typlet macro first and asks for its activation at the
// end.
//
// Wiring: the main window owns one session and forwards to it WM_CAPTURE_CHAR (OnCaptureChar),
// WM_CAPTURE_STOP (OnCaptureStop), the end-capture menu command and the recording tray icon
// (EndCaptureCommand), "Re&capture Macro" (DoCapture) and system hotkey "2" and the quick
// capture menu entry (StartACapture); activation's CaptureRunning answers CaptureRunning().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "activation/macro_names.h"
#include "capture/capture_file.h"
#include "capture/capture_table.h"
#include "capture/capture_types.h"
#include "platform/file_io.h"
#include "platform/system.h"
#include "storage/macro_record.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::capture {

inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kCaptureTitle = "Capture";
inline constexpr std::string_view kStartCaptureTitle = "Start Capture";

inline constexpr std::string_view kInProgressRefusal =
    "A capture is currently in progress.  Capture not allowed.";
inline constexpr std::string_view kMaximumRefusal =
    "Maximum number of macros has been reached.  Capture not allowed.";
inline constexpr std::string_view kNoMacrosRefusal = activation::kNoMacrosYet;
inline constexpr std::string_view kNoSelectionRefusal = activation::kNoMacroSelected;
inline constexpr std::string_view kTableNotLocked =
    "The macro table could not be locked.  The capture could not go on.";
// The editors and every command that changes the macro file, while a capture records or
// completes: the capture's macro must be stored into the file it began in, as it began.
inline constexpr std::string_view kBusyRefusal =
    "A capture is currently in progress.  Macros cannot be changed until it is complete.";
inline constexpr std::string_view kFileChangedDuringCapture =
    "The macro file was changed while the capture ran.";

// The quick capture's new macro.
inline constexpr std::string_view kQuickName = "Capture";
inline constexpr std::string_view kQuickTyplet = "capture";

enum class CaptureStart { Started, Closed, Failed };

// What the session asks of the main window. Every call comes on the main window's thread.
class ICaptureHost {
 public:
  virtual ~ICaptureHost() = default;
  // The program runs in a browse mode: no macro may be changed.
  virtual bool BrowseMode() = 0;
  // FileInUse of a macro file shared on a network: true when the change must not go ahead (the
  // user has been told). Every call that answered false is matched by one ReleaseSharedFile.
  virtual bool SharedFileInUse() = 0;
  // `changed` when the capture wrote its macro into the file.
  virtual void ReleaseSharedFile(bool changed) = 0;
  // The on-top message window of playback and activation (OK only).
  virtual void DoAMessage(std::string_view title, std::string_view text) = 0;
  // File name of the program that owns the window in front, in the case the system reports it.
  virtual std::string ProgramInFront() = 0;
  // Section "Capture" of the settings.
  virtual CaptureOptions CaptureDefaults() = 0;
  // Gets the program out of the way of the capture (tray mode: hide and activate
  // LastForeignWindow; otherwise minimise).
  virtual void HideForCapture() = 0;
  // Around "Capture Complete" after a quick capture: show the program, and afterwards hide it
  // again when it lives in the tray.
  virtual void ShowForCompletion() = 0;
  virtual void HideAfterCompletion() = 0;
  // The tray icon's capture state ("Macro Is Recording") on or off.
  virtual void SetRecordingIcon(bool on) = 0;
  // Restores the main window and brings it to the front; the end of a capture must not hide it
  // again through the tray mode's deactivation.
  virtual void RestoreMainWindow() = 0;
  // Refills the macro list and selects macro n (0: no selection).
  virtual void RefillListAndSelect(int n) = 0;
  // Carries out a swap of the macro file that waited for the capture's end.
  virtual void SwapMacroFile(std::string_view path) = 0;
  // The macro of the selected row (0: none) and the number of rows in the list.
  virtual int SelectedMacro() = 0;
  virtual int ListRowCount() = 0;
};

struct CaptureServices {
  storage::MacroStore& store;
  storage::TableLock& lock;
  platform::IBinaryFiles& files;  // the capture file and the overflow names
  platform::IFileOps& fileOps;    // copy and delete of the capture file
  platform::IClock& clock;
  platform::IPrompts& prompts;  // message boxes of the main window's own commands
  ICaptureDialogs& dialogs;
  ICaptureHost& host;
  std::string programDir;  // without a trailing backslash
};

class CaptureSession {
 public:
  explicit CaptureSession(const CaptureServices& services);
  CaptureSession(const CaptureSession&) = delete;
  CaptureSession& operator=(const CaptureSession&) = delete;

  // System hotkey "2" and the menu's quick capture.
  void StartACapture();
  // "Re&capture Macro" on the selected row.
  void DoCapture();
  // The capture dialog for `working`: macro `n` of the file, or, with `isNew`, a macro not yet
  // in the file, which is appended when the user starts the capture (n is then ignored). The
  // caller has passed SharedFileInUse; it is released here when no capture starts. Closed: the
  // dialog was closed without starting, nothing changed. Failed: a step of the start failed and
  // the user has been told (a new macro appended by then stays in the file as a whole record).
  CaptureStart CaptureWithDialog(int n, const storage::MacroRecord& working, bool isNew,
                                 bool forceProgram);

  // WM_CAPTURE_CHAR and WM_CAPTURE_STOP.
  void OnCaptureChar(std::uintptr_t wParam, std::intptr_t lParam);
  void OnCaptureStop(std::uintptr_t wParam);
  // The menu command (and the recording tray icon) that ends a capture.
  void EndCaptureCommand();

  // A quick capture is running or completing (the main window's CaptureRunning).
  bool CaptureRunning() const noexcept { return captureRunning_; }
  // The capture has stopped recording and its macro is not written yet.
  bool Completing() const noexcept { return completing_; }
  // Some capture records characters.
  bool Recording() const noexcept { return !finished_; }
  // Some capture records or completes: nothing else may change the macro file meanwhile.
  bool Busy() const noexcept { return Recording() || captureRunning_ || completing_; }
  // For the editors and the commands that change the macro file: while Busy, tells the user
  // why the command does not open and returns true.
  bool RefuseWhileBusy();
  // A swap of the macro file asked for (by a macro) while Busy waits for the capture's end,
  // where the last one asked for is carried out; true when it was taken to wait.
  bool DeferSwap(std::string_view path);
  // The macro the last capture message named.
  int CurrentMacroNumber() const noexcept { return currentMacroNumber_; }
  // The program in front when the capture started, and again when it ended.
  const std::string& TopProgram() const noexcept { return topProgram_; }
  const std::string& CaptureFilePath() const noexcept { return file_.Path(); }

 private:
  enum class Way { Quick, Dialog };

  // The capture file created, with the speed tag when timed; false (told) when it failed.
  bool CreateCaptureFile(const CaptureOptions& options);
  // Fills the table for macro n; false when the lock was refused.
  bool SetUpTable(const CaptureOptions& options, int n, std::optional<int> stopCode2);
  bool SetCaptureActive(bool on);
  // Appends the quick capture's macro; its number, or 0 when it could not be written.
  int AppendQuickMacro();
  // Raises the count for a new macro and appends it; its number, or 0.
  int AppendNewMacro(const storage::MacroRecord& record);
  std::optional<int> CaptureStopCode();
  void Complete(int n);
  // The record as it is to be saved: read back (or the new macro), the captured text moved in.
  bool FillRecord(int n, storage::MacroRecord& record);
  // "Capture Complete": true when it was closed with "&Ok" and its choices are in `record`.
  bool ApplyCapComplete(storage::MacroRecord& record);
  // The quick capture's new macro after a failure: removed, or else left deactivated; the
  // sentence that tells the user which.
  std::string DisposeQuickMacro();
  bool SameMacroFile() const;
  void ApplyProgramScope(storage::MacroRecord& record) const;
  // Stops recording: icon back, finished, CaptureActive cleared. Idempotent.
  void StopRecording();
  // Ends a capture that cannot be stored: the text stays in the capture file, the macro file
  // keeps whatever it had.
  void Abandon(std::string_view text);
  void Finish(int select);

  CaptureServices services_;
  CaptureFile file_;
  CaptureOptions options_;  // of the running capture
  Way way_ = Way::Quick;
  bool finished_ = true;
  bool captureRunning_ = false;
  bool completing_ = false;
  bool programScope_ = false;
  bool iconOn_ = false;
  int captureNumber_ = 0;
  int currentMacroNumber_ = 0;
  std::string topProgram_;
  std::string macroFile_;  // the macro file the capture began in
  std::optional<std::string> pendingSwap_;
  // The record being completed: never the store's CurrentMacro, which an editor may hold.
  storage::MacroRecord record_{};
  // The capture dialog's choices, laid onto the record when the capture completes.
  storage::MacroRecord chosen_{};
};

// Texts of the session's messages.
std::string QuickStartMessage(std::string_view stopName);
std::string CompletionMessage(const storage::MacroRecord& record);
std::string CaptureFileError(std::string_view path, std::string_view what);

}  // namespace quindle::capture
