// Importing macros from another file into the loaded one: a macro file or export file (".QNL"),
// a macro file of the earlier product generation (".VX2") or a Typlet file (".TPL"). The source
// is read whole and checked before anything is listed, so a damaged or short file imports
// nothing; then the chosen records are turned into new macros and appended while the file has
// room. "Import Macros" and `qnl import` both run the steps below.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "platform/system.h"
#include "storage/macro_record.h"
#include "storage/macro_store.h"

namespace quindle::storage {

enum class ImportKind { Qnl, Vx2, Tpl };

// Texts of the import (titles "Error" and "Warning").
inline constexpr std::string_view kImproperFileType =
    "Improper file type selected.  Please choose a different file.";
inline constexpr std::string_view kImportNotOpened = "Unable to open import file.";
inline constexpr std::string_view kImportNotRead =
    "The import file could not be read.  No macros can be imported from it.";
inline constexpr std::string_view kImportTooShort =
    "The import file is too short to hold a single macro.  No macros can be imported from it.";
inline constexpr std::string_view kNothingFlagged =
    "No macros are flagged for import.  Click on the macros you wish to import.";
inline constexpr std::string_view kContinueImport =
    "One or macro were flagged to be excluded from the import.  Continue import anyway?";

// "A Global Hot Key for " + name + " already exists.  This macro will not be imported."
std::string GlobalHotkeyExists(std::string_view hotkeyName);
// "The maximum capacity of macros per file will be exceeded. The last " + excess + " macros
// selected will not be imported."
std::string CapacityExceeded(std::size_t excess);
// The import file is damaged at its record `number` (1-based).
std::string ImportDamaged(std::size_t number);

// The kind told by the last four characters of `path`, upper-cased; nothing for another ending.
std::optional<ImportKind> ImportKindOf(std::string_view path);

struct ImportEntry {
  std::size_t sourceNumber = 0;  // 1-based position of the record in the source file
  MacroRecord record{};          // the new macro as it will be appended (stamped at import)
};

struct ImportSource {
  ImportKind kind = ImportKind::Qnl;
  std::vector<ImportEntry> entries;  // what the list shows, in file order
  std::string error;                 // the message (title "Error") when the file cannot be used
  bool Ok() const noexcept { return error.empty(); }
};

// Reads and checks the whole source, opened read-only. The entries leave out system macros:
// a file holds each of the four once, and a second copy would take the loaded file's own.
ImportSource ReadImportSource(platform::IBinaryFiles& files, std::string_view path);

// The hotkey name shown in the clash warning.
using HotkeyNamer = std::string_view (*)(int code) noexcept;

struct ImportServices {
  MacroStore& store;
  TableLock& lock;
  platform::IPrompts& prompts;
  platform::IClock& clock;
  HotkeyNamer hotkeyName;
};

enum class ImportResult {
  NothingSelected,  // told so; nothing changed
  Declined,         // the user would not go on after a warning; nothing changed
  Imported,         // appended `imported` macros (a failed write stops and has been reported)
};

struct ImportOutcome {
  ImportResult result = ImportResult::NothingSelected;
  std::size_t imported = 0;
};

// The "&Ok" of "Import Macros". `selected` holds one flag per entry of `source`; the macros that
// will not be imported because their global hotkey is taken are deselected in it.
ImportOutcome RunImport(const ImportSource& source, std::vector<bool>& selected,
                        const ImportServices& services);

}  // namespace quindle::storage
