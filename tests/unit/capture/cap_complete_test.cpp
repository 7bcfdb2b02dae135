// "Capture Complete": the key list with the use of every code, its two columns, and the checks
// of "&Ok" in their order, against a table built here.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "capture/cap_complete.h"

namespace quindle::capture {
namespace {

constexpr int kCtrlA = 0;
constexpr int kGlobalCode = 30;
constexpr int kWindowCode = 31;
constexpr int kPopupCode = 32;
constexpr int kSystemCode = 262;
constexpr int kFreeCode = 40;
constexpr int kAltF6 = 89;

class CapCompleteTest : public ::testing::Test {
 protected:
  void Add(int code, std::int16_t kind) {
    const auto i = static_cast<std::size_t>(table->Count.Get());
    table->HotkeyNumber[i] = static_cast<std::uint16_t>(code);
    table->ScopeKind[i] = kind;
    table->Count = static_cast<std::int32_t>(i + 1);
  }
  void SetUp() override {
    Add(kSystemCode, storage::ScopeSystem);
    Add(kGlobalCode, storage::ScopeGlobal);
    Add(kWindowCode, storage::ScopeWindow);
    Add(kWindowCode, storage::ScopeProgram);
    Add(kWindowCode, storage::ScopeWindow);
    Add(kPopupCode, storage::ScopePopupMenu);
    Add(kCtrlA, storage::ScopeProgram);
    Add(storage::kActivationTimed, storage::ScopeGlobal);
    Add(storage::kActivationTyplet, storage::ScopeGlobal);
  }
  CapCompleteForm HotkeyForm(int code, ScopeChoice scope = ScopeChoice::Global) {
    CapCompleteForm form;
    form.selectedCode = code;
    form.scope = scope;
    form.nickname = "Captured";
    return form;
  }
  std::unique_ptr<storage::SharedMacroTable> table = std::make_unique<storage::SharedMacroTable>();
};

TEST_F(CapCompleteTest, EachLineNamesItsCodeAndCountsItsMacros) {
  const KeyUse use(*table);
  const std::vector<std::string> lines = KeyLines(use);
  ASSERT_EQ(lines.size(), 720u);
  EXPECT_EQ(lines[kCtrlA], "Ctrl+A  (1 macro in use)");
  EXPECT_EQ(lines[kWindowCode], "Ctrl+5  (3 macros in use)");
  EXPECT_EQ(lines[kFreeCode], "Ctrl+F5  (Not in Use)");
  EXPECT_EQ(lines[kSystemCode], "Ctrl+Alt+Shift+W  (1 macro in use)");
  EXPECT_EQ(lines[719].substr(lines[719].find("  (")), "  (Not in Use)");
}

TEST_F(CapCompleteTest, TimedAndTypletMacrosAndDamagedCountsAreNeverCounted) {
  EXPECT_EQ(KeyUse(*table).Count(10000), 0);
  EXPECT_EQ(KeyUse(*table).Count(20000), 0);
  table->Count = 100000;  // a foreign value is clamped, not followed past the arrays
  EXPECT_EQ(KeyUse(*table).Count(kWindowCode), 3);
  table->Count = -3;
  EXPECT_EQ(KeyUse(*table).Count(kWindowCode), 0);
}

TEST_F(CapCompleteTest, GlobalPopupAndSystemEntriesUseACodeGloballyOthersDoNot) {
  const KeyUse use(*table);
  EXPECT_TRUE(use.UsedGlobally(kGlobalCode));
  EXPECT_TRUE(use.UsedGlobally(kPopupCode));
  EXPECT_TRUE(use.UsedGlobally(kSystemCode));
  EXPECT_FALSE(use.UsedGlobally(kWindowCode));
  EXPECT_FALSE(use.UsedGlobally(kCtrlA));
  EXPECT_FALSE(use.UsedGlobally(720));
}

TEST(KeyLineColumns, SplitAtTheParenthesis) {
  KeyLineColumns columns = SplitKeyLine("Ctrl+A  (Not in Use)");
  EXPECT_EQ(columns.name, "Ctrl+A");
  EXPECT_EQ(columns.use, "(Not in Use)");
  columns = SplitKeyLine("Win+F1");
  EXPECT_EQ(columns.name, "Win+F1");
  EXPECT_EQ(columns.use, "");
}

TEST(ReservedHotkeys, TheTenCodesAndTheirQuestion) {
  for (const int code : {89, 185, 233, 590, 557, 558, 559, 566, 571, 607})
    EXPECT_TRUE(IsReservedHotkey(code)) << code;
  for (const int code : {0, 88, 90, 556, 560, 720}) EXPECT_FALSE(IsReservedHotkey(code)) << code;
  EXPECT_EQ(ReservedHotkeyQuestion(kAltF6),
            "Alt+F6 may be used internally by Windows 95, 98 or NT.  This may cause the hot key "
            "not to function correctly. Would you still like to use Alt+F6?");
}

TEST_F(CapCompleteTest, HotKeysWithoutASelectedLineAreRefused) {
  const CapCompleteStep step = CheckCapComplete(HotkeyForm(-1), KeyUse(*table));
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Refuse);
  EXPECT_EQ(step.title, "Error");
  EXPECT_EQ(step.message, "No hot key selected.  Please select one.");
}

TEST_F(CapCompleteTest, AGloballyUsedCodeIsRefusedForGlobalOnlyAndBeforeTheQuestion) {
  const KeyUse use(*table);
  CapCompleteStep step = CheckCapComplete(HotkeyForm(kPopupCode), use);
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Refuse);
  EXPECT_EQ(step.message, kGlobalHotKeyInUseMessage);
  step = CheckCapComplete(HotkeyForm(kPopupCode, ScopeChoice::Program), use);
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Accept);
  EXPECT_EQ(step.result.hotkeyNumber, kPopupCode);
  EXPECT_EQ(step.result.scope, ScopeChoice::Program);
  EXPECT_EQ(CheckCapComplete(HotkeyForm(kWindowCode), use).kind, CapCompleteStep::Kind::Accept)
      << "only window- and program-scoped macros use it";

  Add(kAltF6, storage::ScopeGlobal);
  step = CheckCapComplete(HotkeyForm(kAltF6), KeyUse(*table));
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Refuse) << "in use is told before reserved";
}

