// Files, clipboard, message queue, clock, processes, input queries, sound and shell against
// the real system.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/date_time.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/clock.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/input.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/processes.h"
#include "platform/win32/shell.h"
#include "platform/win32/sound.h"
#include "platform/win32/system_version.h"
#include "support/test_files.h"
#include "support/test_windows.h"

namespace quindle::platform::win32 {
namespace {

using testing::ClipboardText;
using testing::Exists;
using testing::TempFolder;
using testing::TestWindows;
using testing::WriteWholeFile;

TEST(Win32FileOps, CopiesReplacingRenamesDeletesAndRefusesWhatItCannotDo) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  Win32FileOps files;
  const std::string a = folder.File("a.txt");
  const std::string b = folder.File("b.txt");
  const std::string c = folder.File("c.txt");
  ASSERT_TRUE(WriteWholeFile(a, "first"));
  ASSERT_TRUE(WriteWholeFile(b, "old content that is longer"));

  EXPECT_TRUE(files.CopyFile(a, b));  // an existing target is replaced
  EXPECT_EQ(files.ReadFile(b, 100), "first");
  EXPECT_TRUE(files.MoveFile(b, c));
  EXPECT_FALSE(Exists(b));
  EXPECT_EQ(files.ReadFile(c, 100), "first");
  EXPECT_FALSE(files.MoveFile(a, c));  // MoveFile does not replace
  EXPECT_TRUE(files.DeleteFile(c));
  EXPECT_FALSE(Exists(c));

  EXPECT_FALSE(files.DeleteFile(c));
  EXPECT_FALSE(files.CopyFile(folder.File("missing.txt"), b));
  EXPECT_FALSE(Exists(b));
  EXPECT_FALSE(files.MoveFile(folder.File("missing.txt"), b));
  // A NUL would cut the path to another file's name: here to the existing a.txt.
  EXPECT_FALSE(files.DeleteFile(a + std::string("\0.bak", 5)));
  EXPECT_TRUE(Exists(a));
}

TEST(Win32FileOps, ReadsWholeFilesUpToTheLimit) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  Win32FileOps files;
  const std::string path = folder.File("text.txt");
  std::string content(300000, 'x');
  content[0] = 'a';
  content[299999] = '\x1a';
  content[1000] = '\0';
  ASSERT_TRUE(WriteWholeFile(path, content));

  EXPECT_EQ(files.ReadFile(path, 1 << 20), content);  // bytes as they are, NUL included
  EXPECT_EQ(files.ReadFile(path, 5), "axxxx");
  EXPECT_EQ(files.ReadFile(path, 0), "");

  const std::string empty = folder.File("empty.txt");
  ASSERT_TRUE(WriteWholeFile(empty, ""));
  EXPECT_EQ(files.ReadFile(empty, 100), "");
  EXPECT_EQ(files.ReadFile(folder.File("missing.txt"), 100), std::nullopt);
  EXPECT_EQ(files.ReadFile(folder.Path(), 100), std::nullopt);  // a folder is no file
}

TEST(Win32FileOps, ChangesTheProgramsCurrentDirectory) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  Win32FileOps files;
  char before[MAX_PATH + 1] = {};
  ASSERT_NE(::GetCurrentDirectoryA(MAX_PATH, before), 0u);

  ASSERT_TRUE(files.ChangeDirectory(folder.Path()));
  ASSERT_TRUE(WriteWholeFile(folder.File("here.txt"), "relative"));
  EXPECT_EQ(files.ReadFile("here.txt", 100), "relative");  // relative paths start there
  EXPECT_FALSE(files.ChangeDirectory(folder.File("no such folder")));
  EXPECT_TRUE(files.ChangeDirectory(before));
}

TEST(Win32Clipboard, ReplacesTheContentWithPlainText) {
  Win32Clipboard clipboard(0);
  ASSERT_TRUE(clipboard.SetText("first text"));
  EXPECT_EQ(ClipboardText(), "first text");
  ASSERT_TRUE(clipboard.SetText("abc"));
  EXPECT_EQ(ClipboardText(), "abc");
  ASSERT_TRUE(clipboard.SetText(""));
  EXPECT_EQ(ClipboardText(), "");
  // CF_TEXT ends at a NUL: what follows one cannot be on the clipboard.
  ASSERT_TRUE(clipboard.SetText(std::string("before\0after", 12)));
  EXPECT_EQ(ClipboardText(), "before");
  const std::string high = "\xe9t\xe9 5000";
  ASSERT_TRUE(clipboard.SetText(high));
  EXPECT_EQ(ClipboardText(), high);
}

