// What "Capture Defaults" (TCaptureDefaults) and "Capture Macro" (TCaptureKeys) show and accept,
// apart from any window system: which option controls can be used for the ticks the user set,
// and the choices each dialog hands back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "capture/capture_types.h"

namespace quindle::capture {

inline constexpr std::string_view kCaptureDefaultsCaption = "Capture Defaults";
inline constexpr std::string_view kCaptureMacroCaption = "Capture Macro";

inline constexpr std::size_t kCaptureNicknameMax = 50;

inline constexpr int kSpeedActual = 1;
inline constexpr int kSpeedHalf = 2;
inline constexpr int kSpeedDouble = 3;
inline constexpr int kSpeedQuadruple = 4;

// `speed` when it is one of the four speeds, else the actual speed (a settings file edited by
// hand may hold anything).
int KnownSpeed(int speed) noexcept;

// The option controls that depend on others. The dependent control keeps its tick while it is
// disabled, so ticking its master again brings the user's choice back.
struct CaptureEnablement {
  bool doubleAlt = true;  // "Capture &Double <ALT> for Menus": only while keystrokes are captured
  bool screenOrWindow = true;  // "&Screen" / "&Window": only while the mouse is captured
  bool windowSize = true;      // "Capture Window Si&ze": only with the mouse relative to the window
  bool speeds = true;          // the four speeds: only while "Captur&e At" is ticked
};

CaptureEnablement EnablementOf(const CaptureOptions& options) noexcept;

// "&Ok" of "Capture Defaults": the options to store, with an unknown speed read as the actual
// one.
CaptureOptions AcceptCaptureDefaults(const CaptureOptions& form) noexcept;

// "Capture Macro" as it opens: the options of the request with "&Program" chosen when the scope
// is forced or the defaults say so.
ScopeChoice InitialScope(const CaptureKeysRequest& request) noexcept;

// "&Start Capture": the options as ticked, the nickname cut to 50 characters, and the scope
// ("&Program" whatever the buttons say when it was forced).
CaptureKeysResult AcceptCaptureKeys(const CaptureKeysRequest& request, const CaptureOptions& form,
                                    std::string_view nickname, ScopeChoice scope);

}  // namespace quindle::capture
