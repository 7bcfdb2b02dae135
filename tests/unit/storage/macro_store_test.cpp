#include "storage/macro_store.h"

#include <gtest/gtest.h>

#include "macro_store_test_support.h"

namespace quindle::storage::testing {
namespace {

// Built by appending: "M" + std::to_string(i) trips a false -Wrestrict of g++ 12 at -O3.
std::string Numbered(int i) {
  std::string name = "M";
  name += std::to_string(i);
  return name;
}

const ShownMessage kTooManyWarning{"Warning", std::string(kTooManyMacros)};
const ShownMessage kNoRoomWarning{"Warning", std::string(kNoRoomForSystemMacros)};

TEST_F(MacroStoreTest, EmptyOrMissingFileGetsTheFourSystemMacros) {
  for (const bool exists : {true, false}) {
    SCOPED_TRACE(exists ? "0-byte file" : "no file");
    std::filesystem::remove(path);
    if (exists) WriteBytes(path, "");
    ASSERT_TRUE(store.LoadMacroFile(path));
    EXPECT_TRUE(prompts.shown.empty());
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 4 * kRecordSize);
    EXPECT_EQ(Count(), 4);
    for (std::size_t i = 0; i < 4; ++i) {
      const MacroRecord expected = MakeSystemMacro(i, clock.now);
      EXPECT_EQ(Bytes(RecordAt(bytes, i + 1)), Bytes(expected));
      EXPECT_EQ(store.Index().Name(static_cast<int>(i + 1)), kSystemMacros[i].name);
      EXPECT_EQ(Table().ScopeKind[i].Get(), ScopeSystem);
      EXPECT_TRUE(Table().CodeInUse[262 + i]);
    }
    const MacroRecord first = RecordAt(bytes, 1);
    EXPECT_EQ(first.ScopeText.View(), "1");
    EXPECT_EQ(first.HotkeyNumber.Get(), 262);
    EXPECT_TRUE(first.Enabled);
    EXPECT_EQ(first.LastModified.Get(), clock.now);
  }
}

TEST_F(MacroStoreTest, FileThatCannotBeCreatedIsReportedAndTheTableStaysEmpty) {
  Table().Count = 7;
  EXPECT_FALSE(store.LoadMacroFile(folder.File("missing-folder/QUINX.QNL")));
  EXPECT_EQ(prompts.shown,
            (std::vector<ShownMessage>{{"Error", "New file could not be created."}}));
  EXPECT_EQ(Count(), 0);
}

TEST_F(MacroStoreTest, LoadMirrorsActivationFieldsAndNames) {
  MacroRecord window = UserMacro("Letters", 42, ScopeWindow);
  window.ScopeText.Assign("Microsoft Word - Document1.doc");  // 30 characters
  window.TopMostOnly = true;
  window.Enabled.byte = 7;  // any non-zero value is true
  window.TypletName.Assign("sig");
  MacroRecord disabled = UserMacro("Off", 43);
  disabled.Enabled = false;
  Load(WithSystemMacros({window, disabled}));

  EXPECT_EQ(Count(), 6);
  EXPECT_EQ(Table().ScopeKind[0].Get(), ScopeWindow);
  EXPECT_EQ(Table().ScopeText[0].View(), "Microsoft Word - Doc");
  EXPECT_TRUE(Table().TopMostOnly[0]);
  EXPECT_EQ(Table().Enabled[0].byte, 1);
  EXPECT_EQ(Table().HotkeyNumber[0].Get(), 42);
  EXPECT_EQ(store.Index().Name(1), "Letters");
  EXPECT_EQ(store.Index().TypletName(1), "sig");
  EXPECT_TRUE(Table().CodeInUse[42]);
  EXPECT_FALSE(Table().CodeInUse[43]);
  EXPECT_EQ(FileRecords(), 6u) << "a file with all system macros is not written to";
}

TEST_F(MacroStoreTest, SystemMacrosAreRecognisedByTagRenamedInMemoryAndOnlyMissingOnesAdded) {
  MacroRecord activate = MakeSystemMacro(0, 1.0);
  activate.Name.Assign("My own name");
  activate.HotkeyNumber = 5;
  MacroRecord resume = MakeSystemMacro(2, 1.0);
  Load({UserMacro("A", 1), activate, resume});

  EXPECT_EQ(store.Index().Name(2), "Activate Quindle");
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(RecordAt(bytes, 2).Name.View(), "My own name") << "the record keeps its name";
  ASSERT_EQ(FileRecords(), 5u);
  EXPECT_EQ(RecordAt(bytes, 4).ScopeText.View(), "2");
  EXPECT_EQ(RecordAt(bytes, 5).ScopeText.View(), "4");
  EXPECT_EQ(store.Index().Name(5), "Menu of Macros for Top Most Window");
  EXPECT_EQ(Count(), 5);
  EXPECT_TRUE(Table().CodeInUse[5]);
  EXPECT_FALSE(Table().CodeInUse[262]);
}

TEST_F(MacroStoreTest, PartialRecordAtTheEndIsNotAMacroAndAnAppendReplacesIt) {
  const std::vector<MacroRecord> macros = WithSystemMacros({UserMacro("A", 1), UserMacro("B", 2)});
  WriteBytes(path, FileOf(macros) + std::string(100, 'x'));
  ASSERT_TRUE(store.LoadMacroFile(path));
  EXPECT_EQ(Count(), 6);

  ASSERT_TRUE(Append(UserMacro("C", 3)));
  const std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 7 * kRecordSize) << "the new record starts where its number says";
  EXPECT_EQ(RecordAt(bytes, 7).Name.View(), "C");
  EXPECT_EQ(bytes.substr(0, 6 * kRecordSize), FileOf(macros));
  ASSERT_TRUE(store.ReloadMacroFile());
  EXPECT_EQ(Count(), 7);
}

