// The settings file through the system's profile functions, and the two facts about the program's
// place on disk that the settings need.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "app/settings.h"
#include "platform/win32/file_ops.h"

namespace quindle::app::win32 {

// A profile file named by its full path: a bare file name would make the system look for it in
// the Windows directory instead of beside the program.
class ProfileFile final : public IProfile {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  // A value is read whole, however long. A name holding a NUL character cannot be asked for and
  // reads as `fallback`.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  // Failures are not reported to the user; WriteFailed() tells whether any write since the
  // construction failed.
  void Write(std::string_view section, std::string_view key, std::string_view value) override;

  bool WriteFailed() const { return writeFailed_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool writeFailed_ = false;
};

// The program's place on disk comes from the platform layer, which the help viewer shares.
using platform::win32::FileExists;
using platform::win32::ProgramDirectory;

}  // namespace quindle::app::win32