TEST(Win32Clipboard, WaitsWhileAnotherHolderLetsGoAndGivesUpOtherwise) {
  // Another thread holds the clipboard for a moment; SetText tries again until it is free.
  std::atomic<int> stage{0};
  std::thread holder([&] {
    ClipboardSession held;
    if (!held.Open(nullptr)) {
      stage = -1;
      return;
    }
    stage = 1;
    while (stage == 1) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  });
  while (stage == 0) std::this_thread::yield();
  ASSERT_EQ(stage, 1);
  stage = 2;
  Win32Clipboard clipboard(0);
  EXPECT_TRUE(clipboard.SetText("after the holder"));
  holder.join();
  EXPECT_EQ(ClipboardText(), "after the holder");

  // Held for longer than the retries last: refused, and the old text stays.
  // Opened before the other thread starts, so its tries cannot come first.
  ClipboardSession blocking;
  ASSERT_TRUE(blocking.Open(nullptr));
  std::thread other([&] {
    Win32Clipboard late(0);
    stage = late.SetText("never") ? 3 : 4;
  });
  other.join();
  blocking.Close();
  EXPECT_EQ(stage, 4);
  EXPECT_EQ(ClipboardText(), "after the holder");
}

TEST(Win32MessagePump, DispatchesWaitingMessagesAndKeepsAQuitForTheProgramsLoop) {
  TestWindows windows;
  ASSERT_TRUE(windows.Registered());
  if (windows.WindowsUnavailable()) GTEST_SKIP() << "no display to create windows on";
  HWND window = windows.Create(TestWindows::Unique("Quindle Pump"));
  ASSERT_NE(window, nullptr);
  Win32MessagePump pump;

  ASSERT_TRUE(::PostMessageA(window, testing::kTestMessage, 1, 0));
  ASSERT_TRUE(::PostMessageA(window, testing::kTestMessage, 2, 0));
  pump.ProcessMessages();
  ASSERT_EQ(windows.Received().size(), 2u);

  ::PostQuitMessage(7);
  pump.ProcessMessages();
  EXPECT_TRUE(pump.QuitSeen());
  // Messages keep flowing after the quit was seen ...
  ASSERT_TRUE(::PostMessageA(window, testing::kTestMessage, 3, 0));
  pump.ProcessMessages();
  ASSERT_EQ(windows.Received().size(), 3u);
  // While it waits, a wait still sleeps: a few dozen turns in 300 ms, not a busy loop.
  int turns = 0;
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 300) {
    pump.WaitForMessage(50);
    ++turns;
  }
  EXPECT_LT(turns, 200);
  EXPECT_TRUE(pump.QuitSeen());
  // ... and the program's own loop still gets its WM_QUIT with the exit code.
  MSG message{};
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(Win32MessagePump, WaitSleepsUntilTheTimeoutOrWakesOnAPostedMessage) {
  Win32MessagePump pump;
  pump.ProcessMessages();
  const DWORD threadId = ::GetCurrentThreadId();
  MSG drain;
  // A queue must exist before another thread can post to it; PeekMessage above made it.
  while (::PeekMessageA(&drain, nullptr, 0, 0, PM_REMOVE)) {
  }

  DWORD start = ::GetTickCount();
  pump.WaitForMessage(300);
  DWORD took = ::GetTickCount() - start;
  EXPECT_GE(took, 250u);  // the tick count's resolution allows a little less
  EXPECT_LT(took, 5000u);

  std::thread poster([threadId] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::PostThreadMessageA(threadId, WM_APP + 3, 0, 0);
  });
  start = ::GetTickCount();
  pump.WaitForMessage(20000);
  took = ::GetTickCount() - start;
  poster.join();
  EXPECT_LT(took, 10000u);
  EXPECT_TRUE(::PeekMessageA(&drain, nullptr, WM_APP + 3, WM_APP + 3, PM_REMOVE));
}

