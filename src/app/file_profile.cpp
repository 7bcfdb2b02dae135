#include "app/file_profile.h"

#include <string_view>

namespace quindle::app {

void FileProfile::SaveWhole(const std::function<void()>& writes) {
  const bool failedBefore = writeFailed_;
  const bool saved = platform::EditThroughScratchCopy(files_, path_, [&](std::string_view copy) {
    target_ = std::string(copy);
    writeFailed_ = false;
    writes();
    target_ = path_;
    return !writeFailed_;
  });
  target_ = path_;
  writeFailed_ = failedBefore;
  // A folder that takes no copy, or a copy that could not take the file's place: the keys go
  // into the file itself, one write at a time, rather than not at all.
  if (!saved) writes();
}

}  // namespace quindle::app
