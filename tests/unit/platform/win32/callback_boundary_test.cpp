// Handlers that throw, for real: the window and dialog procedures stop the failure, show one
// "System Error" box while it is up, and give the system a safe answer.
#include "platform/win32/callback_boundary.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/win32/playback_dialogs_res.h"
#include "platform/unexpected_error.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/modal_driver.h"
#include "platform/win32/window_base.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::Driver;
using testing::TextOf;

constexpr const char* kClass = "QuindleBoundaryTest";
constexpr UINT kThrow = WM_APP + 9;

std::string MessageOf(const char* what) {
  return UnexpectedErrorMessage(std::make_exception_ptr(std::runtime_error(what)));
}

// Stops at a shown "System Error" box of this thread and keeps it in *found.
BOOL CALLBACK FindErrorBox(HWND window, LPARAM found) {
  char className[16] = {};
  if (::GetClassNameA(window, className, sizeof className) > 0 &&
      std::string(className) == "#32770" && TextOf(window) == kUnexpectedErrorTitle &&
      ::IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND ErrorBox() {
  HWND found = nullptr;
  static_cast<void>(
      ::EnumThreadWindows(::GetCurrentThreadId(), &FindErrorBox, reinterpret_cast<LPARAM>(&found)));
  return found;
}

void Close(HWND box) {
  static_cast<void>(::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0));
}

// Runs `modal` and reads every error box it shows: the text of each box goes to the result, in
// order. A box is closed once `mayClose` says so.
std::vector<std::string> BoxesOf(
    const std::function<void()>& modal,
    const std::function<bool()>& mayClose = [] { return true; }) {
  std::vector<std::string> boxes;
  HWND last = nullptr;
  const auto tick = [&] {
    HWND box = ErrorBox();
    if (box == nullptr) return false;
    if (box != last) boxes.push_back(TextOf(::GetDlgItem(box, 0xFFFF)));
    last = box;
    if (mayClose()) Close(box);
    return false;  // keeps looking until the modal call returns
  };
  const auto rescue = [] {
    if (HWND box = ErrorBox()) Close(box);
  };
  static_cast<void>(Driver::Run(tick, rescue, modal));
  return boxes;
}

class Thrower final : public WindowBase {
 public:
  bool throwOnCreate = false;
  int thrown = 0;
  int repostUntil = 0;  // each failure posts one more kThrow until `thrown` reaches this

 protected:
  bool OnCreate(const CREATESTRUCTA&) override {
    if (throwOnCreate) throw std::runtime_error("no list");
    return true;
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    if (message != kThrow) return false;
    ++thrown;
    if (thrown < repostUntil) Post(kThrow);
    if (thrown > 100) {  // the test has gone wrong; stop the chain
      result = 5;
      return true;
    }
    throw std::runtime_error("The list could not be drawn");
  }
};

WindowCreateOptions Options() {
  WindowCreateOptions options;
  options.className = kClass;
  options.title = "boundary";
  options.style = WS_POPUP;
  return options;
}

TEST(CallbackBoundaryTest, AWindowHandlerThatThrowsIsReportedOnceWhileItsBoxIsUp) {
  Thrower window;
  ASSERT_TRUE(window.RegisterWindowClass({kClass}));
  ASSERT_TRUE(window.CreateTopLevel(Options())) << window.Failure();
  window.repostUntil = 3;
  LRESULT answer = 1;
  // The box's own loop hands the two reposted messages to the window, which fails again: that
  // is not shown again while the first box is up.
  const std::vector<std::string> boxes =
      BoxesOf([&] { answer = ::SendMessageA(window.Handle(), kThrow, 0, 0); },
              [&] { return window.thrown >= 3; });
  EXPECT_EQ(window.thrown, 3);
  EXPECT_EQ(boxes, std::vector<std::string>{MessageOf("The list could not be drawn")});
  EXPECT_EQ(answer, 0);  // the system's own answer to a private message
  EXPECT_TRUE(window.IsOpen());

  // Once that box is gone, a new failure is told again.
  window.repostUntil = 0;
  EXPECT_EQ(BoxesOf([&] { ::SendMessageA(window.Handle(), kThrow, 0, 0); }).size(), 1u);
  EXPECT_TRUE(window.Destroy());
}

TEST(CallbackBoundaryTest, AWindowWhoseCreationThrowsIsNotMade) {
  Thrower window;
  window.throwOnCreate = true;
  ASSERT_TRUE(window.RegisterWindowClass({kClass}));
  bool created = true;
  EXPECT_EQ(BoxesOf([&] { created = window.CreateTopLevel(Options()); }),
            std::vector<std::string>{MessageOf("no list")});
  EXPECT_FALSE(created);
  EXPECT_FALSE(window.IsOpen());
}

class FailingDialog final : public DialogBase {
 protected:
  bool OnInit() override { throw 7; }  // not even a standard exception
};

TEST(CallbackBoundaryTest, ADialogWhoseFillingThrowsIsCancelled) {
  FailingDialog dialog;
  std::optional<INT_PTR> result;
  const std::vector<std::string> boxes =
      BoxesOf([&] { result = dialog.RunModal(nullptr, IDD_ON_TOP_MESSAGE); });
  EXPECT_EQ(boxes, std::vector<std::string>{UnexpectedErrorMessage(std::exception_ptr())});
  EXPECT_EQ(result, std::optional<INT_PTR>(IDCANCEL));
  EXPECT_FALSE(dialog.IsOpen());
}

TEST(CallbackBoundaryTest, WorkThatCompletesIsNotReported) {
  int ran = 0;
  EXPECT_TRUE(BoxesOf([&] { EXPECT_TRUE(RunAtBoundary(nullptr, [&] { ++ran; })); }).empty());
  EXPECT_EQ(ran, 1);
  bool completed = true;
  EXPECT_EQ(BoxesOf([&] {
              completed = RunAtBoundary(nullptr, [] { throw std::runtime_error("lost"); });
            }),
            std::vector<std::string>{MessageOf("lost")});
  EXPECT_FALSE(completed);
}

}  // namespace
}  // namespace quindle::platform::win32
