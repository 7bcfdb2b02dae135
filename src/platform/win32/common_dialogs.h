// Thin wrappers of the system's common dialogs: open, save, font, print and printer set-up.
// Each returns what the user chose, or nothing; `error` then tells a cancel (0) from a failure
// (the dialog's CommDlgExtendedError code, e.g. CDERR_DIALOGFAILURE, or 0xFFFF for a filter text
// that MakeFileFilter refused).
#pragma once

#include "platform/win32/win32_api.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace quindle::platform::win32 {

inline constexpr unsigned long kBadFilterText = 0xFFFF;

struct FileDialogOptions {
  std::string_view title;        // empty: the system's "Open" or "Save As"
  std::string_view filter;       // "Executable (*.EXE)|*.EXE|All Files (*.*)|*.*"
  std::string_view defaultExt;   // added to a name typed without one ("QNL")
  std::string_view initialFile;  // a path or a name; empty for none
  std::string_view initialDir;
};

std::optional<std::string> AskOpenFile(HWND owner, const FileDialogOptions& options,
                                       unsigned long& error);
// Asks before replacing an existing file.
std::optional<std::string> AskSaveFile(HWND owner, const FileDialogOptions& options,
                                       unsigned long& error);

struct FontChoice {
  LOGFONTA font{};
  COLORREF colour = 0;
};
// Starts from `initial`; screen fonts with effects (colour, underline, strike-out).
std::optional<FontChoice> AskFont(HWND owner, const FontChoice& initial, unsigned long& error);

// The printer as PrintDlgA describes it. The two global blocks are kept between calls so that
// the next dialog starts from the last choice.
struct PrinterSettings {
  GlobalMemory devMode;
  GlobalMemory devNames;
};
using PrinterDc = CreatedDc;

// The print dialog: a device context of the chosen printer, owned by the caller, and the number
// of copies the caller must print itself.
struct PrintChoice {
  PrinterDc dc;
  int copies = 1;
};
std::optional<PrintChoice> AskPrint(HWND owner, PrinterSettings& settings, unsigned long& error);
// The printer set-up dialog: true when the user chose, with `settings` updated.
bool AskPrinterSetup(HWND owner, PrinterSettings& settings, unsigned long& error);

}  // namespace quindle::platform::win32
