// A cell's text is cut one character at a time from its end until it fits the cell less 2
// pixels, with no ellipsis.
#include "ui/grid/text_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace quindle::ui::grid {
namespace {

// 6 pixels a character, 3 for an 'i'.
int Measure(std::string_view text) {
  int width = 0;
  for (const char c : text) width += c == 'i' ? 3 : 6;
  return width;
}

TEST(FitToCell, ATextTooWideIsCutAtTheLastWholeCharacterThatFits) {
  const struct {
    const char* text;
    int cellWidth;
    const char* shown;
  } cases[] = {
      {"Letter closing", 200, "Letter closing"},
      {"Letter closing", 83, "Letter closing"},  // 81 wide: exactly the room
      {"Letter closing", 82, "Letter closin"},
      {"Letter closing", 32, "Lette"},
      {"Letter closing", 31, "Lett"},
      {"iii", 11, "iii"},
      {"Wiiii", 14, "Wii"},  // narrow letters count as they measure
      {"Letter", 7, ""},     // not even one character
      {"", 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::string(FitToCell(c.text, c.cellWidth, Measure)), c.shown) << c.cellWidth;
}

}  // namespace
}  // namespace quindle::ui::grid
