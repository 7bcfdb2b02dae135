// `qnl import`: the dialog's steps on the command line, its exit codes, and DEST left as it was
// whenever the source is refused.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "qnl/import_command.h"
#include "storage/import_records.h"
#include "storage/macro_import.h"
#include "storage/macro_store.h"
#include "support/temp_folder.h"

namespace quindle::tool {
namespace {

using storage::MacroRecord;
using testing_support::Bytes;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

std::string Typlets(int n, bool damagedLast = false) {
  std::string bytes;
  for (int i = 0; i < n; ++i) {
    storage::TplRecord record{};
    record.Typlet.Assign("t" + std::to_string(i));
    record.Enabled = true;
    record.Text[0] = 'x';
    if (damagedLast && i == n - 1) std::memset(record.Text, 'x', sizeof record.Text);
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
  }
  return bytes;
}

class ImportCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    std::vector<MacroRecord> loaded;
    for (std::size_t i = 0; i < 4; ++i) loaded.push_back(storage::MakeSystemMacro(i, 45000.0));
    loaded.push_back(storage::NewMacro("Taken", storage::ScopeGlobal, "", 0, "x"));
    WriteFile(dest, Bytes(loaded));
    original = ReadFile(dest);
  }
  int Import(const std::string& source, std::vector<int> positions = {}) {
    out.str(""), err.str("");
    return RunImportCommand(source, dest.string(), positions, out, err);
  }
  std::size_t DestRecords() { return ReadFile(dest).size() / sizeof(MacroRecord); }

  TempFolder folder;
  std::filesystem::path dest = folder / "DEST.QNL";
  std::string original;
  std::ostringstream out, err;
};

TEST_F(ImportCommandTest, RefusedSourcesExitWithTwoAndLeaveDestAsItWas) {
  WriteFile(folder / "T.TXT", Typlets(2));
  WriteFile(folder / "SHORT.TPL", Typlets(1).substr(0, 100));
  WriteFile(folder / "BAD.TPL", Typlets(3, true));
  WriteFile(folder / "T.TPL", Typlets(2));
  struct Case {
    std::string source;
    std::vector<int> positions;
    std::string message;
  };
  const Case cases[] = {
      {"T.TXT", {}, std::string(storage::kImproperFileType)},
      {"MISSING.TPL", {}, std::string(storage::kImportNotOpened)},
      {"SHORT.TPL", {}, std::string(storage::kImportTooShort)},
      {"BAD.TPL", {}, storage::ImportDamaged(3)},
      {"T.TPL", {3}, "record 3 of"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_EQ(Import((folder / c.source).string(), c.positions), 2);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
    EXPECT_EQ(ReadFile(dest), original);
  }
  out.str(""), err.str("");
  EXPECT_EQ(
      RunImportCommand((folder / "T.TPL").string(), (folder / "D.TXT").string(), {}, out, err), 2);
}

TEST_F(ImportCommandTest, ImportsTheListedOrTheChosenRecordsAndPrintsWarnings) {
  WriteFile(folder / "T.TPL", Typlets(3));
  EXPECT_EQ(Import((folder / "T.TPL").string(), {3, 1}), 0) << err.str();
  EXPECT_EQ(out.str(), "imported 2 macros\n");
  ASSERT_EQ(DestRecords(), 7u);
  MacroRecord last{};
  std::memcpy(&last, ReadFile(dest).data() + 6 * sizeof(MacroRecord), sizeof last);
  EXPECT_EQ(last.TypletName.View(), "t2");  // in list order, not in the order given

  // A global Ctrl+A is taken by "Taken": warned, left out, and the rest goes on.
  std::vector<MacroRecord> source{storage::NewMacro("A", storage::ScopeGlobal, "", 0, "a"),
                                  storage::NewMacro("B", storage::ScopeGlobal, "", 1, "b")};
  WriteFile(folder / "S.QNL", Bytes(source));
  EXPECT_EQ(Import((folder / "S.QNL").string()), 0);
  EXPECT_NE(err.str().find(storage::GlobalHotkeyExists("Ctrl+A")), std::string::npos);
  EXPECT_NE(err.str().find(storage::kContinueImport), std::string::npos);
  EXPECT_EQ(out.str(), "imported 1 macro\n");
  EXPECT_EQ(DestRecords(), 8u);
}

}  // namespace
}  // namespace quindle::tool
