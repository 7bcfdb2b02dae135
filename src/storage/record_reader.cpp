#include "storage/record_reader.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "platform/std_file_io.h"

namespace quindle::storage {
namespace {

std::string Quoted(std::string_view path) {
  std::string quoted(1, '\'');
  quoted += path;
  quoted += '\'';
  return quoted;
}

}  // namespace

MacroFileContents ReadMacroFile(platform::IBinaryFiles& files, std::string_view path) {
  MacroFileContents contents;
  const std::unique_ptr<platform::IBinaryFile> file =
      files.Open(path, platform::FileOpenMode::ReadOnly);
  if (!file) {
    contents.error = "cannot open " + Quoted(path);
    // A folder exists but is no file; anything else that is missing says so.
    if (!files.Exists(path)) contents.error += ": no such file";
    return contents;
  }
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) {
    contents.error = "cannot read " + Quoted(path) + ": its size is unknown";
    return contents;
  }
  const std::uint64_t whole = *size / sizeof(MacroRecord);
  contents.tailBytes = static_cast<std::size_t>(*size % sizeof(MacroRecord));
  const auto kept = static_cast<std::size_t>(std::min<std::uint64_t>(whole, kMaxMacros));
  contents.recordsBeyondLimit = static_cast<std::size_t>(whole - kept);
  contents.records.resize(kept);
  if (kept > 0 && !file->Read(contents.records.data(), kept * sizeof(MacroRecord))) {
    contents = MacroFileContents{};
    contents.error = "cannot read " + Quoted(path) + ": input/output error";
  }
  return contents;
}

MacroFileContents ReadMacroFile(const std::filesystem::path& path) {
  std::string name;
  try {
    name = path.string();
  } catch (const std::exception&) {
    MacroFileContents contents;
    contents.error = "cannot open the file: its name has characters the code page cannot spell";
    return contents;
  }
  platform::StdBinaryFiles files;
  return ReadMacroFile(files, name);
}

}  // namespace quindle::storage
