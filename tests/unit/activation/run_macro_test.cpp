// Running a chosen macro: the playback marker around the playback, popup-menu macros, and a
// macro started from inside another.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "activation_test_support.h"

namespace quindle::activation::testing {
namespace {

constexpr int kCode = 5;
constexpr int kOtherCode = 6;

using PlaybackMarker = ActivationTest;

TEST_F(PlaybackMarker, IsSetWhilePlayingWithTheTableFreeAndTheMarkerKeyFollows) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  bool markerDuringPlayback = false;
  bool lockHeldDuringPlayback = true;
  fake.PostCallback([&] {
    markerDuringPlayback = Table().PlaybackMarker;
    lockHeldDuringPlayback = lock.Held();
  });
  Hotkey(kCode);
  EXPECT_TRUE(markerDuringPlayback);
  EXPECT_FALSE(lockHeldDuringPlayback) << "the hook needs the table for every key";
  EXPECT_EQ(Log(), Seq({Typed("ab"), Marker()}));
  const std::vector<platform::fake::KeyEventRecord>& keys = fake.KeyEvents();
  ASSERT_GE(keys.size(), 2u);
  const auto scan = static_cast<std::uint8_t>(fake.MapVirtualKey(43, platform::kMapVkToScan));
  EXPECT_EQ(keys[keys.size() - 2].scan, scan);
  EXPECT_EQ(keys[keys.size() - 1].scan, scan);
  EXPECT_EQ(keys[keys.size() - 1].flags, platform::kKeyEventKeyUp);
  EXPECT_EQ(activation.PlayingMacroNumber(), 0);
}

TEST_F(PlaybackMarker, AMacroThatCannotBeReadPlaysNothing) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  std::filesystem::remove(path);
  activation.RunMacro(1);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(Table().PlaybackMarker);
}

TEST_F(PlaybackMarker, WithTheTableLockRefusedNothingPlays) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  objects.SetOpenFails(true);
  activation.RunMacro(1);
  EXPECT_TRUE(Log().empty());
}

TEST_F(PlaybackMarker, NumbersOutsideTheLoadedMacrosAreIgnoredQuietly) {
  Load({{"Global", kCode, storage::ScopeGlobal, "", "ab"}});
  activation.RunMacro(0);
  activation.RunMacro(-3);
  activation.RunMacro(6);
  activation.RunMacro(100000);
  EXPECT_TRUE(Log().empty()) << ::testing::PrintToString(Log());
}

TEST_F(PlaybackMarker, AStartInsideAPlaybackRestoresTheOuterMacroNumber) {
  Load({{"Outer", kCode, storage::ScopeGlobal, "", "a<MSD:0100>b"},
        {"Inner", kOtherCode, storage::ScopeGlobal, "", "x"}});
  std::vector<int> seen;
  fake.PostCallback([&] {
    seen.push_back(activation.PlayingMacroNumber());
    fake.PostCallback([&] { seen.push_back(activation.PlayingMacroNumber()); });
    Hotkey(kOtherCode);
    seen.push_back(activation.PlayingMacroNumber());
  });
  Hotkey(kCode);
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(WithoutWaits(Log()), Seq({Typed("a"), Typed("x"), Marker(), Typed("b"), Marker()}));
  EXPECT_EQ(activation.PlayingMacroNumber(), 0);
}

// The record an editor fills while the user works on a macro; starting any macro meanwhile must
// leave it exactly as the editor left it.
class WhileEditing : public ActivationTest {
 protected:
  void SetUp() override {
    Load({{"Outer", kCode, storage::ScopeGlobal, "", "a<MSD:0100>b"},
          {"Inner", kOtherCode, storage::ScopeGlobal, "", "x"},
          {"Menu", 7, storage::ScopePopupMenu, "", ""}});
    storage::MacroRecord& editing = store.CurrentMacro();
    editing = MakeRecord({"Being edited", 42, storage::ScopeWindow, "Draft - TESTPAD", "draft"});
    before = editing;
  }
  bool CurrentMacroUnchanged() {
    return std::memcmp(&before, &store.CurrentMacro(), sizeof before) == 0;
  }
  storage::MacroRecord before{};
};

