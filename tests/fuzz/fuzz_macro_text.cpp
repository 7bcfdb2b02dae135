// The text form of a macro file. The first byte picks what the rest is:
// - even: a text, which parsing must never crash on; what it accepts must write back to a text
//   that parses to the same bytes;
// - odd: macro records (the last one filled up with zeros), whose text must parse back to the same
//   bytes whenever the writer reports no loss, and always once the unused bytes are zeroed, as the
//   program writes them.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "storage/macro_text_format.h"

namespace {

using quindle::storage::MacroRecord;

void RequireSameBytes(const std::vector<MacroRecord>& records) {
  const auto text = quindle::storage::WriteMacroFileText(records);
  const auto parsed = quindle::storage::ParseMacroFileText(text.text);
  if (!parsed.Ok()) std::abort();
  if (!text.Exact()) return;
  if (parsed.records.size() != records.size()) std::abort();
  if (!records.empty() &&
      std::memcmp(parsed.records.data(), records.data(), records.size() * sizeof(MacroRecord)))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quindle::storage;
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 0) {
    const ParsedMacroFile parsed = ParseMacroFileText(rest);
    if (parsed.Ok() == (parsed.line != 0)) std::abort();
    if (parsed.Ok()) {
      if (!WriteMacroFileText(parsed.records).Exact()) std::abort();
      RequireSameBytes(parsed.records);
    }
    return 0;
  }
  std::vector<MacroRecord> records((rest.size() + sizeof(MacroRecord) - 1) / sizeof(MacroRecord));
  if (!records.empty()) std::memcpy(records.data(), rest.data(), rest.size());
  RequireSameBytes(records);
  for (MacroRecord& record : records) record = WithoutPadding(record);
  if (!WriteMacroFileText(records).Exact()) std::abort();
  RequireSameBytes(records);
  return 0;
}
