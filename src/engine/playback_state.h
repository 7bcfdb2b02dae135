// The playback state shared by every nested DoMacro call of one playback. A nested start of
// another macro (a hotkey handled during playback) works on the same state and leaves it as it
// ends, which the running macro then continues with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace quindle::engine {

inline constexpr std::size_t kRepeatBodyMax = 5000;
inline constexpr std::size_t kLaunchTitleMax = 30;

struct DelaySetting {
  bool on = false;
  std::int32_t milliseconds = 0;
};

struct PlaybackState {
  double SpeedFactor = 1.0;
  DelaySetting KeystrokeDelay;
  DelaySetting MouseDelay;
  bool InRepeat = false;
  bool RepeatTail = false;
  std::int32_t RepeatPass = 0;
  // The repeat block being replayed: its count and text (5000 characters and a zero byte).
  std::uint16_t RepeatCount = 0;
  std::uint16_t RepeatBodyLength = 0;
  std::array<char, kRepeatBodyMax + 1> RepeatBody{};
  bool AbortRequested = false;
  bool CapsWasOn = false;
  bool PauseShown = false;
  bool AppWasMinimized = false;
  platform::WindowHandle TargetWindow = 0;
  std::string LaunchTitle;  // at most kLaunchTitleMax characters
  bool PauseActive = false;
  bool PopupShowing = false;

  std::string_view RepeatBodyText() const { return {RepeatBody.data(), RepeatBodyLength}; }
  // Stores a block, cut to the buffer's 5000 characters; false when it had to be cut.
  bool SetRepeatBody(std::string_view body) {
    const std::size_t length = body.size() < kRepeatBodyMax ? body.size() : kRepeatBodyMax;
    body.copy(RepeatBody.data(), length);
    RepeatBody[length] = '\0';
    RepeatBodyLength = static_cast<std::uint16_t>(length);
    return length == body.size();
  }
};

}  // namespace quindle::engine
