// The quick capture: its refusals, the macro it creates, the text it collects and the
// completion dialog's answer laid onto the record.
#include <gtest/gtest.h>

#include "capture_test_support.h"
#include "hooklib/hook_messages.h"

namespace quindle::capture::testing {
namespace {

using storage::testing::UserMacro;

class QuickCaptureTest : public CaptureTest {
 protected:
  void SetUp() override {
    Load({UserMacro("Hello", 0)});
    host.defaults = Untimed();
    host.defaults.prompt = false;
  }
  // The macro the quick capture creates after the user macro and the system macros.
  static constexpr int kNew = 6;
};

TEST_F(QuickCaptureTest, RefusalsShowTheirTextAndCreateNothing) {
  const struct {
    const char* what;
    bool browse;
    bool running;
    bool full;
    std::string_view text;
  } cases[] = {
      {"browse mode", true, false, false, kBrowseModeRefusal},
      {"a capture in progress", false, true, false, kInProgressRefusal},
      {"500 macros", false, false, true, kMaximumRefusal},
      // Browse mode is told first, whatever else is in the way.
      {"browse and full", true, false, true, kBrowseModeRefusal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CaptureRig fresh;  // a session of its own for each case
    fresh.Load({UserMacro("Hello", 0)});
    fresh.host.defaults = Untimed();
    if (c.running) {
      fresh.session.StartACapture();
      fresh.Type("typed", kNew);
      fresh.host.messages.clear();
    }
    const std::string before = fresh.MacroFileBytes();
    const int count = fresh.Count();
    const std::optional<std::string> capture = fresh.CaptureFileText();
    fresh.host.browse = c.browse;
    if (c.full) fresh.Table().Count = 500;
    fresh.session.StartACapture();
    EXPECT_EQ(fresh.host.messages, (std::vector<ShownMessage>{{"Error", std::string(c.text)}}));
    EXPECT_EQ(fresh.MacroFileBytes(), before);
    EXPECT_EQ(fresh.Count(), c.full ? 500 : count);
    EXPECT_EQ(fresh.CaptureFileText(), capture);
  }
}

TEST_F(QuickCaptureTest, SharedFileInUseStopsSilently) {
  host.sharedInUse = true;
  const std::string before = MacroFileBytes();
  session.StartACapture();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(MacroFileBytes(), before);
  EXPECT_FALSE(CaptureFileText().has_value());
  EXPECT_FALSE(Table().CaptureActive);
}

TEST_F(QuickCaptureTest, CreatesTheCaptureTypletMacroAndSetsCaptureActiveLast) {
  Table().StopSet2Enabled = true;  // left over from a capture through the dialog
  session.StartACapture();
  ASSERT_EQ(Count(), kNew);
  const MacroRecord made = Record(kNew);
  EXPECT_EQ(made.Name.View(), "Capture");
  EXPECT_EQ(made.TypletName.View(), "capture");
  EXPECT_EQ(made.HotkeyNumber.Get(), 20000);
  EXPECT_EQ(made.ScopeKind.Get(), storage::ScopeGlobal);
  EXPECT_TRUE(made.ScopeText.Empty());
  EXPECT_TRUE(made.TopMostOnly);
  // Deactivated until "Capture Complete" gives it its activation: a program ended meanwhile
  // leaves no Typlet "capture" that plays nothing.
  EXPECT_FALSE(made.Enabled);
  EXPECT_FALSE(Table().Enabled[kNew - 1]);
  EXPECT_EQ(Table().CaptureMacro.Get(), kNew);
  EXPECT_FALSE(Table().StopSet2Enabled);
  EXPECT_EQ(Table().StopSet1Key.Get(), 'X');  // the capture system hotkey, Ctrl+Alt+Shift+X
  EXPECT_TRUE(Table().CaptureActive);
  EXPECT_FALSE(host.activeWhenIconOn);
  EXPECT_TRUE(session.CaptureRunning());
  EXPECT_EQ(CaptureFileText(), "");
  EXPECT_TRUE(host.messages.empty());  // "Prompt" is off
}

TEST_F(QuickCaptureTest, PromptNamesTheCaptureHotkey) {
  host.defaults.prompt = true;
  session.StartACapture();
  EXPECT_EQ(host.messages,
            (std::vector<ShownMessage>{{"Start Capture",
                                        "Quindle 98 macro capture will now start.\r\n\r\nUse "
                                        "Ctrl+Alt+Shift+X to stop the capture."}}));
}

TEST_F(QuickCaptureTest, WithoutACaptureSystemEntryStopSetOneIsEmpty) {
  RemoveCaptureSystemEntry();
  std::memset(&Table().StopSet1Button, 0x11, 8);
  session.StartACapture();
  EXPECT_EQ(Table().StopSet1Button.Get(), 0);
  EXPECT_EQ(Table().StopSet1Key.Get(), 0);
  for (const auto& mod : Table().StopSet1Mods) EXPECT_FALSE(mod);
}

TEST_F(QuickCaptureTest, ATimedCaptureStartsWithItsSpeedTag) {
  const struct {
    int speed;
    const char* tag;
  } cases[] = {
      {1, "<SPEED:00001>"}, {2, "<SPEED:00002>"}, {3, "<SPEED:00.50>"}, {4, "<SPEED:00.25>"}};
  for (const auto& c : cases) {
    CaptureRig fresh;
    fresh.Load({});
    fresh.host.defaults.prompt = false;
    fresh.host.defaults.speed = c.speed;
    fresh.session.StartACapture();
    EXPECT_EQ(fresh.CaptureFileText(), c.tag);
    EXPECT_TRUE(fresh.Table().CaptureTiming);
    fresh.Type("<MSD:00001>a", 5);
    fresh.session.OnCaptureStop(5);
    EXPECT_EQ(fresh.Record(5).MacroText(), std::string(c.tag) + "<MSD:00001>a");
  }
}

TEST_F(QuickCaptureTest, CharactersGoToTheFileAndZeroIsNothing) {
  session.StartACapture();
  Type("ab", kNew);
  session.OnCaptureChar(kNew, 0);
  session.OnCaptureChar(kNew, 'c');
  EXPECT_EQ(session.CurrentMacroNumber(), kNew);
  session.OnCaptureChar(2, 'z');  // not this capture's macro
  EXPECT_EQ(CaptureFileText(), "abc");
}

TEST_F(QuickCaptureTest, TypletAnswerGivesHotkeyNumber20000AndTheNames) {
  dialogs.completeAnswer = CapCompleteResult{true, 20000, "sig", "Signature", ScopeChoice::Global};
  session.StartACapture();
  Type("Best regards", kNew);
  session.OnCaptureChar(kNew, 0);
  session.OnCaptureStop(kNew);
  const MacroRecord saved = Record(kNew);
  EXPECT_EQ(saved.HotkeyNumber.Get(), 20000);
  EXPECT_EQ(saved.TypletName.View(), "sig");
  EXPECT_EQ(saved.Name.View(), "Signature");
  EXPECT_EQ(saved.ScopeKind.Get(), storage::ScopeGlobal);
  EXPECT_EQ(saved.MacroText(), "Best regards");
  EXPECT_TRUE(saved.Enabled);
  EXPECT_DOUBLE_EQ(saved.LastModified.Get(), clock.now);
  EXPECT_FALSE(Table().CaptureActive);
  EXPECT_FALSE(session.CaptureRunning());
  EXPECT_FALSE(CaptureFileText().has_value());  // deleted once the record holds the text
  // No completion message after a quick capture; the dialog saw the table with the new macro.
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(dialogs.completeCountSeen, kNew);
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"in use?", "icon on", "icon off", "show", "hide again",
                                      "restore", "release changed", "refill 6"}));
}

