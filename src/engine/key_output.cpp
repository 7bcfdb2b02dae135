#include "engine/key_output.h"

#include <algorithm>
#include <cmath>

#include "engine/date_time_text.h"
#include "platform/date_time.h"

namespace quindle::engine {
namespace {

constexpr std::int32_t kWheelDelta = 120;

// Shift states of VkKeyScan that the player honours; any other state presses no modifier.
constexpr std::uint8_t kStateShift = 1;
constexpr std::uint8_t kStateCtrl = 2;
constexpr std::uint8_t kStateCtrlAlt = 6;
constexpr std::uint8_t kStateAll = 7;

// Products beyond the 32-bit range are clamped, so an absurd field cannot make the conversion
// undefined.
std::int32_t CutTowardZero(double value) {
  if (!(value == value)) return 0;
  const double cut = std::trunc(std::clamp(value, -2147483648.0, 2147483647.0));
  return static_cast<std::int32_t>(cut);
}

}  // namespace

KeyOutput::KeyOutput(const PlayerServices& services, const PlaybackState& state,
                     PlaybackWaits& waits)
    : services_(services), state_(state), waits_(waits) {
  // A screen reporting no size would divide by zero; one pixel keeps the scale finite.
  const int width = std::max(services.screen.Width(), 1);
  const int height = std::max(services.screen.Height(), 1);
  scaleX_ = 65535.0 / width;
  scaleY_ = 65535.0 / height;
}

void KeyOutput::PostVKey(std::uint8_t vk, bool up) {
  const auto scan =
      static_cast<std::uint8_t>(services_.layout.MapVirtualKey(vk, platform::kMapVkToScan));
  services_.input.KeyEvent(vk, scan, up ? platform::kKeyEventKeyUp : 0);
}

void KeyOutput::PostAltVKey(std::uint8_t vk, bool up) {
  PostVKey(vk, up);
}

void KeyOutput::KeystrokeWait() {
  if (state_.KeystrokeDelay.on) waits_.PauseForMilliseconds(state_.KeystrokeDelay.milliseconds);
}

void KeyOutput::MouseWait() {
  if (state_.MouseDelay.on) waits_.PauseForMilliseconds(state_.MouseDelay.milliseconds);
}

void KeyOutput::TypeChar(char c, PendingModifiers& pending) {
  KeystrokeWait();
  const auto code = static_cast<unsigned char>(c);
  if (code >= 128) {
    // "0" and the three-digit code: 233 becomes Alt + keypad 0, 2, 3, 3.
    const char digits[] = {'0', static_cast<char>('0' + code / 100),
                           static_cast<char>('0' + code / 10 % 10),
                           static_cast<char>('0' + code % 10)};
    TypeAltCode({digits, sizeof digits});
    return;
  }
  const auto scan = static_cast<std::uint16_t>(services_.layout.VkKeyScan(c));
  const auto vk = static_cast<std::uint8_t>(scan & 0xFF);
  const auto shiftState = static_cast<std::uint8_t>(scan >> 8);
  switch (shiftState) {
    case kStateShift:
      PostVKey(platform::kVkShift, false);
      pending.shift = true;
      break;
    case kStateCtrl:
      PostVKey(platform::kVkControl, false);
      pending.ctrl = true;
      break;
    case kStateCtrlAlt:
      PostVKey(platform::kVkControl, false);
      PostVKey(platform::kVkMenu, false);
      pending.ctrl = true;
      pending.alt = true;
      break;
    case kStateAll:
      PostVKey(platform::kVkShift, false);
      PostVKey(platform::kVkControl, false);
      PostVKey(platform::kVkMenu, false);
      pending.shift = true;
      pending.ctrl = true;
      pending.alt = true;
      break;
    default:
      break;  // includes -1 (no key): its low byte sends key 255 without modifiers
  }
  PostVKey(vk, false);
  PostVKey(vk, true);
  ReleasePending(pending);
}

void KeyOutput::TypeAltCode(std::string_view digits) {
  PostAltVKey(platform::kVkMenu, false);
  for (const char d : digits) {
    if (d < '0' || d > '9') continue;
    const auto key = static_cast<std::uint8_t>(platform::kVkNumpad0 + (d - '0'));
    PostAltVKey(key, false);
    PostAltVKey(key, true);
  }
  PostAltVKey(platform::kVkMenu, true);
}

void KeyOutput::AltCodeTag(std::string_view digits) {
  KeystrokeWait();
  TypeAltCode(digits);
}

void KeyOutput::PressKeyTag(std::uint8_t vk, PendingModifiers& pending, bool noDelay) {
  if (!noDelay) KeystrokeWait();
  PostVKey(vk, false);
  PostVKey(vk, true);
  ReleasePending(pending);
}

void KeyOutput::ReleasePending(PendingModifiers& pending) {
  if (pending.shift) {
    PostVKey(platform::kVkShift, true);
    pending.shift = false;
  }
  if (pending.ctrl) {
    PostVKey(platform::kVkControl, true);
    pending.ctrl = false;
  }
  if (pending.alt) {
    PostVKey(platform::kVkMenu, true);
    pending.alt = false;
  }
}

void KeyOutput::OneShotShift(PendingModifiers& pending) {
  PostVKey(platform::kVkShift, false);
  pending.shift = true;
}

void KeyOutput::OneShotCtrl(PendingModifiers& pending) {
  PostVKey(platform::kVkControl, false);
  pending.ctrl = true;
}

void KeyOutput::OneShotAlt(PendingModifiers& pending) {
  PostVKey(platform::kVkMenu, pending.alt);
  pending.alt = !pending.alt;
}

void KeyOutput::CtrlChord(std::uint8_t vk) {
  PostVKey(platform::kVkControl, false);
  PostVKey(vk, false);
  PostVKey(vk, true);
  PostVKey(platform::kVkControl, true);
}

void KeyOutput::ToggleCapsLock() {
  PostVKey(platform::kVkCapital, false);
  PostVKey(platform::kVkCapital, true);
}

void KeyOutput::MouseButtons(MouseAction action) {
  using namespace platform;
  struct Events {
    std::uint32_t down;
    std::uint32_t up;
  };
  const auto index = static_cast<int>(action);
  const Events buttons[] = {{kMouseLeftDown, kMouseLeftUp},
                            {kMouseRightDown, kMouseRightUp},
                            {kMouseMiddleDown, kMouseMiddleUp}};
  const Events button = buttons[index / 4];
  MouseWait();
  const auto send = [this](std::uint32_t flags) { services_.input.MouseEvent(flags, 0, 0, 0); };
  switch (index % 4) {
    case 0:
      send(button.down);
      break;
    case 1:
      send(button.up);
      break;
    case 3:
      send(button.down);
      send(button.up);
      [[fallthrough]];
    case 2:
      send(button.down);
      send(button.up);
      break;
    default:
      break;
  }
}

void KeyOutput::Wheel(std::int32_t notches) {
  MouseWait();
  services_.input.MouseEvent(platform::kMouseWheel, 0, 0, notches * kWheelDelta);
}

void KeyOutput::MoveAbsolute(double x, double y) {
  services_.input.MouseEvent(platform::kMouseMove | platform::kMouseAbsolute,
                             CutTowardZero(x * scaleX_), CutTowardZero(y * scaleY_), 0);
}

void KeyOutput::MoveToScreen(double x, double y) {
  MouseWait();
  MoveAbsolute(x, y);
}

void KeyOutput::MoveInForegroundWindow(double x, double y) {
  MouseWait();
  const platform::Rect rect = services_.windows.WindowRect(services_.windows.Foreground());
  MoveAbsolute(x + rect.left, y + rect.top);
}

std::string KeyOutput::DateText(int formatIndex, bool zeros, std::int32_t offsetDays) {
  const platform::CivilDateTime today = platform::FromDateTime(services_.clock.Now());
  const std::int64_t days =
      platform::DaysFromCivil(today.year, today.month, today.day) + offsetDays;
  return FormatDate(formatIndex, zeros, platform::FromDateTime(static_cast<double>(days)));
}

std::string KeyOutput::TimeText(int formatIndex, bool zeros) {
  return FormatTime(formatIndex, zeros, platform::FromDateTime(services_.clock.Now()));
}

}  // namespace quindle::engine
