#include "app/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::app {
namespace {

using storage::kActivationTimed;
using storage::kActivationTyplet;

// Every character 10 units wide, every text 20 high; each call is written down.
class RecordingSurface final : public IPrintSurface {
 public:
  PageSize Page() override { return page; }
  TextSize Measure(std::string_view text) override {
    return {10 * static_cast<int>(text.size()), 20};
  }
  bool BeginPage() override { return Log("begin"); }
  bool Draw(int x, int y, std::string_view text) override {
    return Log(std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
  }
  bool EndPage() override { return Log("end"); }

  PageSize page{1700, 2200};
  int refuseCall = -1;  // the call (counted from 0) that fails
  std::vector<std::string> calls;

 private:
  bool Log(std::string call) {
    const bool ok = static_cast<int>(calls.size()) != refuseCall;
    calls.push_back(std::move(call));
    return ok;
  }
};

std::vector<PrintRow> Rows(int count) {
  std::vector<PrintRow> rows;
  for (int i = 1; i <= count; ++i)
    rows.push_back({"F" + std::to_string(i), "Macro " + std::to_string(i), "GLOBAL"});
  return rows;
}

TEST(PrintLayoutTest, ActivationAndScopeTexts) {
  struct Case {
    MacroListEntry entry;
    std::string activation;
    std::string scope;
  };
  const std::vector<Case> cases = {
      {{kActivationTimed, "", "t", storage::ScopeGlobal, "", true}, "Timed Macro", "GLOBAL"},
      {{kActivationTyplet, "sig", "s", storage::ScopePopupMenu, "", true},
       "Typlet: sig",
       "Popup Menu"},
      {{kActivationTyplet, "x", "s", storage::ScopeSystem, "", true}, "Typlet: x", "SYSTEM"},
      {{kActivationTimed, "", "w", storage::ScopeWindow, "Notepad", true, false},
       "Timed Macro",
       "Window: Notepad (If Running)"},
      {{kActivationTimed, "", "w", storage::ScopeWindow, "Notepad", true, true},
       "Timed Macro",
       "Window: Notepad (Top Most Only)"},
      {{kActivationTimed, "", "p", storage::ScopeProgram, "WRITE.EXE", true, false},
       "Timed Macro",
       "Program: WRITE.EXE (If Running)"},
      {{kActivationTimed, "", "p", storage::ScopeProgram, "WRITE.EXE", true, true},
       "Timed Macro",
       "Program: WRITE.EXE (Top Most Only)"},
      // A damaged scope prints nothing rather than a suffix on its own.
      {{kActivationTimed, "", "d", 9, "x", true, true}, "Timed Macro", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PrintedActivation(c.entry), c.activation) << c.activation;
    EXPECT_EQ(PrintedScope(c.entry), c.scope) << c.scope;
  }
}

TEST(PrintLayoutTest, RowsFollowTheListsDisplayOrder) {
  MacroList list;
  list.Refill({{kActivationTyplet, "zz", "Beta", storage::ScopeGlobal, "", true},
               {kActivationTimed, "", "Alpha", storage::ScopeWindow, "Pad", true, true},
               {kActivationTyplet, "aa", "Gamma", storage::ScopeGlobal, "", true}},
              SortSettings{"213", "123", "12345"});
  const std::vector<PrintRow> expected = {{"Timed Macro", "Alpha", "Window: Pad (Top Most Only)"},
                                          {"Typlet: zz", "Beta", "GLOBAL"},
                                          {"Typlet: aa", "Gamma", "GLOBAL"}};
  EXPECT_EQ(PrintRows(list), expected);
}

TEST(PrintLayoutTest, PrintFontKeepsOnlyBoldAndItalic) {
  const FontSetting chosen{0x0000FF, "Courier New", 12, true, true, true, true};
  const FontSetting printed = PrintFontOf(chosen);
  EXPECT_EQ(printed, (FontSetting{0x0000FF, "Courier New", 12, true, true, false, false}));
}

TEST(PrintLayoutTest, GeometryFromPageAndTexts) {
  MeasuredRows sizes;
  sizes.activation = {{95, 20}, {200, 18}};
  sizes.name = {{305, 21}, {10, 20}};
  sizes.heading = {900, 20};
  const PrintGeometry g = GeometryOf({1700, 2200}, sizes);
  EXPECT_EQ(g.leftMargin, 100);
  EXPECT_EQ(g.topMargin, 100);
  EXPECT_EQ(g.pageLimit, 2000);
  EXPECT_EQ(g.column1, 220);    // 1.1 x 200
  EXPECT_EQ(g.column2, 336);    // 1.1 x 305, rounded
  EXPECT_EQ(g.lineHeight, 23);  // 1.1 x 21, rounded
  // Texts that measure nothing still leave the lines apart.
  EXPECT_GE(GeometryOf({1700, 2200}, MeasuredRows{}).lineHeight, 1);
}

// A 1700 x 2200 page and 22-unit lines: the first page holds lines 2..86 (85 macros), every
// later page lines 0..86 (87 macros).
TEST(PrintLayoutTest, PageBreaks) {
  struct Case {
    int macros;
    std::vector<int> perPage;  // macro lines on each page
  };
  const std::vector<Case> cases = {
      {0, {0}}, {1, {1}}, {85, {85}}, {86, {85, 1}}, {172, {85, 87}}, {173, {85, 87, 1}},
  };
  PrintGeometry g{100, 100, 2000, 50, 120, 22};
  for (const Case& c : cases) {
    const std::vector<PrintRow> rows = Rows(c.macros);
    const std::vector<PrintedPage> pages = LayOutCopy("Macro File: C:\\A.QNL", rows, g);
    ASSERT_EQ(pages.size(), c.perPage.size()) << c.macros;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const std::size_t heading = p == 0 ? 1 : 0;
      EXPECT_EQ(pages[p].size(), heading + 3 * static_cast<std::size_t>(c.perPage[p]))
          << c.macros << " page " << p;
      // Every page starts at the top margin; only the first has the heading.
      EXPECT_EQ(pages[p].front().y, 100) << c.macros << " page " << p;
      EXPECT_EQ(pages[p].front().text == "Macro File: C:\\A.QNL", p == 0) << c.macros;
    }
  }
}

TEST(PrintLayoutTest, ColumnsOfOneLine) {
  const std::vector<PrintRow> rows = {{"F1", "Hello", "Window: Pad (If Running)"}};
  const std::vector<PrintedPage> pages = LayOutCopy("H", rows, {100, 100, 2000, 50, 120, 22});
  const PrintedPage expected = {{100, 100, "H"},
                                {100, 144, "F1"},
                                {150, 144, "Hello"},
                                {270, 144, "Window: Pad (If Running)"}};
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0], expected);
}

