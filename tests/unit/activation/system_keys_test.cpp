// The "System Hot Keys" model: the in-use check of a pressed combination, the check at "&Ok" and
// the writing of only the entries that changed.
#include <gtest/gtest.h>

#include "activation/system_keys.h"
#include "activation_test_support.h"

namespace quindle::activation::testing {
namespace {

constexpr int kGlobalCode = 30;
constexpr int kWindowCode = 31;
constexpr int kPopupCode = 32;
constexpr int kFreeCode = 40;
constexpr int kOtherFreeCode = 41;

class SystemKeysTest : public ActivationTest {
 protected:
  void SetUp() override {
    Load({{"Global", kGlobalCode, storage::ScopeGlobal, "", "a"},
          {"Window", kWindowCode, storage::ScopeWindow, "Letter", "b"},
          {"Popup", kPopupCode, storage::ScopePopupMenu, "", "c"}});
    model.Load(Table(), 2);
  }
  int CodeInFile(int n) {
    storage::MacroRecord record{};
    EXPECT_TRUE(store.ReadMacro(n, record));
    return record.HotkeyNumber;
  }
  SystemKeysModel model;
};

TEST_F(SystemKeysTest, ShowsTheFourSystemEntriesAndTheMenuChoice) {
  EXPECT_EQ(model.Code(SystemKeyField::ActProg), kActivateMeCode);
  EXPECT_EQ(model.Code(SystemKeyField::MenuTop), kMenuTopCode);
  EXPECT_EQ(model.Name(SystemKeyField::ActProg), "Ctrl+Alt+Shift+W");
  EXPECT_EQ(model.SystemMenu(), 2);
  model.SetSystemMenu(9);
  EXPECT_EQ(model.SystemMenu(), 1);
}

TEST_F(SystemKeysTest, GlobalPopupAndSystemCodesAreInUseWindowScopedOnesAreNot) {
  for (const int code : {kGlobalCode, kPopupCode, kCaptureCode}) {
    const std::optional<std::string> message = model.Define(SystemKeyField::ActProg, code);
    ASSERT_TRUE(message) << code;
    EXPECT_EQ(model.Code(SystemKeyField::ActProg), kActivateMeCode);
  }
  EXPECT_EQ(*model.Define(SystemKeyField::ActProg, kGlobalCode),
            "The hot key \"Ctrl+4\" is already in use by a macro.  If you wish to use this hot "
            "key combination, you will first need to either remove or move the macro which is "
            "assigned to it.");
  EXPECT_FALSE(model.Define(SystemKeyField::ActProg, kWindowCode));
  EXPECT_EQ(model.Code(SystemKeyField::ActProg), kWindowCode);
  EXPECT_FALSE(model.Define(SystemKeyField::Resume, kResumeCode)) << "its own combination";
  EXPECT_FALSE(model.Define(SystemKeyField::Resume, 720));
  EXPECT_EQ(model.Code(SystemKeyField::Resume), kResumeCode);
}

TEST_F(SystemKeysTest, TheSameCodeForTwoCommandsIsRefusedAtOkNotWhenPressed) {
  EXPECT_FALSE(model.Define(SystemKeyField::ActProg, kFreeCode));
  EXPECT_FALSE(model.Define(SystemKeyField::StartCap, kFreeCode));
  EXPECT_EQ(model.CheckOk(), kSameSystemHotKeyMessage);
  EXPECT_FALSE(model.Define(SystemKeyField::StartCap, kOtherFreeCode));
  EXPECT_FALSE(model.CheckOk());
}

TEST_F(SystemKeysTest, OnlyChangedEntriesAreWrittenAndTheRestOfTheRecordStays) {
  EXPECT_FALSE(model.CodesChanged());
  const std::filesystem::file_time_type before = std::filesystem::last_write_time(path);
  EXPECT_TRUE(model.Apply(store));
  EXPECT_EQ(std::filesystem::last_write_time(path), before) << "nothing changed, nothing written";

  ASSERT_FALSE(model.Define(SystemKeyField::StartCap, kFreeCode));
  EXPECT_TRUE(model.CodesChanged());
  storage::MacroRecord original{};
  ASSERT_TRUE(store.ReadMacro(5, original));
  EXPECT_TRUE(model.Apply(store));
  storage::MacroRecord written{};
  ASSERT_TRUE(store.ReadMacro(5, written));
  EXPECT_EQ(written.HotkeyNumber, kFreeCode);
  EXPECT_EQ(written.Name.View(), original.Name.View());
  EXPECT_EQ(written.ScopeText.View(), "2");
  EXPECT_EQ(Table().HotkeyNumber[4].Get(), kFreeCode);
  EXPECT_EQ(CodeInFile(4), kActivateMeCode);
  EXPECT_EQ(CodeInFile(6), kResumeCode);
}

TEST(SystemKeyFields, FollowTheActionCharacter) {
  EXPECT_EQ(FieldOfSystemAction("1"), SystemKeyField::ActProg);
  EXPECT_EQ(FieldOfSystemAction("4"), SystemKeyField::MenuTop);
  EXPECT_FALSE(FieldOfSystemAction(""));
  EXPECT_FALSE(FieldOfSystemAction("5"));
}

}  // namespace
}  // namespace quindle::activation::testing