TEST_F(WhileEditing, AHotkeyPlaysItsOwnMacroAndLeavesTheEditedRecord) {
  Hotkey(kOtherCode);
  EXPECT_EQ(Log(), Seq({Typed("x"), Marker()}));
  EXPECT_TRUE(CurrentMacroUnchanged());
  EXPECT_EQ(activation.StartedMacro().Name.View(), "Inner");
}

TEST_F(WhileEditing, ANestedStartLeavesTheEditedRecord) {
  fake.PostCallback([&] { Hotkey(kOtherCode); });
  Hotkey(kCode);
  EXPECT_EQ(WithoutWaits(Log()), Seq({Typed("a"), Typed("x"), Marker(), Typed("b"), Marker()}));
  EXPECT_TRUE(CurrentMacroUnchanged());
}

TEST_F(WhileEditing, APopupMenuAndItsChosenMemberLeaveTheEditedRecord) {
  host.popupAnswers = {2};
  Hotkey(7);
  EXPECT_EQ(host.events.front(), "popup Menu");
  EXPECT_EQ(WithoutWaits(Log()), Seq({Typed("x"), Marker()}));
  EXPECT_TRUE(CurrentMacroUnchanged());
}

TEST_F(WhileEditing, AStartByNumberFromTheTrayLeavesTheEditedRecord) {
  Hotkey(static_cast<int>(hooklib::kDirectMacroBit | 1));
  EXPECT_EQ(WithoutWaits(Log()), Seq({Typed("ab"), Marker()}));
  EXPECT_TRUE(CurrentMacroUnchanged());
}

class PopupMenu : public ActivationTest {
 protected:
  void SetUp() override {
    Load({{"Menu", kCode, storage::ScopePopupMenu, "", ""},
          {"Member", kOtherCode, storage::ScopeGlobal, "", "m"}});
    target = Window("Editor");
    fake.SetForeground(Window("Other"));
  }
  platform::WindowHandle target = 0;
};

TEST_F(PopupMenu, TheChosenMemberRunsAfterTheFocusWentBack) {
  host.popupAnswers = {2};
  bool showingDuringMenu = false;
  bool lockHeldDuringMenu = true;
  host.onPopup = [&] {
    showingDuringMenu = State().PopupShowing;
    lockHeldDuringMenu = lock.Held();
  };
  Hotkey(kCode, target);
  EXPECT_TRUE(showingDuringMenu);
  EXPECT_FALSE(lockHeldDuringMenu);
  EXPECT_FALSE(State().PopupShowing);
  EXPECT_EQ(host.events, Lines{"popup Menu"});
  EXPECT_EQ(Log(), Seq({{"activate \"Editor\""}, Typed("m"), Marker()}));
}

TEST_F(PopupMenu, AFocusedChildGivesItsTopLevelWindowBack) {
  const platform::WindowHandle child = fake.AddChildWindow(target, "field");
  Hotkey(kCode, child);
  EXPECT_EQ(Log(), Lines{"activate \"Editor\""});
}

TEST_F(PopupMenu, CancelledPlaysNothingAndSetsNoMarker) {
  Hotkey(kCode, target);
  EXPECT_EQ(Log(), Lines{"activate \"Editor\""});
  EXPECT_FALSE(Table().PlaybackMarker);
}

TEST_F(PopupMenu, AHotkeyWhileTheMenuIsOpenIsRefused) {
  host.onPopup = [&] { Hotkey(kOtherCode); };
  Hotkey(kCode, target);
  EXPECT_EQ(host.events, (Lines{"popup Menu", FakeHost::Warning(kPopupRefusal)}));
}

TEST_F(PopupMenu, AMenuThatNamesItselfStopsAfterALimit) {
  host.repeatPopupAnswer = 1;
  Hotkey(kCode, target);
  EXPECT_EQ(host.events, Lines(static_cast<std::size_t>(kMaxPopupDepth), "popup Menu"));
  EXPECT_FALSE(State().PopupShowing);
}

}  // namespace
}  // namespace quindle::activation::testing
