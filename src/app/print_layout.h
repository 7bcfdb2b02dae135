// The printed macro list apart from any printer: what each line holds, where it goes on the page,
// where the pages break and how the copies follow one another. The printer is reached through
// IPrintSurface, so that the whole job (and its failures) runs the same against a recording
// surface in the tests and against a printer's device context in the program.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/macro_list.h"
#include "app/settings.h"

namespace quindle::app {

inline constexpr std::string_view kPrintJobTitle = "Quindle 98";
inline constexpr std::string_view kPrintHeading = "Macro File: ";
inline constexpr std::string_view kPrintBusyTitle = "Error";
inline constexpr std::string_view kPrintBusy = "Other print job currently in progress.";
inline constexpr std::string_view kPrintFailedTitle = "Print Error";

// One macro's printed line: its activation, nickname and scope.
struct PrintRow {
  std::string activation;
  std::string name;
  std::string scope;

  bool operator==(const PrintRow&) const = default;
};

// "Timed Macro", "Typlet: " + the abbreviation, or the hotkey name.
std::string PrintedActivation(const MacroListEntry& entry);
// The list's scope text; a window or program scope adds " (Top Most Only)" or " (If Running)".
std::string PrintedScope(const MacroListEntry& entry);
// Every macro of the list, in its display order.
std::vector<PrintRow> PrintRows(const MacroList& list);

// The printed font keeps only bold and italic of the chosen style.
FontSetting PrintFontOf(FontSetting chosen);

struct TextSize {
  int width = 0;
  int height = 0;
};

// The printable area of a page, in printer units.
struct PageSize {
  int width = 0;
  int height = 0;
};

struct PlacedText {
  int x = 0;
  int y = 0;
  std::string text;

  bool operator==(const PlacedText&) const = default;
};
using PrintedPage = std::vector<PlacedText>;

// Where things go, from the page and the measured texts.
struct PrintGeometry {
  int leftMargin = 0;
  int topMargin = 0;
  int pageLimit = 0;  // a new page starts once the pen is below this
  int column1 = 0;    // the activation column's width
  int column2 = 0;    // the nickname column's width
  int lineHeight = 0;
};

// The measured sizes: `activation[i]` and `name[i]` belong to `rows[i]`; `heading` to the
// "Macro File: " line.
struct MeasuredRows {
  std::vector<TextSize> activation;
  std::vector<TextSize> name;
  TextSize heading;
};

PrintGeometry GeometryOf(PageSize page, const MeasuredRows& sizes);

// One copy: the heading on line 0 of the first page, the macros from line 2 on, and a new page
// (from line 0, without the heading) whenever the pen has passed the page limit. A page is begun
// only when something goes on it, so no copy ends with an empty page.
std::vector<PrintedPage> LayOutCopy(std::string_view heading, std::span<const PrintRow> rows,
                                    const PrintGeometry& geometry);

// What the printer offers the job. Each call answers false when the device refused.
class IPrintSurface {
 public:
  virtual ~IPrintSurface() = default;
  virtual PageSize Page() = 0;
  virtual TextSize Measure(std::string_view text) = 0;
  virtual bool BeginPage() = 0;
  virtual bool Draw(int x, int y, std::string_view text) = 0;
  virtual bool EndPage() = 0;
};

// Prints `copies` copies (at least one), each from a new page. Stops at the first call the surface
// refuses and answers false; the caller then abandons the job.
bool PrintMacroList(std::string_view filePath, std::span<const PrintRow> rows, int copies,
                    IPrintSurface& surface);

// What a failed step of a print job says: "The macro list could not be printed: " + the step
// + " failed (error N)."
std::string PrintFailedMessage(std::string_view step, unsigned long error);

}  // namespace quindle::app
