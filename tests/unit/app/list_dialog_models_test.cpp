#include "app/list_dialog_models.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::app {
namespace {

using Names = std::vector<std::string_view>;

TEST(SortOrderModelTest, ListsStartInTheStoredOrderAndMoveByOnePlace) {
  SortOrderModel model({"213", "312", "54321"});
  EXPECT_EQ(model.Names(SortList::Primary), (Names{"Nickname", "Activation", "Scope"}));
  EXPECT_EQ(model.Names(SortList::Activation), (Names{"Timed Macro", "Hot Key", "Typlet"}));
  EXPECT_EQ(model.Names(SortList::Scope),
            (Names{"System", "PopUp Menu", "Specific Program", "Specific Window", "Global"}));
  struct Move {
    SortList list;
    bool up;
    int row;
    int rowAfter;
  };
  const std::vector<Move> moves{
      {SortList::Primary, false, 0, 1},    // Nickname below Activation
      {SortList::Primary, false, 2, 2},    // the last stays
      {SortList::Activation, true, 0, 0},  // the first stays
      {SortList::Activation, true, 2, 1},  // Typlet above Hot Key
      {SortList::Scope, true, 4, 3},      {SortList::Scope, true, 7, 7},  // outside the list
      {SortList::Scope, false, -1, -1},
  };
  for (const Move& m : moves) {
    const int after = m.up ? model.MoveUp(m.list, m.row) : model.MoveDown(m.list, m.row);
    EXPECT_EQ(after, m.rowAfter) << static_cast<int>(m.list) << " " << m.row;
  }
  EXPECT_EQ(model.Result(), (SortOrders{"123", "321", "54312"}));
}

TEST(SortOrderModelTest, AStoredOrderThatIsNoPermutationStartsAsTheDefault) {
  const SortOrderModel model({"11", "", "123456"});
  EXPECT_EQ(model.Result(), (SortOrders{"123", "123", "12345"}));
}

TEST(SortOrderModelTest, OkWritesTheDigitStringsIntoTheSettings) {
  Settings settings;
  ApplySortOrders({"321", "231", "15234"}, settings);
  EXPECT_EQ(settings.primarySort, "321");
  EXPECT_EQ(settings.activationSort, "231");
  EXPECT_EQ(settings.scopeSort, "15234");
  EXPECT_EQ(SortOrdersOf(settings), (SortOrders{"321", "231", "15234"}));
}

TEST(AppearanceModelTest, EachWidthMustBeAWholeNumberAboveZero) {
  struct Case {
    std::array<std::string, 3> widths;
    bool accepted;
    AppearanceField focus;
  };
  const std::vector<Case> cases{
      {{"112", "168", "132"}, true, {}},
      {{" 1", "9999 ", "40"}, true, {}},
      {{"0", "168", "132"}, false, AppearanceField::Col1Width},
      {{"112", "", "132"}, false, AppearanceField::Col2Width},
      {{"112", "12a", "132"}, false, AppearanceField::Col2Width},
      {{"112", "168", "-5"}, false, AppearanceField::Col3Width},
      {{"112", "168", "1.5"}, false, AppearanceField::Col3Width},
      {{"112", "168", "10000"}, false, AppearanceField::Col3Width},
      {{"112", "168", "99999999999999999999"}, false, AppearanceField::Col3Width},
  };
  for (const Case& c : cases) {
    AppearanceForm form;
    form.widths = c.widths;
    const auto outcome = AcceptAppearance(form);
    EXPECT_EQ(outcome.Accepted(), c.accepted)
        << c.widths[0] << "," << c.widths[1] << "," << c.widths[2];
    if (c.accepted) continue;
    EXPECT_EQ(outcome.message, "Invalid width specified.");
    EXPECT_EQ(outcome.caption, "Error");
    EXPECT_EQ(outcome.focus, c.focus) << c.widths[0] << "," << c.widths[1] << "," << c.widths[2];
  }
}

TEST(AppearanceModelTest, OkAppliesWidthsButtonsAndFonts) {
  Settings settings;
  AppearanceForm form = AppearanceFormOf(settings);
  EXPECT_EQ(form.widths, (std::array<std::string, 3>{"112", "168", "132"}));
  form.widths = {"90", "200", "150"};
  form.useSpeed = true;
  form.rowFont.name = "Courier New";
  form.titleFont.bold = true;
  const auto outcome = AcceptAppearance(form);
  ASSERT_TRUE(outcome.Accepted());
  ApplyAppearance(*outcome.result, settings);
  EXPECT_EQ(settings.col1Width, 90);
  EXPECT_EQ(settings.col2Width, 200);
  EXPECT_EQ(settings.col3Width, 150);
  EXPECT_TRUE(settings.useSpeed);
  EXPECT_EQ(settings.gridFont.name, "Courier New");
  EXPECT_TRUE(settings.gridTitleFont.bold);
  EXPECT_EQ(settings.gridTitleFont.size, 12);
}

}  // namespace
}  // namespace quindle::app
