// The waits of playback. Each keeps the message queue moving on every turn, so timers, repaints
// and an abort request are handled while a macro waits, and sleeps in the pump until the time
// is up rather than spinning, so a long delay does not keep a processor busy.
#pragma once

#include <cstdint>

#include "engine/playback_state.h"
#include "platform/system.h"

namespace quindle::engine {

// Wall-clock time elapsed since construction, read from the time of day with millisecond
// resolution. Each reading adds the step since the previous one, taken modulo a day, so a
// wait carries on across midnight (and across several, as long as it is read at least daily).
class WallClockTimer {
 public:
  explicit WallClockTimer(platform::IClock& clock);
  std::int64_t ElapsedMs();

 private:
  platform::IClock& clock_;
  std::int64_t last_;
  std::int64_t elapsed_ = 0;
};

// Longest single sleep in the pump, so a wall-clock wait reads the time at least twice a day.
inline constexpr std::uint32_t kLongestSleepMs = 12 * 60 * 60 * 1000;

class PlaybackWaits {
 public:
  PlaybackWaits(platform::IClock& clock, platform::IMessagePump& pump, const PlaybackState& state);

  // Scaled by SpeedFactor; nothing at all when the factor is 0 ("<DELAY:").
  void PauseFor(double seconds);
  // Unscaled: the clipboard settle times, the launch settle time, the Typlet erase wait.
  void PauseForNoSpeed(double seconds);
  // Scaled millisecond wait ("<MSD:", KeystrokeDelay, MouseDelay): the product is cut toward
  // zero and measured on the tick count.
  void PauseForMilliseconds(std::int32_t milliseconds);

 private:
  void WaitWallClock(double seconds);
  void WaitTicks(std::uint32_t milliseconds);

  platform::IClock& clock_;
  platform::IMessagePump& pump_;
  const PlaybackState& state_;
};

}  // namespace quindle::engine
