// The capture dialog's way: DoCapture's refusals and request, the start, and the completion of
// an existing or a new macro.
#include <gtest/gtest.h>

#include "capture_test_support.h"

namespace quindle::capture::testing {
namespace {

using storage::testing::UserMacro;

constexpr int kHello = 1;   // global, Ctrl+A
constexpr int kTyplet = 2;  // Typlet "tp"
constexpr int kScoped = 3;  // program-scoped, code 5, which the global macro 4 has too

MacroRecord TypletMacro() {
  MacroRecord record = UserMacro("Tp", storage::kActivationTyplet);
  record.TypletName.Assign("tp");
  return record;
}

MacroRecord ScopedMacro() {
  MacroRecord record = UserMacro("Scoped", 5, storage::ScopeProgram);
  record.ScopeText.Assign("WORD");
  record.TopMostOnly = true;
  return record;
}

class DialogCaptureTest : public CaptureTest {
 protected:
  void SetUp() override {
    Load({UserMacro("Hello", 0), TypletMacro(), ScopedMacro(), UserMacro("G5", 5)});
    host.defaults = Untimed();
    dialogs.keysAnswer = StartWith(Untimed());
  }
  void Recapture(int n, std::string_view typed) {
    host.selected = n;
    session.DoCapture();
    Type(typed, n);
    session.OnCaptureChar(static_cast<std::uintptr_t>(n), 0);
    session.OnCaptureStop(static_cast<std::uintptr_t>(n));
  }
};

TEST_F(DialogCaptureTest, RefusalsComeInOrderAndOpenNothing) {
  const struct {
    const char* what;
    int rows;
    int selected;
    bool inUse;
    std::vector<ShownMessage> shown;
  } cases[] = {
      {"empty list", 0, 1, false, {{"Error", std::string(kNoMacrosRefusal)}}},
      {"no selection", 8, 0, false, {{"Error", std::string(kNoSelectionRefusal)}}},
      {"shared file in use", 8, 1, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    prompts.shown.clear();
    host.rows = c.rows;
    host.selected = c.selected;
    host.sharedInUse = c.inUse;
    session.DoCapture();
    EXPECT_EQ(prompts.shown, c.shown);
    EXPECT_TRUE(dialogs.keysRequests.empty());
    EXPECT_FALSE(CaptureFileText().has_value());
  }
}

TEST_F(DialogCaptureTest, RecaptureIsRefusedWhereItWouldOverwriteWhatTheRecordHolds) {
  const struct {
    const char* what;
    int n;
    std::function<void(CaptureRig&)> make;
    std::string_view refusal;
  } cases[] = {
      {"system macro", 5, [](CaptureRig&) {}, kSystemRecaptureRefusal},
      {"popup menu", kHello,
       [](CaptureRig& rig) { rig.Table().ScopeKind[0] = storage::ScopePopupMenu; },
       kPopupRecaptureRefusal},
      {"timed macro", kHello,
       [](CaptureRig& rig) { rig.Table().HotkeyNumber[0] = storage::kActivationTimed; },
       kTimedRecaptureRefusal},
      {"browse mode", kHello, [](CaptureRig& rig) { rig.host.browse = true; }, kBrowseModeRefusal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CaptureRig rig;
    rig.Load({UserMacro("Hello", 0), TypletMacro(), ScopedMacro(), UserMacro("G5", 5)});
    rig.dialogs.keysAnswer = StartWith(Untimed());
    c.make(rig);
    const std::string before = rig.MacroFileBytes();
    rig.host.selected = c.n;
    rig.session.DoCapture();
    EXPECT_EQ(rig.prompts.shown, (std::vector<ShownMessage>{{"Error", std::string(c.refusal)}}));
    EXPECT_TRUE(rig.dialogs.keysRequests.empty());
    EXPECT_FALSE(rig.session.Recording());
    EXPECT_EQ(rig.MacroFileBytes(), before);
    // The menu entry is greyed for the same reason.
    EXPECT_EQ(RecaptureRefusal(rig.Table(), c.n, rig.host.browse), std::optional(c.refusal));
  }
  EXPECT_EQ(RecaptureRefusal(Table(), kHello, false), std::nullopt);
}

TEST_F(DialogCaptureTest, CompletionWorksOnItsOwnRecordNotTheCurrentMacro) {
  store.CurrentMacro().Name.Assign("being edited");
  Recapture(kHello, "abc");
  EXPECT_EQ(store.CurrentMacro().Name.View(), "being edited");
  EXPECT_EQ(Record(kHello).MacroText(), "abc");
  EXPECT_EQ(Record(kHello).Name.View(), "Nick");
}

TEST_F(DialogCaptureTest, RequestNamesBothStopHotkeysButNoneForATyplet) {
  const struct {
    int n;
    const char* stop2;
    const char* nickname;
    bool forced;
  } cases[] = {
      {kHello, "Or Press Ctrl+A to end capture", "Hello", false},
      {kTyplet, "", "Tp", false},
      {kScoped, "Or Press Ctrl+F to end capture", "Scoped", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    dialogs.keysRequests.clear();
    dialogs.keysAnswer = std::nullopt;
    host.selected = c.n;
    session.DoCapture();
    ASSERT_EQ(dialogs.keysRequests.size(), 1u);
    const CaptureKeysRequest& request = dialogs.keysRequests[0];
    EXPECT_EQ(request.stopText1, "Press Ctrl+Alt+Shift+X to end capture");
    EXPECT_EQ(request.stopText2, c.stop2);
    EXPECT_EQ(request.nickname, c.nickname);
    EXPECT_EQ(request.forceProgram, c.forced);
    EXPECT_EQ(request.options, host.defaults);
  }
}

TEST_F(DialogCaptureTest, WithoutACaptureSystemEntryTheFirstStopTextIsEmpty) {
  RemoveCaptureSystemEntry();
  dialogs.keysAnswer = std::nullopt;
  host.selected = kHello;
  session.DoCapture();
  ASSERT_EQ(dialogs.keysRequests.size(), 1u);
  EXPECT_EQ(dialogs.keysRequests[0].stopText1, "");
}

TEST_F(DialogCaptureTest, ClosingWithoutStartingLeavesEverythingAlone) {
  dialogs.keysAnswer = std::nullopt;
  const std::string before = MacroFileBytes();
  host.selected = kHello;
  session.DoCapture();
  EXPECT_FALSE(CaptureFileText().has_value());
  EXPECT_EQ(MacroFileBytes(), before);
  EXPECT_FALSE(Table().CaptureActive);
  EXPECT_FALSE(session.Recording());
  EXPECT_EQ(host.log, (std::vector<std::string>{"in use?", "release", "refill 1"}));
}

TEST_F(DialogCaptureTest, StopSetTwoIsTheMacrosOwnHotkeyOnlyForAHotkeyMacro) {
  const struct {
    int n;
    bool enabled;
    int key;
    bool ctrl;
  } cases[] = {{kHello, true, 'A', true}, {kTyplet, false, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    CaptureRig rig;
    rig.Load({UserMacro("Hello", 0), TypletMacro()});
    rig.dialogs.keysAnswer = StartWith(Untimed());
    rig.Table().StopSet2Enabled = true;
    rig.host.selected = c.n;
    rig.session.DoCapture();
    ASSERT_TRUE(rig.Table().CaptureActive);
    EXPECT_EQ(static_cast<bool>(rig.Table().StopSet2Enabled), c.enabled);
    EXPECT_EQ(rig.Table().StopSet2Key.Get(), c.key);
    EXPECT_EQ(static_cast<bool>(rig.Table().StopSet2Mods[0]), c.ctrl);
    EXPECT_EQ(rig.Table().StopSet1Key.Get(), 'X');
    EXPECT_EQ(rig.Table().CaptureMacro.Get(), c.n);
  }
}

TEST_F(DialogCaptureTest, StartHidesTheProgramAndSetsCaptureActiveLast) {
  CaptureOptions options;
  options.mouse = true;
  options.screenRelative = false;
  options.windowSize = true;
  options.speed = 3;
  dialogs.keysAnswer = StartWith(options);
  host.selected = kHello;
  session.DoCapture();
  EXPECT_TRUE(Table().CaptureActive);
  EXPECT_FALSE(host.activeWhenIconOn);
  EXPECT_TRUE(Table().CaptureWindowSize);
  EXPECT_TRUE(Table().WantWindowSize);
  EXPECT_EQ(CaptureFileText(), "<SPEED:00.50>");
  EXPECT_EQ(host.log, (std::vector<std::string>{"in use?", "hide", "icon on"}));
  EXPECT_FALSE(session.CaptureRunning());  // only a quick capture is "running"
  EXPECT_TRUE(session.Recording());
}

TEST_F(DialogCaptureTest, CompletionAnnouncesTheHotkeyOrTheTyplet) {
  const struct {
    int n;
    const char* text;
  } cases[] = {
      {kHello, "Quindle 98 capture is complete for Ctrl+A."},
      {kTyplet, "Quindle 98 capture is complete for Typlet: tp."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    host.messages.clear();
    Recapture(c.n, "new text");
    EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{"Capture", c.text}}));
    const MacroRecord saved = Record(c.n);
    EXPECT_EQ(saved.MacroText(), "new text");
    EXPECT_EQ(saved.Name.View(), "Nick");
    EXPECT_DOUBLE_EQ(saved.LastModified.Get(), clock.now);
    EXPECT_FALSE(Table().CaptureActive);
    EXPECT_TRUE(dialogs.completeRequests.empty());
  }
}

TEST_F(DialogCaptureTest, ScopeIsGlobalUnlessProgramWasChosenOrForced) {
  const struct {
    const char* what;
    int n;
    ScopeChoice choice;
    std::int16_t kind;
    const char* text;
    bool topMost;
  } cases[] = {
      {"global", kHello, ScopeChoice::Global, storage::ScopeGlobal, "", false},
      {"program chosen", kHello, ScopeChoice::Program, storage::ScopeProgram,
       "excel_with_a_name_over_thirty_", true},
      {"program forced", kScoped, ScopeChoice::Global, storage::ScopeProgram,
       "excel_with_a_name_over_thirty_", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dialogs.keysAnswer = StartWith(Untimed(), "Nick", c.choice);
    host.program = "notepad.exe";
    host.selected = c.n;
    session.DoCapture();
    host.program = "excel_with_a_name_over_thirty_characters.exe";  // in front at the end
    Type("t", c.n);
    session.OnCaptureStop(static_cast<std::uintptr_t>(c.n));
    const MacroRecord saved = Record(c.n);
    EXPECT_EQ(saved.ScopeKind.Get(), c.kind);
    EXPECT_EQ(saved.ScopeText.View(), c.text);
    EXPECT_EQ(static_cast<bool>(saved.TopMostOnly), c.topMost);
  }
}

TEST_F(DialogCaptureTest, ANewMacroIsAppendedWhenTheCaptureStarts) {
  MacroRecord working = storage::NewMacro("", storage::ScopeGlobal, "", 9, "");
  const int count = Count();
  EXPECT_EQ(session.CaptureWithDialog(0, working, true, false), CaptureStart::Started);
  ASSERT_EQ(dialogs.keysRequests.size(), 1u);
  EXPECT_EQ(dialogs.keysRequests[0].nickname, "");
  EXPECT_EQ(dialogs.keysRequests[0].stopText2, "Or Press Ctrl+J to end capture");
  const int n = count + 1;
  EXPECT_EQ(Count(), n);
  EXPECT_EQ(Table().CaptureMacro.Get(), n);
  Type("fresh", n);
  session.OnCaptureStop(static_cast<std::uintptr_t>(n));
  const MacroRecord saved = Record(n);
  EXPECT_EQ(saved.MacroText(), "fresh");
  EXPECT_EQ(saved.Name.View(), "Nick");
  EXPECT_EQ(saved.HotkeyNumber.Get(), 9);
  EXPECT_TRUE(saved.Enabled);
  EXPECT_TRUE(Table().CodeInUse[9]);
  EXPECT_EQ(host.log.back(), "refill " + std::to_string(n));
}

TEST_F(DialogCaptureTest, ANewMacroIsNotCreatedWhenTheDialogIsClosed) {
  dialogs.keysAnswer = std::nullopt;
  const std::string before = MacroFileBytes();
  EXPECT_EQ(session.CaptureWithDialog(0, storage::NewMacro("", storage::ScopeGlobal, "", 9, ""),
                                      true, false),
            CaptureStart::Closed);
  EXPECT_EQ(MacroFileBytes(), before);
  EXPECT_EQ(Count(), 8);
}

TEST_F(DialogCaptureTest, NoSecondCaptureWhileOneRecords) {
  host.selected = kHello;
  session.DoCapture();
  session.DoCapture();
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{{"Error", std::string(kInProgressRefusal)}}));
  EXPECT_EQ(dialogs.keysRequests.size(), 1u);
  session.StartACapture();
  EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{"Error", std::string(kInProgressRefusal)}}));
  EXPECT_EQ(Count(), 8);
}

}  // namespace
}  // namespace quindle::capture::testing
