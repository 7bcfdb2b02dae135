#include "app/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/memory_profile.h"

namespace quindle::app {
namespace {

// Reads the settings from a profile file's text.
Settings ReadText(std::string_view text) {
  MemoryProfile profile = MemoryProfile::FromText(text);
  return ReadSettings(profile);
}

Settings ReadOne(const std::string& section, const std::string& key, const std::string& value) {
  return ReadText("[" + section + "]\n" + key + "=" + value + "\n");
}

// Every field differs from its default, every value is one the reading keeps.
Settings Unusual() {
  Settings s;
  s.systemMenu = 3;
  s.primarySort = "213";
  s.activationSort = "312";
  s.scopeSort = "54321";
  s.lastDateFormat = 50;
  s.lastTimeFormat = 25;
  s.suppressZerosInDate = false;
  s.suppressZerosInTime = false;
  s.showDate = true;
  s.useTray = true;
  s.disableScreenSaver = false;
  s.currentFile = "D:\\MACROS\\WORK.QNL";
  s.lastFiles = {"D:\\MACROS\\WORK.QNL", "C:\\A.QNL", "", "C:\\B C\\D.QNL", "E:\\E.QNL"};
  s.doubleAlt = false;
  s.captureKeys = false;
  s.captureMouse = false;
  s.relativeToScreen = false;
  s.captureTime = false;
  s.capturePrompt = false;
  s.captureWindowSize = false;
  s.captureGlobal = false;
  s.captureSpeed = 4;
  s.solitaryUsage = true;
  s.caseSensitive = false;
  s.useSuffix = true;
  s.prefixKeys = ";;";
  s.mainWidth = 1024;
  s.mainHeight = 700;
  s.mainLeft = -1280;
  s.mainTop = -20;
  s.col1Width = 90;
  s.col2Width = 200;
  s.col3Width = 150;
  s.useSpeed = true;
  s.gridTitleFont = {-2147483646, "Times New Roman", 14, true, true, true, true};
  s.gridFont = {255, "Courier New", 9, true, true, true, true};
  s.scriptWidth = 800;
  s.scriptHeight = 600;
  s.scriptLeft = 10;
  s.scriptTop = 1500;
  s.networkMode = true;
  s.autoSync = false;
  s.syncMinutes = 65535;
  s.printFont = {16711680, "Verdana", 11, true, true, false, false};
  s.useWaveFile = true;
  s.waveFileWait = true;
  s.waveFile = "C:\\WINDOWS\\MEDIA\\DING.WAV";
  s.timerSeconds = 60;
  return s;
}

TEST(SettingsReadTest, MissingFileGivesEveryDefault) {
  MemoryProfile empty;
  const Settings read = ReadSettings(empty);
  EXPECT_EQ(read, Settings{});
  EXPECT_EQ(read.mainWidth, 640);
  EXPECT_EQ(read.mainHeight, 424);
  EXPECT_EQ(read.gridTitleFont.size, 12);
  EXPECT_EQ(read.gridFont.size, 10);
  EXPECT_EQ(read.printFont.name, "Arial");
  EXPECT_EQ(read.scopeSort, "12345");
  EXPECT_TRUE(read.autoSync);
  EXPECT_FALSE(read.networkMode);
  EXPECT_EQ(read.timerSeconds, 10);
  EXPECT_EQ(read.syncMinutes, 10);
  EXPECT_TRUE(read.caseSensitive);
}

TEST(SettingsReadTest, BooleansAreTrueOnlyForYesInAnyCase) {
  for (const std::string yes : {"yes", "YES", "Yes", "yEs"}) {
    EXPECT_TRUE(ReadOne("Misc", "Show Date", yes).showDate) << yes;
    EXPECT_TRUE(ReadOne("Network", "Network Mode", yes).networkMode) << yes;
  }
  for (const std::string no : {"1", "", "No", "true", "y", "yess", "on"}) {
    EXPECT_FALSE(ReadOne("Misc", "Suppress Zeros In Date", no).suppressZerosInDate) << no;
    EXPECT_FALSE(ReadOne("Capture", "Keys", no).captureKeys) << no;
  }
  // The keys are found whatever their case, as the system's profile functions find them.
  EXPECT_FALSE(ReadText("[capture]\nDOUBLE ALT=no\n").doubleAlt);
  // The misspelt key of the file is the one that is read.
  EXPECT_FALSE(ReadOne("Typlets", "Case Sensative", "No").caseSensitive);
  EXPECT_TRUE(ReadOne("Typlets", "Case Sensitive", "No").caseSensitive);
}

TEST(SettingsReadTest, TimerSecondsOutsideOneToSixtyIsTen) {
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "0").timerSeconds, 10);
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "61").timerSeconds, 10);
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "60").timerSeconds, 60);
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "1").timerSeconds, 1);
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "65546").timerSeconds, 10);
  EXPECT_EQ(ReadOne("Scheduler", "Timer Seconds", "").timerSeconds, 10);
}

