// Macro files as plain UTF-8 text, to read, diff and merge them: one block per macro, one named
// field per line, and the macro text split at its tags and line breaks so that a change of one
// character changes one line. Parsing the text gives back the very bytes of the file, including
// whatever a record holds in the bytes no field uses (as "Padding" lines).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_record.h"

namespace quindle::storage {

struct MacroFileText {
  std::string text;  // UTF-8, each line ending in a line feed
  // What the text cannot carry, one line each ("macro 3: ..."); empty when parsing the text gives
  // the same bytes. Only a damaged length or member count can land here.
  std::vector<std::string> losses;

  bool Exact() const noexcept { return losses.empty(); }
};

MacroFileText WriteMacroFileText(std::span<const MacroRecord> records);

struct ParsedMacroFile {
  std::vector<MacroRecord> records;
  std::size_t line = 0;  // the line at fault, 1 for the first; 0 on success
  std::string error;     // "line N: what is wrong"; empty on success

  bool Ok() const noexcept { return error.empty(); }
};

ParsedMacroFile ParseMacroFileText(std::string_view text);

// The name of the field whose value byte `offset` of `record` holds, or nullptr when the byte is
// unused: beyond a string's length, after the macro text's terminating zero, or after a popup
// menu's last member. Unused bytes are what the "Padding" lines carry.
const char* FieldUsingByte(const MacroRecord& record, std::size_t offset) noexcept;

// The same question for many bytes of one record: the extent of its text area is read once, so
// walking the whole record costs no more than its bytes. `record` must outlive it and keep its
// field lengths, its text and its member count while it is asked.
class FieldUse {
 public:
  explicit FieldUse(const MacroRecord& record) noexcept;
  const char* At(std::size_t offset) const noexcept;

 private:
  const MacroRecord& record_;
  std::size_t textAreaUsed_;
  const char* textAreaName_;
};

// `record` with every unused byte zero, as a new record is written.
MacroRecord WithoutPadding(const MacroRecord& record) noexcept;

}  // namespace quindle::storage
