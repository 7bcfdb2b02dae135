#include "engine/win32/prompt_dialogs.h"

#include <utility>

#include "engine/win32/playback_dialogs_res.h"
#include "platform/win32/prompts.h"
#include "platform/win32/resource_ranges.h"
#include "platform/win32/window_handle.h"

namespace quindle::engine::win32 {
namespace {

constexpr COLORREF kMacroTitleColour = RGB(255, 0, 0);

using platform::win32::InRange;
using platform::win32::kPlaybackPromptIds;
static_assert(InRange(kPlaybackPromptIds, IDD_PAUSE_MACRO) &&
              InRange(kPlaybackPromptIds, IDD_REPEAT_PROMPT) &&
              InRange(kPlaybackPromptIds, IDD_ON_TOP_MESSAGE));
static_assert(InRange(kPlaybackPromptIds, IDC_PAUSE_LABEL1) &&
              InRange(kPlaybackPromptIds, IDC_MACRO_TITLE_LABEL) &&
              InRange(kPlaybackPromptIds, IDC_MESSAGE_LABEL) &&
              InRange(kPlaybackPromptIds, IDC_RESUME_BUTTON) &&
              InRange(kPlaybackPromptIds, IDC_ABORT_BUTTON));
static_assert(InRange(kPlaybackPromptIds, IDC_REPEAT_LABEL) &&
              InRange(kPlaybackPromptIds, IDC_NUM_REPS) &&
              InRange(kPlaybackPromptIds, IDC_THE_MESSAGE));

}  // namespace

// --- TPauseMacro ----------------------------------------------------------------------------

TPauseMacro::TPauseMacro(platform::IWindows& windows, const platform::PauseRequest& request)
    : windows_(windows),
      view_(MakePauseView(request.message, request.macroName, request.hotkeyNumber)),
      left_(request.left),
      top_(request.top),
      target_(request.targetWindow) {}

bool TPauseMacro::Run(HWND owner) {
  resume_ = false;
  broughtToFront_ = false;
  focusGivenBack_ = false;
  const std::optional<INT_PTR> result = RunModal(owner, IDD_PAUSE_MACRO);
  if (!result) return false;
  return resume_;
}

void TPauseMacro::Resume() {
  resume_ = true;
  End(IDOK);
}

bool TPauseMacro::OnInit() {
  // Without its buttons the user could not answer the pause; treat it as not shown.
  if (Item(IDC_RESUME_BUTTON) == nullptr || Item(IDC_ABORT_BUTTON) == nullptr) {
    End(IDCANCEL);
    return true;
  }
  // A failed text or move leaves a working dialog in the template's own layout.
  bool cosmetic = SetCaption(view_.caption);
  cosmetic = SetItemText(IDC_PAUSE_LABEL1, view_.labelText) && cosmetic;
  cosmetic = SetItemText(IDC_MACRO_TITLE_LABEL, view_.macroTitleText) && cosmetic;
  cosmetic = SetItemText(IDC_MESSAGE_LABEL, view_.messageText) && cosmetic;
  cosmetic = ShowItem(IDC_MESSAGE_LABEL, view_.messageVisible) && cosmetic;
  const auto move = [this](int id, const ControlRect& r) {
    return MoveItem(id, r.left, r.top, r.width, r.height);
  };
  cosmetic = move(IDC_PAUSE_LABEL1, view_.label) && cosmetic;
  cosmetic = move(IDC_MACRO_TITLE_LABEL, view_.macroTitle) && cosmetic;
  cosmetic = move(IDC_MESSAGE_LABEL, view_.message) && cosmetic;
  cosmetic = move(IDC_RESUME_BUTTON, view_.resumeButton) && cosmetic;
  cosmetic = move(IDC_ABORT_BUTTON, view_.abortButton) && cosmetic;
  cosmetic = PlaceWindow(left_, top_, view_.formWidth, view_.formHeight) && cosmetic;
  // The template already asks for the topmost band; this keeps it if the template did not.
  cosmetic = MakeTopmost() && cosmetic;
  laidOut_ = cosmetic;
  return true;
}

void TPauseMacro::OnCommand(int id, int notifyCode) {
  if (id == IDC_RESUME_BUTTON && notifyCode == BN_CLICKED) {
    Resume();
  } else if (id == IDC_ABORT_BUTTON && notifyCode == BN_CLICKED) {
    resume_ = false;
    End(IDCANCEL);
  } else {
    DialogBase::OnCommand(id, notifyCode);
  }
}

void TPauseMacro::OnCancel() {
  resume_ = false;
  End(IDCANCEL);
}

void TPauseMacro::OnShow(bool visible) {
  if (!visible || broughtToFront_) return;
  broughtToFront_ = true;
  if (!Post(kMsgBringToFront)) windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
}

void TPauseMacro::OnActivate(bool active, bool /*minimized*/) {
  // Only the first activation hands the focus back: a user who later clicks the dialog wants
  // to use its buttons, not to be thrown back into the target window.
  // Activations before the dialog is on the screen and in front do not count.
  if (!active || focusGivenBack_ || !broughtToFront_ || !IsWindowVisible(Handle())) return;
  if (!Post(kMsgFocusTarget)) GiveFocusBack();
}

void TPauseMacro::GiveFocusBack() {
  if (focusGivenBack_) return;
  focusGivenBack_ = true;
  // Float above the target at the same place, then let the user type on in the target. Should
  // the band not change, the template's topmost style still holds.
  static_cast<void>(MakeTopmost());
  if (target_ != 0) windows_.ForceForeground(target_);
}

HBRUSH TPauseMacro::OnCtlColorStatic(HDC dc, HWND control) {
  if (control == nullptr || control != Item(IDC_MACRO_TITLE_LABEL)) return nullptr;
  if (SetTextColor(dc, kMacroTitleColour) == CLR_INVALID) return nullptr;
  if (SetBkMode(dc, TRANSPARENT) == 0) return nullptr;
  // A system brush: owned by the system, never freed.
  return GetSysColorBrush(COLOR_BTNFACE);
}

bool TPauseMacro::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  if (message == kMsgBringToFront) {
    windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
    // Bringing our own window forward activates it at once, or not at all (then no activation
    // follows): either way the target gets the focus back now.
    if (!Post(kMsgFocusTarget)) GiveFocusBack();
  } else if (message == kMsgFocusTarget) {
    GiveFocusBack();
  } else {
    return false;
  }
  result = TRUE;
  return true;
}