TEST(SettingsReadTest, NumbersFollowTheLeadingDigitRule) {
  EXPECT_EQ(ReadOne("Main Window", "Col 1 Width", " 12xyz").col1Width, 12);
  EXPECT_EQ(ReadOne("Main Window", "Col 2 Width", "\t 300").col2Width, 300);
  EXPECT_EQ(ReadOne("Misc", "Last Date Format", "abc").lastDateFormat, 0);
  EXPECT_EQ(ReadOne("Misc", "Last Date Format", "7th").lastDateFormat, 7);
  // "abc" reads 0, which no window width can be: the default stands.
  EXPECT_EQ(ReadOne("Main Window", "Width", "abc").mainWidth, 640);
  EXPECT_EQ(ReadOne("Main Window", "Height", "").mainHeight, 424);
  // A sign counts only where negative numbers are real: positions and colours.
  EXPECT_EQ(ReadOne("Main Window", "Left", "-5").mainLeft, -5);
  EXPECT_EQ(ReadOne("Main Window", "Top", " -1080").mainTop, -1080);
  EXPECT_EQ(ReadOne("Script Page", "Left", "-0").scriptLeft, 0);
  EXPECT_EQ(ReadOne("Grid Font", "Color", "-2147483643").gridFont.color, -2147483643);
  EXPECT_EQ(ReadOne("Main Window", "Width", "-5").mainWidth, 640);
  EXPECT_EQ(ReadOne("Misc", "Last Time Format", "-3").lastTimeFormat, 0);
  EXPECT_EQ(ReadOne("Misc", "System Menu", "+2").systemMenu, 1);
}

TEST(SettingsReadTest, ValuesNoUseCanTakeGiveTheDefault) {
  EXPECT_EQ(ReadOne("Main Window", "Width", "0").mainWidth, 640);
  EXPECT_EQ(ReadOne("Main Window", "Width", "32767").mainWidth, 32767);
  EXPECT_EQ(ReadOne("Main Window", "Width", "32768").mainWidth, 640);
  EXPECT_EQ(ReadOne("Main Window", "Height", "99999999999999999999999").mainHeight, 424);
  EXPECT_EQ(ReadOne("Main Window", "Left", "-32768").mainLeft, -32768);
  EXPECT_EQ(ReadOne("Main Window", "Left", "-40000").mainLeft, 0);
  EXPECT_EQ(ReadOne("Main Window", "Col 3 Width", "0").col3Width, 132);
  EXPECT_EQ(ReadOne("Script Page", "Height", "0").scriptHeight, 446);
  EXPECT_EQ(ReadOne("Script Page", "Width", "-606").scriptWidth, 606);
  EXPECT_EQ(ReadOne("Grid Title Font", "Size", "0").gridTitleFont.size, 12);
  EXPECT_EQ(ReadOne("Print List Font", "Size", "100000").printFont.size, 10);
  EXPECT_EQ(ReadOne("Grid Font", "Color", "2147483648").gridFont.color, 0);
  EXPECT_EQ(ReadOne("Misc", "System Menu", "4").systemMenu, 1);
  EXPECT_EQ(ReadOne("Misc", "System Menu", "2").systemMenu, 2);
  EXPECT_EQ(ReadOne("Capture", "Speed", "5").captureSpeed, 1);
  EXPECT_EQ(ReadOne("Capture", "Speed", "3").captureSpeed, 3);
  EXPECT_EQ(ReadOne("Misc", "Last Date Format", "51").lastDateFormat, 0);
  EXPECT_EQ(ReadOne("Misc", "Last Time Format", "26").lastTimeFormat, 0);
  // The 16-bit minute count: a value beyond 16 bits is the default, 0 (no reloading) stays.
  EXPECT_EQ(ReadOne("Network", "Sync Minutes", "65535").syncMinutes, 65535);
  EXPECT_EQ(ReadOne("Network", "Sync Minutes", "65536").syncMinutes, 10);
  EXPECT_EQ(ReadOne("Network", "Sync Minutes", "0").syncMinutes, 0);
}

