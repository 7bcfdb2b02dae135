#include "activation/key_remap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/std_file_io.h"
#include "storage/storage_test_support.h"
#include "support/temp_folder.h"

namespace quindle::activation {
namespace {

using testing_support::ReadFile;
using testing_support::TempFolder;

std::string In(const TempFolder& folder, const char* name) {
  return (folder / name).string();
}

TEST(KeyRemapSlots, FollowTheFileOrderAndSkipBraceAndBar) {
  EXPECT_EQ(RemapSlotCharacter(0), 'A');
  EXPECT_EQ(RemapSlotCharacter(26), 'a');
  EXPECT_EQ(RemapSlotCharacter(52), '0');
  EXPECT_EQ(RemapSlotCharacter(62), ' ');
  EXPECT_EQ(RemapSlotCharacter(77), '/');
  EXPECT_EQ(RemapSlotCharacter(78), ':');
  EXPECT_EQ(RemapSlotCharacter(85), '[');
  EXPECT_EQ(RemapSlotCharacter(90), '`');
  EXPECT_EQ(RemapSlotCharacter(91), '}');
  EXPECT_EQ(RemapSlotCharacter(92), '~');
  for (std::size_t i = 0; i < kRemapSlots; ++i) {
    EXPECT_NE(RemapSlotCharacter(i), '{');
    EXPECT_NE(RemapSlotCharacter(i), '|');
  }
}

TEST(KeyRemapSlots, LieInTheBlockAtTheHookOffsets) {
  storage::RemapBlock block{};
  InitSwapKeys(block);
  EXPECT_EQ(block.Upper[0], 'A');
  EXPECT_EQ(block.Lower[1], 'b');
  EXPECT_EQ(block.Digits[9], '9');
  EXPECT_EQ(block.Space2Slash[0], ' ');
  EXPECT_EQ(block.Colon2At[6], '@');
  EXPECT_EQ(block.Bracket2Grave[5], '`');
  EXPECT_EQ(block.BraceTilde[0], '}');
  EXPECT_EQ(block.BraceTilde[1], '~');
  EXPECT_EQ(block.Unused101[0], 0);
  EXPECT_FALSE(SwapsInUse(block));
  block.Lower[0] = 'b';
  EXPECT_TRUE(SwapsInUse(block));
  block.Lower[0] = 0;  // "none" leaves the character alone
  EXPECT_FALSE(SwapsInUse(block));
}

TEST(KeyRemapFileName, ReplacesTheMacroExtensionInAnyCaseAndNeverTheMacroFile) {
  EXPECT_EQ(RemapFileName("C:\\M\\QUINX.QNL"), "C:\\M\\QUINX.QNS");
  EXPECT_EQ(RemapFileName("c:\\m\\work.qnl"), "c:\\m\\work.QNS");
  EXPECT_EQ(RemapFileName("C:\\M\\MACROS.DAT"), "C:\\M\\MACROS.DAT.QNS");
  EXPECT_EQ(RemapFileName("QNL"), "QNL.QNS");
}

TEST(KeyRemapFile, NewMacroFileGetsTheNeutralMappingAtOnce) {
  TempFolder folder;
  platform::StdBinaryFiles files;
  const std::string macroFile = In(folder, "NEW.QNL");
  storage::RemapBlock block{};
  block.Lower[0] = 'z';
  GetSwapFile(files, macroFile, block);
  EXPECT_FALSE(SwapsInUse(block));
  const std::string written = ReadFile(folder / "NEW.QNS");
  ASSERT_EQ(written.size(), kRemapSlots);
  EXPECT_EQ(written[0], 'A');
  EXPECT_EQ(written[92], '~');
}

TEST(KeyRemapFile, AnExistingMappingReachesTheBlock) {
  TempFolder folder;
  platform::StdBinaryFiles files;
  storage::RemapBlock block{};
  InitSwapKeys(block);
  block.Lower[0] = 'b';
  ASSERT_TRUE(SaveSwapKeys(files, In(folder, "A.QNS"), block));
  storage::RemapBlock loaded{};
  GetSwapFile(files, In(folder, "A.QNL"), loaded);
  EXPECT_EQ(loaded.Lower[0], 'b');
  EXPECT_TRUE(SwapsInUse(loaded));
}

TEST(KeyRemapFile, AShortFileLeavesTheBlockAsItWas) {
  TempFolder folder;
  platform::StdBinaryFiles files;
  {
    std::ofstream out(folder / "S.QNS", std::ios::binary);
    out << "abc";
  }
  storage::RemapBlock block{};
  InitSwapKeys(block);
  EXPECT_FALSE(LoadSwapKeys(files, In(folder, "S.QNS"), block));
  EXPECT_EQ(block.Upper[0], 'A');
  EXPECT_FALSE(LoadSwapKeys(files, In(folder, "MISSING.QNS"), block));
}

class RecordingHook final : public ISwapHook {
 public:
  explicit RecordingHook(bool installed) : installed_(installed) {}
  bool Installed() const override { return installed_; }
  void Install() override {
    installed_ = true;
    calls += "install ";
  }
  void Remove() override {
    installed_ = false;
    calls += "remove ";
  }
  std::string calls;

