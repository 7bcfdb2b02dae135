// The scripting editor must never change what a macro does by reading it and writing it back
// untouched. Arbitrary MacroText T is played through the recording fake, and so is
// WriteBack(BuildTheScript(T)): the two recordings must be the same, except where the text
// written back passes the 5000-character limit (the editor then cuts it and says so). As in
// fuzz_play, the input's first zero byte splits the text from the content of the file "F".
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/script_line.h"
#include "fuzz_playback.h"
#include "storage/macro_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle;
  const fuzz::PlayInput input = fuzz::SplitPlayInput(data, size);
  const std::string_view text = input.text.substr(0, storage::kMacroTextMax);
  const std::string written = editors::WriteBack(editors::BuildTheScript(text));
  if (written.size() > storage::kMacroTextMax) return 0;
  if (written != text &&
      fuzz::PlayIntoTestpad(text, input.file) != fuzz::PlayIntoTestpad(written, input.file))
    std::abort();
  return 0;
}