TEST(SettingsReadTest, StringsAreCutToTheirFields) {
  EXPECT_EQ(ReadOne("Misc", "Primary Sort", "21345").primarySort, "213");
  EXPECT_EQ(ReadOne("Misc", "Activation Sort", "3124").activationSort, "312");
  EXPECT_EQ(ReadOne("Misc", "Scope Sort", "5432112").scopeSort, "54321");
  EXPECT_EQ(ReadOne("Typlets", "Prefix Keys", "abc").prefixKeys, "ab");
  EXPECT_EQ(ReadOne("Misc", "Current File", std::string(300, 'f')).currentFile.size(), 250u);
  EXPECT_EQ(ReadOne("Misc", "Last File 5", std::string(300, 'f')).lastFiles[4].size(), 250u);
  EXPECT_EQ(ReadOne("Scheduler", "Wave File", std::string(260, 'w')).waveFile.size(), 250u);
  EXPECT_EQ(ReadOne("Grid Font", "Font Name", std::string(300, 'n')).gridFont.name.size(), 255u);
  EXPECT_EQ(ReadOne("Misc", "Last File 3", "C:\\X.QNL").lastFiles[2], "C:\\X.QNL");
}

TEST(SettingsReadTest, SortOrdersThatAreNoPermutationGiveTheDefault) {
  EXPECT_EQ(ReadOne("Misc", "Primary Sort", "12").primarySort, "123");
  EXPECT_EQ(ReadOne("Misc", "Primary Sort", "113").primarySort, "123");
  EXPECT_EQ(ReadOne("Misc", "Activation Sort", "abc").activationSort, "123");
  EXPECT_EQ(ReadOne("Misc", "Scope Sort", "12346").scopeSort, "12345");
  EXPECT_EQ(ReadOne("Misc", "Scope Sort", "").scopeSort, "12345");
  EXPECT_EQ(ReadOne("Misc", "Primary Sort", "321").primarySort, "321");
}

TEST(SettingsReadTest, EmptyFontNameIsArial) {
  const Settings read = ReadText("[Grid Font]\nFont Name=\n[Print List Font]\nFont Name=\n");
  EXPECT_EQ(read.gridFont.name, "Arial");
  EXPECT_EQ(read.printFont.name, "Arial");
  EXPECT_EQ(ReadOne("Grid Title Font", "Font Name", "Tahoma").gridTitleFont.name, "Tahoma");
}

TEST(SettingsReadTest, PrintFontKeepsOnlyBoldAndItalic) {
  const Settings read =
      ReadText("[Print List Font]\nBold=Yes\nItalic=Yes\nUnderline=Yes\nStrikeout=Yes\n");
  EXPECT_TRUE(read.printFont.bold);
  EXPECT_TRUE(read.printFont.italic);
  EXPECT_FALSE(read.printFont.underline);
  EXPECT_FALSE(read.printFont.strikeout);
}

TEST(ResolveCurrentFileTest, EmptyOrMissingFileFallsBackToTheProgramDirectory) {
  std::set<std::string> existing = {"D:\\MACROS\\WORK.QNL"};
  const auto exists = [&existing](std::string_view path) {
    return existing.count(std::string(path)) > 0;
  };
  Settings settings;
  EXPECT_EQ(ResolveCurrentFile(settings, "C:\\QUINDLE", exists), "C:\\QUINDLE\\QUINX.QNL");
  settings.currentFile = "D:\\MACROS\\WORK.QNL";
  EXPECT_EQ(ResolveCurrentFile(settings, "C:\\QUINDLE", exists), "D:\\MACROS\\WORK.QNL");
  existing.clear();  // the file was deleted since the last run
  EXPECT_EQ(ResolveCurrentFile(settings, "C:\\QUINDLE", exists), "C:\\QUINDLE\\QUINX.QNL");
  // Without a way to test for files, no remembered file can be trusted.
  EXPECT_EQ(ResolveCurrentFile(settings, "C:", {}), "C:\\QUINX.QNL");
}

