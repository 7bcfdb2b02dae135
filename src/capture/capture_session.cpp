#include "capture/capture_session.h"

#include <memory>
#include <utility>

#include "capture/capture_table.h"
#include "hooklib/hotkey_names.h"
#include "storage/set_hotkeys.h"

namespace quindle::capture {
namespace {

// A guard gives up when the wait times out (a hook call still holds the table) or fails; a few
// retries cover a hook call in progress without hanging on a lasting failure.
constexpr int kLockAttempts = 4;

constexpr std::string_view kNotStarted = "  The capture was not started.";
constexpr std::string_view kNotStored = "  The captured keystrokes were not stored.";

std::string KeptIn(std::string_view path) {
  return "  The captured keystrokes remain in \"" + std::string(path) +
         "\" until the next capture starts.";
}

std::string KeptDeactivated(int n) {
  return "Capture Complete was closed without Ok, so the captured macro " + std::to_string(n) +
         " is kept deactivated.  Activate it in the macro list to use its Typlet \"" +
         std::string(kQuickTyplet) + "\".";
}

}  // namespace

std::string QuickStartMessage(std::string_view stopName) {
  return "Quindle 98 macro capture will now start.\r\n\r\nUse " + std::string(stopName) +
         " to stop the capture.";
}

std::string CompletionMessage(const storage::MacroRecord& record) {
  if (record.HotkeyNumber.Get() == storage::kActivationTyplet)
    return "Quindle 98 capture is complete for Typlet: " + std::string(record.TypletName.View()) +
           ".";
  return "Quindle 98 capture is complete for " +
         std::string(hooklib::HotkeyName(record.HotkeyNumber.Get())) + ".";
}

std::string CaptureFileError(std::string_view path, std::string_view what) {
  return "The capture file \"" + std::string(path) + "\" could not be " + std::string(what) + ".";
}

CaptureSession::CaptureSession(const CaptureServices& services)
    : services_(services),
      file_(services.files, InProgramDirectory(services.programDir, kCaptureFileName)) {}

// ---- Starting ----

void CaptureSession::StartACapture() {
  ICaptureHost& host = services_.host;
  if (host.BrowseMode()) return host.DoAMessage(kErrorTitle, kBrowseModeRefusal);
  if (Busy()) return host.DoAMessage(kErrorTitle, kInProgressRefusal);
  std::optional<std::size_t> count;
  {
    // Messages come after the lock is let go: the hook library waits for it on every key.
    storage::TableGuard guard(services_.lock);
    if (guard) count = guard.Table().SafeCount();
  }
  if (!count) return host.DoAMessage(kErrorTitle, kTableNotLocked);
  if (*count >= storage::kMaxMacros) return host.DoAMessage(kErrorTitle, kMaximumRefusal);
  if (host.SharedFileInUse()) return;

  options_ = host.CaptureDefaults();
  options_.speed = NormalSpeed(options_.speed);
  // The capture file comes first: when it cannot be made, no macro has been created either.
  if (!CreateCaptureFile(options_)) return host.ReleaseSharedFile(false);
  macroFile_ = services_.store.FileName();
  const int n = AppendQuickMacro();
  if (n == 0) {
    file_.Close();
    return host.ReleaseSharedFile(false);
  }
  way_ = Way::Quick;
  captureNumber_ = n;
  programScope_ = false;
  topProgram_ = host.ProgramInFront();
  finished_ = false;
  captureRunning_ = true;
  if (!SetUpTable(options_, n, std::nullopt)) return Abandon(kTableNotLocked);

  if (options_.prompt) {
    const std::optional<int> stop = CaptureStopCode();
    host.DoAMessage(kStartCaptureTitle,
                    QuickStartMessage(stop ? hooklib::HotkeyName(*stop) : std::string_view()));
  }
  host.SetRecordingIcon(true);
  iconOn_ = true;
  if (!SetCaptureActive(true)) Abandon(kTableNotLocked);
}

void CaptureSession::DoCapture() {
  ICaptureHost& host = services_.host;
  platform::IPrompts& prompts = services_.prompts;
  if (host.BrowseMode()) return prompts.ShowMessage(kErrorTitle, kBrowseModeRefusal);
  if (host.ListRowCount() <= 0) return prompts.ShowMessage(kErrorTitle, kNoMacrosRefusal);
  const int n = host.SelectedMacro();
  if (n <= 0) return prompts.ShowMessage(kErrorTitle, kNoSelectionRefusal);
  if (Busy()) return prompts.ShowMessage(kErrorTitle, kInProgressRefusal);
  std::optional<std::string_view> refusal;
  {
    storage::TableGuard guard(services_.lock);
    if (!guard) return prompts.ShowMessage(kErrorTitle, kTableNotLocked);
    refusal = RecaptureRefusal(guard.Table(), n, false);
  }
  if (refusal) return prompts.ShowMessage(kErrorTitle, *refusal);
  if (host.SharedFileInUse()) return;

  // Its own record: the store's CurrentMacro may be held by an editor.
  storage::MacroRecord working{};
  if (!services_.store.ReadMacro(n, working)) return host.ReleaseSharedFile(false);
  bool forceProgram = false;
  {
    storage::TableGuard guard(services_.lock);
    if (guard) forceProgram = ProgramScopeForced(guard.Table(), n, working);
  }
  if (CaptureWithDialog(n, working, false, forceProgram) == CaptureStart::Closed)
    host.RefillListAndSelect(n);
}

CaptureStart CaptureSession::CaptureWithDialog(int n, const storage::MacroRecord& working,
                                               bool isNew, bool forceProgram) {
  ICaptureHost& host = services_.host;
  if (Busy()) {
    services_.prompts.ShowMessage(kErrorTitle, kInProgressRefusal);
    host.ReleaseSharedFile(false);
    return CaptureStart::Failed;
  }

  const int own = working.HotkeyNumber.Get();
  const std::optional<int> ownStop = IsRealHotkey(own) ? std::optional<int>(own) : std::nullopt;
  CaptureKeysRequest request;
  if (const std::optional<int> stop = CaptureStopCode())
    request.stopText1 = "Press " + std::string(hooklib::HotkeyName(*stop)) + " to end capture";
  if (ownStop)
    request.stopText2 = "Or Press " + std::string(hooklib::HotkeyName(own)) + " to end capture";
  if (!isNew) request.nickname = working.Name.View();
  request.forceProgram = forceProgram;
  request.options = host.CaptureDefaults();

  const std::optional<CaptureKeysResult> result = services_.dialogs.RunCaptureKeys(request);
  if (!result) {
    host.ReleaseSharedFile(false);
    return CaptureStart::Closed;
  }

  options_ = result->options;
  options_.speed = NormalSpeed(options_.speed);
  chosen_ = working;
  chosen_.Name.Assign(result->nickname);
  chosen_.ScopeKind = storage::ScopeGlobal;
  chosen_.ScopeText.Assign("");
  chosen_.TopMostOnly = false;
  programScope_ = forceProgram || result->scope == ScopeChoice::Program;
  if (!CreateCaptureFile(options_)) {
    host.ReleaseSharedFile(false);
    return CaptureStart::Failed;
  }
  macroFile_ = services_.store.FileName();
  if (isNew) {
    chosen_.Enabled = true;
    chosen_.LastModified = services_.clock.Now();
    n = AppendNewMacro(chosen_);
    if (n == 0) {
      file_.Close();
      host.ReleaseSharedFile(false);
      return CaptureStart::Failed;
    }
  }
  way_ = Way::Dialog;
  captureNumber_ = n;
  topProgram_ = host.ProgramInFront();
  finished_ = false;
  captureRunning_ = false;
  if (!SetUpTable(options_, n, ownStop)) {
    Abandon(kTableNotLocked);
    return CaptureStart::Failed;
  }

  host.HideForCapture();
  host.SetRecordingIcon(true);
  iconOn_ = true;
  if (!SetCaptureActive(true)) {
    Abandon(kTableNotLocked);
    return CaptureStart::Failed;
  }
  return CaptureStart::Started;
}

bool CaptureSession::CreateCaptureFile(const CaptureOptions& options) {
  const std::string& path = file_.Path();
  if (!file_.Create()) {
    services_.host.DoAMessage(kErrorTitle,
                              CaptureFileError(path, "created") + std::string(kNotStarted));
    return false;
  }
  if (options.timing && !file_.Append(SpeedTag(options.speed))) {
    services_.host.DoAMessage(kErrorTitle,
                              CaptureFileError(path, "written") + std::string(kNotStarted));
    return false;
  }
  return true;
}

bool CaptureSession::SetUpTable(const CaptureOptions& options, int n,
                                std::optional<int> stopCode2) {
  const CaptureTableSetup setup{options, n, CaptureStopCode(), stopCode2};
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    storage::TableGuard guard(services_.lock);
    if (!guard) continue;
    SetUpCaptureTable(guard.Table(), setup);
    return true;
  }
  return false;
}

