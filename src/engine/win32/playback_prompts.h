// The playback prompts as real windows: the pause dialog, the repeat prompt and the on-top
// message, with the hiding and showing of the program's own windows around them and the
// focus going back to where the user was working. Everything runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/desktop.h"
#include "platform/program.h"

namespace quindle::engine::win32 {

class TPauseMacro;

class PlaybackPrompts final : public platform::IPlaybackPrompts {
 public:
  PlaybackPrompts(platform::IWindows& windows, platform::IAppWindow& app);
  PlaybackPrompts(const PlaybackPrompts&) = delete;
  PlaybackPrompts& operator=(const PlaybackPrompts&) = delete;

  // The player hides the main window around it and brings the target back afterwards. A pause
  // asked for while one is open (which the hotkey handler prevents) is answered with Abort.
  bool ShowPause(const platform::PauseRequest& request) override;
  std::uint16_t AskRepeatCount() override;
  // The caption is "Message" when empty. Returns at once while another message is open.
  void DoAMessage(std::string_view caption, std::string_view text) override;

  // The paused macro's hotkey (or the resume system hotkey) was pressed: resume and close the
  // open pause dialog. Does nothing when no pause is open.
  void ResumePause();

  bool PauseOpen() const { return pause_ != nullptr; }
  bool PromptOpen() const { return promptOpen_; }
  bool MessageOpen() const { return messageOpen_; }

 private:
  // Before the repeat prompt and the message: let the prompt stand alone and return the window
  // that was in front (0 in tray mode, where nothing is brought back afterwards).
  platform::WindowHandle StandAlone();
  void Return(platform::WindowHandle remembered);

  platform::IWindows& windows_;
  platform::IAppWindow& app_;
  TPauseMacro* pause_ = nullptr;
  bool promptOpen_ = false;
  bool messageOpen_ = false;
};

}  // namespace quindle::engine::win32
