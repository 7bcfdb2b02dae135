// Arbitrary MacroText played through the recording fake. The input is split at its first zero
// byte: before it the macro text, after it the content of the file "F" that "<TFILE:F>" and
// "<CLIPF:F>" read, so nested texts of any content are played too.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/player.h"
#include "platform/fake/recording_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  const std::string_view text = input.substr(0, zero);
  const std::string_view file = zero == std::string_view::npos ? "" : input.substr(zero + 1);

  platform::fake::RecordingPlatform fake;
  fake.SetFile("F", std::string(file));
  fake.AddWindow("Untitled - TESTPAD", 7, {10, 20, 400, 300});
  fake.AddProcess(7, "TESTPAD.EXE");
  fake.QueueRepeatCount(3);
  engine::Player player(platform::fake::MakePlayerServices(fake));
  // Repeats of nested texts can multiply into very long macros; a user would press the abort
  // keys, and so does the fuzzer.
  fake.AtProcessMessagesCall(5000, [&player] { player.RequestAbort(); });
  player.IntoProgram(text, "fuzz", 259);
  return 0;
}
