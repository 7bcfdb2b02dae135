// The three playback prompt windows: the pause dialog, the repeat prompt and the on-top message.
// Each is a modal dialog that stays on top and pulls itself to the front with ForceForeground
// once it is visible, because the program is usually not the active application when a macro
// plays. PlaybackPrompts opens them; nothing else should.
#pragma once

#include "platform/win32/win32_api.h"

#include <cstdint>
#include <string>

#include "engine/prompt_models.h"
#include "platform/desktop.h"
#include "platform/program.h"
#include "platform/win32/dialog_base.h"

namespace quindle::engine::win32 {

// Private messages of the prompts; posted so they run once the window is shown and its
// activation has settled.
inline constexpr UINT kMsgBringToFront = WM_APP + 0x2600;
inline constexpr UINT kMsgFocusTarget = WM_APP + 0x2601;

// Every prompt reports through LaidOut() whether its texts, sizes and places were all applied
// when it opened; when not, it still works in its template's layout.
class TPauseMacro final : public platform::win32::DialogBase {
 public:
  TPauseMacro(platform::IWindows& windows, const platform::PauseRequest& request);

  // Runs the dialog; true when the user resumed, false after Abort, the close button, or when
  // the dialog could not be shown at all (playing on without the user's consent would be worse
  // than stopping).
  bool Run(HWND owner);
  // Resume from outside (the paused macro's hotkey): sets the resume flag and closes.
  void Resume();

  bool LaidOut() const { return laidOut_; }

 protected:
  bool OnInit() override;
  void OnCommand(int id, int notifyCode) override;
  void OnOK() override {}  // no default button: Enter must not end the pause
  void OnCancel() override;
  void OnShow(bool visible) override;
  void OnActivate(bool active, bool minimized) override;
  HBRUSH OnCtlColorStatic(HDC dc, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void GiveFocusBack();

  platform::IWindows& windows_;
  bool laidOut_ = false;
  PauseView view_;
  int left_;
  int top_;
  platform::WindowHandle target_;
  bool resume_ = false;
  bool broughtToFront_ = false;
  bool focusGivenBack_ = false;
};

class TRepeatPrompt final : public platform::win32::DialogBase {
 public:
  explicit TRepeatPrompt(platform::IWindows& windows);

  // Runs the prompt; the count entered, 0 when the prompt could not be shown.
  std::uint16_t Run(HWND owner);

  bool LaidOut() const { return laidOut_; }

 protected:
  bool OnInit() override;
  void OnOK() override { TryClose(); }
  void OnCancel() override { TryClose(); }  // the close button and Esc need a number too
  void OnShow(bool visible) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void TryClose();

  platform::IWindows& windows_;
  bool laidOut_ = false;
  std::uint16_t count_ = 0;
  bool broughtToFront_ = false;
};

class TOnTopMessage final : public platform::win32::DialogBase {
 public:
  TOnTopMessage(platform::IWindows& windows, std::string caption, std::string text);

  // Runs the message; false when it could not be shown.
  bool Run(HWND owner);

  bool LaidOut() const { return laidOut_; }

 protected:
  bool OnInit() override;
  void OnShow(bool visible) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  platform::IWindows& windows_;
  bool laidOut_ = false;
  std::string caption_;
  std::string text_;
  bool broughtToFront_ = false;
};

}  // namespace quindle::engine::win32
