// The program's binary files with the system's sharing modes: an exclusive open is a CreateFile
// that shares nothing, so no other open of the file, by this program or another copy of it,
// succeeds while it is open. Every other mode is the C++ library's (platform/std_file_io.h).
#pragma once

#include "platform/file_io.h"
#include "platform/std_file_io.h"

namespace quindle::platform::win32 {

class Win32LockingFiles final : public IBinaryFiles {
 public:
  std::unique_ptr<IBinaryFile> Open(std::string_view path, FileOpenMode mode) override;
  bool Exists(std::string_view path) override { return std_.Exists(path); }
  bool ReplaceFile(std::string_view replacement, std::string_view target) override {
    return std_.ReplaceFile(replacement, target);
  }
  bool RemoveFile(std::string_view path) override { return std_.RemoveFile(path); }

 private:
  StdBinaryFiles std_;
};

}  // namespace quindle::platform::win32
