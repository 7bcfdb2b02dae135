// The main window's side of a capture: it gives the capture session (capture/capture_session.h)
// what it asks of the program's window, and routes the hook library's capture messages, the
// quick-capture hotkey and the two capture menu entries to it.
#include "app/capture_settings.h"
#include "app/win32/main_window.h"
#include "app/win32/main_window_res.h"
#include "capture/capture_session.h"
#include "capture/win32/capture_dialogs.h"
#include "hooklib/hook_messages.h"
#include "platform/win32/menu.h"

namespace quindle::app::win32 {

class TMainWin::CaptureHost final : public capture::ICaptureHost {
 public:
  explicit CaptureHost(TMainWin& window) : window_(window) {}

  bool BrowseMode() override { return window_.options_.browse || window_.options_.browseAll; }
  bool SharedFileInUse() override { return window_.SharedFileBusy(); }
  void ReleaseSharedFile(bool changed) override { window_.ReleaseSharedFile(changed); }
  void DoAMessage(std::string_view title, std::string_view text) override {
    window_.DoAMessage(title, text);
  }
  std::string ProgramInFront() override {
    platform::win32::Win32Platform& p = *window_.platform_;
    const platform::WindowHandle front = p.windows.Foreground();
    return front == 0 ? std::string() : p.processes.ExeName(p.windows.ProcessOf(front));
  }
  capture::CaptureOptions CaptureDefaults() override {
    return CaptureOptionsOf(window_.context_.settings);
  }
  // The user goes on in the window they worked in before. It is brought up first, while the
  // program still is in front and may hand the front on: a minimised window can stay the
  // active one (Wine keeps it so), and the first click of the capture would then be recorded
  // relative to the program's own minimised window.
  void HideForCapture() override {
    const platform::WindowHandle last = window_.activation_->LastForeignWindow();
    if (last != 0) window_.platform_->windows.ForceForeground(last);
    if (window_.UseTray()) {
      window_.HideApplication();
    } else {
      window_.MinimizeApplication();
    }
  }
  void ShowForCompletion() override {
    if (window_.UseTray()) window_.ShowApplication();
    if (window_.IsApplicationMinimized()) window_.RestoreApplication();
    window_.ShowMainWindow();
  }
  void HideAfterCompletion() override {
    if (window_.UseTray()) window_.HideApplication();
  }
  void SetRecordingIcon(bool on) override {
    window_.SetRecordingIcon(on);
    platform::win32::EnableMenuCommand(GetMenu(window_.Handle()), IDM_MACROS_END_CAPTURE, on);
  }
  void RestoreMainWindow() override {
    window_.SuppressNextFocusLoss();
    if (window_.UseTray()) window_.ShowApplication();
    if (window_.IsApplicationMinimized()) window_.RestoreApplication();
    window_.ShowMainWindow();
    window_.platform_->windows.ForceForeground(window_.MainWindow());
  }
  void RefillListAndSelect(int n) override {
    window_.FillList();
    if (n > 0) window_.SelectMacro(n);
  }
  void SwapMacroFile(std::string_view path) override { window_.SwapMacroFile(path); }
  int SelectedMacro() override { return window_.SelectedMacro(); }
  int ListRowCount() override { return window_.macroList_.Count(); }

 private:
  TMainWin& window_;
};

void TMainWin::StartCapture() {
  captureHost_ = std::make_unique<CaptureHost>(*this);
  captureDialogs_ =
      std::make_unique<capture::win32::CaptureDialogs>(Handle(), context_.lock, platform_->windows);
  capture_ = std::make_unique<capture::CaptureSession>(capture::CaptureServices{
      context_.store, context_.lock, captureFiles_, platform_->files, platform_->clock,
      platform_->prompts, *captureDialogs_, *captureHost_, context_.programDir});
}

bool TMainWin::OnCaptureMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!capture_) return false;
  if (message == hooklib::WM_CAPTURE_CHAR) {
    capture_->OnCaptureChar(static_cast<std::uintptr_t>(wParam),
                            static_cast<std::intptr_t>(lParam));
    return true;
  }
  if (message == hooklib::WM_CAPTURE_STOP) {
    capture_->OnCaptureStop(static_cast<std::uintptr_t>(wParam));
    return true;
  }
  return false;
}

void TMainWin::StartACapture() {
  if (capture_) capture_->StartACapture();
}

bool TMainWin::CaptureRunning() {
  return capture_ && capture_->CaptureRunning();
}

bool TMainWin::CaptureCompleting() {
  return capture_ && capture_->Completing();
}

void TMainWin::DoCapture() {
  if (capture_) capture_->DoCapture();
}

void TMainWin::EndCapture() {
  if (capture_) capture_->EndCaptureCommand();
}

}  // namespace quindle::app::win32
