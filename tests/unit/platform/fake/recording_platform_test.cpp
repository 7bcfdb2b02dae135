#include <gtest/gtest.h>

#include "platform/date_time.h"
#include "platform/fake/recording_platform.h"

namespace quindle::platform::fake {
namespace {

TEST(RecordingPlatformTest, KeyboardLayoutAnswersAsUsEnglishWindows) {
  RecordingPlatform fake;
  EXPECT_EQ(fake.VkKeyScan('a'), 0x41);
  EXPECT_EQ(fake.VkKeyScan('A'), 0x141);
  EXPECT_EQ(fake.VkKeyScan('!'), 0x131);
  EXPECT_EQ(fake.VkKeyScan('"'), 0x1DE);
  EXPECT_EQ(fake.VkKeyScan('\t'), 0x09);
  EXPECT_EQ(fake.VkKeyScan('\r'), 0x0D);
  EXPECT_EQ(fake.VkKeyScan('\n'), 0x020D);
  EXPECT_EQ(fake.VkKeyScan('\x1B'), -1);
  EXPECT_EQ(fake.VkKeyScan('\x7F'), -1);
  EXPECT_EQ(fake.VkKeyScan('\xE9'), -1);
  EXPECT_EQ(fake.MapVirtualKey('A', kMapVkToScan), 0x1Eu);
  EXPECT_EQ(fake.MapVirtualKey('0', kMapVkToScan), 0x0Bu);
  EXPECT_EQ(fake.MapVirtualKey(0x87, kMapVkToScan), 0x76u);  // F24
  EXPECT_EQ(fake.MapVirtualKey(96, kMapVkToScan), 0x52u);    // keypad 0
}

TEST(RecordingPlatformTest, QuotedArgumentsAreEscaped) {
  RecordingPlatform fake;
  fake.DoAMessage("a\"b\\c", std::string_view("\r\n\t\x01\x7F\xE9", 6));
  ASSERT_EQ(fake.Log().size(), 1u);
  EXPECT_EQ(fake.Log()[0], "message \"a\\\"b\\\\c\" \"\\r\\n\\t\\x01\\x7F\xE9\"");
}

TEST(RecordingPlatformTest, VirtualClockDrivesNowTicksAndTimedCallbacks) {
  RecordingPlatform fake;
  fake.SetStartDateTime(ToDateTime({1999, 12, 31, 23, 59, 59, 0, 0}));
  fake.SetTickBase(0xFFFFFF00u);
  int ran = 0;
  fake.AtVirtualTime(1500, [&] { ++ran; });
  fake.ProcessMessages();
  EXPECT_EQ(ran, 0);
  fake.WaitForMessage(2000);
  EXPECT_EQ(ran, 0);  // callbacks stand for messages: they run when messages are processed
  fake.ProcessMessages();
  EXPECT_EQ(ran, 1);
  const CivilDateTime now = FromDateTime(fake.Now());
  EXPECT_EQ(now.year, 2000);
  EXPECT_EQ(now.second, 1);
  EXPECT_EQ(fake.TickCount(), 0xFFFFFF00u + 2000u);  // wrapped
  EXPECT_EQ(fake.Log(), std::vector<std::string>{"wait 2000"});
}

TEST(RecordingPlatformTest, ForegroundAndClosingFollowTheWindowCalls) {
  RecordingPlatform fake;
  const auto first = fake.AddWindow("First", 7);
  const auto second = fake.AddWindow("Second", 8, {}, true);
  fake.ForceForeground(second);
  EXPECT_EQ(fake.Foreground(), second);
  EXPECT_EQ(fake.TopLevelWindows(), (std::vector<WindowHandle>{second, first}));
  fake.ShowWindow(second, kSwRestore);
  EXPECT_FALSE(fake.IsIconic(second));
  fake.SendMessage(second, kWmSysCommand, kScClose, 0);
  EXPECT_EQ(fake.TopLevelWindows(), std::vector<WindowHandle>{first});
  EXPECT_EQ(fake.Foreground(), 0u);
  fake.SetWindowPos(first, 0, 0, 640, 480, kSwpNoMove | kSwpNoZOrder);
  fake.SendMessage(99, kWmSysCommand, kScMaximize, 0);
  EXPECT_EQ(
      fake.Log(),
      (std::vector<std::string>{
          "activate \"Second\"", "window \"restore\" \"Second\"", "window \"close\" \"Second\"",
          "window \"size\" \"First\" \"640\" \"480\"", "window \"maximize\" \"#99\""}));
}

TEST(RecordingPlatformTest, FilesLiveInMemory) {
  RecordingPlatform fake;
  fake.SetFile("a.txt", "one");
  fake.SetFile("b.txt", "two");
  EXPECT_TRUE(fake.CopyFile("a.txt", "b.txt"));
  EXPECT_EQ(fake.FileContent("b.txt"), "one");
  EXPECT_FALSE(fake.MoveFile("a.txt", "b.txt"));  // MoveFile does not replace
  EXPECT_TRUE(fake.MoveFile("a.txt", "c.txt"));
  EXPECT_FALSE(fake.HasFile("a.txt"));
  EXPECT_EQ(fake.ReadFile("c.txt", 2), "on");
  EXPECT_FALSE(fake.ReadFile("a.txt", 10).has_value());
  EXPECT_FALSE(fake.DeleteFile("a.txt"));
}

}  // namespace
}  // namespace quindle::platform::fake