bool CaptureSession::SetCaptureActive(bool on) {
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    storage::TableGuard guard(services_.lock);
    if (!guard) continue;
    guard.Table().CaptureActive = on;
    return true;
  }
  return false;
}

std::optional<int> CaptureSession::CaptureStopCode() {
  storage::TableGuard guard(services_.lock);
  if (!guard) return std::nullopt;
  return CaptureSystemHotkey(guard.Table());
}

int CaptureSession::AppendQuickMacro() {
  storage::MacroRecord record =
      storage::NewMacro(kQuickName, storage::ScopeGlobal, "", storage::kActivationTyplet, "");
  record.TypletName.Assign(kQuickTyplet);
  record.TopMostOnly = true;
  // Live only once "Capture Complete" has given it its activation: a capture that fails, or a
  // program that is ended meanwhile, must not leave a Typlet "capture" that plays nothing.
  record.Enabled = false;
  record.LastModified = services_.clock.Now();
  return AppendNewMacro(record);
}

int CaptureSession::AppendNewMacro(const storage::MacroRecord& record) {
  const storage::AppendOutcome added = services_.store.AppendMacro(record);
  // A failed write has been reported, and the storage has lowered the count again.
  if (added.failure == storage::AppendFailure::NotLocked) {
    services_.host.DoAMessage(kErrorTitle, kTableNotLocked);
  } else if (added.failure == storage::AppendFailure::Full) {
    services_.host.DoAMessage(kErrorTitle, kMaximumRefusal);
  }
  return added.n;
}

