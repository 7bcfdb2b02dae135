// Message boxes for real: another thread plays the user and presses a button of the box.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/win32/prompts.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::TestWindows;

// Waits for the message box titled `title` and presses `button` in it.
class BoxAnswerer {
 public:
  BoxAnswerer(std::string title, int button)
      : title_(std::move(title)), thread_([this, button] { Answer(button); }) {}
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  // The box was there and took the button asked for.
  bool Answered() const { return answered_ && !otherButtons_; }

 private:
  // Presses `button` until the box is gone. A box that ignores it (one with other buttons)
  // would keep the test waiting for ever: after a while every button is tried, and the answer
  // counts as failed.
  void Answer(int button) {
    const auto start = std::chrono::steady_clock::now();
    bool seen = false;
    while (!stop_) {
      HWND box = ::FindWindowA("#32770", title_.c_str());
      if (!box) {
        if (seen) return;
      } else {
        seen = true;
        const bool late = std::chrono::steady_clock::now() - start > std::chrono::seconds(10);
        if (late) otherButtons_ = true;
        const int everyButton[] = {IDOK, IDCANCEL, IDYES, IDNO};
        const int* first = late ? everyButton : &button;
        const int* last = late ? everyButton + 4 : &button + 1;
        for (const int* pressed = first; pressed != last; ++pressed) {
          if (::PostMessageA(box, WM_COMMAND, MAKEWPARAM(*pressed, BN_CLICKED), 0)) {
            answered_ = true;
          }
        }
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }

  std::string title_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> answered_{false};
  std::atomic<bool> otherButtons_{false};
  std::thread thread_;
};

class Win32PromptsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows_.Registered());
    if (windows_.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
  }
  TestWindows windows_;
};

TEST_F(Win32PromptsTest, MessageReturnsOnceItsBoxIsClosed) {
  const std::string title = TestWindows::Unique("Notice");
  BoxAnswerer user(title, IDOK);
  Win32Prompts prompts(0);
  prompts.ShowMessage(title, "The macro file was saved.");
  EXPECT_TRUE(user.Answered());
}

TEST_F(Win32PromptsTest, QuestionAnswersYesOrNoAsPressed) {
  HWND owner = windows_.Create(TestWindows::Unique("Quindle Box Owner"), true);
  ASSERT_NE(owner, nullptr);
  Win32Prompts prompts(FromHwnd(owner));
  {
    const std::string title = TestWindows::Unique("Delete");
    BoxAnswerer user(title, IDYES);
    EXPECT_TRUE(prompts.AskYesNo(title, "Remove the macro?"));
    EXPECT_TRUE(user.Answered());
  }
  {
    const std::string title = TestWindows::Unique("Warning");
    BoxAnswerer user(title, IDNO);
    EXPECT_FALSE(prompts.AskYesNo(title, "Replace the file?"));
    EXPECT_TRUE(user.Answered());
  }
}

}  // namespace
}  // namespace quindle::platform::win32
