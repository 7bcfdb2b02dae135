// The settings file through the system's real profile functions.
#include "app/win32/profile_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/settings.h"
#include "support/test_files.h"

namespace quindle::app::win32 {
namespace {

using platform::win32::testing::TempFolder;
using platform::win32::testing::WriteWholeFile;

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ProfileFileTest, WritesAndReadsBackThroughTheSystem) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string path = folder.File("QUINX.INI");
  ProfileFile profile(path);
  EXPECT_EQ(profile.Path(), path);
  EXPECT_EQ(profile.Read("Misc", "Show Date", "No"), "No");  // no file yet

  profile.Write("Misc", "Show Date", "Yes");
  profile.Write("Misc", "Current File", "");
  const std::string longPath = "C:\\" + std::string(3000, 'p') + ".QNL";
  profile.Write("Misc", "Last File 1", longPath);
  EXPECT_FALSE(profile.WriteFailed());
  ASSERT_TRUE(platform::win32::testing::Exists(path));

  EXPECT_EQ(profile.Read("Misc", "Show Date", "No"), "Yes");
  EXPECT_EQ(profile.Read("misc", "SHOW DATE", "No"), "Yes");
  EXPECT_EQ(profile.Read("Misc", "Current File", "fallback"), "");
  EXPECT_EQ(profile.Read("Misc", "Last File 1", ""), longPath);
  EXPECT_EQ(profile.Read("Misc", "Missing", "fallback"), "fallback");
  EXPECT_EQ(profile.Read("Nowhere", "Show Date", "fallback"), "fallback");
  EXPECT_EQ(profile.Read(std::string("Mi\0sc", 5), "Show Date", "nul"), "nul");
}

TEST(ProfileFileTest, SettingsSurviveTheFileInSectionOrder) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string path = folder.File("QUINX.INI");
  Settings settings;
  settings.mainLeft = -1280;
  settings.timerSeconds = 45;
  settings.gridFont.name = "Courier New";
  settings.gridFont.bold = true;
  settings.lastFiles[1] = "C:\\MY MACROS\\B.QNL";
  settings.prefixKeys = ";;";
  {
    ProfileFile profile(path);
    SaveSettings(settings, profile);
    EXPECT_FALSE(profile.WriteFailed());
  }
  ProfileFile again(path);
  EXPECT_EQ(ReadSettings(again), settings);

  const std::string text = FileText(path);
  std::size_t previous = 0;
  for (const char* section :
       {"[Misc]", "[Capture]", "[Typlets]", "[Grid Title Font]", "[Grid Font]", "[Main Window]",
        "[Script Page]", "[Network]", "[Print List Font]", "[Scheduler]"}) {
    const std::size_t at = text.find(section);
    ASSERT_NE(at, std::string::npos) << section;
    EXPECT_GE(at, previous) << section;
    previous = at;
  }
  EXPECT_NE(text.find("Last File 5="), std::string::npos);
  EXPECT_NE(text.find("Left=-1280"), std::string::npos);
}

TEST(ProfileFileTest, HandWrittenFileIsReadByTheRules) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string path = folder.File("QUINX.INI");
  ASSERT_TRUE(WriteWholeFile(path,
                             "[Misc]\r\nShow Date=yEs\r\nPrimary Sort=21345\r\n"
                             "[Main Window]\r\nWidth=abc\r\nCol 1 Width= 12xyz\r\n"
                             "[Scheduler]\r\nTimer Seconds=61\r\n"));
  ProfileFile profile(path);
  const Settings read = ReadSettings(profile);
  EXPECT_TRUE(read.showDate);
  EXPECT_EQ(read.primarySort, "213");
  EXPECT_EQ(read.mainWidth, 640);
  EXPECT_EQ(read.col1Width, 12);
  EXPECT_EQ(read.timerSeconds, 10);

  // A save brings back every key the hand-written file lacked.
  SaveSettings(read, profile);
  EXPECT_FALSE(profile.WriteFailed());
  EXPECT_EQ(profile.Read("Network", "Sync Minutes", "gone"), "10");
  EXPECT_EQ(profile.Read("Main Window", "Width", "gone"), "640");
}

TEST(ProfileFileTest, WriteIntoAMissingFolderIsNotedAndReadsGiveTheFallback) {
  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  ProfileFile profile(folder.File("no such folder\\QUINX.INI"));
  profile.Write("Misc", "Show Date", "Yes");
  EXPECT_TRUE(profile.WriteFailed());
  EXPECT_EQ(profile.Read("Misc", "Show Date", "No"), "No");
  EXPECT_EQ(ReadSettings(profile), Settings{});
}

TEST(ProfileFileTest, ProgramDirectoryAndFileExists) {
  const std::string directory = ProgramDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '\\');
  EXPECT_FALSE(FileExists(directory));  // a directory is no file
  EXPECT_TRUE(FileExists(directory + "\\unit_tests.exe"));

  TempFolder folder;
  ASSERT_TRUE(folder.Ok());
  const std::string file = folder.File("A.QNL");
  EXPECT_FALSE(FileExists(file));
  ASSERT_TRUE(WriteWholeFile(file, ""));
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder.Path()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(file + std::string(1, '\0') + "x"));

  // The whole chain the program entry uses.
  Settings settings;
  settings.currentFile = file;
  EXPECT_EQ(ResolveCurrentFile(settings, "C:\\Q", FileExists), file);
  settings.currentFile = folder.File("DELETED.QNL");
  EXPECT_EQ(ResolveCurrentFile(settings, "C:\\Q", FileExists), "C:\\Q\\QUINX.QNL");
}

}  // namespace
}  // namespace quindle::app::win32
