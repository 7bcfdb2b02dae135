// The scheduler's window timers on a real window: a timed macro plays on MyTimer's ticks, and
// disabling it (the file's flag, the table's flag, then CheckAndSetTime) stops MyTimer.
#include "scheduler/win32/scheduler_timers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "activation/activation_test_support.h"
#include "scheduler/schedule_text.h"

namespace quindle::scheduler::win32 {
namespace {

using activation::testing::ActivationTest;
using activation::testing::MacroSetup;

class SchedulerTimersTest : public ActivationTest {
 protected:
  void SetUp() override {
    window_ =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    Load({{"Every", storage::kActivationTimed, storage::ScopeGlobal, "", "a"}});
    storage::MacroRecord r{};
    ASSERT_TRUE(store.ReadMacro(1, r));
    r.ScheduleKind = static_cast<std::int16_t>(ScheduleEveryMinutes);
    r.IntervalMinutes = static_cast<std::uint16_t>(1);
    ASSERT_TRUE(store.WriteMacro(1, r));
    timers_ = std::make_unique<SchedulerTimers>(
        window_, TimedRunServices{lock, player, fake, fake, fake, nullptr, nullptr, nullptr}, store,
        fake,
        fake, SchedulerHost{[] { return 1; }, [] { return false; }, nullptr});
  }
  void TearDown() override {
    timers_.reset();
    if (window_ != nullptr) DestroyWindow(window_);
  }
  // Handles this thread's messages, the window's timers through the scheduler, until `done`
  // or 10 s.
  template <typename Done>
  bool PumpUntil(Done done) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 10'000) return false;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_TIMER && msg.hwnd == window_)
          timers_->OnTimer(msg.wParam);
        else
          DispatchMessageA(&msg);
      }
      Sleep(10);
    }
    return true;
  }
  bool Typed() { return std::find(Log().begin(), Log().end(), "key 65 down") != Log().end(); }

  HWND window_ = nullptr;
  std::unique_ptr<SchedulerTimers> timers_;
};

TEST_F(SchedulerTimersTest, AnEnabledTimedMacroPlaysOnTheTicksAndDisablingItStopsTheTimer) {
  timers_->Start();
  fake.AdvanceClock(60'000);
  ASSERT_TRUE(PumpUntil([this] { return Typed(); }));

  ASSERT_TRUE(store.SetMacroEnabled(1, false));
  Table().Enabled[0] = false;  // the list operation's part
  timers_->CheckAndSetTime();
  EXPECT_FALSE(timers_->Core().HasEntries());
  // No MyTimer is left to kill.
  EXPECT_FALSE(KillTimer(window_, kMyTimerId));
}

}  // namespace
}  // namespace quindle::scheduler::win32
