#include "platform/win32/common_dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/file_filter.h"

namespace quindle::platform::win32 {
namespace {

constexpr std::size_t kPathBuffer = 32768;  // the longest path the dialogs can return

std::optional<std::string> AskFile(HWND owner, const FileDialogOptions& options, bool save,
                                   unsigned long& error) {
  error = 0;
  std::optional<std::string> filter;
  if (!options.filter.empty()) {
    filter = MakeFileFilter(options.filter);
    if (!filter) {
      error = kBadFilterText;
      return std::nullopt;
    }
  }
  std::vector<char> path(kPathBuffer, '\0');
  const std::size_t initial = std::min(options.initialFile.size(), path.size() - 1);
  std::copy_n(options.initialFile.begin(), initial, path.begin());
  const std::string title(options.title);
  const std::string defaultExt(options.defaultExt);
  const std::string initialDir(options.initialDir);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter ? filter->c_str() : nullptr;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (chosen == FALSE) {
    error = CommDlgExtendedError();
    return std::nullopt;
  }
  return std::string(path.data());
}

}  // namespace

std::optional<std::string> AskOpenFile(HWND owner, const FileDialogOptions& options,
                                       unsigned long& error) {
  return AskFile(owner, options, false, error);
}

std::optional<std::string> AskSaveFile(HWND owner, const FileDialogOptions& options,
                                       unsigned long& error) {
  return AskFile(owner, options, true, error);
}

std::optional<FontChoice> AskFont(HWND owner, const FontChoice& initial, unsigned long& error) {
  error = 0;
  FontChoice choice = initial;
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &choice.font;
  dialog.rgbColors = choice.colour;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (ChooseFontA(&dialog) == FALSE) {
    error = CommDlgExtendedError();
    return std::nullopt;
  }
  choice.colour = dialog.rgbColors;
  return choice;
}

namespace {

bool RunPrintDialog(HWND owner, PrinterSettings& settings, DWORD flags, HDC* dc, int* copies,
                    unsigned long& error) {
  error = 0;
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  // The dialog takes the blocks and may hand back others: they are ours again either way.
  dialog.hDevMode = settings.devMode.Release();
  dialog.hDevNames = settings.devNames.Release();
  dialog.Flags = flags;
  dialog.nCopies = 1;
  const BOOL chosen = PrintDlgA(&dialog);
  settings.devMode.Reset(dialog.hDevMode);
  settings.devNames.Reset(dialog.hDevNames);
  if (chosen == FALSE) {
    error = CommDlgExtendedError();
    return false;
  }
  if (dc != nullptr) *dc = dialog.hDC;
  if (copies != nullptr) *copies = std::max<int>(1, dialog.nCopies);
  return true;
}

}  // namespace

std::optional<PrintChoice> AskPrint(HWND owner, PrinterSettings& settings, unsigned long& error) {
  HDC dc = nullptr;
  int copies = 1;
  if (!RunPrintDialog(owner, settings, PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS, &dc, &copies,
                      error))
    return std::nullopt;
  PrintChoice choice{PrinterDc(dc), copies};
  if (!choice.dc) {
    // A choice without a device context cannot be printed on: a failure, not a cancel.
    error = PDERR_CREATEICFAILURE;
    return std::nullopt;
  }
  return choice;
}

bool AskPrinterSetup(HWND owner, PrinterSettings& settings, unsigned long& error) {
  return RunPrintDialog(owner, settings, PD_PRINTSETUP, nullptr, nullptr, error);
}

}  // namespace quindle::platform::win32
