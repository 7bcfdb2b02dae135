// The capture file "\TempCap.Txt" in the program's directory, which collects a capture's text
// one character at a time while the capture runs, and the overflow files "QN" + i + ".TXT" that
// take a capture too long for a macro record.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_io.h"

namespace quindle::capture {

inline constexpr std::string_view kCaptureFileName = "TempCap.Txt";
// How many overflow names are tried before giving up: a folder holding all of them is broken,
// and the search must end.
inline constexpr int kOverflowNamesTried = 100000;

// `name` in the program's directory (which has no trailing backslash).
std::string InProgramDirectory(std::string_view programDir, std::string_view name);

// The first "QN" + i + ".TXT" (i = 0, 1, ...) that does not exist in `programDir`; nothing when
// every name tried exists.
std::optional<std::string> FreeOverflowName(platform::IBinaryFiles& files,
                                            std::string_view programDir);

// The MacroText that makes the player read a capture from its overflow file.
std::string TFileTag(std::string_view programDir, std::string_view name);

// The capture file while a capture runs: kept open so that each character costs one write, and
// flushed after each so that a crash loses nothing already recorded.
class CaptureFile {
 public:
  CaptureFile(platform::IBinaryFiles& files, std::string path)
      : files_(files), path_(std::move(path)) {}
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;

  // Creates the file empty (or empties it) and keeps it open. False when it cannot be created.
  bool Create();
  // Appends `text` and flushes it. False, with the file closed, when the file is not open or
  // any byte could not be written.
  bool Append(std::string_view text);
  // Closes the file. False when it was not open or buffered data could not be written.
  bool Close();
  bool IsOpen() const noexcept { return file_ != nullptr; }
  const std::string& Path() const noexcept { return path_; }

 private:
  platform::IBinaryFiles& files_;
  std::string path_;
  std::unique_ptr<platform::IBinaryFile> file_;
};

}  // namespace quindle::capture