TEST_F(QuickCaptureTest, HotkeyAnswerWithProgramScopeTakesTheProgramCutTo30) {
  host.program = "a_program_with_a_very_long_file_name.exe";
  host.defaults.global = false;
  dialogs.completeAnswer = CapCompleteResult{false, 7, "", "Hot", ScopeChoice::Program};
  session.StartACapture();
  host.program = "winword.exe_that_is_in_front_at_the_end.exe";
  Type("x", kNew);
  session.OnCaptureStop(kNew);
  ASSERT_EQ(dialogs.completeRequests.size(), 1u);
  EXPECT_EQ(dialogs.completeRequests[0].scope, ScopeChoice::Program);
  const MacroRecord saved = Record(kNew);
  EXPECT_EQ(saved.HotkeyNumber.Get(), 7);
  EXPECT_TRUE(saved.TypletName.Empty());
  EXPECT_EQ(saved.ScopeKind.Get(), storage::ScopeProgram);
  EXPECT_EQ(saved.ScopeText.View(), "winword.exe_that_is_in_front_a");
  EXPECT_TRUE(saved.TopMostOnly);
  EXPECT_TRUE(Table().CodeInUse[7]);  // SetHotKeys ran
}

TEST_F(QuickCaptureTest, CompletionClosedWithoutOkKeepsTheCaptureDeactivatedAndSaysSo) {
  dialogs.completeAnswer = std::nullopt;
  session.StartACapture();
  Type("kept text", kNew);
  session.OnCaptureStop(kNew);
  const MacroRecord saved = Record(kNew);
  EXPECT_EQ(saved.Name.View(), "Capture");
  EXPECT_EQ(saved.TypletName.View(), "capture");
  EXPECT_EQ(saved.HotkeyNumber.Get(), 20000);
  EXPECT_EQ(saved.MacroText(), "kept text");
  EXPECT_FALSE(saved.Enabled) << "no live Typlet \"capture\" is left behind";
  EXPECT_FALSE(Table().Enabled[kNew - 1]);
  EXPECT_EQ(host.messages,
            (std::vector<ShownMessage>{
                {"Capture",
                 "Capture Complete was closed without Ok, so the captured macro 6 is kept "
                 "deactivated.  Activate it in the macro list to use its Typlet \"capture\"."}}));
}