// --- TRepeatPrompt --------------------------------------------------------------------------

TRepeatPrompt::TRepeatPrompt(platform::IWindows& windows) : windows_(windows) {}

std::uint16_t TRepeatPrompt::Run(HWND owner) {
  count_ = 0;
  broughtToFront_ = false;
  const std::optional<INT_PTR> result = RunModal(owner, IDD_REPEAT_PROMPT);
  if (!result) return 0;
  return count_;
}

bool TRepeatPrompt::OnInit() {
  const RepeatLayout layout = MakeRepeatLayout();
  const auto move = [this](int id, const ControlRect& r) {
    return MoveItem(id, r.left, r.top, r.width, r.height);
  };
  // A failed text or move leaves a working dialog in the template's own layout.
  bool cosmetic = SetCaption(kRepeatCaption);
  cosmetic = SetItemText(IDC_REPEAT_LABEL, kRepeatLabelText) && cosmetic;
  cosmetic = move(IDC_REPEAT_LABEL, layout.label) && cosmetic;
  cosmetic = move(IDC_NUM_REPS, layout.numReps) && cosmetic;
  cosmetic = move(IDOK, layout.okButton) && cosmetic;
  cosmetic = CentreWithClientSize(kRepeatClientWidth, kRepeatClientHeight) && cosmetic;
  cosmetic = MakeTopmost() && cosmetic;
  laidOut_ = cosmetic;
  // EM_LIMITTEXT has no result; the limit is what keeps the count within four digits.
  SendItem(IDC_NUM_REPS, EM_LIMITTEXT, kRepeatMaxChars, 0);
  HWND edit = Item(IDC_NUM_REPS);
  if (edit == nullptr) return true;  // the system focuses the first control instead
  SetFocus(edit);                    // returns the previous focus, which may well be none
  return false;
}

void TRepeatPrompt::OnShow(bool visible) {
  if (!visible || broughtToFront_) return;
  broughtToFront_ = true;
  if (!Post(kMsgBringToFront)) windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
}

bool TRepeatPrompt::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  if (message != kMsgBringToFront) return false;
  windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
  result = TRUE;
  return true;
}

void TRepeatPrompt::TryClose() {
  const RepeatCheck check = CheckRepeatCount(ItemText(IDC_NUM_REPS));
  if (check.count) {
    count_ = *check.count;
    End(IDOK);
    return;
  }
  // If even the message box fails, the prompt still stays open with the field focused.
  platform::win32::Win32Prompts(platform::win32::FromHwnd(Handle()))
      .ShowMessage(check.title, check.message);
  switch (check.focus) {
    case RepeatField::NumReps:
      FocusItem(IDC_NUM_REPS);
      break;
  }
}

// --- TOnTopMessage --------------------------------------------------------------------------

TOnTopMessage::TOnTopMessage(platform::IWindows& windows, std::string caption, std::string text)
    : windows_(windows), caption_(std::move(caption)), text_(std::move(text)) {}

bool TOnTopMessage::Run(HWND owner) {
  return RunModal(owner, IDD_ON_TOP_MESSAGE).has_value();
}

bool TOnTopMessage::OnInit() {
  const MessageLayout layout = MakeMessageLayout();
  const auto move = [this](int id, const ControlRect& r) {
    return MoveItem(id, r.left, r.top, r.width, r.height);
  };
  // A failed text or move leaves a working dialog in the template's own layout.
  bool cosmetic = SetCaption(caption_);
  cosmetic = SetItemText(IDC_THE_MESSAGE, text_) && cosmetic;
  cosmetic = move(IDC_THE_MESSAGE, layout.theMessage) && cosmetic;
  cosmetic = move(IDOK, layout.okButton) && cosmetic;
  cosmetic = CentreWithClientSize(kMessageClientWidth, kMessageClientHeight) && cosmetic;
  cosmetic = MakeTopmost() && cosmetic;
  laidOut_ = cosmetic;
  return true;
}

void TOnTopMessage::OnShow(bool visible) {
  if (!visible || broughtToFront_) return;
  broughtToFront_ = true;
  if (!Post(kMsgBringToFront)) windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
}

bool TOnTopMessage::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& result) {
  if (message != kMsgBringToFront) return false;
  windows_.ForceForeground(platform::win32::FromHwnd(Handle()));
  result = TRUE;
  return true;
}

}  // namespace quindle::engine::win32
