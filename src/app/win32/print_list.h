// The three printing entries of "&File": "&Print Macro List" prints the list on the printer the
// print dialog gives, "Printer &Setup" chooses that printer and its paper, "Printer &Font" the
// font of the printout. The printer's choice is kept between the entries, so the print dialog
// starts from what the set-up chose.
#pragma once

#include "platform/win32/win32_api.h"

#include <string_view>

#include "app/macro_list.h"
#include "app/settings.h"
#include "platform/system.h"
#include "platform/win32/common_dialogs.h"

namespace quindle::app::win32 {

class ListPrinter {
 public:
  explicit ListPrinter(platform::IPrompts& prompts) : prompts_(prompts) {}

  // The whole job: the print dialog, then every copy of the list in `font`. A failure of any
  // step is reported and the job abandoned, so nothing half printed is left in the queue.
  void Print(HWND owner, const MacroList& list, std::string_view filePath, const FontSetting& font);
  void Setup(HWND owner);
  // The font dialog on `font`; true when the user chose one (underline and strike-out dropped).
  bool PickFont(HWND owner, FontSetting& font);

 private:
  // Says why a dialog did not open; nothing for a cancel (`error` 0).
  void ReportDialogError(std::string_view dialog, unsigned long error);
  void PrintOn(HDC dc, const MacroList& list, std::string_view filePath, const FontSetting& font,
               int copies);

  platform::IPrompts& prompts_;
  platform::win32::PrinterSettings printer_;
  bool printing_ = false;
};

}  // namespace quindle::app::win32