// ---- Recording ----

void CaptureSession::OnCaptureChar(std::uintptr_t wParam, std::intptr_t lParam) {
  currentMacroNumber_ = static_cast<int>(wParam);
  // After the end, or for another macro than this capture's: not this capture's text.
  if (finished_ || currentMacroNumber_ != captureNumber_) return;
  const char c = static_cast<char>(lParam & 0xFF);
  if (c == '\0') return;
  if (!file_.Append(std::string_view(&c, 1)))
    Abandon(CaptureFileError(file_.Path(), "written") + std::string(kNotStored));
}

void CaptureSession::OnCaptureStop(std::uintptr_t wParam) {
  Complete(static_cast<int>(wParam));
}

void CaptureSession::EndCaptureCommand() {
  int n = captureNumber_;
  {
    storage::TableGuard guard(services_.lock);
    if (guard) n = guard.Table().CaptureMacro.Get();
  }
  // The user asked for the end: a table that no longer names this capture's macro (damaged
  // by a foreign program) must not keep the capture running.
  Complete(n == captureNumber_ ? n : captureNumber_);
}

// ---- Completing ----

void CaptureSession::Complete(int n) {
  // Nothing records, or this report belongs to another capture (a stop still queued from
  // one that has ended): storing it would overwrite a macro with the wrong text.
  if (finished_ || n != captureNumber_) return;
  ICaptureHost& host = services_.host;
  topProgram_ = host.ProgramInFront();
  StopRecording();
  // Until the record is written, hotkeys, Typlets, timed macros and file swaps wait.
  completing_ = true;
  currentMacroNumber_ = n;
  const std::string& path = file_.Path();
  if (!file_.Close()) return Abandon(CaptureFileError(path, "written") + std::string(kNotStored));
  // Macro n of another file is another macro.
  if (!SameMacroFile()) return Abandon(std::string(kFileChangedDuringCapture) + KeptIn(path));

  storage::MacroRecord& record = record_;
  if (!FillRecord(n, record)) return;
  bool accepted = true;
  if (way_ == Way::Quick) {
    accepted = ApplyCapComplete(record);
    record.Enabled = accepted;
    // "Capture Complete" ran a message loop of its own.
    if (!SameMacroFile()) return Abandon(std::string(kFileChangedDuringCapture) + KeptIn(path));
  } else if (programScope_) {
    ApplyProgramScope(record);
  }

  const bool written = services_.store.WriteMacro(n, record);
  if (written) {
    // The text is safe in the record (or in its overflow file); a capture file left behind is
    // emptied by the next capture anyway.
    services_.fileOps.DeleteFile(path);
  } else {
    host.DoAMessage(kErrorTitle, "The macro was not saved." + KeptIn(path) +
                                     (way_ == Way::Quick ? DisposeQuickMacro() : std::string()));
  }
  storage::SetHotKeys(services_.lock);
  host.RestoreMainWindow();
  host.ReleaseSharedFile(written);
  if (written && way_ == Way::Dialog) host.DoAMessage(kCaptureTitle, CompletionMessage(record));
  if (written && !accepted) host.DoAMessage(kCaptureTitle, KeptDeactivated(n));
  Finish(n);
}

