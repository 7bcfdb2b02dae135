#include "platform/win32/sound.h"

#include "platform/win32/win32_api.h"

#include <mmsystem.h>

#include <string>

namespace quindle::platform::win32 {

void Win32Sound::PlayWave(std::string_view file, bool wait) {
  lastSucceeded_ = false;
  const std::string path(file);
  // An empty name would stop the sound playing now rather than play one; a NUL would name
  // another file.
  if (path.empty() || path.find('\0') != std::string::npos) return;
  lastSucceeded_ =
      ::sndPlaySoundA(path.c_str(), SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC)) != FALSE;
}

void Win32Sound::Beep() {
  lastSucceeded_ = ::MessageBeep(0) != FALSE;
}

}  // namespace quindle::platform::win32
