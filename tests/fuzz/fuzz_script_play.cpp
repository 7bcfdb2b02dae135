// The scripting editor must never change what a macro does by reading it and writing it back
// untouched. Arbitrary MacroText T is played through the recording fake, and so is
// WriteBack(BuildTheScript(T)): the two recordings must be the same, except where the text
// written back passes the 5000-character limit (the editor then cuts it and says so). As in
// fuzz_play, the input's first zero byte splits the text from the content of the file "F".
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/script_line.h"
#include "engine/player.h"
#include "platform/fake/recording_platform.h"
#include "storage/macro_record.h"

namespace {

std::string Recording(std::string_view text, std::string_view file) {
  using namespace quindle;
  platform::fake::RecordingPlatform fake;
  fake.SetFile("F", std::string(file));
  fake.AddWindow("Untitled - TESTPAD", 7, {10, 20, 400, 300});
  fake.AddProcess(7, "TESTPAD.EXE");
  fake.QueueRepeatCount(3);
  engine::Player player(platform::fake::MakePlayerServices(fake));
  fake.AtProcessMessagesCall(5000, [&player] { player.RequestAbort(); });
  player.IntoProgram(text, "fuzz", 259);
  return fake.LogText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t zero = input.find('\0');
  const std::string_view text = input.substr(0, std::min(zero, storage::kMacroTextMax));
  const std::string_view file = zero == std::string_view::npos ? "" : input.substr(zero + 1);

  const std::string written = editors::WriteBack(editors::BuildTheScript(text));
  if (written.size() > storage::kMacroTextMax) return 0;
  if (written != text && Recording(text, file) != Recording(written, file)) std::abort();
  return 0;
}
