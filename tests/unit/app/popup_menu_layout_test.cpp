#include "app/popup_menu_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quindle::app {
namespace {

TEST(PopupMenuOptionsTest, EachCharacterReadsAsItsOptionAndUnknownOnesAsDefaults) {
  struct Case {
    std::string text;
    bool tray;
    ChooserLayout layout;
    int size;
  };
  const Case cases[] = {
      {"Y10", true, ChooserLayout::Text, 16},
      {"N24", false, ChooserLayout::Icons, 64},
      {"N32", false, ChooserLayout::NameAndScope, 32},
      {" 12", false, ChooserLayout::Text, 32},          // the menu for the window in front
      {"y9x", false, ChooserLayout::NameAndScope, 16},  // only "Y" places the icon, "9" is none
      {"", false, ChooserLayout::NameAndScope, 16},
  };
  for (const Case& c : cases) {
    const MenuOptions o = ParseMenuOptions(c.text);
    EXPECT_EQ(o.tray, c.tray) << c.text;
    EXPECT_EQ(o.layout, c.layout) << c.text;
    EXPECT_EQ(IconSizeOf(o.sizeIndex), c.size) << c.text;
  }
  EXPECT_EQ(MenuOptionsText({true, ChooserLayout::Icons, 4}), "Y24");
  EXPECT_EQ(MenuOptionsText({false, ChooserLayout::NameAndScope, 9}), "N34");
}

TEST(PopupMenuLayoutTest, IconLayoutIsNinePerRowAndAtLeastFourWide) {
  struct Case {
    int members;
    int iconSize;
    int width;
    int height;
  };
  const Case cases[] = {
      {5, 32, 180, 58},                                        // 5 x 36, one row of 36 + 22
      {3, 32, 144, 58},                                        // fewer than 4: four buttons wide
      {4, 16, 80, 42},    {8, 24, 224, 50}, {9, 32, 324, 58},  // more than 8: nine wide
      {10, 32, 324, 94},                                       // a second row
      {19, 64, 612, 226}, {0, 16, 80, 42},
  };
  for (const Case& c : cases) {
    const ChooserGeometry g = LayOutChooser(ChooserLayout::Icons, c.members, c.iconSize);
    EXPECT_EQ(g.clientWidth, c.width) << c.members << " at " << c.iconSize;
    EXPECT_EQ(g.clientHeight, c.height) << c.members << " at " << c.iconSize;
    EXPECT_EQ(g.buttonSide, c.iconSize + 4);
    EXPECT_LE(g.cancel.top + g.cancel.height, g.clientHeight);
    EXPECT_GE(g.cancel.left, 0);
  }
  EXPECT_EQ(IconButtonRect(9, 36), (PixelRect{0, 36, 36, 36})) << "the tenth starts row two";
  EXPECT_EQ(IconButtonRect(4, 36), (PixelRect{144, 0, 36, 36}));
}

TEST(PopupMenuLayoutTest, ListsTakeEighteenRowsThenASecondColumn) {
  struct Case {
    int members;
    int width;
    int firstHeight;
    int secondHeight;
  };
  const Case cases[] = {
      {1, 300, 25, 0},    {18, 300, 314, 0},   {19, 604, 314, 25},
      {20, 604, 314, 42}, {36, 604, 314, 314},
  };
  for (const ChooserLayout layout : {ChooserLayout::Text, ChooserLayout::NameAndScope}) {
    for (const Case& c : cases) {
      const ChooserGeometry g = LayOutChooser(layout, c.members, 16);
      EXPECT_EQ(g.clientWidth, c.width) << c.members;
      EXPECT_EQ(g.firstList.height, c.firstHeight) << c.members;
      EXPECT_EQ(g.secondList.height, c.secondHeight) << c.members;
      EXPECT_EQ(g.clientHeight, c.firstHeight + 42) << c.members;
      EXPECT_LE(g.cancel.top + g.cancel.height, g.clientHeight) << c.members;
      if (c.secondHeight > 0) {
        EXPECT_EQ(g.secondList.left, 304);
      }
    }
  }
}

TEST(PopupMenuKeysTest, LabelsRunFromZeroToZAcrossBothColumns) {
  const std::pair<int, std::string> labels[] = {{0, "0"},  {9, "9"},  {10, "A"}, {18, "I"},
                                                {19, "J"}, {35, "Z"}, {36, ""},  {-1, ""}};
  for (const auto& [row, label] : labels) EXPECT_EQ(KeyLabel(row), label) << row;
  EXPECT_EQ(PlaceOfRow(19).list, 1);
  EXPECT_EQ(PlaceOfRow(19).index, 1);
  EXPECT_EQ(PlaceOfRow(17).list, 0);
}

TEST(PopupMenuKeysTest, AKeyChoosesItsRowOnlyWhenThatRowExists) {
  struct Case {
    char key;
    int members;
    std::optional<int> row;
  };
  const Case cases[] = {
      {'J', 20, 19},  // the 20th member, in the second column
      {'j', 20, 19},
      {'K', 20, std::nullopt},
      {'0', 1, 0},
      {'1', 1, std::nullopt},
      {'9', 10, 9},
      {'A', 10, std::nullopt},
      {'Z', 36, 35},
      {' ', 36, std::nullopt},
      {'[', 40, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(RowOfKey(c.key, c.members), c.row) << c.key;
}

TEST(PopupMenuPlacementTest, CentredForAHotkeyAboveTheClickForATrayIcon) {
  struct Case {
    std::optional<int> clickX;
    int left;
    int top;
  };
  // A 200 x 100 window on a 1024 x 768 screen.
  const Case cases[] = {
      {std::nullopt, 412, 334},
      {500, 500, 668},
      {900, 700, 668},  // would pass the right edge: moved left by its width
      {100, 100, 668},
      {824, 824, 668},  // just fits
      {0, 0, 668},
  };
  for (const Case& c : cases) {
    const ChooserOrigin at = PlaceChooser(200, 100, 1024, 768, c.clickX);
    EXPECT_EQ(at.left, c.left) << c.clickX.value_or(-1);
    EXPECT_EQ(at.top, c.top) << c.clickX.value_or(-1);
  }
  EXPECT_EQ(PlaceChooser(700, 100, 1024, 768, 600).left, 0) << "never left of 0";
}

}  // namespace
}  // namespace quindle::app
