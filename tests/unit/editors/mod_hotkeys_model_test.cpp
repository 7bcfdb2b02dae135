#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>

#include "editors/mod_hotkeys_model.h"

namespace quindle::editors {
namespace {

using storage::MacroRecord;

MacroRecord Macro(std::string_view text, std::int16_t scope = storage::ScopeGlobal,
                  std::string_view scopeText = "") {
  return storage::NewMacro("Nick", scope, scopeText, 65, text);
}

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& tested) {
  return tested.param.name;
}

struct OpenCase {
  const char* name;
  bool existing;
  bool forcedWindow;
  std::int16_t scope;
  std::string caption;
  std::string nickname;
  std::string memo;
  bool globalEnabled;
  bool selectEnabled;
};

class ModHotKeysOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(ModHotKeysOpen, ShowsTheMacroOrAnEmptyNewOne) {
  const OpenCase& c = GetParam();
  ModHotKeysModel model(ActivationKind::Hotkey, c.existing, c.forcedWindow);
  model.Open(Macro("ab<TAB>", c.scope, "Calc"));
  EXPECT_EQ(model.Caption(), c.caption);
  EXPECT_EQ(model.Header().nickname, c.nickname);
  EXPECT_EQ(model.Memo().Text(), c.memo);
  EXPECT_EQ(model.Memo().Caret(), c.memo.size()) << "the caret at the end";
  EXPECT_EQ(model.GlobalEnabled(), c.globalEnabled);
  EXPECT_EQ(model.SelectEnabled(), c.selectEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModHotKeysOpen,
    testing::Values(OpenCase{"Global", true, false, storage::ScopeGlobal,
                             "Modify Hot Key  (GLOBAL)", "Nick", "ab<TAB>", true, false},
                    OpenCase{"Window", true, false, storage::ScopeWindow,
                             "Modify Hot Key  (Window Title: Calc)", "Nick", "ab<TAB>", true, true},
                    OpenCase{"Program", true, false, storage::ScopeProgram,
                             "Modify Hot Key  (Program: Calc)", "Nick", "ab<TAB>", true, true},
                    OpenCase{"New", false, false, storage::ScopeProgram, "Modify Hot Key  (GLOBAL)",
                             "", "", true, false},
                    OpenCase{"ForcedWindow", true, true, storage::ScopeGlobal,
                             "Modify Hot Key  (Window Title: Calc)", "Nick", "ab<TAB>", false,
                             true}),
    CaseName<OpenCase>);

// The bytes of the record, except LastModified, which every "&Update" sets.
std::string BytesBesidesDate(const MacroRecord& macro) {
  std::string bytes(sizeof macro, '\0');
  std::memcpy(bytes.data(), &macro, sizeof macro);
  return bytes.erase(offsetof(MacroRecord, LastModified), sizeof macro.LastModified);
}

struct UntouchedCase {
  const char* name;
  ActivationKind kind;
  std::function<void(MacroRecord&)> stored;  // how the record differs from a plain one
};

class ModHotKeysUntouched : public testing::TestWithParam<UntouchedCase> {};

TEST_P(ModHotKeysUntouched, UpdateLeavesTheMacroAsItWas) {
  MacroRecord macro = Macro("Dear <SHIFT>sir\r\nline two", storage::ScopeWindow, "Calc");
  macro.TypletName.Assign("sig");
  GetParam().stored(macro);
  const std::string before = BytesBesidesDate(macro);
  ModHotKeysModel model(GetParam().kind, true);
  model.Open(macro);
  bool truncated = true;
  ASSERT_FALSE(model.Accept(macro, 46000.25, truncated));
  EXPECT_FALSE(truncated);
  EXPECT_EQ(BytesBesidesDate(macro), before);
  EXPECT_EQ(double(macro.LastModified), 46000.25);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ModHotKeysUntouched,
    testing::Values(
        UntouchedCase{"Typlet", ActivationKind::Typlet, [](MacroRecord&) {}},
        UntouchedCase{"Hotkey", ActivationKind::Hotkey, [](MacroRecord& m) { m.TypletName = {}; }},
        UntouchedCase{"Timed", ActivationKind::Timed,
                      [](MacroRecord& m) {
                        m.TypletName = {};
                        m.HotkeyNumber = storage::kActivationTimed;
                        m.ScheduleKind = 4;
                        m.ScheduleHour = 7;
                      }},
        // Bytes that read as the same value: a flag of 255, a name's length byte past its 50
        // characters, the text area's bytes after the text's end, a disabled macro.
        UntouchedCase{"OddBytes", ActivationKind::Typlet,
                      [](MacroRecord& m) {
                        m.TopMostOnly.byte = 0xFF;
                        m.Enabled = false;
                        m.Name.length = 0xC8;
                        std::memset(m.Name.chars, 'n', sizeof m.Name.chars);
                        m.TextArea[4000] = 'x';
                        m.Reserved98[0] = 7;
                      }},
        UntouchedCase{"EmptyIconName", ActivationKind::Typlet,
                      [](MacroRecord& m) { m.IconName = {}; }}),
    CaseName<UntouchedCase>);

struct StoreCase {
  const char* name;
  std::string memo;
  std::string stored;
  bool truncated;
};

class ModHotKeysStore : public testing::TestWithParam<StoreCase> {};

TEST_P(ModHotKeysStore, UpdateStoresTheMemo) {
  const StoreCase& c = GetParam();
  MacroRecord macro = Macro("old");
  ModHotKeysModel model(ActivationKind::Hotkey, true);
  model.Open(macro);
  model.Memo().Set(c.memo, 0);
  bool truncated = !c.truncated;
  ASSERT_FALSE(model.Accept(macro, 1, truncated));
  EXPECT_EQ(macro.MacroText(), c.stored);
  EXPECT_EQ(truncated, c.truncated);
}

INSTANTIATE_TEST_SUITE_P(
    Memos, ModHotKeysStore,
    testing::Values(StoreCase{"Tab", "a\tb", "a<TAB>b", false},
                    StoreCase{"LineBreaks", "a\r\nb\n", "a\r\nb\n", false},
                    StoreCase{"Exactly5000", std::string(5000, 'a'), std::string(5000, 'a'), false},
                    StoreCase{"Over5000", std::string(5001, 'a'), std::string(5000, 'a'), true},
                    StoreCase{"TabPastTheEnd", std::string(4998, 'a') + "\t",
                              std::string(4998, 'a') + "<T", true}),
    CaseName<StoreCase>);

struct TypletCase {
  const char* name;
  std::string typed;
  std::string_view message;  // empty: accepted
  std::string stored;
};

class ModHotKeysTyplet : public testing::TestWithParam<TypletCase> {};

TEST_P(ModHotKeysTyplet, IsCheckedOnUpdate) {
  const TypletCase& c = GetParam();
  MacroRecord macro = Macro("text");
  macro.TypletName.Assign("old");
  const MacroRecord before = macro;
  ModHotKeysModel model(ActivationKind::Typlet, true);
  model.Open(macro);
  model.Header().typletName = c.typed;
  model.Memo().Set("changed", 0);
  bool truncated = false;
  const std::optional<EditorRefusal> refusal = model.Accept(macro, 1, truncated);
  if (c.message.empty()) {
    ASSERT_FALSE(refusal);
    EXPECT_EQ(macro.TypletName.View(), c.stored);
    return;
  }
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, c.message);
  EXPECT_TRUE(refusal->focusTypletName);
  EXPECT_EQ(std::memcmp(&macro, &before, sizeof macro), 0) << "a refusal changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Names, ModHotKeysTyplet,
                         testing::Values(TypletCase{"Empty", "", kNoTypletName, ""},
                                         TypletCase{"Apostrophe", "it's", kBadTypletName, ""},
                                         TypletCase{"Trimmed", "  sig  ", {}, "sig"}),
                         CaseName<TypletCase>);

TEST(ModHotKeysAccept, ANewMacroIsEnabledAndTakesTheHeader) {
  MacroRecord macro{};
  macro.TypletName.Assign("new");
  ModHotKeysModel model(ActivationKind::Typlet, false);
  model.Open(macro);
  EXPECT_EQ(model.Header().typletName, "new") << "the Typlet name the new-macro dialog chose";
  model.Header().nickname = "Greeting";
  model.Header().scopeKind = storage::ScopeProgram;
  model.Header().scopeText = "CALC.EXE";
  model.Memo().Set("Hello", 5);
  bool truncated = true;
  ASSERT_FALSE(model.Accept(macro, 46000.5, truncated));
  EXPECT_TRUE(macro.Enabled);
  EXPECT_EQ(macro.Name.View(), "Greeting");
  EXPECT_EQ(macro.ScopeKind, storage::ScopeProgram);
  EXPECT_EQ(macro.ScopeText.View(), "CALC.EXE");
  EXPECT_EQ(macro.IconName.View(), "MAIN");
  EXPECT_EQ(macro.TypletName.View(), "new");
  EXPECT_EQ(macro.MacroText(), "Hello");
  EXPECT_EQ(double(macro.LastModified), 46000.5);
}

struct ResultCase {
  const char* name;
  std::size_t length;
  std::optional<std::string> result;
  bool refused;
  std::size_t after;
};

class ModHotKeysResult : public testing::TestWithParam<ResultCase> {};

TEST_P(ModHotKeysResult, ACommandDialogsTextGoesInWhenItFits) {
  const ResultCase& c = GetParam();
  ModHotKeysModel model(ActivationKind::Hotkey, false);
  model.Open(MacroRecord{});
  model.Memo().Set(std::string(c.length, 'a'), 2);
  const std::optional<std::string_view> message = model.InsertResult(c.result);
  EXPECT_EQ(message.has_value(), c.refused);
  if (message) {
    EXPECT_EQ(*message, kTextTooLong);
  }
  EXPECT_EQ(model.Memo().Text().size(), c.after);
  if (!c.refused && c.result && !c.result->empty()) {
    EXPECT_EQ(model.Memo().Text().substr(2, c.result->size()), *c.result) << "at the caret";
    EXPECT_EQ(model.Memo().Caret(), 2 + c.result->size());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Results, ModHotKeysResult,
    testing::Values(ResultCase{"Cancelled", 10, std::nullopt, false, 10},
                    ResultCase{"EmptyText", 10, std::string(), false, 10},
                    ResultCase{"Fits", 10, std::string("<MSD:0100>"), false, 20},
                    ResultCase{"ToExactly5000", 4990, std::string("<MSD:0100>"), false, 5000},
                    ResultCase{"OneTooMany", 4991, std::string("<MSD:0100>"), true, 4991}),
    CaseName<ResultCase>);

}  // namespace
}  // namespace quindle::editors
