#include "platform/win32/windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/playback_state.h"
#include "engine/playback_waits.h"
#include "engine/window_actions.h"
#include "platform/fake/recording_platform.h"
#include "platform/win32/win32_platform.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::PollFor;
using testing::TestWindows;

std::ptrdiff_t PositionOf(const std::vector<WindowHandle>& list, HWND window) {
  const auto found = std::find(list.begin(), list.end(), FromHwnd(window));
  return found == list.end() ? -1 : found - list.begin();
}

class Win32WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows_.Registered());
    if (windows_.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
  }

  TestWindows windows_;
  Win32Windows desktop_{0};
};

TEST_F(Win32WindowsTest, FindsExactTitleOnlyAndListsHiddenWindowsInZOrder) {
  const std::string title = TestWindows::Unique("Quindle Exact Report");
  HWND lower = windows_.Create(title);
  HWND upper = windows_.Create(title + " extra");
  ASSERT_NE(lower, nullptr);
  ASSERT_NE(upper, nullptr);

  EXPECT_EQ(desktop_.FindByExactTitle(title), FromHwnd(lower));
  EXPECT_EQ(desktop_.FindByExactTitle("Quindle Exact"), 0u);
  EXPECT_EQ(desktop_.FindByExactTitle(std::string("Quindle\0Exact", 13)), 0u);

  ASSERT_TRUE(
      ::SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  std::vector<WindowHandle> list = desktop_.TopLevelWindows();
  ASSERT_GE(PositionOf(list, upper), 0);  // hidden windows are listed too
  ASSERT_GE(PositionOf(list, lower), 0);
  EXPECT_LT(PositionOf(list, upper), PositionOf(list, lower));

  ASSERT_TRUE(
      ::SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  list = desktop_.TopLevelWindows();
  EXPECT_LT(PositionOf(list, lower), PositionOf(list, upper));
}

TEST_F(Win32WindowsTest, TitleProcessAndParentOfRealWindows) {
  const std::string title = TestWindows::Unique("Quindle Title");
  HWND top = windows_.Create(title);
  ASSERT_NE(top, nullptr);
  HWND child = windows_.Create("child", false, top);
  ASSERT_NE(child, nullptr);

  EXPECT_EQ(desktop_.Title(FromHwnd(top)), title);
  EXPECT_EQ(desktop_.ProcessOf(FromHwnd(top)), ::GetCurrentProcessId());
  EXPECT_EQ(desktop_.Parent(FromHwnd(child)), FromHwnd(top));
  EXPECT_EQ(desktop_.Parent(FromHwnd(top)), 0u);
  const std::vector<WindowHandle> list = desktop_.TopLevelWindows();
  EXPECT_EQ(PositionOf(list, child), -1);  // children are not top-level windows

  // A long title comes back cut to 255 characters.
  HWND longWindow = windows_.Create(std::string(300, 'q'));
  ASSERT_NE(longWindow, nullptr);
  EXPECT_EQ(desktop_.Title(FromHwnd(longWindow)), std::string(255, 'q'));

  // Windows that do not exist answer with nothing.
  const WindowHandle gone = FromHwnd(windows_.Create("gone"));
  ASSERT_TRUE(::DestroyWindow(ToHwnd(gone)));
  EXPECT_EQ(desktop_.Title(gone), "");
  EXPECT_EQ(desktop_.ProcessOf(gone), 0u);
  EXPECT_FALSE(desktop_.IsIconic(gone));
  const Rect none = desktop_.WindowRect(gone);
  EXPECT_EQ(none.right - none.left, 0);
  EXPECT_EQ(desktop_.Title(0), "");
}

TEST_F(Win32WindowsTest, SizesMovesShowsAndHidesAWindow) {
  HWND window = windows_.Create(TestWindows::Unique("Quindle Geometry"));
  ASSERT_NE(window, nullptr);
  const WindowHandle handle = FromHwnd(window);

  desktop_.SetWindowPos(handle, 40, 50, 0, 0, kSwpNoZOrder | kSwpNoSize);
  Rect rect = desktop_.WindowRect(handle);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.top, 50);
  EXPECT_EQ(rect.right - rect.left, 300);
  EXPECT_EQ(rect.bottom - rect.top, 200);

  desktop_.SetWindowPos(handle, 0, 0, 320, 240, kSwpNoZOrder | kSwpNoMove);
  rect = desktop_.WindowRect(handle);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.top, 50);
  EXPECT_EQ(rect.right - rect.left, 320);
  EXPECT_EQ(rect.bottom - rect.top, 240);

  EXPECT_FALSE(::IsWindowVisible(window));
  desktop_.ShowWindow(handle, kSwShow);
  EXPECT_TRUE(::IsWindowVisible(window));
  desktop_.ShowWindow(handle, kSwHide);
  EXPECT_FALSE(::IsWindowVisible(window));

  desktop_.ShowWindow(handle, SW_MINIMIZE);
  EXPECT_TRUE(PollFor([&] { return desktop_.IsIconic(handle); }));
  desktop_.ShowWindow(handle, kSwRestore);
  EXPECT_TRUE(PollFor([&] { return !desktop_.IsIconic(handle); }));
}