 private:
  bool installed_;
};

TEST(FinishSwapKeys, SavesAChangedMappingAndTheHookFollowsIt) {
  const struct {
    const char* what;
    bool changed;
    bool installedBefore;
    char aTypes;
    bool saved;
    const char* calls;
    bool installedAfter;
  } rows[] = {
      {"a key remapped", true, false, 'b', true, "install ", true},
      {"set back to its own", true, true, 'a', true, "remove ", false},
      {"set back to none", true, true, 0, true, "remove ", false},
      {"a second key remapped", true, true, 'c', true, "", true},
      {"nothing chosen", false, false, 'b', false, "", false},
      {"nothing chosen, hook stays", false, true, 'a', false, "", true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    TempFolder folder;
    platform::StdBinaryFiles files;
    storage::testing::RecordingPrompts prompts;
    storage::RemapBlock block{};
    InitSwapKeys(block);
    block.Lower[0] = static_cast<std::uint8_t>(r.aTypes);
    RecordingHook hook(r.installedBefore);
    const std::string name = In(folder, "M.QNS");
    EXPECT_EQ(FinishSwapKeys(files, name, block, r.changed, hook, prompts), r.installedAfter);
    EXPECT_EQ(hook.calls, r.calls);
    EXPECT_EQ(files.Exists(name), r.saved);
    if (r.saved) {
      EXPECT_EQ(ReadFile(folder / "M.QNS")[26], r.aTypes);
    }
    EXPECT_TRUE(prompts.shown.empty());
  }
}

TEST(FinishSwapKeys, AFailedSaveKeepsTheOldFileWholeAndSaysSo) {
  using storage::testing::FileCall;
  for (const FileCall call :
       {FileCall::OpenCreate, FileCall::Write, FileCall::Close, FileCall::Replace}) {
    SCOPED_TRACE(static_cast<int>(call));
    storage::testing::TempFolder folder;
    storage::testing::FaultyFiles files;
    storage::testing::RecordingPrompts prompts;
    const std::string name = folder.File("M.QNS");
    storage::RemapBlock block{};
    InitSwapKeys(block);
    ASSERT_TRUE(SaveSwapKeys(files, name, block));
    const std::string before = storage::testing::ReadBytes(name);
    block.Lower[0] = 'b';
    RecordingHook hook(false);
    files.FailNth(call, 1);
    EXPECT_TRUE(FinishSwapKeys(files, name, block, true, hook, prompts))
        << "the new mapping is in force all the same";
    EXPECT_TRUE(files.Fired());
    EXPECT_EQ(storage::testing::ReadBytes(name), before);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"M.QNS"})) << "no scratch file stays";
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "Error");
    EXPECT_NE(prompts.shown[0].text.find(name), std::string::npos);
  }
}

}  // namespace
}  // namespace quindle::activation
