// Failures of single file calls in the middle of each storage operation: every one is reported,
// and none leaves a damaged file or a table that disagrees with the file.
#include <gtest/gtest.h>

#include "macro_store_test_support.h"
#include "storage/macro_store.h"

namespace quindle::storage::testing {
namespace {

const ShownMessage kNotRead{"Error", std::string(kFileNotRead)};
const ShownMessage kNotWritten{"Error", std::string(kFileNotWritten)};
const ShownMessage kSaveFailed{"Error", "Saving of keystrokes failed."};

class MacroStoreFaultTest : public MacroStoreTest {
 protected:
  void SetUp() override {
    Load(WithSystemMacros({UserMacro("1", 1), UserMacro("2", 2), UserMacro("3", 3)}));
    original = ReadBytes(path);
  }
  std::string original;
};

TEST_F(MacroStoreFaultTest, DeleteLeavesTheOldFileWholeWhateverCallFails) {
  struct Case {
    FileCall call;
    int calls;  // how many of them the removal makes
    ShownMessage message;
  };
  const Case cases[] = {
      {FileCall::Size, 1, kNotRead},
      {FileCall::Seek, 1, kNotRead},
      {FileCall::Read, 7, kNotRead},
      {FileCall::Write, 6, kNotWritten},
      {FileCall::Close, 1, kNotWritten},
      {FileCall::Replace, 1, {"Error", std::string(kRemoveNotReplaced)}},
      {FileCall::OpenCreate, 1, {"Error", std::string(kRemoveScratchNotMade)}},
  };
  for (const Case& c : cases) {
    for (int nth = 1; nth <= c.calls; ++nth) {
      SCOPED_TRACE(::testing::Message() << "call " << static_cast<int>(c.call) << " #" << nth);
      prompts.shown.clear();
      files.FailNth(c.call, nth);
      EXPECT_FALSE(store.DeleteMacro(2));
      EXPECT_TRUE(files.Fired());
      EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{c.message}));
      EXPECT_EQ(ReadBytes(path), original);
      EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"QUINX.QNL"}));
    }
  }
  files.Heal();
  ASSERT_TRUE(store.DeleteMacro(2));
  EXPECT_EQ(FileRecords(), 6u);
}

TEST_F(MacroStoreFaultTest, DeleteSaysSoWhenTheFileCannotBeOpenedForWriting) {
  files.FailNth(FileCall::OpenReadWrite, 1);
  EXPECT_FALSE(store.DeleteMacro(2));
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{{"Error", std::string(kRemoveNotOpened)}}));
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(MacroStoreFaultTest, DeleteRemovesALeftOverWorkingCopyOrStopsWhenItCannot) {
  const std::string scratch = path + ".tmp";
  const struct {
    bool removable;
    std::vector<ShownMessage> shown;
  } cases[] = {{false, {{"Error", std::string(kRemoveScratchInUse)}}}, {true, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.removable);
    prompts.shown.clear();
    // Longer than the new file: emptied in place, its tail would have stayed.
    WriteBytes(scratch, std::string(20000, 'x'));
    if (!c.removable) files.FailNth(FileCall::Remove, 1);
    EXPECT_EQ(store.DeleteMacro(2), c.removable);
    files.Heal();
    EXPECT_EQ(prompts.shown, c.shown);
    if (c.removable) {
      EXPECT_EQ(FileRecords(), 6u);
      EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"QUINX.QNL"}));
    } else {
      EXPECT_EQ(ReadBytes(path), original);
      EXPECT_EQ(ReadBytes(scratch).size(), 20000u);
    }
  }
}

TEST_F(MacroStoreFaultTest, FailedAppendIsReportedUndoneAndTheNextAppendLandsInPlace) {
  // Open fails: the description's message, and the raised count goes back down.
  files.FailNth(FileCall::OpenReadWrite, 1);
  EXPECT_FALSE(Append(UserMacro("X", 50)));
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kSaveFailed}));
  EXPECT_EQ(Count(), 7);

  // A torn write leaves half a record at the end; it is not a macro and the next append
  // overwrites it.
  prompts.shown.clear();
  files.FailNth(FileCall::Write, 1);
  EXPECT_FALSE(Append(UserMacro("X", 50)));
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNotWritten}));
  EXPECT_EQ(Count(), 7);
  EXPECT_FALSE(Table().CodeInUse[50]);
  EXPECT_EQ(ReadBytes(path).size(), original.size() + kRecordSize / 2);

  files.Heal();
  ASSERT_TRUE(Append(UserMacro("Y", 51)));
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size(), 8 * kRecordSize);
  EXPECT_EQ(bytes.substr(0, original.size()), original);
  EXPECT_EQ(RecordAt(bytes, 8).Name.View(), "Y");
  ASSERT_TRUE(store.ReloadMacroFile());
  EXPECT_EQ(Count(), 8);
}

