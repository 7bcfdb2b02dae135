// The two small hooks: window activations for the program-scope tracking, and the character
// remap of the message-retrieval hook.
#include <cstdint>

#include "hooklib/hook_logic.h"
#include "hooklib/hook_messages.h"

namespace quindle::hooklib {

void CbtDecision(const storage::ActivationBlock& block, IHookEnv& env, int code,
                 std::uintptr_t wParam) noexcept {
  if (!CbtEventIsReported(code)) return;
  env.Post(block.MainWindow, WM_WINDOW_ACTIVATED, wParam, 0);
}

std::uint8_t RemapCharacter(const storage::RemapBlock& block, unsigned character) noexcept {
  if (character >= 'A' && character <= 'Z') return block.Upper[character - 'A'];
  if (character >= 'a' && character <= 'z') return block.Lower[character - 'a'];
  if (character >= '0' && character <= '9') return block.Digits[character - '0'];
  if (character >= 32 && character <= 47) return block.Space2Slash[character - 32];
  if (character >= 58 && character <= 64) return block.Colon2At[character - 58];
  if (character >= 91 && character <= 96) return block.Bracket2Grave[character - 91];
  if (character == 125 || character == 126) return block.BraceTilde[character - 125];
  return 0;  // "{", "|" and everything above 126 have no slot
}

}  // namespace quindle::hooklib
