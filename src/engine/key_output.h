// Keystrokes and mouse events of playback: how a character becomes a virtual key with its
// modifiers, Alt codes, key tags, one-shot modifiers, mouse tags with the screen scaling, and the
// date and time text of the date and time tags.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/playback_state.h"
#include "engine/playback_waits.h"
#include "engine/player_services.h"
#include "engine/tag.h"
#include "platform/virtual_keys.h"

namespace quindle::engine {

// One-shot modifiers held down now and released after the next key. Each DoMacro call has its
// own.
struct PendingModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class KeyOutput {
 public:
  // The screen scale is taken from the screen's size once, here.
  KeyOutput(const PlayerServices& services, const PlaybackState& state, PlaybackWaits& waits);

  // One key event; the scan code comes from the layout, no extended-key flag for any key.
  void PostVKey(std::uint8_t vk, bool up);
  // The same event, for Alt and the keypad digits of an Alt code.
  void PostAltVKey(std::uint8_t vk, bool up);

  // Literal text, date and time text: KeystrokeDelay, the key with the modifiers its shift state
  // needs, then the pending modifiers are released. Codes of 128 and above go as an Alt code.
  void TypeChar(char c, PendingModifiers& pending);
  // Alt held while the digits go on the numeric keypad. Characters other than digits in the
  // text are not sent.
  void TypeAltCode(std::string_view digits);
  // "<ALT:" / "<ALT4:": KeystrokeDelay, then the Alt code; pending modifiers stay.
  void AltCodeTag(std::string_view digits);
  // Key tags: KeystrokeDelay (unless `noDelay`), down, up, pending modifiers released.
  void PressKeyTag(std::uint8_t vk, PendingModifiers& pending, bool noDelay = false);
  void ReleasePending(PendingModifiers& pending);
  void OneShotShift(PendingModifiers& pending);
  void OneShotCtrl(PendingModifiers& pending);
  void OneShotAlt(PendingModifiers& pending);
  // "<CLIPC>" and "<CLIPP>"'s keystrokes (the paste's settle wait is the caller's).
  void CtrlChord(std::uint8_t vk);
  void ToggleCapsLock();

  // Mouse tags: MouseDelay first, then the events.
  void MouseButtons(MouseAction action);
  void Wheel(std::int32_t notches);
  void MoveToScreen(double x, double y);
  void MoveInForegroundWindow(double x, double y);

  // The date with `offsetDays` added (negative: past), in DateFormatTable entry `formatIndex`.
  std::string DateText(int formatIndex, bool zeros, std::int32_t offsetDays);
  std::string TimeText(int formatIndex, bool zeros);

  double ScaleX() const { return scaleX_; }
  double ScaleY() const { return scaleY_; }

 private:
  void KeystrokeWait();
  void MouseWait();
  void MoveAbsolute(double x, double y);

  const PlayerServices& services_;
  const PlaybackState& state_;
  PlaybackWaits& waits_;
  double scaleX_ = 0;
  double scaleY_ = 0;
};

}  // namespace quindle::engine