TEST(SettingsSaveTest, WritesEverySectionAndKeyInOrder) {
  MemoryProfile profile;
  SaveSettings(Settings{}, profile);
  EXPECT_EQ(profile.SectionNames(),
            (std::vector<std::string>{"Misc", "Capture", "Typlets", "Grid Title Font", "Grid Font",
                                      "Main Window", "Script Page", "Network", "Print List Font",
                                      "Scheduler"}));
  EXPECT_EQ(profile.KeyNames("Misc"),
            (std::vector<std::string>{
                "System Menu", "Primary Sort", "Activation Sort", "Scope Sort", "Last Date Format",
                "Last Time Format", "Suppress Zeros In Date", "Suppress Zeros In Time", "Show Date",
                "Use Tray", "Disable Screen Saver", "Current File", "Last File 1", "Last File 2",
                "Last File 3", "Last File 4", "Last File 5"}));
  EXPECT_EQ(profile.KeyNames("Capture"),
            (std::vector<std::string>{"Double Alt", "Keys", "Mouse", "Relative To Screen", "Time",
                                      "Prompt", "Window Size", "Global", "Speed"}));
  EXPECT_EQ(
      profile.KeyNames("Typlets"),
      (std::vector<std::string>{"Solitary Usage", "Case Sensative", "Use Suffix", "Prefix Keys"}));
  const std::vector<std::string> fontKeys = {"Color",  "Font Name", "Size",     "Bold",
                                             "Italic", "Underline", "Strikeout"};
  EXPECT_EQ(profile.KeyNames("Grid Title Font"), fontKeys);
  EXPECT_EQ(profile.KeyNames("Grid Font"), fontKeys);
  EXPECT_EQ(profile.KeyNames("Main Window"),
            (std::vector<std::string>{"Width", "Height", "Left", "Top", "Col 1 Width",
                                      "Col 2 Width", "Col 3 Width", "Use Speed"}));
  EXPECT_EQ(profile.KeyNames("Script Page"),
            (std::vector<std::string>{"Width", "Height", "Left", "Top"}));
  EXPECT_EQ(profile.KeyNames("Network"),
            (std::vector<std::string>{"Network Mode", "Auto Sync", "Sync Minutes"}));
  EXPECT_EQ(profile.KeyNames("Print List Font"),
            (std::vector<std::string>{"Color", "Font Name", "Size", "Bold", "Italic"}));
  EXPECT_EQ(
      profile.KeyNames("Scheduler"),
      (std::vector<std::string>{"Use Wave File", "Wave File Wait", "Wave File", "Timer Seconds"}));
}

TEST(SettingsSaveTest, ValuesAreYesNoDecimalAndText) {
  MemoryProfile profile;
  Settings settings;
  settings.mainLeft = -1280;
  settings.gridFont.color = -2147483643;
  settings.lastFiles[0] = "C:\\A.QNL";
  SaveSettings(settings, profile);
  const std::string text = profile.Text();
  EXPECT_NE(text.find("[Misc]\r\nSystem Menu=1\r\nPrimary Sort=123\r\n"), std::string::npos);
  EXPECT_NE(text.find("Suppress Zeros In Date=Yes\r\n"), std::string::npos);
  EXPECT_NE(text.find("Show Date=No\r\n"), std::string::npos);
  EXPECT_NE(text.find("Current File=\r\nLast File 1=C:\\A.QNL\r\nLast File 2=\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Left=-1280\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Grid Font]\r\nColor=-2147483643\r\nFont Name=Arial\r\nSize=10\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Sync Minutes=10\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Scheduler]\r\nUse Wave File=No\r\nWave File Wait=No\r\nWave File=\r\n"
                      "Timer Seconds=10\r\n"),
            std::string::npos);
}

