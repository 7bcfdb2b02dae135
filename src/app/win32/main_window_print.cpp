// The main window's printing entries of "&File": the printer itself lives in ListPrinter; the
// window hands it the list in its display order, the current file and the print font.
#include "app/win32/main_window.h"

#include "app/win32/main_window_res.h"

namespace quindle::app::win32 {

void TMainWin::OnPrintMenu(int id) {
  if (!printer_) printer_ = std::make_unique<ListPrinter>(platform_->prompts);
  switch (id) {
    case IDM_FILE_PRINT:
      printer_->Print(Handle(), macroList_.List(), context_.store.FileName(),
                      context_.settings.printFont);
      break;
    case IDM_FILE_PRINTER_FONT:
      if (printer_->PickFont(Handle(), context_.settings.printFont))
        SaveSettings(context_.settings, context_.profile);
      break;
    case IDM_FILE_PRINTER_SETUP:
      printer_->Setup(Handle());
      break;
    default:
      break;
  }
}

}  // namespace quindle::app::win32
