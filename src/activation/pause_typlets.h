// The pause dialog with Typlets listening. A macro plays under the playback marker, which keeps
// the keys it types away from the Typlet buffer; a pause lets the user type again, and a Typlet
// typed then must reach the buffer so that the user is told that the paused macro is in the way.
// This wraps the playback prompts: while the pause dialog is open the marker is off, and it is
// set again when the macro goes on.
#pragma once

#include <functional>
#include <utility>

#include "platform/program.h"
#include "storage/table_lock.h"

namespace quindle::activation {

class PauseLetsTypletsThrough final : public platform::IPlaybackPrompts {
 public:
  PauseLetsTypletsThrough(storage::TableLock& lock, platform::IPlaybackPrompts& prompts)
      : lock_(lock), prompts_(prompts) {}

  // Runs when a pause ends, whichever way (the main window empties the Typlet buffer there).
  void SetPauseEnded(std::function<void()> pauseEnded) { pauseEnded_ = std::move(pauseEnded); }

  bool ShowPause(const platform::PauseRequest& request) override;
  std::uint16_t AskRepeatCount() override { return prompts_.AskRepeatCount(); }
  void DoAMessage(std::string_view caption, std::string_view text) override {
    prompts_.DoAMessage(caption, text);
  }

 private:
  // Sets the marker to `on`; returns what it was (false when the table could not be taken).
  bool SetMarker(bool on);

  storage::TableLock& lock_;
  platform::IPlaybackPrompts& prompts_;
  std::function<void()> pauseEnded_;
};

}  // namespace quindle::activation
