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

}  // namespace quindle::platform