TEST_F(MacroStoreFaultTest, FailedWriteInPlaceLeavesTheSlotAsItWas) {
  for (const FileCall call : {FileCall::Seek, FileCall::Size, FileCall::Close}) {
    SCOPED_TRACE(static_cast<int>(call));
    prompts.shown.clear();
    files.FailNth(call, 1);
    EXPECT_FALSE(store.WriteMacro(2, UserMacro("Changed", 99)));
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(store.Index().Name(2), "2");
    EXPECT_EQ(Table().HotkeyNumber[1].Get(), 2);
    EXPECT_FALSE(Table().CodeInUse[99]);
    EXPECT_EQ(Count(), 7);
  }
}

TEST_F(MacroStoreFaultTest, ReadFailuresLeaveTheRecordUnchanged) {
  const MacroRecord sentinel = UserMacro("sentinel", 4);
  for (const FileCall call : {FileCall::Size, FileCall::Seek, FileCall::Read}) {
    SCOPED_TRACE(static_cast<int>(call));
    prompts.shown.clear();
    MacroRecord record = sentinel;
    files.FailNth(call, 1);
    EXPECT_FALSE(store.ReadMacro(2, record));
    EXPECT_EQ(Bytes(record), Bytes(sentinel));
    EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNotRead}));
  }
  files.FailNth(FileCall::OpenReadOnly, 1);
  MacroRecord record = sentinel;
  prompts.shown.clear();
  EXPECT_FALSE(store.ReadMacro(2, record));
  EXPECT_TRUE(prompts.shown.empty()) << "an open failure is silent";
  EXPECT_EQ(Bytes(record), Bytes(sentinel));
}

TEST_F(MacroStoreFaultTest, SetMacroEnabledFailuresAreReportedAndDamageNothing) {
  files.FailNth(FileCall::OpenReadWrite, 1);
  EXPECT_FALSE(store.SetMacroEnabled(2, false));
  EXPECT_TRUE(prompts.shown.empty());
  for (const FileCall call : {FileCall::Seek, FileCall::Write, FileCall::Close}) {
    SCOPED_TRACE(static_cast<int>(call));
    prompts.shown.clear();
    files.FailNth(call, 1);
    EXPECT_FALSE(store.SetMacroEnabled(2, false));
    EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNotWritten}));
  }
  const std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), original.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i != kRecordSize + offsetof(MacroRecord, Enabled)) {
      ASSERT_EQ(bytes[i], original[i]) << i;
    }
  }
}

TEST_F(MacroStoreFaultTest, LoadStopsAtAFailedReadWithoutWritingAnything) {
  files.FailNth(FileCall::Read, 3);
  EXPECT_FALSE(store.ReloadMacroFile());
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNotRead}));
  EXPECT_EQ(Count(), 2) << "only the records that were read are counted";
  EXPECT_EQ(ReadBytes(path), original) << "no system macros appended after a partial load";

  // With the table short of the file, an append would take an existing record's place.
  files.Heal();
  prompts.shown.clear();
  EXPECT_FALSE(Append(UserMacro("X", 5)));
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(MacroStoreFaultTest, ExistingFileThatCannotBeOpenedIsNeverEmptied) {
  files.FailNth(FileCall::OpenReadOnly, 1);
  EXPECT_FALSE(store.ReloadMacroFile());
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNotRead}));
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(MacroStoreFaultTest, AWriteWhoseTableWaitTimesOutTouchesNeitherFileNorTable) {
  objects.SetWaitTimesOut(true);
  EXPECT_FALSE(store.WriteMacro(2, UserMacro("Changed", 99)));
  objects.SetWaitTimesOut(false);
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kSaveFailed}));
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(Table().HotkeyNumber[1].Get(), 2);
  EXPECT_FALSE(Table().CodeInUse[99]);
}

TEST_F(MacroStoreFaultTest, LoadGivesUpWhenTheTableCannotBeLocked) {
  objects.SetMapFails(true);
  EXPECT_FALSE(store.ReloadMacroFile());
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{{"Error", std::string(kTableNotLocked)}}));
  EXPECT_EQ(ReadBytes(path), original);
  objects.SetMapFails(false);
  ASSERT_TRUE(store.ReloadMacroFile());
  EXPECT_EQ(Count(), 7);
}

}  // namespace
}  // namespace quindle::storage::testing
