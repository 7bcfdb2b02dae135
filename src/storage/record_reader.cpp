#include "storage/record_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <system_error>

namespace quindle::storage {
namespace {

// Closes the file on every way out of ReadMacroFile.
struct FileCloser {
  void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

std::string Describe(const std::filesystem::path& path) {
  try {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
  } catch (const std::exception&) {
    return "the file";  // a name the narrow code page cannot spell
  }
}

// Reads up to `size` bytes, carrying on after short reads until end of file or an error.
std::size_t ReadFully(std::FILE* file, void* buffer, std::size_t size) noexcept {
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t got = 0;
  while (got < size) {
    const std::size_t n = std::fread(bytes + got, 1, size - got, file);
    if (n == 0) break;
    got += n;
  }
  return got;
}

}  // namespace

MacroFileContents ReadMacroFile(const std::filesystem::path& path) {
  MacroFileContents contents;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    contents.error = "cannot read " + Describe(path) + ": it is a folder";
    return contents;
  }
  std::FILE* raw = nullptr;
  try {
    errno = 0;
    raw = std::fopen(path.string().c_str(), "rb");
  } catch (const std::exception&) {
    raw = nullptr;
  }
  if (raw == nullptr) {
    const int cause = errno;
    contents.error = "cannot open " + Describe(path);
    if (cause != 0) contents.error += std::string(": ") + std::strerror(cause);
    return contents;
  }
  const std::unique_ptr<std::FILE, FileCloser> file(raw);

  MacroRecord scratch{};
  for (;;) {
    const std::size_t got = ReadFully(file.get(), &scratch, sizeof scratch);
    if (got == sizeof scratch) {
      if (contents.records.size() < kMaxMacros)
        contents.records.push_back(scratch);
      else
        ++contents.recordsBeyondLimit;
      continue;
    }
    if (std::ferror(file.get())) {
      contents.error = "cannot read " + Describe(path) + ": input/output error";
      contents.records.clear();
      contents.recordsBeyondLimit = 0;
      return contents;
    }
    contents.tailBytes = got;  // end of file, in the middle of a record or exactly after one
    return contents;
  }
}

}  // namespace quindle::storage
