#include "activation/pause_typlets.h"

namespace quindle::activation {

bool PauseLetsTypletsThrough::ShowPause(const platform::PauseRequest& request) {
  const bool wasMarked = SetMarker(false);
  const bool resume = prompts_.ShowPause(request);
  // Set again only when playback had set it: the marker key at the macro's end clears it.
  if (wasMarked) SetMarker(true);
  if (pauseEnded_) pauseEnded_();
  return resume;
}

bool PauseLetsTypletsThrough::SetMarker(bool on) {
  const storage::TableGuard guard(lock_);
  if (!guard) return false;
  storage::SharedMacroTable& table = guard.Table();
  const bool was = table.PlaybackMarker;
  table.PlaybackMarker = on;
  return was;
}

}  // namespace quindle::activation
