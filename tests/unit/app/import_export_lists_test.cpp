// The rows of "Import Macros" and "Export Macros" and the export's choice.
#include <gtest/gtest.h>

#include <memory>

#include "app/import_export_lists.h"
#include "storage/macro_export.h"

namespace quindle::app {
namespace {

using storage::MacroRecord;

TEST(ImportExportListsTest, RowsShowActivationNicknameAndScope) {
  MacroRecord typlet =
      storage::NewMacro("", storage::ScopeGlobal, "", storage::kActivationTyplet, "");
  typlet.TypletName.Assign("sig");
  struct Case {
    MacroRecord record;
    std::string row;
  };
  const Case cases[] = {
      {storage::NewMacro("Hello", storage::ScopeGlobal, "", 0, "x"), "Ctrl+A   Hello   (GLOBAL)"},
      {storage::NewMacro("Calc", storage::ScopeProgram, "CALC", storage::kActivationTimed, "x"),
       "Timed Macro   Calc   (Program: CALC)"},
      {typlet, "sig   (GLOBAL)"},
  };
  for (const Case& c : cases) EXPECT_EQ(MacroRowText(c.record), c.row);
}

TEST(ImportExportListsTest, ExportOffersAllButSystemMacrosInDisplayOrder) {
  const auto table = std::make_unique<storage::SharedMacroTable>();
  storage::MacroIndex index;
  const std::int16_t scopes[] = {storage::ScopeGlobal, storage::ScopeSystem, storage::ScopeWindow};
  for (int n = 1; n <= 3; ++n) {
    table->ScopeKind[n - 1] = scopes[n - 1];
    table->HotkeyNumber[n - 1] = static_cast<std::uint16_t>(n);
    index.Set(n, "M" + std::to_string(n), "");
  }
  table->ScopeText[2].Assign("Notepad");
  table->Count = 3;
  const int order[] = {3, 2, 1, 4};  // 4 is beyond the file
  const std::vector<ExportRow> rows = ExportRows(*table, index, order);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].number, 3);
  EXPECT_EQ(rows[0].text, "Ctrl+D   M3   (Window: Notepad)");
  EXPECT_EQ(rows[1].number, 1);

  EXPECT_EQ(ChooseExported(rows, {false, false}).error, storage::kNothingToExport);
  const ExportChoice both = ChooseExported(rows, {true, true});
  EXPECT_TRUE(both.error.empty());
  EXPECT_EQ(both.numbers, (std::vector<int>{3, 1}));
}

}  // namespace
}  // namespace quindle::app
