// The program's side of the scheduler: the macros come from the loaded file and the shared
// table, and a timed macro plays through the player as a hotkey's would, from the scheduler's
// own record (never the CurrentMacro, which an editor or a dialog may be filling meanwhile).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/player.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "scheduler/scheduler.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::scheduler {

class StoreMacroSource final : public ITimedMacroSource {
 public:
  StoreMacroSource(storage::TableLock& lock, storage::MacroStore& store)
      : lock_(lock), store_(store) {}
  std::vector<int> EnabledTimedMacros() override;
  bool IsEnabledTimed(int n) override;
  bool ReadMacro(int n, storage::MacroRecord& record) override;

 private:
  storage::TableLock& lock_;
  storage::MacroStore& store_;
};

// The scheduler's alarm: "Use Wave File" (a sound before each scheduled macro), "Wave File
// Wait", "Wave File". A sound without a file is the standard beep.
struct AlarmSound {
  bool use = false;
  bool wait = false;
  std::string file;

  bool Beeps() const noexcept { return use && file.empty(); }
  bool PlaysWave() const noexcept { return use && !file.empty(); }
};

// What "&Alarm"'s "Set Sound" chose: "&Beep", or the wave file with its wait choice. Either is
// a sound before each scheduled macro.
AlarmSound AlarmOfChoice(bool wave, std::string_view file, bool wait);

struct TimedRunServices {
  storage::TableLock& lock;
  engine::Player& player;
  platform::IWindows& windows;
  platform::IInputSink& input;
  platform::IKeyboardLayout& layout;
  // Read at each run, so a changed option counts at once.
  std::function<AlarmSound()> alarm;
  // Caps Lock as the hook library last reported it.
  std::function<bool()> capsLockOn;
  // A capture has stopped recording and its macro is not written yet: timed macros wait.
  std::function<bool()> captureCompleting;
};

class PlayerRunner final : public ITimedMacroRunner {
 public:
  explicit PlayerRunner(const TimedRunServices& services) : services_(services) {}
  bool Run(int n, const storage::MacroRecord& record, bool capsStep) override;
  bool Busy() override;

 private:
  bool ActivateScope(const storage::MacroRecord& record);
  TimedRunServices services_;
};

}  // namespace quindle::scheduler