TEST_F(QuickCaptureTest, UntilTheRecordIsWrittenEditorsAreRefusedAndFileSwapsWait) {
  EXPECT_FALSE(session.RefuseWhileBusy());
  EXPECT_FALSE(session.DeferSwap("C:\\QN\\NOW.QNL"));
  dialogs.completeAnswer = CapCompleteResult{true, 20000, "sig", "Signature", ScopeChoice::Global};
  session.StartACapture();
  EXPECT_TRUE(session.RefuseWhileBusy());  // recording
  bool completing = false;
  bool refused = false;
  dialogs.whileCompleteOpen = [&] {
    completing = session.Completing();
    refused = session.RefuseWhileBusy();
    EXPECT_TRUE(session.DeferSwap("C:\\QN\\FIRST.QNL"));
    EXPECT_TRUE(session.DeferSwap("C:\\QN\\OTHER.QNL"));
  };
  Type("x", kNew);
  session.OnCaptureStop(kNew);
  EXPECT_TRUE(completing);
  EXPECT_TRUE(refused);
  EXPECT_FALSE(session.Completing());
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{{"Error", std::string(kBusyRefusal)},
                                                      {"Error", std::string(kBusyRefusal)}}));
  EXPECT_EQ(Record(kNew).TypletName.View(), "sig");
  ASSERT_GE(host.log.size(), 2u);
  EXPECT_EQ(host.log.back(), "swap C:\\QN\\OTHER.QNL")
      << "after the record, the last swap asked for";
  EXPECT_EQ(host.log[host.log.size() - 2], "refill 6");
  EXPECT_FALSE(session.RefuseWhileBusy());
}

