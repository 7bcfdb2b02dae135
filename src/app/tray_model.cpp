#include "app/tray_model.h"

namespace quindle::app {

bool HidesOnFocusLoss(const FocusLossFacts& facts) {
  return facts.useTray && !facts.terminating && !facts.macroPlaying && !facts.macroStarting &&
         !facts.popupMenuShown && !facts.dialogOpen && !facts.suppressed;
}

TrayOpening OpeningFromTray(bool useTray) {
  return useTray ? TrayOpening::CloseDialogsAndShow : TrayOpening::BringToFront;
}

TrayPresence PresenceFor(bool useTray, bool trayCapable) {
  TrayPresence presence;
  presence.useTray = useTray && trayCapable;
  presence.mainIconShown = presence.useTray;
  presence.trayEntryChecked = presence.useTray;
  presence.trayEntryEnabled = trayCapable;
  presence.hideEnabled = presence.useTray;
  return presence;
}

TrayPresence ToggledPresence(bool useTray, bool trayCapable) {
  return PresenceFor(!useTray, trayCapable);
}

TrayClickAction ActionOfClick(TrayIconKind icon, TrayMouse mouse) {
  if (icon == TrayIconKind::Main) {
    if (mouse == TrayMouse::LeftUp) return TrayClickAction::Open;
    if (mouse == TrayMouse::RightUp) return TrayClickAction::ShowMenu;
    return TrayClickAction::None;
  }
  // The recording icon has no menu: its right button is the quickest way to stop recording,
  // and its left button does nothing, so a stray click does not end a capture.
  return mouse == TrayMouse::RightUp ? TrayClickAction::EndCapture : TrayClickAction::None;
}

TrayIconKeeper::Step TrayIconKeeper::Want(bool shown) noexcept {
  wanted_ = shown;
  if (shown) return shown_ ? Step::None : Step::Add;
  if (!shown_) return Step::None;
  shown_ = false;
  return Step::Delete;
}

bool TrayIconKeeper::Added(bool ok) noexcept {
  shown_ = ok;
  return wanted_ && !ok;
}

TrayIconKeeper::Step TrayIconKeeper::OnTaskbarCreated() noexcept {
  shown_ = false;
  return wanted_ ? Step::Add : Step::None;
}

TrayIconKeeper::Step TrayIconKeeper::OnRetry() noexcept {
  return wanted_ && !shown_ ? Step::Add : Step::None;
}

}  // namespace quindle::app