TEST_F(MacroStoreTest, FiveHundredMacrosFillTheArraysExactly) {
  std::vector<MacroRecord> macros = WithSystemMacros({});
  for (int i = 5; i <= 500; ++i) macros.push_back(UserMacro(Numbered(i), 1));
  MacroRecord& last = macros.back();
  last.ScopeKind = ScopeProgram;
  last.ScopeText.Assign("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  last.TopMostOnly = true;
  last.HotkeyNumber = 719;
  Load(macros);

  EXPECT_EQ(Count(), 500) << "slot 500 must not spill into the count";
  EXPECT_EQ(Table().ScopeText[499].View(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_TRUE(Table().TopMostOnly[499]);
  EXPECT_EQ(Table().HotkeyNumber[499].Get(), 719);
  EXPECT_EQ(store.Index().Name(500), "M500");
  EXPECT_TRUE(Table().CodeInUse[719]);

  Table().Count = 501;  // a caller that forgot the limit
  EXPECT_FALSE(store.WriteMacro(-1, UserMacro("Over", 2)));
  EXPECT_EQ(Count(), 500);
  EXPECT_EQ(FileRecords(), 500u);
}

TEST_F(MacroStoreTest, MoreThanFiveHundredRecordsLoadTheFirstFiveHundredAndKeepTheRest) {
  std::vector<MacroRecord> macros = WithSystemMacros({});
  for (int i = 5; i <= 502; ++i) macros.push_back(UserMacro(Numbered(i), 1));
  const std::string original = FileOf(macros);
  WriteBytes(path, original);

  ASSERT_TRUE(store.LoadMacroFile(path));
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kTooManyWarning}));
  EXPECT_EQ(Count(), 500);
  EXPECT_EQ(store.Index().Name(500), "M500");
  EXPECT_EQ(ReadBytes(path), original);

  // An append would overwrite record 501 or be numbered 503: refused and undone.
  prompts.shown.clear();
  Table().Count = 500;
  EXPECT_FALSE(store.WriteMacro(-1, UserMacro("New", 9)));
  EXPECT_EQ(Count(), 499);
  EXPECT_FALSE(Append(UserMacro("New", 9)));
  EXPECT_EQ(Count(), 499);
  EXPECT_EQ(prompts.shown.back(), (ShownMessage{"Error", std::string(kFileChanged)}));
  EXPECT_EQ(ReadBytes(path), original);

  // Enabling and removing stay positional and keep every record.
  EXPECT_TRUE(store.SetMacroEnabled(500, false));
  EXPECT_FALSE(RecordAt(ReadBytes(path), 500).Enabled);
  ASSERT_TRUE(store.DeleteMacro(5));
  EXPECT_EQ(FileRecords(), 501u);
  prompts.shown.clear();
  ASSERT_TRUE(store.ReloadMacroFile());
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kTooManyWarning}));
  EXPECT_EQ(store.Index().Name(5), "M6");
  EXPECT_EQ(store.Index().Name(500), "M501");
}

