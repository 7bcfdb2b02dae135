#include "app/import_export_lists.h"

#include <memory>

#include "activation/macro_names.h"
#include "storage/macro_export.h"

namespace quindle::app {

std::string MacroRowText(const storage::MacroRecord& record) {
  std::string text = activation::ActivationName(record);
  if (!record.Name.Empty()) {
    text += "   ";
    text += record.Name.View();
  }
  const std::string scope = activation::ScopeName(record);
  if (!scope.empty()) text += "   (" + scope + ")";
  return text;
}

std::vector<std::string> ImportRows(const storage::ImportSource& source) {
  std::vector<std::string> rows;
  rows.reserve(source.entries.size());
  for (const storage::ImportEntry& entry : source.entries)
    rows.push_back(MacroRowText(entry.record));
  return rows;
}

std::vector<ExportRow> ExportRows(const storage::SharedMacroTable& table,
                                  const storage::MacroIndex& index, std::span<const int> order) {
  std::vector<ExportRow> rows;
  // What the row shows of a macro is in the table and the index; the rest stays zero.
  const auto shown = std::make_unique<storage::MacroRecord>();
  const std::size_t count = table.SafeCount();
  for (const int n : order) {
    if (n < 1 || static_cast<std::size_t>(n) > count) continue;
    const std::size_t slot = static_cast<std::size_t>(n - 1);
    if (table.ScopeKind[slot] == storage::ScopeSystem) continue;
    shown->ScopeKind = table.ScopeKind[slot].Get();
    shown->ScopeText.Assign(table.ScopeText[slot].View());
    shown->HotkeyNumber = table.HotkeyNumber[slot].Get();
    shown->Name.Assign(index.Name(n));
    shown->TypletName.Assign(index.TypletName(n));
    rows.push_back({n, MacroRowText(*shown)});
  }
  return rows;
}

ExportChoice ChooseExported(const std::vector<ExportRow>& rows, const std::vector<bool>& selected) {
  ExportChoice choice;
  for (std::size_t row = 0; row < rows.size() && row < selected.size(); ++row)
    if (selected[row]) choice.numbers.push_back(rows[row].number);
  if (choice.numbers.empty()) choice.error = storage::kNothingToExport;
  return choice;
}

}  // namespace quindle::app
