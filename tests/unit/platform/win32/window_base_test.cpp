// WindowBase: messages become virtual calls; a refused or failed window says which call failed.
#include "platform/win32/window_base.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::PollFor;

constexpr const char* kClass = "QuindleWindowBaseTest";
constexpr UINT kPrivate = WM_APP + 5;

class Recorder final : public WindowBase {
 public:
  explicit Recorder(bool accept = true) : accept_(accept) {}
  std::vector<std::string> seen;
  using WindowBase::Fail;

 protected:
  bool OnCreate(const CREATESTRUCTA& create) override {
    seen.push_back("create " + std::string(create.lpszName));
    return accept_;
  }
  void OnSize(UINT, int width, int height) override {
    seen.push_back("size " + std::to_string(width) + "x" + std::to_string(height));
  }
  void OnCommand(int id, int code, HWND) override {
    seen.push_back("command " + std::to_string(id) + "/" + std::to_string(code));
  }
  void OnTimer(UINT_PTR id) override {
    if (seen.empty() || seen.back() != "timer " + std::to_string(id))
      seen.push_back("timer " + std::to_string(id));
  }
  void OnClose() override {
    seen.push_back("close");
    WindowBase::OnClose();
  }
  void OnDestroy() override { seen.push_back("destroy"); }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != kPrivate) return false;
    seen.push_back("private " + std::to_string(wParam));
    result = 77;
    return true;
  }

 private:
  bool accept_;
};

WindowCreateOptions Options(const char* title) {
  WindowCreateOptions options;
  options.className = kClass;
  options.title = title;
  options.width = 300;
  options.height = 200;
  return options;
}

TEST(WindowBaseTest, MessagesBecomeVirtualCallsUntilTheWindowIsGone) {
  Recorder window;
  ASSERT_TRUE(window.RegisterWindowClass({kClass})) << window.Failure();
  ASSERT_TRUE(window.RegisterWindowClass({kClass}));  // registered before: still fine
  ASSERT_TRUE(window.CreateTopLevel(Options("base one"))) << window.Failure();
  ASSERT_TRUE(window.IsOpen());
  ASSERT_FALSE(window.seen.empty());
  EXPECT_EQ(window.seen.front(), "create base one");

  window.seen.clear();
  SendMessageA(window.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
  SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(3010, 1), 0);
  EXPECT_EQ(SendMessageA(window.Handle(), kPrivate, 9, 0), 77);
  EXPECT_TRUE(window.SetCaption("renamed"));  // through DefWindowProcA
  char caption[32] = {};
  GetWindowTextA(window.Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "renamed");
  EXPECT_EQ(window.seen, (std::vector<std::string>{"size 120x80", "command 3010/1", "private 9"}));

  window.seen.clear();
  WindowTimer timer(window.Handle(), 7);
  ASSERT_TRUE(timer.Start(1));
  EXPECT_TRUE(PollFor([&] { return !window.seen.empty(); }));
  EXPECT_TRUE(timer.Stop());
  EXPECT_EQ(window.seen.front(), "timer 7");
  EXPECT_FALSE(WindowTimer(window.Handle(), 99).Stop());  // never started

  window.seen.clear();
  SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(window.seen, (std::vector<std::string>{"close", "destroy"}));
  EXPECT_FALSE(window.IsOpen());
  EXPECT_FALSE(window.Post(WM_NULL));
  EXPECT_EQ(window.Failure(), "PostMessageA: the window is not open");
}

TEST(WindowBaseTest, ARefusedOrUncreatableWindowFailsAndDestroysItsMenu) {
  const struct {
    bool accept;
    const char* className;
    const char* failure;  // how Failure() starts
  } cases[] = {{false, kClass, "CreateWindowExA failed"},
               {true, "QuindleNoSuchClass", "CreateWindowExA failed (error "}};
  for (const auto& c : cases) {
    Recorder window(c.accept);
    ASSERT_TRUE(window.RegisterWindowClass({kClass}));
    WindowCreateOptions options = Options("refused");
    options.className = c.className;
    options.menu = CreateMenu();
    ASSERT_NE(options.menu, nullptr);
    EXPECT_FALSE(window.CreateTopLevel(options)) << c.className;
    EXPECT_FALSE(window.IsOpen());
    EXPECT_FALSE(IsMenu(options.menu));  // destroyed, whether a window took it or not
    EXPECT_EQ(window.Failure().rfind(c.failure, 0), 0u) << window.Failure();
    EXPECT_EQ(window.seen.empty(), c.accept);  // no OnCreate without a window
  }
  EXPECT_FALSE(Recorder().RegisterWindowClass({}));

  class Explaining final : public WindowBase {
   protected:
    bool OnCreate(const CREATESTRUCTA&) override { return Fail("no shared block"); }
  } explaining;
  EXPECT_FALSE(explaining.CreateTopLevel(Options("explained")));
  EXPECT_EQ(explaining.Failure(), "no shared block");  // OnCreate's own words are kept
}

}  // namespace
}  // namespace quindle::platform::win32
