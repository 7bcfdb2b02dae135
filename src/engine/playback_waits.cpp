#include "engine/playback_waits.h"

#include <algorithm>
#include <cmath>

#include "platform/date_time.h"

namespace quindle::engine {
namespace {

// Longest scaled millisecond wait; keeps the conversion from a double defined.
constexpr double kLongestTickWait = 2'000'000'000.0;

}  // namespace

WallClockTimer::WallClockTimer(platform::IClock& clock)
    : clock_(clock), last_(platform::MillisecondsOfDay(clock.Now())) {}

std::int64_t WallClockTimer::ElapsedMs() {
  const std::int64_t now = platform::MillisecondsOfDay(clock_.Now());
  std::int64_t step = now - last_;
  if (step < 0) step += platform::kMsPerDay;
  last_ = now;
  elapsed_ += step;
  return elapsed_;
}

PlaybackWaits::PlaybackWaits(platform::IClock& clock, platform::IMessagePump& pump,
                             const PlaybackState& state)
    : clock_(clock), pump_(pump), state_(state) {}

void PlaybackWaits::PauseFor(double seconds) {
  if (state_.SpeedFactor == 0) return;
  WaitWallClock(state_.SpeedFactor * seconds);
}

void PlaybackWaits::PauseForNoSpeed(double seconds) {
  WaitWallClock(seconds);
}

void PlaybackWaits::PauseForMilliseconds(std::int32_t milliseconds) {
  if (state_.SpeedFactor == 0) return;
  const double scaled = std::trunc(state_.SpeedFactor * milliseconds);
  if (!(scaled > 0)) return;
  WaitTicks(static_cast<std::uint32_t>(std::min(scaled, kLongestTickWait)));
}

void PlaybackWaits::WaitWallClock(double seconds) {
  // Whole milliseconds, as the time of day is read; the tolerance keeps 0.05 s at 50 ms.
  const double wanted = std::ceil(seconds * 1000.0 - 1e-6);
  if (!(wanted > 0)) {
    pump_.ProcessMessages();
    return;
  }
  const auto target = static_cast<std::int64_t>(std::min(wanted, 1e15));
  WallClockTimer timer(clock_);
  for (;;) {
    pump_.ProcessMessages();
    const std::int64_t elapsed = timer.ElapsedMs();
    if (elapsed >= target) return;
    pump_.WaitForMessage(
        static_cast<std::uint32_t>(std::min<std::int64_t>(target - elapsed, kLongestSleepMs)));
  }
}

void PlaybackWaits::WaitTicks(std::uint32_t milliseconds) {
  const std::uint32_t start = clock_.TickCount();
  for (;;) {
    pump_.ProcessMessages();
    // Unsigned difference: right across the tick count's wrap at 2^32.
    const std::uint32_t elapsed = clock_.TickCount() - start;
    if (elapsed >= milliseconds) return;
    pump_.WaitForMessage(milliseconds - elapsed);
  }
}

}  // namespace quindle::engine
