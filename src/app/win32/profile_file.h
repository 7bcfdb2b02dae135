// The settings file through the system's profile functions, and the two facts about the program's
// place on disk that the settings need.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "app/file_profile.h"
#include "app/settings.h"
#include "platform/std_file_io.h"
#include "platform/win32/file_ops.h"

namespace quindle::app::win32 {

// The files a ProfileFile copies itself through, made before the profile that uses them.
struct ProfileFileCopies {
  platform::StdBinaryFiles files;
};

// A profile file named by its full path: a bare file name would make the system look for it in
// the Windows directory instead of beside the program.
class ProfileFile final : private ProfileFileCopies, public FileProfile {
 public:
  explicit ProfileFile(std::string path) : FileProfile(files, std::move(path)) {}

  // A value is read whole, however long. A name holding a NUL character cannot be asked for and
  // reads as `fallback`.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) override;
  // Failures are not reported to the user: WriteFailed() tells.
  void Write(std::string_view section, std::string_view key, std::string_view value) override;
};

// The program's place on disk comes from the platform layer, which the help viewer shares.
using platform::win32::FileExists;
using platform::win32::ProgramDirectory;

}  // namespace quindle::app::win32
