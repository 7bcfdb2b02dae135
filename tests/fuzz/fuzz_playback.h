// What the playback fuzz targets share: one input split into a macro text and the content of the
// file "F" (that "<TFILE:F>" and "<CLIPF:F>" read), and one play of a text into a fake TESTPAD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/player.h"
#include "platform/fake/recording_platform.h"
#include "storage/macro_record.h"

namespace quindle::fuzz {

// The input up to its first zero byte is the macro text, the rest the content of "F".
struct PlayInput {
  std::string_view text;
  std::string_view file;
};

inline PlayInput SplitPlayInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  if (zero == std::string_view::npos) return {input, {}};
  return {input.substr(0, zero), input.substr(zero + 1)};
}

inline constexpr std::uint64_t kAbortAfterKeyEvents = 4 * storage::kMacroTextMax;
inline constexpr std::uint64_t kAbortAfterPumps = 5000;

// Plays `text` as hotkey macro 259 into a fake TESTPAD; the recording of what it did.
inline std::string PlayIntoTestpad(std::string_view text, std::string_view file) {
  platform::fake::RecordingPlatform fake;
  fake.SetFile("F", std::string(file));
  fake.AddWindow("Untitled - TESTPAD", 7, {10, 20, 400, 300});
  fake.AddProcess(7, "TESTPAD.EXE");
  fake.QueueRepeatCount(3);
  engine::Player player(platform::fake::MakePlayerServices(fake));
  // Repeats of nested texts can multiply into very long macros; a user would press the abort
  // keys, and so does the fuzzer: after as many key events as a macro of the longest text
  // types, or as many message pumps as tags of its length. Beyond that a play only repeats what
  // it did, at the cost of most of the fuzzer's runs.
  const auto abort = [&player] { player.RequestAbort(); };
  fake.AtKeyEvent(kAbortAfterKeyEvents, abort);
  fake.AtProcessMessagesCall(kAbortAfterPumps, abort);
  player.IntoProgram(text, "fuzz", 259);
  return fake.LogText();
}

}  // namespace quindle::fuzz