TEST_F(QuickCaptureTest, AMacroFileChangedDuringCompletionGetsNothing) {
  dialogs.completeAnswer = CapCompleteResult{true, 20000, "sig", "Signature", ScopeChoice::Global};
  const std::string other = "C:\\QN\\OTHER.QNL";
  memory.SetFile(other, MacroFileBytes().substr(0, storage::kRecordSize * 5));
  session.StartACapture();
  const std::string before = MacroFileBytes();
  dialogs.whileCompleteOpen = [&] { ASSERT_TRUE(store.LoadMacroFile(other)); };
  Type("x", kNew);
  session.OnCaptureStop(kNew);
  EXPECT_EQ(memory.Content(other)->size(), storage::kRecordSize * 5) << "macro 6 is not its";
  EXPECT_EQ(MacroFileBytes(), before) << "the new macro stays deactivated where it began";
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            std::string(kFileChangedDuringCapture) +
                "  The captured keystrokes remain in \"C:\\QN\\TempCap.Txt\" until the next "
                "capture starts.  The new macro 6 stays in \"C:\\QN\\QUINX.QNL\", deactivated.");
  EXPECT_EQ(CaptureFileText(), "x");
}

TEST_F(QuickCaptureTest, CharactersAfterCompletionAreIgnored) {
  session.StartACapture();
  Type("in", kNew);
  session.OnCaptureStop(kNew);
  Type("late", kNew);
  session.OnCaptureStop(kNew);  // a second stop stores nothing again
  EXPECT_EQ(Record(kNew).MacroText(), "in");
  EXPECT_FALSE(CaptureFileText().has_value());
  EXPECT_EQ(dialogs.completeRequests.size(), 1u);
}

TEST_F(QuickCaptureTest, AStopForAnotherMacroIsNotThisCapturesEnd) {
  session.StartACapture();
  Type("go", kNew);
  session.OnCaptureStop(2);
  EXPECT_TRUE(Table().CaptureActive);
  Type("on", kNew);
  Table().CaptureMacro = 77;  // whatever the table says, the user's command ends the capture
  session.EndCaptureCommand();
  EXPECT_EQ(Record(kNew).MacroText(), "goon");
  EXPECT_FALSE(Table().CaptureActive);
}

// The text moves into the record up to 5000 bytes and into the first free overflow file beyond.
TEST_F(QuickCaptureTest, LongCapturesMoveToTheFirstFreeOverflowFile) {
  const struct {
    std::size_t size;
    std::vector<std::string> existing;
    const char* file;  // nullptr: the text stays in the record
  } cases[] = {
      {5000, {}, nullptr},
      {5001, {}, "QN0.TXT"},
      {5001, {"QN0.TXT"}, "QN1.TXT"},
      {12000, {"QN0.TXT", "QN1.TXT", "QN3.TXT"}, "QN2.TXT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    CaptureRig fresh;
    fresh.Load({});
    fresh.host.defaults = Untimed();
    fresh.host.defaults.prompt = false;
    for (const std::string& name : c.existing) fresh.memory.SetFile("C:\\QN\\" + name, "old");
    fresh.session.StartACapture();
    std::string text;
    for (std::size_t i = 0; i < c.size; ++i) text += static_cast<char>('a' + i % 26);
    fresh.Type(text, 5);
    fresh.session.OnCaptureStop(5);
    const MacroRecord saved = fresh.Record(5);
    if (c.file == nullptr) {
      EXPECT_EQ(saved.MacroText(), text);
    } else {
      const std::string path = std::string("C:\\QN\\") + c.file;
      EXPECT_EQ(saved.MacroText(), "<TFILE:" + path + ">");
      EXPECT_EQ(fresh.memory.Content(path), text);
    }
    for (const std::string& name : c.existing)
      EXPECT_EQ(fresh.memory.Content("C:\\QN\\" + name), "old");
    EXPECT_FALSE(fresh.CaptureFileText().has_value());
  }
}

}  // namespace
}  // namespace quindle::capture::testing
