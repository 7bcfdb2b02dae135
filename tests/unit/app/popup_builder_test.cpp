#include "app/popup_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindle::app {
namespace {

using storage::MacroRecord;

MacroListEntry Entry(std::string name, std::int16_t scope = storage::ScopeGlobal,
                     std::uint16_t hotkey = 0) {
  MacroListEntry e;
  e.name = std::move(name);
  e.scopeKind = scope;
  e.hotkeyNumber = hotkey;
  e.enabled = true;
  return e;
}

// Macro 1 a system macro, 2..6 global ones, 7 the menu being edited.
MacroSnapshot File() {
  return {Entry("Activate", storage::ScopeSystem),
          Entry("B"),
          Entry("C"),
          Entry("D"),
          Entry("E"),
          Entry("F"),
          Entry("Menu", storage::ScopePopupMenu)};
}

MacroRecord MenuWith(std::vector<std::uint16_t> members, std::string_view options = "N31") {
  MacroRecord menu{};
  menu.Name.Assign("Menu");
  menu.TypletName.Assign(options);
  menu.IconName.Assign("MENU");
  menu.ScopeKind = storage::ScopePopupMenu;
  menu.SetMembers(members);
  return menu;
}

TEST(PopupBuilderTest, OpeningDropsLostMembersAndOffersNeitherSystemMacrosNorItself) {
  const PopupBuilderModel model(File(), MenuWith({4, 9, 2}), 7, false);
  EXPECT_EQ(model.Members(), (std::vector<int>{4, 2})) << "member 9 is past the file's end";
  EXPECT_EQ(model.Available(), (std::vector<int>{3, 5, 6}));
  EXPECT_EQ(model.nickname, "Menu");
  EXPECT_EQ(model.options.layout, ChooserLayout::NameAndScope);
  EXPECT_EQ(model.options.sizeIndex, 1);
}

TEST(PopupBuilderTest, ANewMenuStartsEmptyWithTheMenuIconAndNicknameAndScope) {
  const PopupBuilderModel model(File(), MacroRecord{}, 0, true);
  EXPECT_TRUE(model.Members().empty());
  EXPECT_EQ(model.Available(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(model.iconName, "MENU");
  EXPECT_FALSE(model.options.tray);
  EXPECT_EQ(model.options.layout, ChooserLayout::NameAndScope);
  EXPECT_EQ(model.options.sizeIndex, 0);
}

TEST(PopupBuilderTest, AddAndInsertPlaceTheAvailableMacroAndMoveItsSelection) {
  struct Case {
    std::string name;
    int op;  // 0 add, 1 insert before, 2 insert after
    BuilderSelection at;
    std::vector<int> members;
    std::vector<int> available;
    BuilderSelection after;
  };
  // Members 4, 2; available 3, 5, 6.
  const Case cases[] = {
      {"add appends", 0, {0, 1}, {4, 2, 5}, {3, 6}, {2, 1}},
      {"before the selected member", 1, {1, 0}, {4, 3, 2}, {5, 6}, {1, 0}},
      {"after the selected member", 2, {0, 0}, {4, 3, 2}, {5, 6}, {1, 0}},
      {"before with no member selected goes on top", 1, {-1, 0}, {3, 4, 2}, {5, 6}, {0, 0}},
      {"after with no member selected goes on top", 2, {-1, 0}, {3, 4, 2}, {5, 6}, {0, 0}},
      {"the last available: its selection moves up", 0, {-1, 2}, {4, 2, 6}, {3, 5}, {2, 1}},
  };
  for (const Case& c : cases) {
    PopupBuilderModel model(File(), MenuWith({4, 2}), 7, false);
    const std::optional<BuilderSelection> after = c.op == 0   ? model.Add(c.at)
                                                  : c.op == 1 ? model.InsertBefore(c.at)
                                                              : model.InsertAfter(c.at);
    ASSERT_TRUE(after) << c.name;
    EXPECT_EQ(model.Members(), c.members) << c.name;
    EXPECT_EQ(model.Available(), c.available) << c.name;
    EXPECT_EQ(after->member, c.after.member) << c.name;
    EXPECT_EQ(after->available, c.after.available) << c.name;
  }
}

TEST(PopupBuilderTest, WithoutASelectionNothingMovesAndTheCallerIsTold) {
  PopupBuilderModel model(File(), MenuWith({4, 2}), 7, false);
  EXPECT_FALSE(model.Add({0, -1}));
  EXPECT_FALSE(model.InsertBefore({0, 3}));
  EXPECT_FALSE(model.Remove({-1, 0}));
  EXPECT_EQ(model.Members(), (std::vector<int>{4, 2}));
  EXPECT_EQ(model.Available(), (std::vector<int>{3, 5, 6}));
}

TEST(PopupBuilderTest, RemoveReturnsTheMemberAtItsPlaceInNumberOrder) {
  PopupBuilderModel model(File(), MenuWith({4, 2, 6}), 7, false);
  std::optional<BuilderSelection> after = model.Remove({0, 0});
  ASSERT_TRUE(after);
  EXPECT_EQ(model.Members(), (std::vector<int>{2, 6}));
  EXPECT_EQ(model.Available(), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(after->member, 0);
  EXPECT_EQ(after->available, 1);
  after = model.Remove({1, 0});  // the last member: the selection moves up
  ASSERT_TRUE(after);
  EXPECT_EQ(model.Available(), (std::vector<int>{3, 4, 5, 6}));
  EXPECT_EQ(after->member, 0);
  EXPECT_EQ(after->available, 3);
}

TEST(PopupBuilderTest, UpAndDownSwapWithTheNeighbourAndTheSelectionFollows) {
  PopupBuilderModel model(File(), MenuWith({4, 2, 6}), 7, false);
  EXPECT_EQ(model.Up({2, -1}).member, 1);
  EXPECT_EQ(model.Members(), (std::vector<int>{4, 6, 2}));
  EXPECT_EQ(model.Down({0, -1}).member, 1);
  EXPECT_EQ(model.Members(), (std::vector<int>{6, 4, 2}));
  EXPECT_EQ(model.Up({0, -1}).member, 0) << "the first stays first";
  EXPECT_EQ(model.Down({2, -1}).member, 2) << "the last stays last";
  EXPECT_EQ(model.Members(), (std::vector<int>{6, 4, 2}));
}

TEST(PopupBuilderTest, ButtonsFollowTheSelections) {
  struct Case {
    BuilderSelection at;
    BuilderButtons expected;
  };
  // Members 4, 2, 6; available 3, 5.
  const Case cases[] = {
      {{-1, -1}, {false, false, false, false, false, false}},
      {{0, -1}, {false, false, false, true, false, true}},
      {{1, 0}, {true, true, true, true, true, true}},
      {{2, 1}, {true, true, true, true, true, false}},
      {{-1, 2}, {false, false, false, false, false, false}},  // past the available list
  };
  const PopupBuilderModel model(File(), MenuWith({4, 2, 6}), 7, false);
  for (const Case& c : cases) {
    const BuilderButtons b = model.Buttons(c.at);
    const BuilderButtons& e = c.expected;
    EXPECT_EQ(b.add, e.add) << c.at.member << "," << c.at.available;
    EXPECT_EQ(b.insertBefore, e.insertBefore);
    EXPECT_EQ(b.insertAfter, e.insertAfter);
    EXPECT_EQ(b.remove, e.remove) << c.at.member << "," << c.at.available;
    EXPECT_EQ(b.up, e.up) << c.at.member << "," << c.at.available;
    EXPECT_EQ(b.down, e.down) << c.at.member << "," << c.at.available;
  }
}

TEST(PopupBuilderTest, OkWritesTheMenuFieldsAndSaysWhenTheTrayIconsChange) {
  struct Case {
    std::string name;
    bool isNew;
    void (*change)(PopupBuilderModel&);
    bool trayChanged;
  };
  const Case cases[] = {
      {"members only", false,
       [](PopupBuilderModel& m) {
         m.Add({-1, 0});
       },
       false},
      {"nickname", false, [](PopupBuilderModel& m) { m.nickname = "Other"; }, true},
      {"tray option", false, [](PopupBuilderModel& m) { m.options.tray = true; }, true},
      {"icon", false, [](PopupBuilderModel& m) { m.iconName = "SUN.ICO"; }, true},
      {"layout", false, [](PopupBuilderModel& m) { m.options.layout = ChooserLayout::Icons; },
       false},
      {"new, not in the tray", true, [](PopupBuilderModel&) {}, false},
      {"new, in the tray", true, [](PopupBuilderModel& m) { m.options.tray = true; }, true},
  };
  for (const Case& c : cases) {
    MacroRecord menu = c.isNew ? MacroRecord{} : MenuWith({4, 2});
    PopupBuilderModel model(File(), menu, c.isNew ? 0 : 7, c.isNew);
    c.change(model);
    EXPECT_EQ(model.WriteInto(menu), c.trayChanged) << c.name;
    EXPECT_EQ(menu.ScopeKind.Get(), storage::ScopePopupMenu) << c.name;
    EXPECT_EQ(menu.TypletName.View().size(), 3u) << c.name;
    EXPECT_EQ(menu.MemberCount(), model.Members().size()) << c.name;
    if (c.isNew) {
      EXPECT_TRUE(menu.Enabled) << c.name;
    }
  }
  MacroRecord menu = MenuWith({4, 2});
  PopupBuilderModel model(File(), menu, 7, false);
  model.options = {true, ChooserLayout::Text, 4};
  model.nickname = "Tools";
  model.WriteInto(menu);
  EXPECT_EQ(menu.TypletName.View(), "Y14");
  EXPECT_EQ(menu.Name.View(), "Tools");
  EXPECT_EQ(menu.Member(0), 4);
  EXPECT_EQ(menu.Member(1), 2);
}

TEST(PopupBuilderQuickInfoTest, EachFactIsFollowedByAnEmptyLine) {
  MacroRecord macro = storage::NewMacro("Notes", storage::ScopeProgram, "notepad", 0, "Hello");
  macro.TopMostOnly = true;
  EXPECT_EQ(BuilderQuickInfo(macro),
            "Hot Key: Ctrl+A\n\nName: Notes\n\nScope: notepad \"Program\" (Top Most Only)\n\n"
            "Active: Yes\n\nMacro: Hello\n\n");
  macro = storage::NewMacro("", storage::ScopeWindow, "Editor", storage::kActivationTyplet,
                            std::string(150, 'x'));
  macro.TypletName.Assign("zq");
  macro.Enabled = false;
  EXPECT_EQ(BuilderQuickInfo(macro),
            "Typlet: zq\n\nName: \n\nScope: Editor \"Window\" (If Active)"
            "\n\nActive: No\n\nMacro: " +
                std::string(100, 'x') + "\n\n");
  const MacroRecord menu = MenuWith({4, 2});
  EXPECT_NE(BuilderQuickInfo(menu).find("Scope: Popup Menu\n\n"), std::string::npos);
  EXPECT_EQ(BuilderQuickInfo(menu).substr(BuilderQuickInfo(menu).size() - 9), "Macro: \n\n")
      << "a menu's member numbers are no text to show";
}

}  // namespace
}  // namespace quindle::app
