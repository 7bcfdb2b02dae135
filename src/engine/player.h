// The playback interpreter: scans a MacroText from left to right and carries out each literal
// character and tag at once, in the user-interface thread, pumping the message queue on every
// step and in every wait so that an abort request, timers and a nested macro start are handled
// while a macro plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/key_output.h"
#include "engine/playback_state.h"
#include "engine/playback_waits.h"
#include "engine/player_services.h"
#include "engine/tag.h"
#include "engine/window_actions.h"

namespace quindle::engine {

// How deep "<TFILE:" texts may nest; a text file that plays itself stops here instead of
// recursing until the stack runs out. The tag that would go deeper is skipped.
inline constexpr int kMaxTextFileDepth = 16;
// How often the player handles window messages between the characters of a text, at most.
inline constexpr std::uint32_t kPumpEveryMs = 10;

inline constexpr std::string_view kAbortCaption = "Macro Abort";
inline constexpr std::string_view kAbortMessage = "Quindle 98 macro has been aborted.";

class Player {
 public:
  // `services` is copied (it only holds references). The screen scale for mouse moves is taken
  // from the screen's size here, once.
  explicit Player(const PlayerServices& services);
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  PlaybackState& State() { return state_; }
  const PlaybackState& State() const { return state_; }

  // The start sequence for a macro: clears AbortRequested, plays its own copy of the text (cut
  // to 5000 characters), switches Caps Lock off around it when CapsWasOn, and resets the speed,
  // the delays and the repeat and pause flags first. The nickname and hotkey are shown by the
  // pause dialog. The starter sets CapsWasOn and TargetWindow before calling.
  void IntoProgram(std::string_view text, std::string_view nickname, std::uint16_t hotkeyNumber);
  // Plays a text as the outermost call of a playback: the end-of-macro restoration runs when it
  // ends (also after a failed "<ACTIVATE:" or launch), but not after an abort.
  void DoMacro(std::string_view text);

  // The WM_ABORT_KEYS handler's part: the scan loop notices it before its next step.
  void RequestAbort() { state_.AbortRequested = true; }

  void PauseFor(double seconds) { waits_.PauseFor(seconds); }
  void PauseForNoSpeed(double seconds) { waits_.PauseForNoSpeed(seconds); }
  void PauseForMilliseconds(std::int32_t milliseconds) {
    waits_.PauseForMilliseconds(milliseconds);
  }

  platform::WindowHandle MakeSureItsAParent(platform::WindowHandle window) {
    return actions_.MakeSureItsAParent(window);
  }
  WindowActions& Actions() { return actions_; }
  KeyOutput& Keys() { return keys_; }

 private:
  // How a text (or a part of the macro) ended.
  enum class Outcome {
    Finished,  // went through to its end: the enclosing text goes on
    Skipped,   // a window was not found: the rest of the macro is skipped, restoration runs
    Aborted,   // abort keys or the pause's Abort: everything ends, no restoration
  };

  // One DoMacro call: a repeat pass, a pass number and a text file each play through here.
  Outcome Play(std::string_view text);
  // The window messages after one step of the text: always after a tag, after a typed character
  // once kPumpEveryMs have passed since the last time (and after the macro's first character).
  void PumpAfterKey(bool typedCharacter);
  // Carries out a recognised tag at `pos` and moves `pos` past what it consumed.
  Outcome CarryOut(const Tag& tag, std::string_view text, std::size_t& pos,
                   PendingModifiers& pending);
  Outcome Repeat(const Tag& tag, std::string_view text, std::size_t& pos);
  Outcome PassNumber(int width);
  Outcome Pause(const Tag& tag);
  Outcome TextFile(std::string_view path);
  void ClipboardBlock(std::size_t tagLength, std::string_view text, std::size_t& pos);
  void TypeText(std::string_view text, PendingModifiers& pending);
  // Shows the abort message once per abort, however many nested calls notice it.
  Outcome ReportAbort();
  void BringBackTarget();
  void EndOfMacro();

  PlayerServices services_;
  PlaybackState state_;
  PlaybackWaits waits_;
  KeyOutput keys_;
  WindowActions actions_;
  std::string macroName_;
  std::uint16_t hotkeyNumber_ = 0;
  int textFileDepth_ = 0;
  bool abortReported_ = false;
  // When the window messages were last handled during the macro's text, for PumpAfterKey.
  std::uint32_t pumpedAt_ = 0;
  bool pumped_ = false;
};

}  // namespace quindle::engine
