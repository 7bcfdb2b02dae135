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

bool ReplaceWholeFile(IBinaryFiles& files, std::string_view path, std::string_view bytes) {
  const std::string scratch = std::string(path) + ".tmp";
  std::unique_ptr<IBinaryFile> file = files.Open(scratch, FileOpenMode::Create);
  if (!file) return false;
  const bool written = bytes.empty() || file->Write(bytes.data(), bytes.size());
  const bool closed = file->Close();
  file.reset();  // Windows replaces no file that is still open
  if (written && closed && files.ReplaceFile(scratch, path)) return true;
  files.RemoveFile(scratch);
  return false;
}

}  // namespace quindle::platform
