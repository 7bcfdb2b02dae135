// Arbitrary MacroText played through the recording fake. The input is split at its first zero
// byte: before it the macro text, after it the content of the file "F" that "<TFILE:F>" and
// "<CLIPF:F>" read, so nested texts of any content are played too.
#include <cstdint>

#include "fuzz_playback.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const quindle::fuzz::PlayInput input = quindle::fuzz::SplitPlayInput(data, size);
  quindle::fuzz::PlayIntoTestpad(input.text, input.file);
  return 0;
}
