#include "app/print_layout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "activation/macro_names.h"

namespace quindle::app {
namespace {

// The columns and lines get a tenth more than their widest or tallest text, so that neighbouring
// texts never touch.
int WithRoom(int size) {
  return static_cast<int>(std::lround(size * 1.1));
}

int Widest(std::span<const TextSize> sizes) {
  int widest = 0;
  for (const TextSize& s : sizes) widest = std::max(widest, s.width);
  return widest;
}

int Tallest(std::span<const TextSize> sizes, int atLeast) {
  int tallest = atLeast;
  for (const TextSize& s : sizes) tallest = std::max(tallest, s.height);
  return tallest;
}

}  // namespace

std::string PrintedActivation(const MacroListEntry& entry) {
  if (entry.hotkeyNumber == storage::kActivationTyplet) return "Typlet: " + entry.typletName;
  return activation::ActivationName(entry.hotkeyNumber, entry.typletName);
}

std::string PrintedScope(const MacroListEntry& entry) {
  std::string scope = activation::ScopeName(entry.scopeKind, entry.scopeText);
  if (entry.scopeKind == storage::ScopeWindow || entry.scopeKind == storage::ScopeProgram)
    scope += entry.topMostOnly ? " (Top Most Only)" : " (If Running)";
  return scope;
}

std::vector<PrintRow> PrintRows(const MacroList& list) {
  std::vector<PrintRow> rows;
  rows.reserve(static_cast<std::size_t>(list.Count()));
  for (int row = 1; row <= list.Count(); ++row) {
    const MacroListEntry* entry = list.EntryAt(row);
    if (entry != nullptr)
      rows.push_back({PrintedActivation(*entry), entry->name, PrintedScope(*entry)});
  }
  return rows;
}

FontSetting PrintFontOf(FontSetting chosen) {
  chosen.underline = false;
  chosen.strikeout = false;
  return chosen;
}

PrintGeometry GeometryOf(PageSize page, const MeasuredRows& sizes) {
  PrintGeometry g;
  g.leftMargin = page.width / 17;
  g.topMargin = page.height / 22;
  g.pageLimit = page.height - 2 * g.topMargin;
  g.column1 = WithRoom(Widest(sizes.activation));
  g.column2 = WithRoom(Widest(sizes.name));
  // The heading is in the same font; counting it keeps the lines apart even when every macro's
  // texts are empty and measure nothing.
  const int tallest = Tallest(sizes.name, Tallest(sizes.activation, sizes.heading.height));
  g.lineHeight = std::max(1, WithRoom(tallest));
  return g;
}

std::vector<PrintedPage> LayOutCopy(std::string_view heading, std::span<const PrintRow> rows,
                                    const PrintGeometry& g) {
  std::vector<PrintedPage> pages;
  bool pageNeeded = true;
  int line = 0;
  // Puts the texts of one line on the current page and moves the pen `advance` lines on.
  auto putLine = [&](std::initializer_list<PlacedText> texts, int advance) {
    if (pageNeeded) pages.emplace_back();
    pageNeeded = false;
    const int y = g.topMargin + g.lineHeight * line;
    for (const PlacedText& t : texts) pages.back().push_back({t.x, y, t.text});
    line += advance;
    if (g.topMargin + g.lineHeight * line > g.pageLimit) {
      pageNeeded = true;
      line = 0;
    }
  };
  putLine({{g.leftMargin, 0, std::string(heading)}}, 2);
  const int nameX = g.leftMargin + g.column1;
  const int scopeX = nameX + g.column2;
  for (const PrintRow& row : rows)
    putLine({{g.leftMargin, 0, row.activation}, {nameX, 0, row.name}, {scopeX, 0, row.scope}}, 1);
  return pages;
}

bool PrintMacroList(std::string_view filePath, std::span<const PrintRow> rows, int copies,
                    IPrintSurface& surface) {
  const std::string heading = std::string(kPrintHeading) + std::string(filePath);
  MeasuredRows sizes;
  sizes.heading = surface.Measure(heading);
  for (const PrintRow& row : rows) {
    sizes.activation.push_back(surface.Measure(row.activation));
    sizes.name.push_back(surface.Measure(row.name));
  }
  const std::vector<PrintedPage> pages =
      LayOutCopy(heading, rows, GeometryOf(surface.Page(), sizes));
  for (int copy = 0; copy < std::max(1, copies); ++copy) {
    for (const PrintedPage& page : pages) {
      if (!surface.BeginPage()) return false;
      for (const PlacedText& t : page)
        if (!surface.Draw(t.x, t.y, t.text)) return false;
      if (!surface.EndPage()) return false;
    }
  }
  return true;
}

std::string PrintFailedMessage(std::string_view step, unsigned long error) {
  return "The macro list could not be printed: " + std::string(step) + " failed (error " +
         std::to_string(error) + ").";
}

}  // namespace quindle::app
