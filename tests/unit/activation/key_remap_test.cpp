#include "activation/key_remap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/std_file_io.h"
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

}  // namespace
}  // namespace quindle::activation
