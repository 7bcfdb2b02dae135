#include "editors/file_dialog_models.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace quindle::editors {
namespace {

using testing_support::CaseName;
using testing_support::ExpectCommand;
using testing_support::ExpectRefusal;
using testing_support::FakePathChecks;

constexpr const char* kLongText = "C:\\My Documents\\Long Notes.txt";
constexpr const char* kShortText = "C:\\MYDOCU~1\\LONGNO~1.TXT";

// A disk with one long-named text file, a macro file, a wave file and two directories.
FakePathChecks Disk() {
  FakePathChecks checks;
  checks.shortForms[kLongText] = kShortText;
  checks.files.insert(kShortText);
  checks.files.insert("C:\\WORK.QNL");
  checks.files.insert("C:\\Sounds\\Ding Dong.wav");
  checks.shortForms["C:\\Program Files\\"] = "C:\\PROGRA~1\\";
  checks.directories.insert("C:\\PROGRA~1");
  checks.shortForms["C:\\"] = "C:\\";
  checks.directories.insert("C:");
  checks.directories.insert("D:\\DATA");
  return checks;
}

// ---- "Set Sound"

TEST(SoundAccept, ABeepNeedsNothing) {
  FakePathChecks checks = Disk();
  ExpectCommand(AcceptSound(SoundForm{false, "C:\\missing.wav", true}, checks), "<BEEP>");
}

TEST(SoundAccept, AWaveFileIsTakenAsTypedAndWaitsOrNot) {
  FakePathChecks checks = Disk();
  ExpectCommand(AcceptSound(SoundForm{true, " C:\\Sounds\\Ding Dong.wav ", true}, checks),
                "<WAV1:C:\\Sounds\\Ding Dong.wav>");
  ExpectCommand(AcceptSound(SoundForm{true, "C:\\Sounds\\Ding Dong.wav", false}, checks),
                "<WAV2:C:\\Sounds\\Ding Dong.wav>");
}

TEST(SoundAccept, AMissingWaveFileIsRefusedByOkAndByTest) {
  FakePathChecks checks = Disk();
  for (const char* path : {"C:\\missing.wav", "", "  "}) {
    const SoundForm form{true, path, false};
    ExpectRefusal(AcceptSound(form, checks), kNoSuchWaveFile, SoundField::ProgPath);
    ExpectRefusal(TestSound(form, checks), kNoSuchWaveFile, SoundField::ProgPath);
  }
  EXPECT_EQ(TestSound(SoundForm{true, " C:\\Sounds\\Ding Dong.wav", false}, checks).result,
            "C:\\Sounds\\Ding Dong.wav");
}

TEST(SoundPresets, DirectModeBeepsAndAnEditedLineRefillsTheFile) {
  EXPECT_FALSE(DirectSoundForm().wave);
  EXPECT_FALSE(SoundWaveControlsEnabled(DirectSoundForm()));
  EXPECT_TRUE(SoundFormForCommand(kCmdSoundWaveFile).wave);
  const SoundForm form = SoundFormOf(SoundData{2, "C:\\Sounds\\Ding Dong.wav", true});
  EXPECT_TRUE(SoundWaveControlsEnabled(form));
  FakePathChecks checks = Disk();
  ExpectCommand(AcceptSound(form, checks), "<WAV1:C:\\Sounds\\Ding Dong.wav>");
}

// ---- "Clipboard"

struct ClipboardCase {
  int kind;
  const char* text;
  int command;
};

class ClipboardAccept : public testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardAccept, MakesTheTagOfTheKind) {
  const ClipboardCase& c = GetParam();
  FakePathChecks checks = Disk();
  const auto outcome = AcceptClipboard(ClipboardForm{c.kind, kLongText}, checks);
  ExpectCommand(outcome, c.text);
  EXPECT_EQ(outcome.result->command, c.command);
  EXPECT_EQ(ClipboardFormForCommand(c.command).kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClipboardAccept,
                         testing::Values(ClipboardCase{1, "<BEGCLIP>", kCmdClipboardStartCopy},
                                         ClipboardCase{2, "<ENDCLIP>", kCmdClipboardEndCopy},
                                         ClipboardCase{3, "<CLIPF:C:\\MYDOCU~1\\LONGNO~1.TXT>",
                                                       kCmdClipboardFileCopy},
                                         ClipboardCase{4, "<CLIPC>", kCmdClipboardCopy},
                                         ClipboardCase{5, "<CLIPP>", kCmdClipboardPaste}));

TEST(ClipboardChecks, OnlyAFileCopyChecksItsFile) {
  FakePathChecks checks = Disk();
  ExpectRefusal(AcceptClipboard(ClipboardForm{3, "C:\\none.txt"}, checks), kNoSuchTextFile,
                ClipboardField::ProgPath);
  ExpectCommand(AcceptClipboard(ClipboardForm{4, "C:\\none.txt"}, checks), "<CLIPC>");
  EXPECT_TRUE(ClipboardPathEnabled(3));
  EXPECT_FALSE(ClipboardPathEnabled(1));
  EXPECT_EQ(DirectClipboardForm().kind, 1);
}

// ---- "File Manipulation"

struct FilesCase {
  const char* name;
  FilesForm form;
  const char* text;  // nullptr: refused
  std::string_view message = {};
  FilesField focus = FilesField::Kind;
};

class FilesAccept : public testing::TestWithParam<FilesCase> {};

TEST_P(FilesAccept, ChecksTheNewNameThenThePath) {
  const FilesCase& c = GetParam();
  FakePathChecks checks = Disk();
  const auto outcome = AcceptFiles(c.form, checks);
  if (c.text == nullptr) return ExpectRefusal(outcome, c.message, c.focus);
  ExpectCommand(outcome, c.text);
}

using FK = FilesKind;
using FF = FilesField;

INSTANTIATE_TEST_SUITE_P(
    Forms, FilesAccept,
    testing::Values(
        FilesCase{"change_directory", FilesForm{FK::ChangeDirectory, "C:\\Program Files\\", ""},
                  "<CHDIR:C:\\PROGRA~1>"},
        FilesCase{"drive_root", FilesForm{FK::ChangeDirectory, " C:\\ ", ""}, "<CHDIR:C:>"},
        FilesCase{"short_directory", FilesForm{FK::ChangeDirectory, "D:\\DATA", ""},
                  "<CHDIR:D:\\DATA>"},
        FilesCase{"missing_directory", FilesForm{FK::ChangeDirectory, "E:\\nowhere", ""}, nullptr,
                  kNoSuchDirectory, FF::ProgPath},
        // A file is not a directory to change into.
        FilesCase{"file_as_directory", FilesForm{FK::ChangeDirectory, "C:\\WORK.QNL", ""}, nullptr,
                  kNoSuchDirectory, FF::ProgPath},
        FilesCase{"empty_directory", FilesForm{FK::ChangeDirectory, "", ""}, nullptr,
                  kNoSuchDirectory, FF::ProgPath},
        FilesCase{"copy", FilesForm{FK::Copy, kLongText, " D:\\copy.txt "},
                  "<COPYFILE:C:\\MYDOCU~1\\LONGNO~1.TXT;D:\\copy.txt>"},
        FilesCase{"rename", FilesForm{FK::Rename, kLongText, "new.txt"},
                  "<RENFILE:C:\\MYDOCU~1\\LONGNO~1.TXT;new.txt>"},
        FilesCase{"delete", FilesForm{FK::Delete, kLongText, ""},
                  "<DELFILE:C:\\MYDOCU~1\\LONGNO~1.TXT>"},
        // Delete takes no new name: whatever the hidden field holds is not looked at.
        FilesCase{"delete_ignores_new_name", FilesForm{FK::Delete, "C:\\WORK.QNL", "a>b"},
                  "<DELFILE:C:\\WORK.QNL>"},
        FilesCase{"copy_without_name_first", FilesForm{FK::Copy, "C:\\missing", "  "}, nullptr,
                  kNoNewName, FF::NewName},
        FilesCase{"rename_without_name", FilesForm{FK::Rename, kLongText, ""}, nullptr, kNoNewName,
                  FF::NewName},
        FilesCase{"copy_missing_file", FilesForm{FK::Copy, "C:\\missing", "x"}, nullptr,
                  kNoSuchTextFile, FF::ProgPath},
        FilesCase{"delete_missing_file", FilesForm{FK::Delete, "C:\\missing", ""}, nullptr,
                  kNoSuchTextFile, FF::ProgPath},
        FilesCase{"delete_directory", FilesForm{FK::Delete, "D:\\DATA", ""}, nullptr,
                  kNoSuchTextFile, FF::ProgPath},
        FilesCase{"new_name_tag_end", FilesForm{FK::Rename, kLongText, "a>b"}, nullptr,
                  kNoTagEndMessage, FF::NewName}),
    CaseName());

TEST(FilesPresets, LabelsAndFieldsFollowTheKind) {
  EXPECT_EQ(DirectFilesForm().kind, FK::ChangeDirectory);
  EXPECT_EQ(FilesPathLabel(FK::ChangeDirectory), "Directory/Folder");
  EXPECT_EQ(FilesPathLabel(FK::Copy), "Text File Path/Name");
  EXPECT_TRUE(FilesNewNameShown(FK::Copy));
  EXPECT_TRUE(FilesNewNameShown(FK::Rename));
  EXPECT_FALSE(FilesNewNameShown(FK::Delete));
  EXPECT_FALSE(FilesNewNameShown(FK::ChangeDirectory));
  EXPECT_EQ(FilesFormForCommand(kCmdCopyFile).kind, FK::Copy);
  EXPECT_EQ(FilesFormForCommand(kCmdRenameFile).kind, FK::Rename);
  EXPECT_EQ(FilesFormForCommand(kCmdDeleteFile).kind, FK::Delete);
  const FilesForm edited = FilesFormOf(kCmdRenameFile, FileData{3, "C:\\WORK.QNL", "B.QNL"});
  FakePathChecks checks = Disk();
  ExpectCommand(AcceptFiles(edited, checks), "<RENFILE:C:\\WORK.QNL;B.QNL>");
}

// ---- "Load A New Macro File"

TEST(SwapAccept, TakesTheShortFormOfAnExistingMacroFile) {
  FakePathChecks checks = Disk();
  checks.shortForms["C:\\My Macros\\Office Work.qnl"] = "C:\\MYMACR~1\\OFFICE~1.QNL";
  checks.files.insert("C:\\MYMACR~1\\OFFICE~1.QNL");
  ExpectCommand(AcceptSwap(" C:\\My Macros\\Office Work.qnl ", checks),
                "<SWAP:C:\\MYMACR~1\\OFFICE~1.QNL>");
  ExpectRefusal(AcceptSwap("C:\\none.qnl", checks), kNoSuchMacroFile, PathField::ProgPath);
  ExpectRefusal(AcceptSwap("", checks), kNoSuchMacroFile, PathField::ProgPath);
}

// ---- "Load Text from a Text File"

TEST(TextInsertAccept, AnExistingFileIsTakenAsTyped) {
  FakePathChecks checks = Disk();
  checks.files.insert(kLongText);
  ExpectCommand(AcceptTextInsert(kLongText, checks), "<TFILE:C:\\My Documents\\Long Notes.txt>");
}

TEST(TextInsertAccept, AMissingFileAsksWhetherToCorrectIt) {
  FakePathChecks checks = Disk();
  const auto asked = AcceptTextInsert("C:\\later.txt", checks);
  ASSERT_FALSE(asked.Accepted());
  EXPECT_TRUE(asked.question);
  EXPECT_EQ(asked.message, kCorrectMissingFile);
  EXPECT_EQ(asked.caption, kWarningCaption);
  EXPECT_EQ(asked.focus, PathField::ProgPath);

  // Yes: back to the path, with nothing more to say.
  const auto yes = AcceptTextInsert("C:\\later.txt", checks, Answer::Yes);
  EXPECT_FALSE(yes.Accepted());
  EXPECT_FALSE(yes.question);
  EXPECT_TRUE(yes.message.empty());
  EXPECT_EQ(yes.focus, PathField::ProgPath);

  // No: the path as typed.
  ExpectCommand(AcceptTextInsert(" C:\\later.txt ", checks, Answer::No), "<TFILE:C:\\later.txt>");
}

TEST(TextInsertAccept, APathWithATagEndIsRefusedBeforeAnyQuestion) {
  FakePathChecks checks = Disk();
  ExpectRefusal(AcceptTextInsert("C:\\a>b.txt", checks, Answer::No), kNoTagEndMessage,
                PathField::ProgPath);
}

TEST(TextInsertEdit, OpensOnlyAnExistingFile) {
  FakePathChecks checks = Disk();
  EXPECT_EQ(EditTextFile(" C:\\WORK.QNL ", checks).result, "C:\\WORK.QNL");
  ExpectRefusal(EditTextFile("C:\\later.txt", checks), kCannotEditMissingFile, PathField::ProgPath);
}

}  // namespace
}  // namespace quindle::editors
