// Key and modifier states as every decision reads them.
#include "hooklib/hook_logic.h"
#include "platform/virtual_keys.h"

namespace quindle::hooklib {
namespace {

// The event's key counts as `generic` also when it names the left or right one of the pair.
bool EventIs(const KeyEvent* event, unsigned generic, unsigned leftSided) noexcept {
  if (event == nullptr) return false;
  const unsigned vk = event->vk;
  return vk == generic || vk == leftSided || vk == leftSided + 1;
}

bool ModifierDown(IHookEnv& env, const KeyEvent* event, unsigned generic,
                  unsigned leftSided) noexcept {
  if (EventIs(event, generic, leftSided)) return event->Down();
  return (static_cast<std::uint16_t>(env.KeyState(static_cast<int>(generic))) & 0x8000u) != 0;
}

}  // namespace

bool KeyIsDown(IHookEnv& env, const KeyEvent* event, int vk) noexcept {
  if (vk <= 0 || vk > 255) return false;
  if (event != nullptr && event->vk == static_cast<unsigned>(vk)) return event->Down();
  return (static_cast<std::uint16_t>(env.KeyState(vk)) & 0x8000u) != 0;
}

Modifiers ReadModifiers(IHookEnv& env, const KeyEvent* event) noexcept {
  Modifiers m;
  m.ctrl = ModifierDown(env, event, platform::kVkControl, platform::kVkLeftControl);
  m.alt = ModifierDown(env, event, platform::kVkMenu, platform::kVkLeftMenu);
  m.shift = ModifierDown(env, event, platform::kVkShift, platform::kVkLeftShift);
  m.win =
      KeyIsDown(env, event, platform::kVkLeftWin) || KeyIsDown(env, event, platform::kVkRightWin);
  return m;
}

bool CapsToggled(IHookEnv& env) noexcept {
  return (static_cast<std::uint16_t>(env.KeyState(static_cast<int>(platform::kVkCapital))) & 1u) !=
         0;
}

}  // namespace quindle::hooklib