bool CaptureSession::FillRecord(int n, storage::MacroRecord& record) {
  const std::string& path = file_.Path();
  storage::MacroRecord read{};
  if (!services_.store.ReadMacro(n, read)) {
    Abandon("Macro " + std::to_string(n) + " could not be read." + KeptIn(path));
    return false;
  }
  if (way_ == Way::Dialog) {
    read.Name = chosen_.Name;
    read.ScopeKind = storage::ScopeGlobal;
    read.ScopeText.Assign("");
    read.TopMostOnly = false;
  }
  read.LastModified = services_.clock.Now();

  const std::optional<std::string> text =
      platform::ReadWholeFile(services_.files, path, storage::kMacroTextMax + 1);
  if (!text) {
    Abandon(CaptureFileError(path, "read") + std::string(kNotStored));
    return false;
  }
  if (text->size() <= storage::kMacroTextMax) {
    read.SetMacroText(*text);
  } else {
    // Never cut: the whole capture moves to a file of its own, which the player reads.
    const std::string& dir = services_.programDir;
    const std::optional<std::string> name = FreeOverflowName(services_.files, dir);
    const std::string target = name ? InProgramDirectory(dir, *name) : "QN*.TXT";
    if (!name || !services_.fileOps.CopyFile(path, target)) {
      Abandon(CaptureFileError(path, "copied to \"" + target + "\"") + std::string(kNotStored));
      return false;
    }
    read.SetMacroText(TFileTag(dir, *name));
  }
  record = read;
  return true;
}

bool CaptureSession::ApplyCapComplete(storage::MacroRecord& record) {
  ICaptureHost& host = services_.host;
  // The dialog runs its own message loop: it gets a copy, so the hook library never waits for
  // the table while the user chooses.
  auto snapshot = std::make_unique<storage::SharedMacroTable>();
  {
    storage::TableGuard guard(services_.lock);
    if (guard) *snapshot = guard.Table();
  }
  CapCompleteRequest request;
  request.table = snapshot.get();
  request.scope = options_.global ? ScopeChoice::Global : ScopeChoice::Program;
  host.ShowForCompletion();
  const std::optional<CapCompleteResult> result = services_.dialogs.RunCapComplete(request);
  host.HideAfterCompletion();
  // Closed without "&Ok": the macro keeps the captured text as the deactivated Typlet "capture"
  // it was created as; nothing recorded is thrown away, and nothing plays it by surprise.
  if (!result) return false;

  record.HotkeyNumber = result->typlet ? storage::kActivationTyplet : result->hotkeyNumber;
  record.TypletName.Assign(result->typlet ? std::string_view(result->typletName)
                                          : std::string_view());
  record.Name.Assign(result->nickname);
  if (result->scope == ScopeChoice::Program) {
    ApplyProgramScope(record);
  } else {
    record.ScopeKind = storage::ScopeGlobal;
    record.ScopeText.Assign("");
  }
  return true;
}

void CaptureSession::ApplyProgramScope(storage::MacroRecord& record) const {
  record.ScopeKind = storage::ScopeProgram;
  record.ScopeText.Assign(topProgram_);  // cut to the record's 30 characters
  record.TopMostOnly = true;
}

// ---- Ending ----

void CaptureSession::StopRecording() {
  if (iconOn_) {
    services_.host.SetRecordingIcon(false);
    iconOn_ = false;
  }
  finished_ = true;
  SetCaptureActive(false);
}

void CaptureSession::Abandon(std::string_view text) {
  StopRecording();
  if (file_.IsOpen()) file_.Close();
  ICaptureHost& host = services_.host;
  const std::string told =
      std::string(text) + (way_ == Way::Quick ? DisposeQuickMacro() : std::string());
  host.RestoreMainWindow();
  host.ReleaseSharedFile(false);
  host.DoAMessage(kErrorTitle, told);
  Finish(captureNumber_);
}

std::string CaptureSession::DisposeQuickMacro() {
  const int n = captureNumber_;
  // It is the file's last macro, appended by this capture; in another file that number is
  // someone else's macro.
  if (SameMacroFile() && services_.store.DeleteMacro(n)) {
    // A removal renumbers the table: it is rebuilt from the file.
    services_.store.ReloadMacroFile();
    return "  The new macro " + std::to_string(n) + " was removed.";
  }
  return "  The new macro " + std::to_string(n) + " stays in \"" + macroFile_ + "\", deactivated.";
}

bool CaptureSession::SameMacroFile() const {
  return services_.store.FileName() == macroFile_;
}

bool CaptureSession::RefuseWhileBusy() {
  if (!Busy()) return false;
  services_.prompts.ShowMessage(kErrorTitle, kBusyRefusal);
  return true;
}

bool CaptureSession::DeferSwap(std::string_view path) {
  if (!Busy()) return false;
  pendingSwap_ = std::string(path);
  return true;
}

void CaptureSession::Finish(int select) {
  captureRunning_ = false;
  completing_ = false;
  services_.host.RefillListAndSelect(select);
  if (pendingSwap_) {
    const std::string path = std::move(*pendingSwap_);
    pendingSwap_.reset();
    services_.host.SwapMacroFile(path);
  }
}

}  // namespace quindle::capture
