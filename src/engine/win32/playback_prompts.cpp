#include "engine/win32/playback_prompts.h"

#include <string>

#include "engine/prompt_models.h"
#include "engine/win32/prompt_dialogs.h"
#include "platform/win32/window_handle.h"

namespace quindle::engine::win32 {
namespace {

// Clears an open-flag however the modal call leaves.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;
  ~FlagScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

PlaybackPrompts::PlaybackPrompts(platform::IWindows& windows, platform::IAppWindow& app)
    : windows_(windows), app_(app) {}

bool PlaybackPrompts::ShowPause(const platform::PauseRequest& request) {
  if (pause_ != nullptr) return false;
  TPauseMacro dialog(windows_, request);
  pause_ = &dialog;
  const bool resume = dialog.Run(platform::win32::ToHwnd(app_.MainWindow()));
  pause_ = nullptr;
  return resume;
}

void PlaybackPrompts::ResumePause() {
  if (pause_ != nullptr && pause_->IsOpen()) pause_->Resume();
}

platform::WindowHandle PlaybackPrompts::StandAlone() {
  const bool tray = app_.UseTray();
  const platform::WindowHandle inFront = tray ? 0 : windows_.Foreground();
  if (tray) {
    app_.ShowApplication();
  } else {
    if (app_.IsApplicationMinimized()) app_.RestoreApplication();
    app_.HideMainWindow();
  }
  return inFront;
}

void PlaybackPrompts::Return(platform::WindowHandle remembered) {
  if (app_.UseTray()) {
    app_.HideApplication();
    return;
  }
  app_.ShowMainWindow();
  if (remembered != 0) windows_.ForceForeground(remembered);
}

std::uint16_t PlaybackPrompts::AskRepeatCount() {
  // A second prompt cannot come from playback (it waits inside the first); should a nested
  // macro ask anyway, it gets the count of a block played once.
  if (promptOpen_) return 0;
  const platform::WindowHandle remembered = StandAlone();
  std::uint16_t count = 0;
  {
    const FlagScope open(promptOpen_);
    TRepeatPrompt dialog(windows_);
    count = dialog.Run(platform::win32::ToHwnd(app_.MainWindow()));
  }
  Return(remembered);
  return count;
}

void PlaybackPrompts::DoAMessage(std::string_view caption, std::string_view text) {
  if (messageOpen_) return;  // not stacked, not queued
  const FlagScope open(messageOpen_);
  const platform::WindowHandle remembered = StandAlone();
  {
    TOnTopMessage dialog(windows_, MessageCaption(caption), std::string(text));
    // A message that cannot be shown is lost like a dropped one; there is nobody to tell.
    dialog.Run(platform::win32::ToHwnd(app_.MainWindow()));
  }
  Return(remembered);
}

}  // namespace quindle::engine::win32
