// Binary files on the C++ library's file buffers and std::filesystem; works the same on POSIX
// systems and on Windows.
#pragma once

#include "platform/file_io.h"

namespace quindle::platform {

class StdBinaryFiles final : public IBinaryFiles {
 public:
  std::unique_ptr<IBinaryFile> Open(std::string_view path, FileOpenMode mode) override;
  bool Exists(std::string_view path) override;
  bool ReplaceFile(std::string_view replacement, std::string_view target) override;
  bool RemoveFile(std::string_view path) override;
};

}  // namespace quindle::platform
