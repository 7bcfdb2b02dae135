// Wave files and the standard beep.
#pragma once

#include <string_view>

#include "platform/system.h"

namespace quindle::platform::win32 {

class Win32Sound final : public ISound {
 public:
  // A file that cannot be played plays nothing; no default sound stands in for it.
  void PlayWave(std::string_view file, bool wait) override;
  void Beep() override;

  bool LastSucceeded() const { return lastSucceeded_; }

 private:
  bool lastSucceeded_ = false;
};

}  // namespace quindle::platform::win32
