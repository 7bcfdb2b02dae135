// A read-only look at a whole macro file, for tools that must never change what they inspect:
// unlike loading a file for use, it creates nothing and adds no system macros.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "storage/macro_record.h"

namespace quindle::storage {

struct MacroFileContents {
  std::vector<MacroRecord> records;    // the whole records, at most kMaxMacros
  std::size_t recordsBeyondLimit = 0;  // whole records after the first kMaxMacros, not returned
  std::size_t tailBytes = 0;           // bytes of a final partial record (not a macro); 0 when none
  std::string error;                   // why the file could not be read; empty on success

  bool Ok() const noexcept { return error.empty(); }
  bool HasPartialTail() const noexcept { return tailBytes != 0; }
};

// Reads every whole record of the macro file `path` of `files`, opened read-only. Never writes,
// creates or locks anything.
MacroFileContents ReadMacroFile(platform::IBinaryFiles& files, std::string_view path);

// The same for a file on the disk.
MacroFileContents ReadMacroFile(const std::filesystem::path& path);

}  // namespace quindle::storage
