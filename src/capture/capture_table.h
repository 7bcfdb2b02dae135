// What the main program leaves in the shared macro table for the hook library before a capture
// records anything: the options the recorders read, the two stop combinations and the fresh
// per-capture state. Pure functions over the table, so each field is tested without a hook.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "capture/capture_types.h"
#include "storage/macro_record.h"

namespace quindle::capture {

inline constexpr std::string_view kBrowseModeRefusal = "Capture not allowed in Browse Mode.";
inline constexpr std::string_view kSystemRecaptureRefusal =
    "A system macro cannot be recaptured.  Change it in System Hot Keys.";
inline constexpr std::string_view kPopupRecaptureRefusal =
    "A Popup Menu macro cannot be recaptured.  Its members are changed with Modify Popup Menu.";
inline constexpr std::string_view kTimedRecaptureRefusal =
    "A timed macro cannot be recaptured.  Change it with the Scripting Editor.";

// The playback speed a timed capture starts with: 1 actual, 2 half, 3 double, 4 quadruple.
// Any other number is actual speed.
std::string_view SpeedTag(int speed) noexcept;
// The same numbering made safe: 1..4, anything else 1.
int NormalSpeed(int speed) noexcept;

// The HotkeyNumber of the capture system hotkey (the first system entry of action "2"), or
// nothing when the macro file holds none or its code names no combination.
std::optional<int> CaptureSystemHotkey(const storage::SharedMacroTable& table) noexcept;

// True when `hotkeyNumber` is a real combination (0..719), not a Typlet or timed macro.
bool IsRealHotkey(int hotkeyNumber) noexcept;

// True when the capture dialog must keep the macro program-scoped: it is not global itself and
// a global macro (other than macro `number`) already has its HotkeyNumber.
bool ProgramScopeForced(const storage::SharedMacroTable& table, int number,
                        const storage::MacroRecord& record) noexcept;

// Why "Re&capture Macro" must not run on macro `number` (the entry is greyed for the same
// reasons): the browse modes change nothing; a system macro's record holds its action, a popup
// menu's its members and a timed macro's text is played by the scheduler, none of which a
// recording may overwrite. Nothing when the macro may be recaptured (or is not in the table).
std::optional<std::string_view> RecaptureRefusal(const storage::SharedMacroTable& table, int number,
                                                 bool browseMode) noexcept;

struct CaptureTableSetup {
  CaptureOptions options;        // keys, doubleAlt, mouse, screenRelative, windowSize, timing
  int macroNumber = 0;           // CaptureMacro
  std::optional<int> stopCode1;  // the capture system hotkey; nothing leaves set 1 empty
  std::optional<int> stopCode2;  // the macro's own hotkey; nothing leaves set 2 disabled
};

// Writes every field a capture starts from, except CaptureActive, which the caller sets last
// once everything else is in place.
void SetUpCaptureTable(storage::SharedMacroTable& table, const CaptureTableSetup& setup) noexcept;

}  // namespace quindle::capture
