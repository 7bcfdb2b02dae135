// Arbitrary MacroText read into script lines, written back and read again. The second reading
// must give the same lines, and writing those back the same text, whenever every number of the
// first reading fits the width it is written in; and nothing may ever crash.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/script_format.h"
#include "editors/script_line.h"
#include "storage/macro_record.h"

namespace {

using namespace quindle::editors;

// Seconds and playback factors are the only numbers that can be read wider than they are
// written: "9999." reads as 9999 seconds, written "9999.00".
bool EveryNumberFits(const std::vector<ScriptLine>& lines) {
  for (const ScriptLine& line : lines) {
    if (const auto* delay = std::get_if<DelayData>(&line.data)) {
      if (delay->unit == 1.0 && TwoDecimals(delay->amount).size() > 5) return false;
    }
    if (const auto* speed = std::get_if<SpeedData>(&line.data)) {
      if (speed->kind == 3 && TwoDecimals(speed->factor).size() > 5) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  text = text.substr(0, std::min(text.find('\0'), quindle::storage::kMacroTextMax));

  const std::vector<ScriptLine> first = BuildTheScript(text);
  const std::string written = WriteBack(first);
  const std::vector<ScriptLine> second = BuildTheScript(written);
  if (!EveryNumberFits(first)) return 0;
  if (first.size() != second.size()) std::abort();
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (first[i].text != second[i].text) std::abort();
  }
  if (WriteBack(second) != written) std::abort();
  std::vector<ScriptLine> indented = second;
  SetIndents(indented);
  if (WriteBack(indented) != written) std::abort();
  return 0;
}