TEST_F(Win32WindowsTest, SendWaitsForTheWindowAndPostArrivesThroughTheQueue) {
  HWND window = windows_.Create(TestWindows::Unique("Quindle Messages"));
  ASSERT_NE(window, nullptr);
  const WindowHandle handle = FromHwnd(window);

  desktop_.SendMessage(handle, testing::kTestMessage, 1, 0);
  ASSERT_EQ(windows_.Received().size(), 1u);  // handled before SendMessage returned
  desktop_.PostMessage(handle, testing::kTestMessage, 2, 0);
  EXPECT_EQ(windows_.Received().size(), 1u);
  Win32MessagePump pump;
  pump.ProcessMessages();
  ASSERT_EQ(windows_.Received().size(), 2u);
  EXPECT_EQ(windows_.Received()[1], 2u);

  // Window 0 reaches nobody: above all no WM_QUIT lands in this thread's own queue.
  desktop_.PostMessage(0, kWmQuit, 0, 0);
  desktop_.SendMessage(0, testing::kTestMessage, 3, 0);
  MSG message;
  EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_EQ(windows_.Received().size(), 2u);
}

// The search of the player over real windows: the whole title first, then the first window
// in z-order whose title holds the text, in any case; hidden windows count.
TEST_F(Win32WindowsTest, PlayerSearchFindsWholeTitleFirstThenPartInZOrder) {
  const std::string base = TestWindows::Unique("Untitled - Quindlepad");
  HWND exact = windows_.Create(base);
  HWND longer = windows_.Create("Other " + base);
  ASSERT_NE(exact, nullptr);
  ASSERT_NE(longer, nullptr);
  ASSERT_TRUE(
      ::SetWindowPos(longer, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));

  Win32Platform platform(0);
  fake::RecordingPlatform stand;
  const engine::PlayerServices services = MakePlayerServices(platform, stand, stand, stand);
  engine::PlaybackState state;
  engine::PlaybackWaits waits(services.clock, services.pump, state);
  engine::WindowActions actions(services, state, waits);

  EXPECT_EQ(actions.GetWinHandle(base), FromHwnd(exact));  // whole title, though lower
  // The whole-title search ignores case too, so the part search shows with a part only.
  EXPECT_EQ(actions.GetWinHandle("untitled - quindlepad ["), FromHwnd(longer));
  EXPECT_EQ(actions.GetWinHandle("QUINDLEPAD ["), FromHwnd(longer));
  EXPECT_EQ(actions.GetWinHandle(TestWindows::Unique("Quindlepad2")), 0u);
}

// Both ways of bringing a window to the front end with it in front; Wine lets either work.
TEST_F(Win32WindowsTest, ForceForegroundBringsAWindowToTheFrontByEitherPath) {
  HWND first = windows_.Create(TestWindows::Unique("Quindle Front One"), true);
  HWND second = windows_.Create(TestWindows::Unique("Quindle Front Two"), true);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);

  // The window manager activates a newly shown window a moment later; let it finish first.
  ASSERT_TRUE(PollFor([&] { return ::GetForegroundWindow() == second; }));

  Win32Windows automatic(0);
  automatic.ForceForeground(FromHwnd(first));
  EXPECT_TRUE(PollFor([&] { return ::GetForegroundWindow() == first; }));

  Win32Windows attached(FromHwnd(first), ForegroundPath::AttachedInput);
  attached.ForceForeground(FromHwnd(second));
  EXPECT_TRUE(PollFor([&] { return ::GetForegroundWindow() == second; }));
  EXPECT_EQ(attached.Foreground(), FromHwnd(second));

  Win32Windows plain(0, ForegroundPath::SetForegroundOnly);
  plain.ForceForeground(FromHwnd(first));
  EXPECT_TRUE(PollFor([&] { return ::GetForegroundWindow() == first; }));

  // The joins are undone: this thread's input is its own again.
  EXPECT_TRUE(automatic.WaitUntilInFront(FromHwnd(first), 1000));
  EXPECT_FALSE(automatic.WaitUntilInFront(FromHwnd(second), 50));
}

// A hotkey's target is the control that had the focus: bringing it forward brings its
// top-level window to the front, by either path.
TEST_F(Win32WindowsTest, ForceForegroundOfAControlBringsItsWindowToTheFront) {
  HWND first = windows_.Create(TestWindows::Unique("Quindle Control Owner"), true);
  HWND second = windows_.Create(TestWindows::Unique("Quindle Control Other"), true);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  HWND control = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, first,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(control, nullptr);
  ASSERT_TRUE(PollFor([&] { return ::GetForegroundWindow() == second; }));

  Win32Windows automatic(0);
  automatic.ForceForeground(FromHwnd(control));
  EXPECT_TRUE(PollFor([&] { return ::GetForegroundWindow() == first; }));

  Win32Windows attached(FromHwnd(second), ForegroundPath::AttachedInput);
  automatic.ForceForeground(FromHwnd(second));
  ASSERT_TRUE(PollFor([&] { return ::GetForegroundWindow() == second; }));
  attached.ForceForeground(FromHwnd(control));
  EXPECT_TRUE(PollFor([&] { return ::GetForegroundWindow() == first; }));
}

}  // namespace
}  // namespace quindle::platform::win32
