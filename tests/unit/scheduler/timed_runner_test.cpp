// A timed macro played through the player as the program plays it: the recording platform
// stands for the desktop, a scratch macro file for the loaded file.
#include <gtest/gtest.h>

#include "activation/activation_test_support.h"
#include "scheduler/schedule_text.h"
#include "scheduler/scheduler.h"
#include "scheduler/timed_runner.h"

namespace quindle::scheduler {
namespace {

using activation::testing::ActivationTest;
using activation::testing::Lines;
using activation::testing::MacroSetup;
using activation::testing::Marker;
using activation::testing::Press;
using activation::testing::Seq;
using activation::testing::Typed;
using activation::testing::WithoutWaits;

class TimedRunTest : public ActivationTest {
 protected:
  // Every macro of `setups` becomes an every-minute macro; one check a minute later.
  void LoadTimed(std::vector<MacroSetup> setups) {
    for (MacroSetup& setup : setups) setup.hotkey = storage::kActivationTimed;
    Load(setups);
    for (std::size_t n = 1; n <= setups.size(); ++n) {
      storage::MacroRecord r{};
      ASSERT_TRUE(store.ReadMacro(static_cast<int>(n), r));
      r.ScheduleKind = static_cast<std::int16_t>(kind);
      r.IntervalMinutes = static_cast<std::uint16_t>(1);
      ASSERT_TRUE(store.WriteMacro(static_cast<int>(n), r));
    }
    fake.ClearLog();
  }
  void CheckAMinuteLater() {
    scheduler.CheckAndSetTime();
    fake.AdvanceClock(60'000);
    scheduler.CheckOutTimerMacros();
  }

  int kind = ScheduleEveryMinutes;
  AlarmSound alarm;
  StoreMacroSource source{lock, store};
  bool captureCompleting = false;
  PlayerRunner runner{TimedRunServices{lock, player, fake, fake, fake, [this] { return alarm; },
                                       [this] { return fake.CapsLockOn(); },
                                       [this] { return captureCompleting; }}};
  Scheduler scheduler{source, runner, fake};
};

TEST_F(TimedRunTest, PlaysUnderTheMarkerWithTheAlarmFirstAndSkipsAWindowNotFound) {
  LoadTimed({{"Missing", 0, storage::ScopeWindow, "No Such Window", "no"},
             {"Global", 0, storage::ScopeGlobal, "", "ab"}});
  alarm = {true, true, "C:\\ALARM.WAV"};
  store.CurrentMacro().Name.Assign("being edited");
  CheckAMinuteLater();
  const Lines log = WithoutWaits(Log());
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "sound \"wave\" \"C:\\\\ALARM.WAV\" \"wait\"");
  EXPECT_EQ(Lines(log.begin() + 1, log.end()), Seq({Typed("ab"), Marker()}));
  EXPECT_EQ(store.CurrentMacro().Name.View(), "being edited");
}

TEST_F(TimedRunTest, TheAlarmChosenInSetSoundSoundsBeforeTheMacro) {
  struct Row {
    AlarmSound alarm;
    std::string first;  // the first line played, "" for none before the text
  };
  const Row rows[] = {
      {AlarmOfChoice(false, "C:\\OLD.WAV", true), "sound \"beep\""},  // "&Beep"
      {AlarmOfChoice(true, "C:\\A.WAV", false), "sound \"wave\" \"C:\\\\A.WAV\" \"nowait\""},
      {AlarmSound{}, ""},  // never chosen: no sound
  };
  for (const Row& row : rows) {
    LoadTimed({{"Global", 0, storage::ScopeGlobal, "", "ab"}});
    alarm = row.alarm;
    CheckAMinuteLater();
    const Lines log = WithoutWaits(Log());
    ASSERT_FALSE(log.empty()) << row.first;
    EXPECT_EQ(log.front(), row.first.empty() ? Typed("ab").front() : row.first);
    Table().PlaybackMarker = false;
  }
}

TEST_F(TimedRunTest, CapsLockIsSwitchedOffAroundACheckedMacroButNotAStartUpOne) {
  LoadTimed({{"Caps", 0, storage::ScopeGlobal, "", "a"}});
  CapsLockOnBeforehand();
  CheckAMinuteLater();
  EXPECT_EQ(WithoutWaits(Log()), Seq({Press(20), Typed("a"), Press(20), Marker()}));
  EXPECT_TRUE(fake.CapsLockOn());

  Table().PlaybackMarker = false;  // as the hook does when the marker key reaches it
  kind = ScheduleAtStartup;
  LoadTimed({{"Boot", 0, storage::ScopeGlobal, "", "a"}});
  scheduler.DoStartUpMacros();
  EXPECT_EQ(WithoutWaits(Log()), Seq({Typed("a"), Marker()}));
}

TEST_F(TimedRunTest, NothingStartsWhileAPausePopupOrCaptureIsInTheWay) {
  LoadTimed({{"Global", 0, storage::ScopeGlobal, "", "a"}});
  const std::function<void(bool)> ways[] = {
      [this](bool on) { State().PauseActive = on; },
      [this](bool on) { State().PopupShowing = on; },
      [this](bool on) { Table().CaptureActive = on; },
      [this](bool on) { captureCompleting = on; },
  };
  for (const auto& inTheWay : ways) {
    inTheWay(true);
    CheckAMinuteLater();
    EXPECT_TRUE(WithoutWaits(Log()).empty());
    inTheWay(false);
  }
}

}  // namespace
}  // namespace quindle::scheduler
