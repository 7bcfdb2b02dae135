// Typlets: the buffer of typed characters, the match in prefix and suffix mode, the choice by
// scope, the refusals, and the erasing of the abbreviation before the macro plays.
#include <gtest/gtest.h>

#include <string>

#include "activation/typlets.h"
#include "activation_test_support.h"

namespace quindle::activation::testing {
namespace {

constexpr int kTyplet = storage::kActivationTyplet;
constexpr int kBackspace = 8;

struct TypletSetup {
  std::string typlet;
  storage::ScopeKindValue scope = storage::ScopeGlobal;
  std::string scopeText;
  std::string text;
  bool enabled = true;
};

class TypletTest : public ActivationTest {
 protected:
  void LoadTyplets(const std::vector<TypletSetup>& setups) {
    std::vector<storage::MacroRecord> records;
    for (const TypletSetup& s : setups) {
      storage::MacroRecord record =
          MakeRecord({s.typlet, kTyplet, s.scope, s.scopeText, s.text, false, s.enabled});
      record.TypletName.Assign(s.typlet);
      records.push_back(record);
    }
    storage::testing::WriteBytes(
        path, storage::testing::FileOf(storage::testing::WithSystemMacros(std::move(records))));
    ASSERT_TRUE(store.LoadMacroFile(path));
    fake.ClearLog();
  }
  void Options(bool suffix, std::string prefix = {}, bool caseSensitive = true,
               bool solitary = false) {
    typlets.SetOptions({solitary, caseSensitive, suffix, std::move(prefix)});
  }
  void Type(std::string_view text, std::uintptr_t code = hooklib::kTypletCharacter) {
    for (const char c : text) typlets.OnTypletChar(code, c);
  }
  void Reset() { typlets.OnTypletChar(hooklib::kTypletReset, 0); }
  static Lines Backspaces(int k) {
    Lines all;
    for (int i = 0; i < k; ++i) all = Seq({all, Press(kBackspace)});
    return all;
  }
  Lines Played() { return WithoutWaits(Log()); }

  TypletActivation typlets{
      ActivationServices{lock, store, player, fake, fake, fake, fake, fake, host}, activation};
};

using TypletMatch = TypletTest;

TEST_F(TypletMatch, PrefixModeFiresOnTheLastCharacterAndErasesOnlyTheName) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "ab"}});
  Options(false);
  Type("xsi");
  EXPECT_TRUE(Log().empty());
  Type("g");
  EXPECT_EQ(Played(), Seq({Backspaces(3), Typed("ab"), Marker()}));
  EXPECT_EQ(typlets.Buffer(), "");
  EXPECT_EQ(activation.CurrentMacroNumber(), 1);
}

TEST_F(TypletMatch, SuffixModeWaitsForSpaceOrEnterAndErasesTheSuffixToo) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "ab"}});
  Options(true);
  for (const char suffix : {' ', '\r'}) {
    Type("sig");
    EXPECT_TRUE(Log().empty());
    Type(std::string(1, suffix));
    EXPECT_EQ(Played(), Seq({Backspaces(4), Typed("ab"), Marker()})) << int{suffix};
    fake.ClearLog();
  }
  Type("xsig ");
  Type("sig\t");
  EXPECT_TRUE(Log().empty()) << "the whole buffer must be the Typlet, and only Space or Enter test";
}

TEST_F(TypletMatch, TwoSlashPrefixIsNeededAndErasedWithTheName) {
  LoadTyplets({{"ad", storage::ScopeGlobal, "", "z"}});
  Options(false, "//");
  Type("ad/ad");
  EXPECT_TRUE(Log().empty());
  Type("//ad");
  EXPECT_EQ(Played(), Seq({Backspaces(4), Typed("z"), Marker()}));
}

TEST_F(TypletMatch, CaseCountsOnlyWhenCaseSensitive) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false, "", true);
  Type("SIG");
  EXPECT_TRUE(Log().empty());
  Options(false, "", false);
  Type("SIG");
  EXPECT_EQ(Played(), Seq({Backspaces(3), Typed("a"), Marker()}));
}

