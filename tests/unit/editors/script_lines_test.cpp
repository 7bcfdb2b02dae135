#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/script_format.h"
#include "editors/script_line.h"
#include "engine/date_time_text.h"

namespace quindle::editors {
namespace {

std::vector<std::string> Texts(const std::vector<ScriptLine>& lines) {
  std::vector<std::string> texts;
  for (const auto& line : lines) texts.push_back(line.text);
  return texts;
}

struct ReadCase {
  const char* macroText;
  std::vector<std::string> lines;
  const char* writtenBack;  // nullptr: the text itself
};

class ScriptRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ScriptRead, GivesTheLinesAndWritesBackItsTags) {
  const ReadCase& c = GetParam();
  const auto lines = BuildTheScript(c.macroText);
  EXPECT_EQ(Texts(lines), c.lines) << c.macroText;
  EXPECT_EQ(WriteBack(lines), c.writtenBack ? c.writtenBack : c.macroText) << c.macroText;
}

INSTANTIATE_TEST_SUITE_P(
    TextRuns, ScriptRead,
    testing::Values(ReadCase{"abc<TAB>def<ENTER>", {"Text: abc<TAB>def<ENTER>"}, nullptr},
                    ReadCase{"Hello<DELAY:01.50>World",
                             {"Text: Hello", "Delay 1.50 Seconds", "Text: World"},
                             nullptr},
                    ReadCase{"a<b", {"Text: a<b"}, nullptr},
                    ReadCase{"<DELAY:1.5>", {"Text: <DELAY:1.5>"}, nullptr},
                    ReadCase{"<ALT:065>x<ALT4:0065><F24><KEYP+>",
                             {"Text: <ALT:065>x<ALT4:0065><F24><KEYP+>"},
                             nullptr},
                    // "<END>" is a key of the text; "<ENDREP>" is not a longer "<END>".
                    ReadCase{"<END><ENDREP>", {"Text: <END>", "Repeat End"}, nullptr},
                    ReadCase{"<UNKNOWN>", {"Text: <UNKNOWN>"}, nullptr},
                    ReadCase{"", {}, nullptr}));

INSTANTIATE_TEST_SUITE_P(
    Commands, ScriptRead,
    testing::Values(
        ReadCase{"<CTLD>c<CTLU>", {"Control Key Down", "Text: c", "Control Key Up"}, nullptr},
        ReadCase{"<ALTD><ALTU><SHFD><SHFU><WIND><WINU>",
                 {"Alt Key Down", "Alt Key Up", "Shift Key Down", "Shift Key Up", "Win Key Down",
                  "Win Key Up"},
                 nullptr},
        ReadCase{"<PAUSE:010,020Wait><PAUSE>", {"Pause: Complex", "Pause: Basic"}, nullptr},
        ReadCase{"<MSD:0250>", {"Delay 250 Milliseconds"}, nullptr},
        ReadCase{
            "<REPEAT:0003><PROMPTREP><ENDREP><I><IIII>",
            {"Repeat Start: 3", "Repeat Prompt Start: (prompt for repeat count at macro play time)",
             "Repeat End", "Repeat Counter: Width 1", "Repeat Counter: Width 4"},
            nullptr},
        ReadCase{"<SPKEY:0020><SPMSE:0005>",
                 {"Keystroke Speed: 20 Milliseconds", "Mouse Speed: 5 Milliseconds"},
                 nullptr},
        ReadCase{"<SPEED:00000><SPEED:00001><SPEED:02.50><SPEED:00.25><SPEED:00.30>",
                 {"Macro Playback Speed: No Speed", "Macro Playback Speed: Normal Speed",
                  "Macro Playback Speed: 2.5 Times Slower Than Normal",
                  "Macro Playback Speed: 4 Times Faster Than Normal",
                  "Macro Playback Speed: 3.33 Times Faster Than Normal"},
                 "<SPEED:00.00><SPEED:01.00><SPEED:02.50><SPEED:00.25><SPEED:00.30>"},
        ReadCase{
            "<ACTIVATE:Untitled - Notepad>", {"Activate Window: \"Untitled - Notepad\""}, nullptr},
        ReadCase{
            "<LAUNCH:C:\\WIN\\NOTEPAD.EXE<PARAM>A.TXT>", {"Launch Program: NOTEPAD.EXE"}, nullptr},
        ReadCase{"<LAUNCHNO:05Notepad<LAUNCH:NOTEPAD.EXE>"
                 "<LAUNCHYES:12Calc<LAUNCH:C:\\CALC.EXE<PARAM>-x>",
                 {"Launch and Activate: NOTEPAD.EXE", "Activate or Launch: CALC.EXE"},
                 nullptr},
        ReadCase{"<BEEP><WAV1:C:\\S\\DING.WAV><WAV2:TADA.WAV>",
                 {"Sound Beep", "Sound Wave File: DING.WAV", "Sound Wave File: TADA.WAV"},
                 nullptr},
        ReadCase{"<SWAP:C:\\M\\B.QNL><TFILE:C:\\T\\QN0.TXT>",
                 {"Load New Macro File: B.QNL", "Load Text File: QN0.TXT"},
                 nullptr},
        ReadCase{"<WSIZE:0640,0480\"CURRENT\"><WPOS:0010,0020Calc>",
                 {"Resize Window - Current Win (Width: 640 Height: 480)",
                  "Reposition Window - \"Calc\" (Left: 10 Top: 20)"},
                 nullptr},
        ReadCase{"<WMAX:\"CURRENT\"><WMIN:Calc><WRES:a><WCLS:b><WHIDE:c><WSHOW:d><WSHUT:e>",
                 {"Maximize Window - Current Win", "Minimize Window - Window Title: Calc",
                  "Restore Window - Window Title: a", "Close Window - Window Title: b",
                  "Hide Window - Window Title: c", "Show Window - Window Title: d",
                  "Shut Down Program - Window Title: e"},
                 nullptr},
        ReadCase{"<MMS:00100,00200><MMW:00005,00007>",
                 {"Mouse Move Screen 100,200", "Mouse Move Window 5,7"},
                 nullptr},
        ReadCase{"<LDN><LUP><LCLK><LDCLK><RCLK><MDCLK><MUP>",
                 {"Left Mouse Button Down", "Left Mouse Button Up", "Left Mouse Button Click",
                  "Left Mouse Button Double Click", "Right Mouse Button Click",
                  "Middle Mouse Button Double Click", "Middle Mouse Button Up"},
                 nullptr},
        ReadCase{"<WFW:003><WBW:010>",
                 {"Mouse Wheel 3 Clicks Forward", "Mouse Wheel 10 Clicks Backward"},
                 nullptr},
        ReadCase{"<BEGCLIP><ENDCLIP><CLIPC><CLIPP><CLIPF:C:\\A\\B.TXT>",
                 {"Clipboard Start Copy", "Clipboard End Copy", "Clipboard Copy", "Clipboard Paste",
                  "Clipboard File Copy: B.TXT"},
                 nullptr},
        ReadCase{"<HTTP:www.example.com/a><FTP:ftp.example.com><REM:note>",
                 {"Web Site: www.example.com/a", "Web FTP: ftp.example.com", "Remark: note"},
                 nullptr},
        ReadCase{"<CHDIR:C:\\WORK><DELFILE:C:\\A\\X.TXT><COPYFILE:C:\\A.TXT;D:\\B.TXT>"
                 "<RENFILE:C:\\OLD.TXT;NEW.TXT>",
                 {"Change Directory/Folder: C:\\WORK", "Delete File: X.TXT", "Copy File: A.TXT",
                  "Rename File: OLD.TXT"},
                 nullptr}));

INSTANTIATE_TEST_SUITE_P(
    DatesAndTimes, ScriptRead,
    testing::Values(ReadCase{"<MM/DD/YY{N}>", {"Date: MM/DD/YY  (03/30/98)"}, "<MM/DD/YY{NF000}>"},
                    ReadCase{"<MM/DD/YYYY{YF001}>",
                             {"Date (1 day in future): MM/DD/YYYY  (03/30/1998)"},
                             nullptr},
                    ReadCase{"<Day of Week 3{YP012}>",
                             {"Date (12 days in past): Day of Week 3  (Monday)"},
                             nullptr},
                    ReadCase{"<hh:mm am{N}><hh:mm{Y}>",
                             {"Time: hh:mm am  (3:04 pm)", "Time: hh:mm  (15:04)"},
                             nullptr}));

// Fixed-width arguments are recognised only with their ">" where the width puts it.
INSTANTIATE_TEST_SUITE_P(MisplacedClose, ScriptRead,
                         testing::Values(ReadCase{"<MSD:250>", {"Text: <MSD:250>"}, nullptr},
                                         ReadCase{"<REPEAT:3>", {"Text: <REPEAT:3>"}, nullptr},
                                         ReadCase{"<WFW:3>", {"Text: <WFW:3>"}, nullptr},
                                         ReadCase{"<MMS:1,2>", {"Text: <MMS:1,2>"}, nullptr},
                                         ReadCase{"<SPKEY:20>", {"Text: <SPKEY:20>"}, nullptr},
                                         ReadCase{"<SPEED:1>", {"Text: <SPEED:1>"}, nullptr}));

// Lines are read as the player reads the text. A tag spelled in a way the editor would not write
// is written back in the editor's spelling only when that plays the same; otherwise, and where
// the player passes characters over unread, the line keeps the tag's own text.
INSTANTIATE_TEST_SUITE_P(
    AsThePlayerReadsIt, ScriptRead,
    testing::Values(
        ReadCase{"<MSD:-001>", {"Delay -1 Milliseconds"}, nullptr},
        ReadCase{"<MSD:1>23>", {"Delay 0 Milliseconds"}, nullptr},
        ReadCase{"<REM:open", {"Remark: open"}, "<REM:open>"},
        ReadCase{"<SPEED:.0050>", {"Macro Playback Speed: 200 Times Faster Than Normal"}, nullptr},
        ReadCase{"<DELAY:1.505>", {"Delay 1.50 Seconds"}, nullptr},
        ReadCase{"<MM/DD/YY{", {"Text: <MM/DD/YY{"}, nullptr},
        ReadCase{"<LAUNCHNO:07Calc", {"Launch and Activate: "}, nullptr},
        ReadCase{"<DELAY: 1.50>x", {"Delay 1.50 Seconds", "Text: x"}, "<DELAY:01.50>x"},
        ReadCase{"<MMS:  100,  200>", {"Mouse Move Screen 100,200"}, "<MMS:00100,00200>"},
        ReadCase{
            "<SPEED:+0002>", {"Macro Playback Speed: 2 Times Slower Than Normal"}, "<SPEED:02.00>"},
        ReadCase{"<WBW: 02><SPKEY: 020>",
                 {"Mouse Wheel 2 Clicks Backward", "Keystroke Speed: 20 Milliseconds"},
                 "<WBW:002><SPKEY:0020>"},
        // A repeat body is taken raw by the player, so nothing in a text with one is respelled.
        ReadCase{"<REPEAT: 003><MM/DD/YY{N}>",
                 {"Repeat Start: 3", "Date: MM/DD/YY  (03/30/98)"},
                 nullptr},
        // The speed is kept when its field does not convert: "00.00" would stop all waits.
        ReadCase{"<SPEED:0x.y0>", {"Macro Playback Speed: No Speed"}, nullptr},
        // The long date form is 9 characters past its name, whatever they hold.
        ReadCase{"Use <MM{N} format and more text> end",
                 {"Text: Use ", "Date: MM  (03)", "Text: at and more text> end"},
                 nullptr},
        ReadCase{"<YYYY-MM-DD{YP01}>", {"Text: <YYYY-MM-DD{YP01}>"}, nullptr},
        ReadCase{"<PAUSE:1>abc", {"Text: <PAUSE:1>abc"}, nullptr},
        ReadCase{"<WSIZE:64>x", {"Text: <WSIZE:64>x"}, nullptr},
        ReadCase{"<WPOS:1,2>x", {"Text: <WPOS:1,2>x"}, nullptr},
        // Respelling the date would make the "<PAUSE:" before it long enough to be a pause.
        ReadCase{"<PAUSE:<MM{N}>", {"Pause: Complex"}, nullptr},
        ReadCase{
            "<WFW:<MM{N}>x", {"Text: <WFW:", "Date: MM  (03)", "Text: x"}, "<WFW:<MM{NF000}>x"}));

TEST(ScriptArguments, AreReadFromTheirPositions) {
  const auto pause = BuildTheScript("<PAUSE:010,020Wait>");
  const auto& p = std::get<PauseData>(pause.at(0).data);
  EXPECT_EQ(p.top, 10);
  EXPECT_EQ(p.left, 20);
  EXPECT_EQ(p.message, "Wait");
  const auto launch = BuildTheScript("<LAUNCHYES:12Calc<LAUNCH:C:\\CALC.EXE<PARAM>-x>");
  const auto& l = std::get<LaunchData>(launch.at(0).data);
  EXPECT_EQ(l.kind, 4);
  EXPECT_EQ(l.delay, 12);
  EXPECT_EQ(l.title, "Calc");
  EXPECT_EQ(l.path, "C:\\CALC.EXE");
  EXPECT_EQ(l.parameters, "-x");
  const auto copy = BuildTheScript("<COPYFILE:A.TXT;B.TXT>");
  const auto& f = std::get<FileData>(copy.at(0).data);
  EXPECT_EQ(f.first, "A.TXT");
  EXPECT_EQ(f.second, "B.TXT");
  const auto size = BuildTheScript("<WSIZE:0640,0480Calc>");
  const auto& w = std::get<WindowSizeData>(size.at(0).data);
  EXPECT_EQ(w.first, 640);
  EXPECT_EQ(w.second, 480);
  EXPECT_EQ(w.title, "Calc");
  EXPECT_FALSE(w.current);
}

TEST(ScriptText, ARunOf53ShowsWholeAndOf54IsCut) {
  const std::string fifty(50, 'a');
  EXPECT_EQ(BuildTheScript(fifty + "bcd")[0].text, "Text: " + fifty);
  EXPECT_EQ(BuildTheScript(fifty + "bcde")[0].text, "Text: " + fifty + "...");
}

TEST(ScriptText, RemarksAndDialogAddressesAreCutAt40) {
  const std::string forty(40, 'r');
  EXPECT_EQ(LineText(kCmdRemark, StringData{forty + "xyz"}), "Remark: " + forty);
  EXPECT_EQ(LineText(kCmdRemark, StringData{forty + "xyzw"}), "Remark: " + forty + "...");
  EXPECT_EQ(LineText(kCmdWebSite, StringData{forty + "xyzw"}), "Web Site: " + forty + "xyzw");
  EXPECT_EQ(LineText(kCmdWebSite, StringData{forty + "xyzw"}, true), "Web Site: " + forty + "...");
  EXPECT_EQ(LineText(kCmdMaximizeWindow, WindowData{"", 1, true}, true),
            "Maximize Window - Current Window");
}

TEST(ScriptSamples, ShowThirtiethOfMarch1998AtFourPastThree) {
  const std::pair<int, const char*> dates[] = {
      {1, "03/30/98"},    {19, "MAR 1998"}, {20, "Mar 1998"}, {25, "30 March 98"},
      {28, "Mar 30, 98"}, {35, "033098"},   {40, "19980330"}, {48, "Mon"},
      {49, "MON"},        {50, "Monday"},   {51, "MONDAY"}};
  for (const auto& [format, sample] : dates) EXPECT_EQ(DateSample(format), sample) << format;
  const std::pair<int, const char*> times[] = {{1, "15:04"},    {4, "1504"},     {8, "150423"},
                                               {10, "04"},      {12, "3:04 pm"}, {15, "3:04:23 pm"},
                                               {18, "3:04 PM"}, {24, "3:04p"},   {26, "3,04p"}};
  for (const auto& [format, sample] : times) EXPECT_EQ(TimeSample(format), sample) << format;
}

TEST(ScriptNumbers, PlaybackSpeedIsShortened) {
  EXPECT_EQ(ShortDecimal(4.0), "4");
  EXPECT_EQ(ShortDecimal(2.5), "2.5");
  EXPECT_EQ(ShortDecimal(3.333), "3.33");
  EXPECT_EQ(ShortDecimal(0.1), "0.1");
  EXPECT_EQ(ZeroPadded(12345, 4), "12345");
}

TEST(ScriptWriteBack, LinesNamingNoCommandAddNothing) {
  auto lines = BuildTheScript("a<CTLD>b");
  lines[1].text = "Not a command";
  EXPECT_EQ(WriteBack(lines), "ab");
}

TEST(ScriptWriteBack, IndentationDoesNotHideTheCommand) {
  auto lines = BuildTheScript("<REPEAT:0002>x<ENDREP>");
  SetIndents(lines);
  EXPECT_EQ(WriteBack(lines), "<REPEAT:0002>x<ENDREP>");
}

TEST(ScriptWriteBack, DialogMadeLinesUseTheirFamilysTags) {
  const std::vector<ScriptLine> lines = {
      {LineText(kCmdDelay, DelayData{1.0, 1.5}), DelayData{1.0, 1.5}},
      {LineText(kCmdShiftKey, KeyData{5}), KeyData{5}},
      {LineText(kCmdShiftKey, KeyData{6}), KeyData{6}},
      {LineText(kCmdDate, DateTimeData{true, 3, false, false, 7}),
       DateTimeData{true, 3, false, false, 7}},
      {LineText(kCmdMouseMove, MouseData{3, 4, 0, 1, true}), MouseData{3, 4, 0, 1, true}},
  };
  EXPECT_EQ(WriteBack(lines), "<DELAY:01.50><SHFD><SHFU><MM.DD.YY{NP007}><MMW:00003,00004>");
}

TEST(ScriptCommands, NamesAreFoundOverTheirOwnLength) {
  EXPECT_EQ(CommandNumberOf("   Repeat Start: 5"), kCmdRepeatStart);
  EXPECT_EQ(CommandNumberOf("Repeat Prompt Start: (prompt)"), kCmdRepeatPromptStart);
  EXPECT_EQ(CommandNumberOf("Clipboard Start Copy"), kCmdClipboardStartCopy);
  EXPECT_EQ(CommandNumberOf("Macro Playback Speed: No Speed"), kCmdPlaybackSpeed);
  EXPECT_EQ(CommandNumberOf("Texts"), kCmdText);
  EXPECT_EQ(CommandNumberOf("Tex"), 0);
  EXPECT_EQ(CommandName(0), "");
  EXPECT_EQ(CommandName(51), "");
}

struct IndentCase {
  const char* macroText;
  std::vector<std::string> lines;
};

class ScriptIndents : public testing::TestWithParam<IndentCase> {};

TEST_P(ScriptIndents, NestBlocksByThreeSpaces) {
  auto lines = BuildTheScript(GetParam().macroText);
  SetIndents(lines);
  EXPECT_EQ(Texts(lines), GetParam().lines);
  SetIndents(lines);  // once more: indenting indented lines changes nothing
  EXPECT_EQ(Texts(lines), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ScriptIndents,
    testing::Values(
        IndentCase{"<REPEAT:0003>a<ENDREP>", {"Repeat Start: 3", "   Text: a", "Repeat End"}},
        IndentCase{"<REPEAT:0002><PROMPTREP>a<ENDREP><ENDREP>",
                   {"Repeat Start: 2",
                    "   Repeat Prompt Start: (prompt for repeat count at macro play time)",
                    "      Text: a", "   Repeat End", "Repeat End"}},
        IndentCase{"<ENDREP><ENDREP>a", {"Repeat End", "Repeat End", "Text: a"}},
        IndentCase{"<BEGCLIP><CTLD>c<CTLU><ENDCLIP>",
                   {"Clipboard Start Copy", "   Control Key Down", "      Text: c",
                    "   Control Key Up", "Clipboard End Copy"}}));

}  // namespace
}  // namespace quindle::editors
