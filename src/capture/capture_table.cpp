#include "capture/capture_table.h"

#include <array>

#include "activation/system_keys.h"
#include "hooklib/hotkey_number.h"

namespace quindle::capture {
namespace {

constexpr std::array<std::string_view, 4> kSpeedTags{
    "<SPEED:00001>",
    "<SPEED:00002>",
    "<SPEED:00.50>",
    "<SPEED:00.25>",
};

struct StopFields {
  storage::LeU16& button;
  storage::LeU16& key;
  storage::Flag (&mods)[4];
};

// Fills one stop combination from `code`; an absent or meaningless code empties it. True when
// the combination was filled.
bool FillStop(const StopFields& stop, std::optional<int> code) noexcept {
  const bool filled = code && IsRealHotkey(*code);
  const hooklib::HotkeyKey key = filled ? hooklib::DecipherKey(*code) : hooklib::HotkeyKey{};
  stop.button = static_cast<std::uint16_t>(key.mouseButton);
  stop.key = static_cast<std::uint16_t>(key.vk);
  stop.mods[0] = key.ctrl;
  stop.mods[1] = key.alt;
  stop.mods[2] = key.shift;
  stop.mods[3] = key.win;
  return filled;
}

}  // namespace

int NormalSpeed(int speed) noexcept {
  return speed >= 1 && speed <= 4 ? speed : 1;
}

std::string_view SpeedTag(int speed) noexcept {
  return kSpeedTags[static_cast<std::size_t>(NormalSpeed(speed) - 1)];
}

bool IsRealHotkey(int hotkeyNumber) noexcept {
  return hotkeyNumber >= 0 && hotkeyNumber < hooklib::kHotkeyCodeCount;
}

std::optional<int> CaptureSystemHotkey(const storage::SharedMacroTable& table) noexcept {
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (activation::SystemFieldOfSlot(table, slot) != activation::SystemKeyField::StartCap)
      continue;
    // The first entry of an action is the one that acts, as the system hotkeys dialog shows.
    const int code = table.HotkeyNumber[slot].Get();
    if (!IsRealHotkey(code)) return std::nullopt;
    return code;
  }
  return std::nullopt;
}

bool ProgramScopeForced(const storage::SharedMacroTable& table, int number,
                        const storage::MacroRecord& record) noexcept {
  if (record.ScopeKind.Get() == storage::ScopeGlobal) return false;
  const std::uint16_t code = record.HotkeyNumber.Get();
  const std::size_t count = table.SafeCount();
  for (std::size_t slot = 0; slot < count; ++slot) {
    if (static_cast<int>(slot) + 1 == number) continue;
    if (table.ScopeKind[slot].Get() == storage::ScopeGlobal && table.HotkeyNumber[slot] == code)
      return true;
  }
  return false;
}

void SetUpCaptureTable(storage::SharedMacroTable& table, const CaptureTableSetup& setup) noexcept {
  const CaptureOptions& options = setup.options;
  table.CaptureKeys = options.keys;
  table.CaptureMouse = options.mouse;
  table.ScreenRelative = options.screenRelative;
  table.CaptureTiming = options.timing;
  // A window size only means something for positions measured from the window.
  const bool windowSize = options.mouse && !options.screenRelative && options.windowSize;
  table.CaptureWindowSize = windowSize;
  table.WantWindowSize = windowSize;
  table.DoubleAlt = options.doubleAlt;
  table.StopSet1Hit = false;
  table.StopSet2Hit = false;
  table.AltTabHeld = false;
  table.CaptureMacro = static_cast<std::uint16_t>(setup.macroNumber);
  FillStop({table.StopSet1Button, table.StopSet1Key, table.StopSet1Mods}, setup.stopCode1);
  table.StopSet2Enabled =
      FillStop({table.StopSet2Button, table.StopSet2Key, table.StopSet2Mods}, setup.stopCode2);
  table.FirstEvent = true;
}

std::optional<std::string_view> RecaptureRefusal(const storage::SharedMacroTable& table, int number,
                                                 bool browseMode) noexcept {
  if (browseMode) return kBrowseModeRefusal;
  if (number < 1 || static_cast<std::size_t>(number) > table.SafeCount()) return std::nullopt;
  const auto slot = static_cast<std::size_t>(number - 1);
  const std::int16_t scope = table.ScopeKind[slot].Get();
  if (scope == storage::ScopeSystem) return kSystemRecaptureRefusal;
  if (scope == storage::ScopePopupMenu) return kPopupRecaptureRefusal;
  if (table.HotkeyNumber[slot].Get() == storage::kActivationTimed) return kTimedRecaptureRefusal;
  return std::nullopt;
}

}  // namespace quindle::capture