TEST_F(TypletMatch, SolitaryUsageWantsTheTypletRightAfterAReset) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false, "", true, true);
  Type("xsig");
  EXPECT_TRUE(Log().empty());
  Type(" sig");
  EXPECT_EQ(Played(), Seq({Backspaces(3), Typed("a"), Marker()}));
  fake.ClearLog();
  Reset();
  Type("sig");
  EXPECT_EQ(Played(), Seq({Backspaces(3), Typed("a"), Marker()}));
}

TEST_F(TypletMatch, ResetsAndInvalidCharactersEmptyTheBuffer) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false);
  Type("si");
  Reset();
  Type("g");
  Type("si\x01g");
  Type("si g");
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(typlets.Buffer(), "g");
}

TEST_F(TypletMatch, ThirteenCharactersWithATwoCharacterPrefixKeepTheLastTwelve) {
  LoadTyplets({{"zz", storage::ScopeGlobal, "", "a"}});
  Options(false, "//");
  Type("abcdefghijklm");
  EXPECT_EQ(typlets.Buffer(), "bcdefghijklm");
  Options(false);
  Type("abcdefghijklm");
  EXPECT_EQ(typlets.Buffer(), "defghijklm");
}

TEST_F(TypletMatch, DisabledAndEmptyNamedTypletsNeverFire) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a", false}, {"", storage::ScopeGlobal, "", "b"}});
  Options(false);
  Type("xsig");
  EXPECT_TRUE(Log().empty());
}

TEST_F(TypletMatch, AnEmptyTableIgnoresEverything) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Table().Count = 0;
  Options(false);
  Type("sig");
  EXPECT_EQ(typlets.Buffer(), "");
}

// Only the Typlets ending with the character typed are compared; which of them fires must not
// depend on how they are found.
TEST_F(TypletMatch, TheFirstMatchingTypletByNumberFires) {
  struct Row {
    std::vector<std::string> names;
    bool caseSensitive;
    std::string typed;
    int fired;  // macro number, 0 for none
  };
  const Row rows[] = {
      {{"siG"}, false, "sig", 1},                // the capital ends it when case does not count
      {{"siG"}, true, "sig", 0},                 // but not when it does
      {{"sig", "siG"}, true, "siG", 2},          // same letter, other case: only the exact one
      {{"xsig", "sig"}, true, "xsig", 1},        // both end the buffer: the lower number
      {{"sig", "xsig"}, true, "xsig", 1},        // the same the other way round
      {{"sih", "sig", "big"}, false, "BIG", 3},  // among those ending alike, the one that fits
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    std::vector<TypletSetup> setups;
    for (std::size_t i = 0; i < row.names.size(); ++i)
      setups.push_back({row.names[i], storage::ScopeGlobal, "", std::string(1, 'a' + i)});
    LoadTyplets(setups);
    activation.SetCurrentMacroNumber(0);
    Options(false, "", row.caseSensitive);
    Type(row.typed);
    EXPECT_EQ(activation.CurrentMacroNumber(), row.fired);
    EXPECT_EQ(Log().empty(), row.fired == 0);
  }
}

TEST_F(TypletMatch, ARenamedTypletFiresByItsNewNameOnly) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  storage::MacroRecord record;
  ASSERT_TRUE(store.ReadMacro(1, record));
  record.TypletName.Assign("sih");
  ASSERT_TRUE(store.WriteMacro(1, record));
  Options(false);
  Type("sig");
  EXPECT_TRUE(Log().empty());
  Type("sih");
  EXPECT_EQ(Played(), Seq({Backspaces(3), Typed("a"), Marker()}));
}

TEST_F(TypletMatch, CapsLockBitSetsCapsWasOnUnlessAMacroPlaysOrIsPaused) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(true);
  Type("s", hooklib::kTypletCharacterCaps);
  EXPECT_TRUE(State().CapsWasOn);
  Type("i");
  EXPECT_FALSE(State().CapsWasOn);
  // The macro playing (its marker set) or paused keeps the state its start recorded.
  for (const bool paused : {false, true}) {
    State().CapsWasOn = true;
    Table().PlaybackMarker = !paused;
    State().PauseActive = paused;
    Type("i");
    EXPECT_TRUE(State().CapsWasOn) << "paused " << paused;
  }
}

using TypletRun = TypletTest;

