#include "storage/macro_export.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.h"
#include "storage/macro_record.h"

namespace quindle::storage {
namespace {

// File names on Windows ignore case and take either slash.
std::string Comparable(std::string_view path) {
  std::string name = platform::UpperAToZ(path);
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

bool ReadRecords(platform::IBinaryFiles& files, std::string_view macroFile,
                 std::span<const int> numbers, std::vector<MacroRecord>& records) {
  const std::unique_ptr<platform::IBinaryFile> file =
      files.Open(macroFile, platform::FileOpenMode::ReadOnly);
  if (!file) return false;
  const std::optional<std::uint64_t> size = file->Size();
  if (!size) return false;
  const std::uint64_t whole = *size / sizeof(MacroRecord);
  records.resize(numbers.size());
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const int n = numbers[i];
    if (n < 1 || static_cast<std::uint64_t>(n) > whole ||
        !file->Seek(static_cast<std::uint64_t>(n - 1) * sizeof(MacroRecord)) ||
        !file->Read(&records[i], sizeof(MacroRecord)))
      return false;
  }
  return true;
}

}  // namespace

std::string_view ExportMessage(ExportResult result) noexcept {
  switch (result) {
    case ExportResult::IsMacroFile:
      return kExportIsMacroFile;
    case ExportResult::NotRead:
      return kExportNotRead;
    case ExportResult::NotCreated:
      return kExportNotCreated;
    case ExportResult::NotWritten:
      return kExportNotWritten;
    case ExportResult::Complete:
      break;
  }
  return kExportComplete;
}

ExportResult ExportMacros(platform::IBinaryFiles& files, std::string_view macroFile,
                          std::span<const int> numbers, std::string_view exportPath) {
  // Creating the export file would empty the macro file before a record was read from it.
  if (Comparable(macroFile) == Comparable(exportPath)) return ExportResult::IsMacroFile;
  std::vector<MacroRecord> records;
  if (!ReadRecords(files, macroFile, numbers, records)) return ExportResult::NotRead;
  std::unique_ptr<platform::IBinaryFile> file =
      files.Open(exportPath, platform::FileOpenMode::Create);
  if (!file) return ExportResult::NotCreated;
  bool written = true;
  for (const MacroRecord& record : records)
    if (written) written = file->Write(&record, sizeof record);
  written = file->Close() && written;
  file.reset();
  if (!written) {
    // Half an export looks like a whole one to whoever imports it later.
    files.RemoveFile(exportPath);
    return ExportResult::NotWritten;
  }
  return ExportResult::Complete;
}

}  // namespace quindle::storage
