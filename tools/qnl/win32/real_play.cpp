#include "qnl/real_play.h"

#include <ostream>
#include <string_view>

#include "engine/player.h"
#include "engine/win32/playback_prompts.h"
#include "platform/program.h"
#include "platform/virtual_keys.h"
#include "platform/win32/win32_platform.h"

namespace quindle::tool {
namespace {

// qnl has no window of its own: the pause dialog and the messages stand alone, and there is
// nothing to hide, show or restore around them.
class NoAppWindow final : public platform::IAppWindow {
 public:
  platform::WindowHandle MainWindow() override { return 0; }
  bool UseTray() override { return false; }
  bool IsApplicationMinimized() override { return false; }
  void RestoreApplication() override {}
  void MinimizeApplication() override {}
  void ShowApplication() override {}
  void HideApplication() override {}
  void ShowMainWindow() override {}
  void HideMainWindow() override {}
};

// qnl plays from a file it only reads: there is no current macro file to switch.
class IgnoredFileSwitch final : public platform::IMacroFileSwitch {
 public:
  explicit IgnoredFileSwitch(std::ostream& err) : err_(err) {}
  void SwapMacroFile(std::string_view path) override {
    err_ << "qnl: <SWAP:" << path << "> ignored: qnl has no current macro file\n";
  }

 private:
  std::ostream& err_;
};

}  // namespace

int RunRealPlay(const RealPlayRequest& request, std::ostream& err) {
  platform::win32::Win32Platform system(0);
  NoAppWindow app;
  IgnoredFileSwitch fileSwitch(err);
  engine::win32::PlaybackPrompts prompts(system.windows, app);
  engine::Player player(platform::win32::MakePlayerServices(system, prompts, app, fileSwitch));

  if (request.delaySeconds > 0) player.PauseForNoSpeed(request.delaySeconds);
  if (request.target) {
    // As "<ACTIVATE:" does: the whole title, else a part of one; it becomes the target window.
    if (!player.Actions().ActivateIt(*request.target)) {
      err << "qnl: --target: no window has the title \"" << *request.target
          << "\" or a title containing it\n";
      return 2;
    }
  } else {
    player.State().TargetWindow = system.windows.Foreground();
  }
  // As a hotkey start does: typed letters come out in the case the macro gives them.
  player.State().CapsWasOn = (system.input.GetKeyState(platform::kVkCapital) & 1) != 0;
  player.IntoProgram(request.text, request.nickname, request.hotkeyNumber);
  return 0;
}

}  // namespace quindle::tool
