// Every failure of the capture file ends the capture with a message naming the file, and the
// macro file keeps every record as it was: nothing is stored half.
#include <gtest/gtest.h>

#include "capture_test_support.h"

namespace quindle::capture::testing {
namespace {

using storage::testing::UserMacro;

const std::string kNotStored = "  The captured keystrokes were not stored.";
const std::string kNotStarted = "  The capture was not started.";

class CaptureFailureTest : public CaptureTest {
 protected:
  void SetUp() override {
    Load({UserMacro("Hello", 0)});
    host.defaults = Untimed();
    host.defaults.prompt = false;
    dialogs.keysAnswer = StartWith(Untimed());
    host.selected = 1;
    original = MacroFileBytes();
  }
  std::string original;
};

TEST_F(CaptureFailureTest, AFailedWriteEndsTheCaptureAndLeavesTheMacroAlone) {
  files.failWriteNumber = 3;
  session.DoCapture();
  Type("abcdef", 1);
  EXPECT_EQ(host.messages, (std::vector<ShownMessage>{
                               {"Error", CaptureFileError(kCapturePath, "written") + kNotStored}}));
  EXPECT_FALSE(Table().CaptureActive);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(CaptureFileText(), "ab");  // what was recorded stays in the file
  // Characters still queued and the stop that follows store nothing.
  session.OnCaptureStop(1);
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(host.log, (std::vector<std::string>{"in use?", "hide", "icon on", "icon off", "restore",
                                                "release", "message Error", "refill 1"}));
}

TEST_F(CaptureFailureTest, EveryFailingStepOfACaptureThroughTheDialog) {
  const struct {
    const char* what;
    void (*arm)(CaptureRig&);
    bool starts;
    std::string message;
  } cases[] = {
      {"create", [](CaptureRig& r) { r.files.failCreate = true; }, false,
       CaptureFileError(kCapturePath, "created") + kNotStarted},
      {"close at the end", [](CaptureRig& r) { r.files.failClose = true; }, true,
       CaptureFileError(kCapturePath, "written") + kNotStored},
      {"read at the end", [](CaptureRig& r) { r.files.failOpenRead = true; }, true,
       CaptureFileError(kCapturePath, "read") + kNotStored},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CaptureRig rig;
    rig.Load({UserMacro("Hello", 0)});
    const std::string before = rig.MacroFileBytes();
    rig.dialogs.keysAnswer = StartWith(Untimed());
    rig.host.selected = 1;
    c.arm(rig);
    rig.session.DoCapture();
    EXPECT_EQ(static_cast<bool>(rig.Table().CaptureActive), c.starts);
    rig.Type("text", 1);
    rig.session.OnCaptureStop(1);
    EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{"Error", c.message}}));
    EXPECT_EQ(rig.MacroFileBytes(), before);
    EXPECT_FALSE(rig.Table().CaptureActive);
    EXPECT_FALSE(rig.session.Recording());
  }
}

TEST_F(CaptureFailureTest, ATableThatCannotBeLockedEndsTheCaptureBeforeItRecords) {
  dialogs.whileKeysOpen = [this] { objects.SetWaitFails(true); };
  session.DoCapture();
  objects.SetWaitFails(false);
  EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{"Error", std::string(kTableNotLocked)}}));
  EXPECT_FALSE(Table().CaptureActive);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(host.log, (std::vector<std::string>{"in use?", "restore", "release", "message Error",
                                                "refill 1"}));
}

TEST_F(CaptureFailureTest, ASpeedTagThatCannotBeWrittenStartsNothing) {
  host.defaults.timing = true;
  files.failWriteNumber = 1;
  session.StartACapture();
  EXPECT_EQ(host.messages,
            (std::vector<ShownMessage>{
                {"Error", CaptureFileError(kCapturePath, "written") + kNotStarted}}));
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(Count(), 5);
  EXPECT_FALSE(Table().CaptureActive);
  EXPECT_EQ(host.log, (std::vector<std::string>{"in use?", "message Error", "release"}));
}

TEST_F(CaptureFailureTest, AQuickCaptureWhoseFileCannotBeCreatedCreatesNoMacro) {
  files.failCreate = true;
  session.StartACapture();
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(Count(), 5);
  EXPECT_FALSE(session.CaptureRunning());
}

TEST_F(CaptureFailureTest, AFailedQuickCaptureRemovesItsNewMacroAndSaysSo) {
  session.StartACapture();
  files.failWriteNumber = files.writes + 2;
  Type("xyz", 6);
  EXPECT_FALSE(session.CaptureRunning());
  EXPECT_EQ(MacroFileBytes(), original) << "no Typlet \"capture\" is left behind";
  EXPECT_EQ(Count(), 5);
  EXPECT_EQ(
      host.messages,
      (std::vector<ShownMessage>{{"Error", CaptureFileError(kCapturePath, "written") + kNotStored +
                                               "  The new macro 6 was removed."}}));
  EXPECT_TRUE(dialogs.completeRequests.empty());
}

TEST_F(CaptureFailureTest, AMacroThatCannotBeReadBackKeepsTheCaptureFile) {
  session.DoCapture();
  Type("keep me", 1);
  memory.RemoveFile(kMacroFile);  // gone from the network share, say
  session.OnCaptureStop(1);
  EXPECT_EQ(host.messages,
            (std::vector<ShownMessage>{{"Error",
                                        "Macro 1 could not be read.  The captured keystrokes "
                                        "remain in \"C:\\QN\\TempCap.Txt\" until the next "
                                        "capture starts."}}));
  EXPECT_EQ(CaptureFileText(), "keep me");
  EXPECT_FALSE(Table().CaptureActive);
}

TEST_F(CaptureFailureTest, AnOverflowThatCannotBeCopiedKeepsTheCaptureFile) {
  fileOps.failCopy = true;
  session.DoCapture();
  const std::string text(5001, 'q');
  Type(text, 1);
  session.OnCaptureStop(1);
  EXPECT_EQ(host.messages,
            (std::vector<ShownMessage>{
                {"Error",
                 CaptureFileError(kCapturePath, "copied to \"C:\\QN\\QN0.TXT\"") + kNotStored}}));
  EXPECT_EQ(MacroFileBytes(), original);
  EXPECT_EQ(CaptureFileText(), text);
  EXPECT_FALSE(memory.Content("C:\\QN\\QN0.TXT").has_value());
}

}  // namespace
}  // namespace quindle::capture::testing
