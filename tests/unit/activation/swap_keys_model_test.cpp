#include "activation/swap_keys_model.h"

#include <gtest/gtest.h>

#include "activation/key_remap.h"

namespace quindle::activation {
namespace {

class SwapKeysModelTest : public ::testing::Test {
 protected:
  void SetUp() override { InitSwapKeys(block); }
  storage::RemapBlock block{};
};

TEST_F(SwapKeysModelTest, EachGridShowsItsKeysBesideWhatTheyType) {
  block.Lower[1] = 'x';
  block.Digits[3] = 0;
  block.BraceTilde[1] = ' ';
  const struct {
    RemapGroup group;
    int row;
    std::string key;
    ReplacementCell replacement;
  } rows[] = {
      {RemapGroup::Upper, 0, "A", {"A", true}},
      {RemapGroup::Upper, 25, "Z", {"Z", true}},
      {RemapGroup::Lower, 1, "b", {"x", true}},
      {RemapGroup::Numeric, 3, "3", {"none", false}},
      {RemapGroup::Punctuation, 0, "Space", {"Space", true}},
      {RemapGroup::Punctuation, 15, "/", {"/", true}},
      {RemapGroup::Punctuation, 16, ":", {":", true}},
      {RemapGroup::Punctuation, 30, "~", {"Space", true}},
      {RemapGroup::Punctuation, 31, "", {}},
      {RemapGroup::Numeric, -1, "", {}},
  };
  const SwapKeysModel model(block, false);
  for (const auto& r : rows) {
    SCOPED_TRACE(r.key + " row " + std::to_string(r.row));
    EXPECT_EQ(model.KeyText(r.group, r.row), r.key);
    EXPECT_EQ(model.Replacement(r.group, r.row), r.replacement);
  }
  EXPECT_EQ(InfoOf(RemapGroup::Punctuation).title, "Punctuation");
  EXPECT_EQ(InfoOf(RemapGroup::Numeric).rows, 10);
}

TEST_F(SwapKeysModelTest, AChoiceReachesTheBlockAtOnceAndMarksTheMappingChanged) {
  SwapKeysModel model(block, false);
  EXPECT_FALSE(model.Changed());
  ASSERT_TRUE(model.Choose(RemapGroup::Lower, 0, 'b'));
  EXPECT_EQ(block.Lower[0], 'b');
  EXPECT_EQ(block.Lower[1], 'b') << "the neighbour keeps its own character";
  EXPECT_TRUE(model.Changed());
  EXPECT_TRUE(SwapsInUse(block));
  ASSERT_TRUE(model.Choose(RemapGroup::Punctuation, 30, 0xE9));
  EXPECT_EQ(block.BraceTilde[1], 0xE9);
  EXPECT_EQ(block.Unused101[0], 0) << "nothing is written past the last slot";
  EXPECT_FALSE(model.Choose(RemapGroup::Numeric, 10, 'x'));
}

TEST_F(SwapKeysModelTest, BrowseModeOnlyShows) {
  SwapKeysModel model(block, true);
  EXPECT_FALSE(model.CanEdit());
  EXPECT_FALSE(model.Choose(RemapGroup::Upper, 0, 'Q'));
  EXPECT_EQ(block.Upper[0], 'A');
  EXPECT_FALSE(model.Changed());
}

TEST(SwapKeysModel, TypingAKeySelectsItsRowInItsOwnGridOnly) {
  const struct {
    RemapGroup group;
    char typed;
    int row;
  } rows[] = {
      {RemapGroup::Lower, 'a', 0},        {RemapGroup::Lower, 'z', 25},
      {RemapGroup::Upper, 'a', -1},       {RemapGroup::Punctuation, '}', 29},
      {RemapGroup::Punctuation, '{', -1}, {RemapGroup::Punctuation, '|', -1},
      {RemapGroup::Numeric, '0', 0},      {RemapGroup::Numeric, '\r', -1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SwapKeysModel::RowOf(r.group, r.typed), r.row) << "typed " << r.typed;
  }
}

TEST(SelectCharacter, CellsRunRowByRowFromTheSpace) {
  EXPECT_EQ(SpecialCharacterAt(0), 32);
  EXPECT_EQ(SpecialCharacterAt(28), 60);
  EXPECT_EQ(SpecialCharacterAt(223), 255);
  EXPECT_EQ(SpecialCharacterAt(224), 0);
  EXPECT_EQ(SpecialCharacterAt(-1), 0);
  EXPECT_EQ(SpecialCellOf('b'), 66);
  EXPECT_EQ(SpecialCellOf(255), 223);
  EXPECT_EQ(SpecialCellOf(0), 0) << "\"none\" starts on the first cell";
  EXPECT_EQ(SpecialCellCaption('b'), "Character 98: b");
  EXPECT_EQ(SpecialCellCaption(' '), "Character 32: Space");
}

TEST(SelectCharacter, TheSelectionMovesAndStopsAtTheEdges) {
  const struct {
    int from;
    SpecialMove move;
    int to;
  } rows[] = {
      {0, SpecialMove::Left, 0},        {27, SpecialMove::Right, 28},
      {28, SpecialMove::Left, 27},      {223, SpecialMove::Right, 223},
      {5, SpecialMove::Up, 5},          {33, SpecialMove::Up, 5},
      {200, SpecialMove::Down, 200},    {5, SpecialMove::Down, 33},
      {40, SpecialMove::RowStart, 28},  {40, SpecialMove::RowEnd, 55},
      {40, SpecialMove::ColumnTop, 12}, {40, SpecialMove::ColumnBottom, 208},
      {-3, SpecialMove::Right, 0},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(MovedSpecialCell(r.from, r.move), r.to)
        << "from " << r.from << " move " << static_cast<int>(r.move);
  }
}

TEST(SelectCharacter, APointFindsItsCell) {
  const struct {
    int x, y;
    int cell;
  } rows[] = {
      {0, 0, 0},      {279, 0, 27}, {280, 0, -1}, {0, 79, 196},
      {279, 79, 223}, {15, 15, 29}, {-1, 5, -1},  {5, 80, -1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SpecialCellAt(r.x, r.y, 280, 80), r.cell) << r.x << "," << r.y;
  }
  EXPECT_EQ(SpecialCellAt(0, 0, 0, 0), -1);
}

TEST(SelectCharacter, OpensBesideTheCellInsideTheWorkArea) {
  const ScreenBox work{0, 0, 1024, 740};
  const struct {
    ScreenBox cell;
    ScreenPoint place;
  } rows[] = {
      {{100, 200, 160, 215}, {160, 200}},  // right of the cell
      {{900, 200, 960, 215}, {500, 200}},  // no room on the right: left of it
      {{100, 700, 160, 715}, {160, 540}},  // pushed up from the bottom
      {{300, -50, 360, -35}, {360, 0}},    // and down from the top
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SpecialDialogPlace(r.cell, 400, 200, work), r.place) << r.cell.left;
  }
  EXPECT_EQ(SpecialDialogPlace({100, 200, 160, 215}, 2000, 900, work), (ScreenPoint{0, 0}))
      << "larger than the screen: its top left corner stays on it";
}

}  // namespace
}  // namespace quindle::activation
