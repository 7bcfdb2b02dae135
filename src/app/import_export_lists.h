// The lists of "Import Macros" (TMyImport) and "Export Macros" (TMyExport): what each row shows,
// which macros the export offers and which of them the user chose. The dialogs only move rows
// and selections between these and their list boxes.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_import.h"
#include "storage/macro_record.h"
#include "storage/macro_store.h"

namespace quindle::app {

inline constexpr std::string_view kImportCaption = "Import Macros";
inline constexpr std::string_view kExportCaption = "Export Macros";
inline constexpr std::string_view kImportFileTitle = "Import Quindle Files";
inline constexpr std::string_view kExportFileTitle = "Save Macro File";
inline constexpr std::string_view kImportFilter =
    "Quindle Files (*.QNL)|*.QNL|Earlier Quindle Files (*.VX2)|*.VX2|Typlet Files (*.TPL)|*.TPL|"
    "All Files (*.*)|*.*";
inline constexpr std::string_view kExportFilter = "Quindle Files (*.QNL)|*.QNL|All Files (*.*)|*.*";
inline constexpr std::string_view kExportDefaultExt = "QNL";

// One row: the activation, the nickname when there is one, and the scope in parentheses.
std::string MacroRowText(const storage::MacroRecord& record);

// The rows of the import list, one per entry of the source.
std::vector<std::string> ImportRows(const storage::ImportSource& source);

struct ExportRow {
  int number = 0;  // MacroNumber in the loaded file
  std::string text;
};

// Every macro of `order` (MacroNumbers in the main window's display order) but the system
// macros, in that order. Numbers beyond the table's count are left out.
std::vector<ExportRow> ExportRows(const storage::SharedMacroTable& table,
                                  const storage::MacroIndex& index, std::span<const int> order);

struct ExportChoice {
  std::vector<int> numbers;  // the chosen MacroNumbers, in list order
  std::string_view error;    // kNothingToExport (title "Error") when none is chosen
};

// "Save": the macros to export. `selected` holds one flag per row.
ExportChoice ChooseExported(const std::vector<ExportRow>& rows, const std::vector<bool>& selected);

}  // namespace quindle::app
