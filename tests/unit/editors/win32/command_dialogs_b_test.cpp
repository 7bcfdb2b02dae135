// The command dialogs of clipboard, file commands, held keys, remark, web address, macro file and
// text file as real windows: each opens on its preset, follows its choices, shows the model's
// refusal with the field in error focused, and hands back the command at "&Ok".
#include <gtest/gtest.h>

#include "editors/dialog_test_support.h"
#include "editors/file_dialog_models.h"
#include "editors/text_dialog_models.h"
#include "editors/win32/command_dialogs.h"
#include "editors/win32/command_dialogs_b_res.h"
#include "editors/win32/dialog_steps.h"
#include "editors/window_dialog_models.h"

namespace quindle::editors::win32 {
namespace {

using namespace testing;
using testing_support::FakePathChecks;

FakePathChecks Disk() {
  FakePathChecks disk;
  disk.shortForms["C:\\Long Name.txt"] = "C:\\LONGNA~1.TXT";
  disk.files = {"C:\\LONGNA~1.TXT", "C:\\A.TXT", "C:\\MACROS.QNL", "C:\\notes.txt"};
  disk.shortForms["C:\\Work\\"] = "C:\\WORK\\";
  disk.directories = {"C:\\WORK"};
  return disk;
}

constexpr const char* kClipboard = "Clipboard";

TEST(ClipboardDialog, TheFileCopyTakesAnExistingFileInItsShortForm) {
  FakePathChecks disk = Disk();
  bool startChecked = false;
  bool pathBefore = true;
  bool pathAfter = false;
  std::string message;
  bool focused = false;
  CommandOutcome result;
  const bool driven = RunSteps(
      kClipboard,
      {When(kClipboard,
            [&] {
              startChecked = Checked(kClipboard, IDC_CB_KIND_FIRST);
              pathBefore = Enabled(kClipboard, IDC_CB_PATH);
              Click(kClipboard, IDC_CB_KIND_FIRST + 2);
              pathAfter = Enabled(kClipboard, IDC_CB_PATH) && Enabled(kClipboard, IDC_CB_BROWSE);
              Type(kClipboard, IDC_CB_PATH, "C:\\missing.txt");
            }),
       Press(kClipboard), Answer("Error", message),
       FocusBack(kClipboard, "Error", IDC_CB_PATH, focused),
       When(kClipboard, [] { Type(kClipboard, IDC_CB_PATH, "  C:\\Long Name.txt "); }),
       Press(kClipboard)},
      [&] {
        result = RunClipboardDialog(nullptr, {0, nullptr, true}, disk);
      });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(startChecked) << "the keystroke editor's preset";
  EXPECT_FALSE(pathBefore);
  EXPECT_TRUE(pathAfter);
  EXPECT_EQ(message, kNoSuchTextFile);
  EXPECT_TRUE(focused);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<CLIPF:C:\\LONGNA~1.TXT>");
  EXPECT_EQ(result->kind, 3);
  EXPECT_EQ(result->command, kCmdClipboardFileCopy);
}

TEST(ClipboardDialog, AnEditedLineOpensOnItsKindAndCancelGivesNothing) {
  FakePathChecks disk = Disk();
  const CommandData data = ClipData{5, ""};
  bool pasteChecked = false;
  CommandOutcome result{CommandResult{}};
  const bool driven = RunSteps(
      kClipboard,
      {When(kClipboard, [&] { pasteChecked = Checked(kClipboard, IDC_CB_KIND_FIRST + 4); }),
       Press(kClipboard, IDCANCEL)},
      [&] {
        result = RunClipboardDialog(nullptr, {kCmdClipboardPaste, &data, false}, disk);
      });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(pasteChecked);
  EXPECT_FALSE(result);
}

constexpr const char* kFiles = "File Manipulation";

TEST(FilesDialog, CopyShowsTheNewNameAndNeedsOne) {
  FakePathChecks disk = Disk();
  std::string labelBefore;
  std::string labelAfter;
  bool newNameBefore = true;
  bool newNameAfter = false;
  std::string message;
  bool focused = false;
  CommandOutcome result;
  const bool driven =
      RunSteps(kFiles,
               {When(kFiles,
                     [&] {
                       labelBefore = Text(kFiles, IDC_FM_PATH_LABEL);
                       newNameBefore = Visible(kFiles, IDC_FM_NEW_NAME);
                       Click(kFiles, IDC_FM_KIND_FIRST + 1);
                       labelAfter = Text(kFiles, IDC_FM_PATH_LABEL);
                       newNameAfter = Visible(kFiles, IDC_FM_NEW_NAME);
                       Type(kFiles, IDC_FM_PATH, "C:\\A.TXT");
                     }),
                Press(kFiles), Answer("Error", message),
                FocusBack(kFiles, "Error", IDC_FM_NEW_NAME, focused),
                When(kFiles, [] { Type(kFiles, IDC_FM_NEW_NAME, "B.TXT"); }), Press(kFiles)},
               [&] {
                 result = RunFilesDialog(nullptr, {0, nullptr, true}, disk);
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(labelBefore, kDirectoryLabel);
  EXPECT_FALSE(newNameBefore);
  EXPECT_EQ(labelAfter, kTextFilePathLabel);
  EXPECT_TRUE(newNameAfter);
  EXPECT_EQ(message, kNoNewName);
  EXPECT_TRUE(focused);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<COPYFILE:C:\\A.TXT;B.TXT>");
  EXPECT_EQ(result->command, kCmdCopyFile);
}

TEST(FilesDialog, AMissingDirectoryIsRefusedAndAnExistingOneTaken) {
  FakePathChecks disk = Disk();
  std::string message;
  CommandOutcome result;
  const bool driven =
      RunSteps(kFiles,
               {When(kFiles, [] { Type(kFiles, IDC_FM_PATH, "C:\\NOWHERE"); }), Press(kFiles),
                Answer("Error", message),
                When(kFiles, [] { Type(kFiles, IDC_FM_PATH, "C:\\Work\\"); }), Press(kFiles)},
               [&] {
                 result = RunFilesDialog(nullptr, {kCmdChangeDirectory, nullptr, false}, disk);
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(message, kNoSuchDirectory);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<CHDIR:C:\\WORK>");
}

constexpr const char* kKeys = "Keys Up Or Down";

TEST(KeysDialog, WithoutAChoiceOkLeavesItOpenAndAChoiceMakesTheTag) {
  int checkedAtStart = -1;
  bool openAfterOk = false;
  CommandOutcome result;
  const bool driven = RunSteps(kKeys,
                               {When(kKeys,
                                     [&] {
                                       checkedAtStart = 0;
                                       for (int id = IDC_KU_FIRST; id <= IDC_KU_LAST; ++id)
                                         checkedAtStart += Checked(kKeys, id) ? 1 : 0;
                                     }),
                                Press(kKeys),
                                When(kKeys,
                                     [&] {
                                       openAfterOk = true;
                                       Click(kKeys, IDC_KU_FIRST + 2);
                                     }),
                                Press(kKeys)},
                               [&] {
                                 result = RunKeysDialog(nullptr, {0, nullptr, true});
                               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(checkedAtStart, 0) << "the keystroke editor's dialog opens with no choice";
  EXPECT_TRUE(openAfterOk);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<ALTD>");
  EXPECT_EQ(result->kind, 3);
}

TEST(KeysDialog, AnEditedLineOpensOnItsCode) {
  const CommandData data = KeyData{6};
  bool shiftUp = false;
  CommandOutcome result;
  const bool driven = RunSteps(
      kKeys, {When(kKeys, [&] { shiftUp = Checked(kKeys, IDC_KU_FIRST + 5); }), Press(kKeys)}, [&] {
        result = RunKeysDialog(nullptr, {kCmdControlKey + 2, &data, false});
      });
  ASSERT_TRUE(driven);
  EXPECT_TRUE(shiftUp);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<SHFU>");
}

TEST(RemarkDialog, AGreaterThanSignIsRefusedAndTheCommentTaken) {
  std::size_t limit = 0;
  std::string message;
  bool focused = false;
  CommandOutcome result;
  const bool driven =
      RunSteps("Remark",
               {When("Remark",
                     [&] {
                       limit = static_cast<std::size_t>(
                           ::SendMessageA(Item("Remark", IDC_RM_TEXT), EM_GETLIMITTEXT, 0, 0));
                       Type("Remark", IDC_RM_TEXT, "a > b");
                     }),
                Press("Remark"), Answer("Error", message),
                FocusBack("Remark", "Error", IDC_RM_TEXT, focused),
                When("Remark", [] { Type("Remark", IDC_RM_TEXT, " Call Bob "); }), Press("Remark")},
               [&] {
                 result = RunRemarkDialog(nullptr, {kCmdRemark, nullptr, false});
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(limit, kRemarkLimit);
  EXPECT_EQ(message, kNoTagEndMessage);
  EXPECT_TRUE(focused);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<REM:Call Bob>");
}

TEST(WebDialog, AWebSiteStartsWithHttpAndAWwwAddressGetsIt) {
  std::string preset;
  std::string label;
  CommandOutcome result;
  const bool driven = RunSteps("Internet Web Site",
                               {When("Internet Web Site",
                                     [&] {
                                       preset = Text("Internet Web Site", IDC_WB_ADDRESS);
                                       label = Text("Internet Web Site", IDC_WB_LABEL);
                                       Type("Internet Web Site", IDC_WB_ADDRESS, "WWW.example.com");
                                     }),
                                Press("Internet Web Site")},
                               [&] {
                                 result = RunWebDialog(nullptr, {kCmdWebSite, nullptr, false});
                               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(preset, "http://");
  EXPECT_EQ(label, "Web Site URL");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<HTTP:http://WWW.example.com>");
}

TEST(WebDialog, AnFtpLineIsEditedInTheFtpDialogAndATagEndRefused) {
  const CommandData data = StringData{"ftp://files.example.com"};
  std::string shown;
  std::string message;
  CommandOutcome result;
  const bool driven =
      RunSteps("Internet FTP",
               {When("Internet FTP",
                     [&] {
                       shown = Text("Internet FTP", IDC_WB_ADDRESS);
                       Type("Internet FTP", IDC_WB_ADDRESS, "ftp://a>b");
                     }),
                Press("Internet FTP"), Answer("Error", message),
                When("Internet FTP", [] { Type("Internet FTP", IDC_WB_ADDRESS, "www.files.org"); }),
                Press("Internet FTP")},
               [&] {
                 result = RunWebDialog(nullptr, {kCmdWebFtp, &data, false});
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(shown, "ftp://files.example.com");
  EXPECT_EQ(message, kNoTagEndMessage);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<FTP:www.files.org>") << "FTP addresses stay as typed";
}

constexpr const char* kSwap = "Load A New Macro File";

TEST(SwapDialog, AMissingMacroFileIsRefusedAndAnExistingOneTaken) {
  FakePathChecks disk = Disk();
  std::string message;
  bool focused = false;
  CommandOutcome result;
  const bool driven =
      RunSteps(kSwap,
               {When(kSwap, [] { Type(kSwap, IDC_SW_PATH, "C:\\OTHER.QNL"); }), Press(kSwap),
                Answer("Error", message), FocusBack(kSwap, "Error", IDC_SW_PATH, focused),
                When(kSwap, [] { Type(kSwap, IDC_SW_PATH, "C:\\MACROS.QNL"); }), Press(kSwap)},
               [&] {
                 result = RunSwapDialog(nullptr, {kCmdLoadMacroFile, nullptr, false}, disk);
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(message, kNoSuchMacroFile);
  EXPECT_TRUE(focused);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<SWAP:C:\\MACROS.QNL>");
}

constexpr const char* kTextFile = "Load Text from a Text File";

TEST(TextFileDialog, AMissingFileAsksYesReturnsToThePathAndNoTakesIt) {
  FakePathChecks disk = Disk();
  std::string editRefusal;
  std::string firstQuestion;
  std::string secondQuestion;
  bool focused = false;
  CommandOutcome result;
  const bool driven =
      RunSteps(kTextFile,
               {When(kTextFile, [] { Type(kTextFile, IDC_TF_PATH, "C:\\new.txt"); }),
                Press(kTextFile, IDC_TF_EDIT), Answer("Error", editRefusal), Press(kTextFile),
                Answer("Warning", firstQuestion, IDYES),
                FocusBack(kTextFile, "Warning", IDC_TF_PATH, focused), Press(kTextFile),
                Answer("Warning", secondQuestion, IDNO)},
               [&] {
                 result = RunTextFileDialog(nullptr, {kCmdLoadTextFile, nullptr, false}, disk);
               });
  ASSERT_TRUE(driven);
  EXPECT_EQ(editRefusal, kCannotEditMissingFile);
  EXPECT_EQ(firstQuestion, kCorrectMissingFile);
  EXPECT_TRUE(focused);
  EXPECT_EQ(secondQuestion, kCorrectMissingFile);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<TFILE:C:\\new.txt>");
}

TEST(TextFileDialog, AnEditedLineShowsItsPathAndAnExistingFileIsTakenAsTyped) {
  FakePathChecks disk = Disk();
  const CommandData data = StringData{"C:\\notes.txt"};
  std::string shown;
  CommandOutcome result;
  const bool driven = RunSteps(
      kTextFile, {When(kTextFile, [&] { shown = Text(kTextFile, IDC_TF_PATH); }), Press(kTextFile)},
      [&] {
        result = RunTextFileDialog(nullptr, {kCmdLoadTextFile, &data, false}, disk);
      });
  ASSERT_TRUE(driven);
  EXPECT_EQ(shown, "C:\\notes.txt");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->text, "<TFILE:C:\\notes.txt>");
}

}  // namespace
}  // namespace quindle::editors::win32
