// Binary files held in memory: the same open modes, positions and replace-by-rename as files on
// a disk, for the test double of the platform, the qnl tool's dry runs and the fuzz targets, which
// must not touch a disk for every input.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace quindle::platform {

class MemoryBinaryFiles final : public IBinaryFiles {
 public:
  // Creates the file or replaces its content.
  void SetFile(std::string_view path, std::string_view content);
  // The content of a file, or nothing when there is none of that name.
  std::optional<std::string> Content(std::string_view path) const;

  std::unique_ptr<IBinaryFile> Open(std::string_view path, FileOpenMode mode) override;
  bool Exists(std::string_view path) override;
  bool ReplaceFile(std::string_view replacement, std::string_view target) override;
  bool RemoveFile(std::string_view path) override;

 private:
  // Each content is shared with the files open on it, so an open file keeps working after its
  // name is removed or replaced, as an open file on a disk does.
  std::map<std::string, std::shared_ptr<std::string>, std::less<>> files_;
  // The files open exclusively: each open file holds its token, so the entry expires when the
  // file is closed or destroyed.
  std::map<std::string, std::weak_ptr<void>, std::less<>> exclusive_;
};

}  // namespace quindle::platform