TEST_F(MacroStoreTest, SystemMacrosAreAddedOnlyWhileThereIsRoom) {
  std::vector<MacroRecord> macros;
  for (int i = 1; i <= 497; ++i) macros.push_back(UserMacro(Numbered(i), 1));
  WriteBytes(path, FileOf(macros));
  ASSERT_TRUE(store.LoadMacroFile(path));
  EXPECT_EQ(prompts.shown, (std::vector<ShownMessage>{kNoRoomWarning}));
  EXPECT_EQ(Count(), 500);
  ASSERT_EQ(FileRecords(), 500u);
  EXPECT_EQ(RecordAt(ReadBytes(path), 500).ScopeText.View(), "3");
}

TEST_F(MacroStoreTest, AppendToFourHundredNinetyNineGivesMacroFiveHundred) {
  std::vector<MacroRecord> macros = WithSystemMacros({});
  for (int i = 5; i <= 499; ++i) macros.push_back(UserMacro("M", 1));
  Load(macros);
  MacroRecord typlet = UserMacro("Last", kActivationTyplet);
  typlet.TypletName.Assign("btw");
  ASSERT_TRUE(Append(typlet));
  EXPECT_EQ(Count(), 500);
  EXPECT_EQ(store.Index().TypletName(500), "btw");
  EXPECT_EQ(Table().HotkeyNumber[499].Get(), kActivationTyplet);
  EXPECT_EQ(Bytes(RecordAt(ReadBytes(path), 500)), Bytes(typlet));
  EXPECT_TRUE(prompts.shown.empty());

  // The 501st is refused before anything is written; the caller words the refusal.
  const std::string full = ReadBytes(path);
  EXPECT_EQ(store.AppendMacro(UserMacro("Over", 1)).failure, AppendFailure::Full);
  EXPECT_EQ(Count(), 500);
  EXPECT_EQ(ReadBytes(path), full);
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MacroStoreTest, WriteAtAPositionReplacesOneRecordAndItsSlot) {
  Load(WithSystemMacros({UserMacro("A", 1), UserMacro("B", 2)}));
  const std::string before = ReadBytes(path);
  MacroRecord changed = UserMacro("B2", 77, ScopeProgram);
  changed.ScopeText.Assign("NOTEPAD");
  ASSERT_TRUE(store.WriteMacro(2, changed));

  const std::string after = ReadBytes(path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(Bytes(RecordAt(after, 2)), Bytes(changed));
  EXPECT_EQ(after.substr(0, kRecordSize), before.substr(0, kRecordSize));
  EXPECT_EQ(after.substr(2 * kRecordSize), before.substr(2 * kRecordSize));
  EXPECT_EQ(store.Index().Name(2), "B2");
  EXPECT_EQ(Table().ScopeText[1].View(), "NOTEPAD");
  EXPECT_TRUE(Table().CodeInUse[77]);
  EXPECT_FALSE(Table().CodeInUse[2]);

  for (const int n : {0, 7, -2, 501}) {
    SCOPED_TRACE(n);
    prompts.shown.clear();
    EXPECT_FALSE(store.WriteMacro(n, changed));
    EXPECT_EQ(prompts.shown,
              (std::vector<ShownMessage>{{"Error", "Saving of keystrokes failed."}}));
  }
  EXPECT_EQ(ReadBytes(path), after);
  EXPECT_EQ(Count(), 6);
}

TEST_F(MacroStoreTest, ReadMacroReadsOneRecordAndLeavesTheTargetAloneOtherwise) {
  const MacroRecord b = UserMacro("B", 2);
  Load(WithSystemMacros({UserMacro("A", 1), b}));
  MacroRecord record{};
  ASSERT_TRUE(store.ReadMacro(2, record));
  EXPECT_EQ(Bytes(record), Bytes(b));

  const MacroRecord sentinel = UserMacro("untouched", 3);
  for (const int n : {0, 7}) {
    record = sentinel;
    EXPECT_FALSE(store.ReadMacro(n, record));
    EXPECT_EQ(Bytes(record), Bytes(sentinel));
  }
  EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(MacroStoreTest, DeleteMovesLaterRecordsDownByOne) {
  const std::vector<MacroRecord> five = {UserMacro("1", 1), UserMacro("2", 2), UserMacro("3", 3),
                                         UserMacro("4", 4), UserMacro("5", 5)};
  const std::vector<MacroRecord> all = WithSystemMacros(five);
  Load(all);
  ASSERT_TRUE(store.DeleteMacro(3));
  std::vector<MacroRecord> expected = all;
  expected.erase(expected.begin() + 2);
  EXPECT_EQ(ReadBytes(path), FileOf(expected));
  EXPECT_EQ(Count(), 9) << "the table waits for the reload";

  ASSERT_TRUE(store.DeleteMacro(8));  // the last one
  expected.pop_back();
  EXPECT_EQ(ReadBytes(path), FileOf(expected));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"QUINX.QNL"})) << "no scratch file left";

  EXPECT_FALSE(store.DeleteMacro(0));
  EXPECT_FALSE(store.DeleteMacro(8));
  EXPECT_EQ(ReadBytes(path), FileOf(expected));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MacroStoreTest, RemovingMacroOneOfThreeThenReloadingRenumbers) {
  MacroRecord b = UserMacro("B", 20, ScopeWindow);
  b.ScopeText.Assign("Calculator");
  Load(WithSystemMacros({UserMacro("A", 10), b, UserMacro("C", 30)}));
  ASSERT_TRUE(store.DeleteMacro(1));
  ASSERT_TRUE(store.ReloadMacroFile());
  EXPECT_EQ(Count(), 6);
  EXPECT_EQ(store.Index().Name(1), "B");
  EXPECT_EQ(store.Index().Name(2), "C");
  EXPECT_EQ(Table().ScopeText[0].View(), "Calculator");
  EXPECT_EQ(Table().HotkeyNumber[1].Get(), 30);
  EXPECT_FALSE(Table().CodeInUse[10]);
  EXPECT_TRUE(Table().CodeInUse[20]);
}

TEST_F(MacroStoreTest, SetMacroEnabledChangesOnlyThatByte) {
  MacroRecord a = UserMacro("A", 1);
  std::memset(a.Reserved5143, 0x5A, sizeof a.Reserved5143);
  a.Name.chars[40] = 'q';  // beyond the length: left as found
  Load(WithSystemMacros({a, UserMacro("B", 2)}));
  const std::string before = ReadBytes(path);

  ASSERT_TRUE(store.SetMacroEnabled(1, false));
  std::string expected = before;
  expected[offsetof(MacroRecord, Enabled)] = 0;
  EXPECT_EQ(ReadBytes(path), expected);
  ASSERT_TRUE(store.SetMacroEnabled(1, true));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(Table().Enabled[0]) << "the file only; the caller flips the table";

  EXPECT_FALSE(store.SetMacroEnabled(7, false));
  EXPECT_FALSE(store.SetMacroEnabled(0, false));
  EXPECT_EQ(ReadBytes(path), before);
}

}  // namespace
}  // namespace quindle::storage::testing