TEST(SettingsSaveTest, SaveAfterAChangeBringsBackKeysDeletedByHand) {
  MemoryProfile profile;
  SaveSettings(Settings{}, profile);
  ASSERT_TRUE(profile.RemoveKey("Main Window", "Col 2 Width"));
  ASSERT_TRUE(profile.RemoveKey("Misc", "Last File 4"));
  EXPECT_EQ(profile.Read("Main Window", "Col 2 Width", "gone"), "gone");

  Settings changed = ReadSettings(profile);
  changed.showDate = true;
  changed.col2Width = 177;
  SaveSettings(changed, profile);
  EXPECT_EQ(profile.Read("Main Window", "Col 2 Width", "gone"), "177");
  EXPECT_EQ(profile.Read("Misc", "Last File 4", "gone"), "");
  EXPECT_EQ(profile.Read("Misc", "Show Date", ""), "Yes");
  EXPECT_EQ(ReadSettings(profile), changed);
}

TEST(SettingsSaveTest, ReadingWhatWasSavedGivesTheSameSettings) {
  const Settings unusual = Unusual();
  MemoryProfile profile;
  SaveSettings(unusual, profile);
  EXPECT_EQ(ReadSettings(profile), unusual);
  // Through the file's text as well, as the next start of the program reads it.
  EXPECT_EQ(ReadText(profile.Text()), unusual);

  // Every field of the unusual record really differs from its default, so the round trip above
  // would see a field that is lost.
  MemoryProfile defaults;
  SaveSettings(Settings{}, defaults);
  for (const std::string& section : profile.SectionNames()) {
    for (const std::string& key : profile.KeyNames(section)) {
      if (section == "Misc" && key == "Last File 3") continue;  // kept empty on purpose
      EXPECT_NE(profile.Read(section, key, ""), defaults.Read(section, key, ""))
          << section << " / " << key;
    }
  }
}

TEST(SettingsSaveTest, LineBreakInAValueCannotStartAKey) {
  Settings settings;
  settings.waveFile = "C:\\DING.WAV\r\nTimer Seconds=1";
  MemoryProfile profile;
  SaveSettings(settings, profile);
  const Settings read = ReadText(profile.Text());
  EXPECT_EQ(read.waveFile, "C:\\DING.WAV");
  EXPECT_EQ(read.timerSeconds, 10);
}

TEST(MemoryProfileTest, BehavesAsTheSystemProfile) {
  MemoryProfile profile = MemoryProfile::FromText(
      "stray=1\r\n[One]\r\n  Key A = value a \r\n; note=1\r\nkey a=second\r\nnoequals\r\n"
      "[Two]\r\nB=\r\n[one]\r\nC=c\r\n");
  EXPECT_EQ(profile.SectionNames(), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(profile.KeyNames("ONE"), (std::vector<std::string>{"Key A", "C"}));
  EXPECT_EQ(profile.Read("one", "KEY A", "x"), "value a");
  EXPECT_EQ(profile.Read("Two", "B", "x"), "");
  EXPECT_EQ(profile.Read("Two", "missing", "x"), "x");
  EXPECT_EQ(profile.Read("", "stray", "x"), "x");
  EXPECT_EQ(profile.Read("Three", "B", "x"), "x");

  profile.Write("one", "key a", "new");  // changes in place, keeps the key's written name
  profile.Write("Two", "D", "d");
  profile.Write("Three", "E", "e");
  EXPECT_EQ(profile.Text(),
            "[One]\r\nKey A=new\r\nC=c\r\n\r\n[Two]\r\nB=\r\nD=d\r\n\r\n[Three]\r\nE=e\r\n");
  EXPECT_FALSE(profile.RemoveKey("Two", "Z"));
  EXPECT_FALSE(profile.RemoveKey("Four", "B"));
  EXPECT_TRUE(profile.RemoveKey("two", "b"));
  EXPECT_EQ(profile.KeyNames("Two"), (std::vector<std::string>{"D"}));
}

}  // namespace
}  // namespace quindle::app
