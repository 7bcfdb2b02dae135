// Exporting macros: the chosen records of the loaded file copied byte for byte, in the order
// given, into a new macro file that any copy of the program can load or import.
#pragma once

#include <span>
#include <string_view>

#include "platform/file_io.h"

namespace quindle::storage {

// Texts of the export (titles "Error", and "ok" for the last).
inline constexpr std::string_view kNothingToExport =
    "No Hot Key Macros have been selected for exporting.";
inline constexpr std::string_view kExportNotCreated = "Unable to create export file.";
inline constexpr std::string_view kExportIsMacroFile =
    "The export file cannot be the macro file in use.  Please choose a different file.";
inline constexpr std::string_view kExportNotRead =
    "The macro file could not be read.  Nothing was exported.";
inline constexpr std::string_view kExportNotWritten =
    "The export file could not be written.  Nothing was exported.";
inline constexpr std::string_view kExportComplete = "Export Complete";
inline constexpr std::string_view kExportCompleteTitle = "ok";

enum class ExportResult { Complete, IsMacroFile, NotRead, NotCreated, NotWritten };

// The message of a result (kExportComplete for Complete).
std::string_view ExportMessage(ExportResult result) noexcept;

// Copies records `numbers` (MacroNumbers) of `macroFile` into a new file `exportPath`. The
// records are read before the export file is made, so a file that cannot be read leaves nothing
// behind, and an export file that could not be written whole is removed again.
ExportResult ExportMacros(platform::IBinaryFiles& files, std::string_view macroFile,
                          std::span<const int> numbers, std::string_view exportPath);

}  // namespace quindle::storage
