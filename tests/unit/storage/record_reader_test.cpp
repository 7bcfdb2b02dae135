#include "storage/record_reader.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quindle::storage {
namespace {

using testing_support::Bytes;
using testing_support::TempFolder;
using testing_support::WriteFile;

std::vector<MacroRecord> Numbered(std::size_t count) {
  std::vector<MacroRecord> records(count);
  for (std::size_t i = 0; i < count; ++i) {
    records[i].Name.Assign("Macro " + std::to_string(i + 1));
    records[i].HotkeyNumber = static_cast<std::uint16_t>(i);
  }
  return records;
}

TEST(RecordReaderTest, ReadsEveryWholeRecordInOrder) {
  TempFolder folder;
  const auto path = folder / "A.QNL";
  WriteFile(path, Bytes(Numbered(3)));
  const MacroFileContents contents = ReadMacroFile(path);
  ASSERT_TRUE(contents.Ok()) << contents.error;
  ASSERT_EQ(contents.records.size(), 3u);
  EXPECT_EQ(contents.records[2].Name.View(), "Macro 3");
  EXPECT_EQ(contents.records[2].HotkeyNumber.Get(), 2);
  EXPECT_FALSE(contents.HasPartialTail());
  EXPECT_EQ(contents.recordsBeyondLimit, 0u);
}

TEST(RecordReaderTest, PartialTailIsReportedAndNotAMacro) {
  TempFolder folder;
  WriteFile(folder / "T.QNL", Bytes(Numbered(2)) + std::string(100, 'x'));
  const MacroFileContents contents = ReadMacroFile(folder / "T.QNL");
  EXPECT_TRUE(contents.Ok());
  EXPECT_EQ(contents.records.size(), 2u);
  EXPECT_EQ(contents.tailBytes, 100u);

  WriteFile(folder / "S.QNL", std::string(sizeof(MacroRecord) - 1, 'x'));
  const MacroFileContents shortOnly = ReadMacroFile(folder / "S.QNL");
  EXPECT_TRUE(shortOnly.records.empty());
  EXPECT_EQ(shortOnly.tailBytes, sizeof(MacroRecord) - 1);
}

TEST(RecordReaderTest, RecordsAfterTheFiveHundredthAreCountedNotReturned) {
  TempFolder folder;
  WriteFile(folder / "L.QNL", Bytes(Numbered(503)));
  const MacroFileContents contents = ReadMacroFile(folder / "L.QNL");
  EXPECT_TRUE(contents.Ok());
  ASSERT_EQ(contents.records.size(), kMaxMacros);
  EXPECT_EQ(contents.records.back().Name.View(), "Macro 500");
  EXPECT_EQ(contents.recordsBeyondLimit, 3u);
}

TEST(RecordReaderTest, FolderIsAnError) {
  TempFolder folder;
  const MacroFileContents contents = ReadMacroFile(folder.Path());
  EXPECT_FALSE(contents.Ok());
  EXPECT_TRUE(contents.records.empty());
}

}  // namespace
}  // namespace quindle::storage