TEST(PrintLayoutTest, EveryCopyStartsOnANewPage) {
  struct Case {
    int macros;
    int copies;
    int pages;  // BeginPage calls
  };
  const std::vector<Case> cases = {{10, 2, 2}, {86, 2, 4}, {3, 0, 1}, {3, 3, 3}};
  for (const Case& c : cases) {
    RecordingSurface surface;
    const std::vector<PrintRow> rows = Rows(c.macros);
    ASSERT_TRUE(PrintMacroList("C:\\A.QNL", rows, c.copies, surface));
    int begun = 0;
    int headings = 0;
    bool open = false;
    for (const std::string& call : surface.calls) {
      if (call == "begin") {
        EXPECT_FALSE(open);
        open = true;
        ++begun;
      } else if (call == "end") {
        open = false;
      } else {
        EXPECT_TRUE(open) << call;
        if (call.find("Macro File: C:\\A.QNL") != std::string::npos) {
          ++headings;
          // A copy's heading is the first thing on its page.
          EXPECT_EQ(call, "100,100 Macro File: C:\\A.QNL");
        }
      }
    }
    EXPECT_FALSE(open);
    EXPECT_EQ(begun, c.pages) << c.macros << " x " << c.copies;
    EXPECT_EQ(headings, std::max(1, c.copies));
  }
}

TEST(PrintLayoutTest, StopsAtTheFirstRefusedCall) {
  // Calls of two copies of one line: begin, 4 draws, end; begin ...
  for (int refused : {0, 2, 5, 6, 11}) {
    RecordingSurface surface;
    surface.refuseCall = refused;
    const std::vector<PrintRow> rows = Rows(1);
    EXPECT_FALSE(PrintMacroList("C:\\A.QNL", rows, 2, surface)) << refused;
    EXPECT_EQ(surface.calls.size(), static_cast<std::size_t>(refused) + 1) << refused;
  }
}

}  // namespace
}  // namespace quindle::app
