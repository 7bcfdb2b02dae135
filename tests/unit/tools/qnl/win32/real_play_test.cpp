// `qnl play` without --dry-run, played for real through the Win32 layer.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "qnl/qnl_app.h"
#include "support/test_files.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::ClipboardText;
using testing::Exists;
using testing::TempFolder;
using testing::TestWindows;
using testing::WriteWholeFile;

struct QnlResult {
  int status = -1;
  std::string out;
  std::string err;
};

QnlResult Qnl(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "qnl");
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  QnlResult result;
  result.status = tool::RunQnl(static_cast<int>(argv.size()), argv.data(), out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

TEST(Win32RealPlay, FileAndClipboardTagsActOnTheSystem) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string a = folder.File("a.txt");
  const std::string b = folder.File("b.txt");
  const std::string c = folder.File("c.txt");
  ASSERT_TRUE(WriteWholeFile(a, "source"));
  ASSERT_TRUE(WriteWholeFile(b, "replaced"));

  const QnlResult played = Qnl({"play", "--text",
                                "<COPYFILE:" + a + ";" + b + "><RENFILE:" + a + ";" + c +
                                    "><BEGCLIP>played for real<ENDCLIP>"});
  EXPECT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.out, "");
  EXPECT_EQ(played.err, "");
  char copied[32] = {};
  DWORD got = 0;
  HANDLE file = ::CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(::ReadFile(file, copied, sizeof copied - 1, &got, nullptr));
  EXPECT_TRUE(::CloseHandle(file));
  EXPECT_EQ(std::string(copied, got), "source");  // the existing target was replaced
  EXPECT_FALSE(Exists(a));
  EXPECT_TRUE(Exists(c));
  EXPECT_EQ(ClipboardText(), "played for real");
}

TEST(Win32RealPlay, AMissingTargetStopsBeforeAnythingPlays) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string kept = folder.File("kept.txt");
  ASSERT_TRUE(WriteWholeFile(kept, "x"));
  const std::string title = TestWindows::Unique("No Quindle Window With This Title");

  const QnlResult played = Qnl({"play", "--target", title, "--text", "<DELFILE:" + kept + ">"});
  EXPECT_EQ(played.status, 2);
  EXPECT_EQ(played.err,
            "qnl: --target: no window has the title \"" + title + "\" or a title containing it\n");
  EXPECT_TRUE(Exists(kept));

  const QnlResult dryRun = Qnl({"play", "--dry-run", "--target", "x", "--text", "a"});
  EXPECT_EQ(dryRun.status, 2);
  EXPECT_EQ(dryRun.out, "");
  const QnlResult negative = Qnl({"play", "--delay", "-1", "--text", "a"});
  EXPECT_NE(negative.status, 0);
}

TEST(Win32RealPlay, WaitsTheDelayFirstAndNotesAnIgnoredFileSwitch) {
  const DWORD start = ::GetTickCount();
  const QnlResult played = Qnl({"play", "--delay", "0.4", "--text", "<SWAP:other.qnl>"});
  const DWORD took = ::GetTickCount() - start;
  EXPECT_EQ(played.status, 0);
  EXPECT_GE(took, 380u);
  EXPECT_LT(took, 10000u);
  EXPECT_EQ(played.err, "qnl: <SWAP:other.qnl> ignored: qnl has no current macro file\n");
}

// Keys reach the window that --target brought to the front: one of this test's own, whose
// characters arrive while the player pumps messages between keys.
TEST(Win32RealPlay, TypesIntoTheTargetWindow) {
  TestWindows windows;
  ASSERT_TRUE(windows.Registered());
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
  const std::string title = TestWindows::Unique("Quindle Typing Target");
  HWND window = windows.Create(title, true);
  ASSERT_NE(window, nullptr);
  HWND other = windows.Create(TestWindows::Unique("Quindle Other Window"), true);
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(testing::PollFor([&] { return ::GetForegroundWindow() == other; }));

  const QnlResult played = Qnl({"play", "--target", title.substr(0, 20), "--text", "Hello, 42!"});
  EXPECT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(::GetForegroundWindow(), window);
  EXPECT_TRUE(testing::PollFor([&] { return windows.Typed() == "Hello, 42!"; })) << windows.Typed();
}

}  // namespace
}  // namespace quindle::platform::win32
