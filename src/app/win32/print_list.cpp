#include "app/win32/print_list.h"

#include <cderr.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "app/print_layout.h"
#include "app/win32/font_settings.h"
#include "platform/win32/handles.h"

namespace quindle::app::win32 {
namespace {

// A printer's device context as the job sees it. Every refusal keeps the step and the system's
// error, for the message that tells the user.
class PrinterSurface final : public IPrintSurface {
 public:
  explicit PrinterSurface(HDC dc) : dc_(dc) {}

  PageSize Page() override { return {GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)}; }
  TextSize Measure(std::string_view text) override {
    SIZE size{};
    if (GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size) == FALSE)
      return {};
    return {size.cx, size.cy};
  }
  bool BeginPage() override { return Check(StartPage(dc_) > 0, "StartPage"); }
  bool Draw(int x, int y, std::string_view text) override {
    return Check(TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size())) != FALSE,
                 "TextOut");
  }
  bool EndPage() override { return Check(::EndPage(dc_) > 0, "EndPage"); }

  const char* FailedStep() const { return failedStep_; }
  unsigned long FailedError() const { return failedError_; }
  bool Check(bool succeeded, const char* step) {
    if (!succeeded && failedStep_ == nullptr) {
      failedStep_ = step;
      failedError_ = GetLastError();
    }
    return succeeded;
  }

 private:
  HDC dc_;
  const char* failedStep_ = nullptr;
  unsigned long failedError_ = 0;
};

// The hourglass while the job is built; the previous cursor comes back on every path.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

}  // namespace

void ListPrinter::Print(HWND owner, const MacroList& list, std::string_view filePath,
                        const FontSetting& font) {
  if (printing_) return prompts_.ShowMessage(kPrintBusyTitle, kPrintBusy);
  unsigned long error = 0;
  std::optional<platform::win32::PrintChoice> choice =
      platform::win32::AskPrint(owner, printer_, error);
  if (!choice) return ReportDialogError("print", error);
  printing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{printing_};
  PrintOn(choice->dc.Get(), list, filePath, font, choice->copies);
}

void ListPrinter::PrintOn(HDC dc, const MacroList& list, std::string_view filePath,
                          const FontSetting& font, int copies) {
  const WaitCursor wait;
  const platform::win32::FontChoice choice =
      FontChoiceOf(PrintFontOf(font), GetDeviceCaps(dc, LOGPIXELSY));
  const platform::win32::GdiObject printFont(CreateFontIndirectA(&choice.font));
  PrinterSurface surface(dc);
  if (!surface.Check(static_cast<bool>(printFont), "CreateFontIndirect")) {
    return prompts_.ShowMessage(kPrintFailedTitle,
                                PrintFailedMessage(surface.FailedStep(), surface.FailedError()));
  }
  const platform::win32::SelectedObject selected(dc, printFont.Get());
  const bool colourSet = SetTextColor(dc, choice.colour) != CLR_INVALID;
  if (!surface.Check(static_cast<bool>(selected) && colourSet, "SelectObject")) {
    return prompts_.ShowMessage(kPrintFailedTitle,
                                PrintFailedMessage(surface.FailedStep(), surface.FailedError()));
  }
  const std::string title(kPrintJobTitle);
  DOCINFOA document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = title.c_str();
  if (!surface.Check(StartDocA(dc, &document) > 0, "StartDoc")) {
    return prompts_.ShowMessage(kPrintFailedTitle,
                                PrintFailedMessage(surface.FailedStep(), surface.FailedError()));
  }
  const std::vector<PrintRow> rows = PrintRows(list);
  const bool drawn = PrintMacroList(filePath, rows, copies, surface);
  // A job that failed half way is taken back out of the queue rather than printed in part.
  if (drawn) {
    surface.Check(EndDoc(dc) > 0, "EndDoc");
  } else {
    // The failed step is what the user is told; a refused abort adds nothing to it.
    static_cast<void>(AbortDoc(dc));
  }
  if (surface.FailedStep() != nullptr) {
    prompts_.ShowMessage(kPrintFailedTitle,
                         PrintFailedMessage(surface.FailedStep(), surface.FailedError()));
  }
}

void ListPrinter::Setup(HWND owner) {
  unsigned long error = 0;
  if (!platform::win32::AskPrinterSetup(owner, printer_, error))
    ReportDialogError("printer set-up", error);
}

bool ListPrinter::PickFont(HWND owner, FontSetting& font) {
  const std::optional<FontSetting> chosen = AskFontSetting(owner, font);
  if (chosen) font = PrintFontOf(*chosen);
  return chosen.has_value();
}

void ListPrinter::ReportDialogError(std::string_view dialog, unsigned long error) {
  if (error == 0) return;
  if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) {
    return prompts_.ShowMessage(kPrintFailedTitle,
                                "No printer is installed.  Please install a printer first.");
  }
  prompts_.ShowMessage(kPrintFailedTitle, "The " + std::string(dialog) +
                                              " dialog could not be opened (error " +
                                              std::to_string(error) + ").");
}

}  // namespace quindle::app::win32
