#include "platform/file_io.h"

#include <algorithm>

namespace quindle::platform {

std::optional<std::string> ReadWholeFile(IBinaryFiles& files, std::string_view path,
                                         std::size_t limit) {
  const std::unique_ptr<IBinaryFile> file = files.Open(path, FileOpenMode::ReadOnly);
  if (!file) return std::nullopt;
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return std::nullopt;
  const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(*size, limit));
  std::string content(wanted, '\0');
  if (wanted > 0 && !file->Read(content.data(), wanted)) return std::nullopt;
  return content;
}

namespace {

// A file kept beside the target while it is being made: never read as the target itself.
std::string ScratchOf(std::string_view path) {
  return std::string(path) + ".tmp";
}

// Creates (or empties) `scratch` and writes `bytes` into it: nothing when it could not be
// created, else whether every byte went in and it was closed.
std::optional<bool> WriteScratch(IBinaryFiles& files, const std::string& scratch,
                                 std::string_view bytes) {
  std::unique_ptr<IBinaryFile> file = files.Open(scratch, FileOpenMode::Create);
  if (!file) return std::nullopt;
  const bool written = bytes.empty() || file->Write(bytes.data(), bytes.size());
  return file->Close() && written;  // Windows replaces no file that is still open
}

bool TakeThePlace(IBinaryFiles& files, const std::string& scratch, std::string_view path,
                  bool ready) {
  if (ready && files.ReplaceFile(scratch, path)) return true;
  files.RemoveFile(scratch);
  return false;
}

// Larger than any file the program edits through a copy; a longer one is not cut short.
constexpr std::size_t kLargestEdited = std::size_t{1} << 24;

}  // namespace

bool ReplaceWholeFile(IBinaryFiles& files, std::string_view path, std::string_view bytes) {
  const std::string scratch = ScratchOf(path);
  const std::optional<bool> written = WriteScratch(files, scratch, bytes);
  return written && TakeThePlace(files, scratch, path, *written);
}

bool EditThroughScratchCopy(IBinaryFiles& files, std::string_view path,
                            const std::function<bool(std::string_view copy)>& edit) {
  std::optional<std::string> bytes = std::string();
  if (files.Exists(path)) bytes = ReadWholeFile(files, path, kLargestEdited + 1);
  if (!bytes || bytes->size() > kLargestEdited) return false;
  const std::string scratch = ScratchOf(path);
  const std::optional<bool> written = WriteScratch(files, scratch, *bytes);
  if (!written) return false;
  return TakeThePlace(files, scratch, path, *written && edit(scratch));
}

}  // namespace quindle::platform
