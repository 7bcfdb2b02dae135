// Export: the chosen records byte for byte in the order given, and every failure reported with
// no half-written export file left behind and the macro file untouched.
#include <gtest/gtest.h>

#include "macro_store_test_support.h"
#include "storage/macro_export.h"

namespace quindle::storage::testing {
namespace {

class MacroExportTest : public MacroStoreTest {
 protected:
  void SetUp() override {
    records = {UserMacro("1", 1), UserMacro("2", 2), UserMacro("3", 3)};
    records[1].Reserved5143[4] = 0x5A;  // bytes nobody reads travel too
    WriteBytes(path, FileOf(records));
  }
  std::vector<MacroRecord> records;
  std::string exported = folder.File("OUT.QNL");
};

TEST_F(MacroExportTest, RecordsAreCopiedByteForByteInListOrder) {
  const int numbers[] = {3, 2};
  EXPECT_EQ(ExportMacros(files, path, numbers, exported), ExportResult::Complete);
  EXPECT_EQ(ReadBytes(exported), Bytes(records[2]) + Bytes(records[1]));
  EXPECT_EQ(ExportMessage(ExportResult::Complete), "Export Complete");
}

TEST_F(MacroExportTest, FailuresAreReportedAndLeaveNoExportFile) {
  const int numbers[] = {1, 3};
  struct Case {
    FileCall call;
    std::string target;
    ExportResult result;
  };
  const Case cases[] = {
      {FileCall::OpenCreate, exported, ExportResult::NotCreated},
      {FileCall::Write, exported, ExportResult::NotWritten},
      {FileCall::Close, exported, ExportResult::NotWritten},
      {FileCall::Read, exported, ExportResult::NotRead},
      {FileCall::OpenReadOnly, exported, ExportResult::NotRead},
      // Creating it would empty the macro file before its records were read.
      {FileCall::kCount, folder.File("quinx.qnl"), ExportResult::IsMacroFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.call));
    files.FailNth(c.call, c.call == FileCall::Write ? 2 : 1);
    EXPECT_EQ(ExportMacros(files, path, numbers, c.target), c.result);
    EXPECT_NE(ExportMessage(c.result), kExportComplete);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"QUINX.QNL"}));
    EXPECT_EQ(ReadBytes(path), FileOf(records));
  }
}

}  // namespace
}  // namespace quindle::storage::testing