TEST_F(TypletRun, PumpsAfterEveryBackspaceAndWaitsATenthUnscaled) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false);
  State().SpeedFactor = 4.0;
  std::vector<std::size_t> logSizes;
  const std::uint64_t calls = fake.ProcessMessagesCalls();
  for (std::uint64_t i = 1; i <= 3; ++i) {
    fake.AtProcessMessagesCall(calls + i, [&] { logSizes.push_back(Log().size()); });
  }
  Type("sig");
  EXPECT_EQ(logSizes, (std::vector<std::size_t>{2, 4, 6}));
  std::int64_t waited = 0;
  for (const std::string& line : Log()) {
    if (line.rfind("wait ", 0) == 0) waited += std::stoll(line.substr(5));
  }
  EXPECT_EQ(waited, 100);
}

TEST_F(TypletRun, PlaysTheStartedRecordAndLeavesCurrentMacroAlone) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false);
  store.CurrentMacro().Name.Assign("being edited");
  bool markerSetWhileErasing = false;
  fake.PostCallback([&] { markerSetWhileErasing = Table().PlaybackMarker; });
  Type("sig");
  EXPECT_TRUE(markerSetWhileErasing) << "the Backspaces must not reach the Typlet matcher";
  EXPECT_EQ(store.CurrentMacro().Name.View(), "being edited");
  EXPECT_EQ(activation.StartedMacro().TypletName.View(), "sig");
}

TEST_F(TypletRun, TheMacroWorksInTheWindowTheTypletWasTypedIn) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false);
  const platform::WindowHandle front = Window("Letter - Notepad");
  fake.SetForeground(front);
  State().TargetWindow = Window("Elsewhere");
  Type("sig");
  EXPECT_EQ(State().TargetWindow, front);
}

using TypletScope = TypletTest;

TEST_F(TypletScope, WindowThenProgramThenGlobal) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "g"},
               {"sig", storage::ScopeProgram, "notepad", "p"},
               {"sig", storage::ScopeWindow, "letter", "w"}});
  Options(false);
  const auto run = [&](platform::WindowHandle front) {
    fake.SetForeground(front);
    fake.ClearLog();
    Type("sig");
    const Lines played = Played();
    return played.size() > 6 ? played[6] : std::string();
  };
  EXPECT_EQ(run(Window("My Letter - Notepad", 7, "NOTEPAD.EXE")), "key 87 down");
  EXPECT_EQ(run(Window("Untitled - Notepad", 7, "NOTEPAD.EXE")), "key 80 down");
  EXPECT_EQ(run(Window("Calculator", 8, "CALC.EXE")), "key 71 down");
}

TEST_F(TypletScope, AScopedTypletOutOfScopeWithoutAGlobalOnePlaysNothingLater) {
  LoadTyplets({{"sig", storage::ScopeWindow, "letter", "w"}});
  Options(false);
  fake.SetForeground(Window("Calculator"));
  Type("sig");
  EXPECT_TRUE(Log().empty());
  fake.SetForeground(Window("Letter"));
  Type("x");
  EXPECT_TRUE(Log().empty()) << "Backspaces now would erase the x, not the Typlet";
}

using TypletRefusal = TypletTest;

TEST_F(TypletRefusal, PopupCaptureAndPauseWarnAndPlayNothing) {
  LoadTyplets({{"sig", storage::ScopeGlobal, "", "a"}});
  Options(false);
  State().PopupShowing = true;
  Type("sig");
  State().PopupShowing = false;
  Table().CaptureActive = true;
  Type("sig");
  Table().CaptureActive = false;
  host.captureCompleting = true;
  Type("sig");
  host.captureCompleting = false;
  State().PauseActive = true;
  Type("sig");
  Type("x");
  State().PauseActive = false;
  EXPECT_EQ(host.events,
            (std::vector<std::string>{
                FakeHost::Warning(kPopupRefusal), FakeHost::Warning(kCaptureRefusal),
                FakeHost::Warning(kCaptureRefusal), FakeHost::Warning(kPauseRefusal)}));
  EXPECT_TRUE(Log().empty());
}

TEST(TypletCharacters, TheValidSet) {
  std::string valid;
  for (int c = 1; c < 256; ++c) {
    if (IsTypletCharacter(static_cast<char>(c))) valid.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(valid,
            "!#$%&*+,-./0123456789;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ^_abcdefghijklmnopqrstuvwxyz");
}

}  // namespace
}  // namespace quindle::activation::testing