TEST(Win32Clock, LocalTimeAndTickCount) {
  Win32Clock clock;
  SYSTEMTIME before{};
  ::GetLocalTime(&before);
  const CivilDateTime now = FromDateTime(clock.Now());
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_EQ(now.month, before.wMonth);
  // The day may have turned between the two readings only at midnight.
  EXPECT_TRUE(now.day == before.wDay || (now.hour == 0 && now.minute == 0));

  const double first = clock.Now();
  const std::uint32_t tick = clock.TickCount();
  EXPECT_TRUE(testing::PollFor([&] { return clock.TickCount() - tick >= 30; }));
  const double later = clock.Now();
  EXPECT_GT(later, first);  // milliseconds count: 30 ms later is a later date-time
  EXPECT_LT((later - first) * 86400.0, 5.0);
}

std::string OwnExeName() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, length);
  return full.substr(full.find_last_of("\\/") + 1);
}

void ExpectOwnProcessListed(Win32Processes& processes) {
  const std::string own = OwnExeName();
  ASSERT_FALSE(own.empty());
  bool found = false;
  const std::vector<ProcessEntry> list = processes.List();
  for (const ProcessEntry& entry : list) {
    EXPECT_FALSE(entry.exeName.empty());
    if (entry.id == ::GetCurrentProcessId()) {
      EXPECT_EQ(entry.exeName, own);
      found = true;
    }
  }
  EXPECT_TRUE(found) << own;
  EXPECT_LE(list.size(), 500u);
  EXPECT_EQ(processes.ExeName(::GetCurrentProcessId()), own);
  EXPECT_EQ(processes.ExeName(0xFFFFFFF0u), "");
}

TEST(Win32Processes, ListsThisProgramThroughPsapiAndToolhelp) {
  Win32Processes automatic;
  EXPECT_EQ(automatic.Api(), ProcessApi::Psapi);  // Wine reports Windows NT
  ExpectOwnProcessListed(automatic);

  Win32Processes toolhelp(ProcessApi::Toolhelp);
  ASSERT_EQ(toolhelp.Api(), ProcessApi::Toolhelp);
  ExpectOwnProcessListed(toolhelp);

  Win32Processes none(ProcessApi::None);
  EXPECT_TRUE(none.List().empty());
  EXPECT_EQ(none.ExeName(::GetCurrentProcessId()), "");
}

TEST(Win32System, VersionAndKeyboardQueries) {
  const SystemVersion version = QuerySystemVersion();
  EXPECT_TRUE(version.known);
  EXPECT_TRUE(version.nt);
  EXPECT_FALSE(version.NeedsAttachedForeground());

  Win32Input input;
  const std::int16_t a = input.VkKeyScan('a');
  EXPECT_EQ(a & 0xFF, 'A');
  EXPECT_EQ((a >> 8) & 0xFF, 0);
  EXPECT_EQ((input.VkKeyScan('A') >> 8) & 0xFF, 1);  // Shift
  EXPECT_NE(input.MapVirtualKey('A', kMapVkToScan), 0u);
  EXPECT_EQ(input.MapVirtualKey('A', kMapVkToChar), static_cast<std::uint32_t>('A'));
}

TEST(Win32System, SoundAndShellReportWhatTheyCouldNotDo) {
  Win32Sound sound;
  const DWORD start = ::GetTickCount();
  sound.PlayWave("C:\\no\\such\\sound.wav", true);  // no default sound stands in
  EXPECT_FALSE(sound.LastSucceeded());
  EXPECT_LT(::GetTickCount() - start, 5000u);
  sound.PlayWave("", true);
  EXPECT_FALSE(sound.LastSucceeded());

  Win32Shell shell(0);
  shell.Execute("open", "C:\\no\\such\\program.exe", "", SW_SHOWNORMAL);
  EXPECT_FALSE(shell.LastSucceeded());
  shell.Execute("open", std::string("cmd.exe\0 /c", 11), "", SW_SHOWNORMAL);
  EXPECT_FALSE(shell.LastSucceeded());
}

}  // namespace
}  // namespace quindle::platform::win32