TEST_F(CapCompleteTest, AReservedCodeIsAskedAboutWithTheResultForYes) {
  const CapCompleteStep step = CheckCapComplete(HotkeyForm(571), KeyUse(*table));
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Ask);
  EXPECT_EQ(step.title, "Warning");
  EXPECT_EQ(step.message, ReservedHotkeyQuestion(571));
  EXPECT_EQ(step.result.hotkeyNumber, 571);
  EXPECT_FALSE(step.result.typlet);
}

TEST_F(CapCompleteTest, TheNicknameIsTrimmedAndCutToFifty) {
  CapCompleteForm form = HotkeyForm(kFreeCode);
  form.nickname = "  " + std::string(49, 'n') + "xy  ";
  form.typletName = "ignored";
  const CapCompleteStep step = CheckCapComplete(form, KeyUse(*table));
  ASSERT_EQ(step.kind, CapCompleteStep::Kind::Accept);
  EXPECT_EQ(step.result.nickname, std::string(49, 'n') + "x");
  EXPECT_EQ(step.result.hotkeyNumber, kFreeCode);
  EXPECT_EQ(step.result.typletName, "") << "a hotkey macro has no Typlet name";
}

TEST_F(CapCompleteTest, TypletsNeedANameOnceTrimmedAndGet20000) {
  CapCompleteForm form;
  form.typlet = true;
  form.selectedCode = kGlobalCode;  // the list is hidden: its selection does not count
  form.typletName = "   ";
  CapCompleteStep step = CheckCapComplete(form, KeyUse(*table));
  EXPECT_EQ(step.kind, CapCompleteStep::Kind::Refuse);
  EXPECT_EQ(step.message, "No Typlet name entered.");
  EXPECT_EQ(step.title, "Error");
  EXPECT_EQ(step.focus, CapCompleteField::TypletName);

  form.typletName = " sig ";
  step = CheckCapComplete(form, KeyUse(*table));
  ASSERT_EQ(step.kind, CapCompleteStep::Kind::Accept);
  EXPECT_TRUE(step.result.typlet);
  EXPECT_EQ(step.result.typletName, "sig");
  EXPECT_EQ(step.result.hotkeyNumber, 20000);
  form.typletName = "abcdefghijkl";
  EXPECT_EQ(CheckCapComplete(form, KeyUse(*table)).result.typletName, "abcdefghij");
}

}  // namespace
}  // namespace quindle::capture
