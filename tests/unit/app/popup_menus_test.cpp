#include "app/popup_menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/macro_store_test_support.h"

namespace quindle::app {
namespace {

using storage::MacroRecord;
using storage::testing::UserMacro;

class PopupMenusTest : public storage::testing::MacroStoreTest {};

MacroRecord Scoped(std::string_view name, storage::ScopeKindValue scope, std::string_view text,
                   bool enabled = true) {
  MacroRecord record = UserMacro(name, 1, scope);
  record.ScopeText.Assign(text);
  record.Enabled = enabled;
  return record;
}

MacroRecord Menu(std::string_view name, std::string_view options, std::string_view icon = "MENU") {
  MacroRecord menu = UserMacro(name, 2, storage::ScopePopupMenu);
  menu.TypletName.Assign(options);
  menu.IconName.Assign(icon);
  const std::uint16_t members[] = {1};
  menu.SetMembers(members);
  return menu;
}

TEST_F(PopupMenusTest, TheWindowInFrontGathersItsWindowAndProgramMacrosOfAnyCase) {
  Load({Scoped("Pad", storage::ScopeProgram, "notepad"),
        Scoped("Title", storage::ScopeWindow, "untitled"),
        Scoped("Off", storage::ScopeProgram, "NOTE", false),  // disabled ones count too
        Scoped("Word", storage::ScopeProgram, "winword"),
        Scoped("Global", storage::ScopeGlobal, "notepad"),
        Scoped("ByTitle", storage::ScopeWindow, "NOTEPAD.EXE")});  // a title is no program
  EXPECT_EQ(MacrosForTopWindow(lock, "UNTITLED - NOTEPAD", "NOTEPAD.EXE"),
            (std::vector<std::uint16_t>{1, 2, 3}));
  EXPECT_TRUE(MacrosForTopWindow(lock, "CALCULATOR", "CALC.EXE").empty());
}

TEST_F(PopupMenusTest, AtMostThirtySixMacrosAreOffered) {
  std::vector<MacroRecord> many(40, Scoped("Pad", storage::ScopeProgram, "pad"));
  Load(many);
  const std::vector<std::uint16_t> members = MacrosForTopWindow(lock, "", "NOTEPAD.EXE");
  ASSERT_EQ(members.size(), 36u);
  EXPECT_EQ(members.front(), 1);
  EXPECT_EQ(members.back(), 36);
}

TEST_F(PopupMenusTest, WithoutTheTableNothingIsOffered) {
  Load({Scoped("Pad", storage::ScopeProgram, "notepad")});
  objects.SetWaitFails(true);
  EXPECT_TRUE(MacrosForTopWindow(lock, "", "NOTEPAD.EXE").empty());
}

TEST(PopupMenuRecordTest, TheMenuForTheWindowInFrontShowsTheSettingsLayoutAt32Pixels) {
  const std::vector<std::uint16_t> members{3, 7};
  struct Case {
    int setting;
    std::string options;
  };
  const Case cases[] = {{1, " 12"}, {2, " 22"}, {3, " 32"}, {0, " 12"}, {9, " 12"}};
  for (const Case& c : cases) {
    const MacroRecord menu = MenuForTopWindow(members, c.setting);
    EXPECT_EQ(menu.TypletName.View(), c.options) << c.setting;
    EXPECT_EQ(menu.ScopeKind.Get(), storage::ScopePopupMenu);
    ASSERT_EQ(menu.MemberCount(), 2u);
    EXPECT_EQ(menu.Member(1), 7);
    EXPECT_EQ(IconSizeOf(ParseMenuOptions(menu.TypletName.View()).sizeIndex), 32);
  }
}

TEST(PopupMenuEntryTest, ARowShowsTheTextTheNicknameOrActivationAndTheScope) {
  MacroRecord global = UserMacro("", 0);
  global.SetMacroText("one\r\ntwo\tthree");
  ChooserEntry entry = MakeChooserEntry(5, &global);
  EXPECT_EQ(entry.n, 5);
  EXPECT_EQ(entry.text, "one  two three");
  EXPECT_EQ(entry.name, "Ctrl+A") << "no nickname: the activation";
  EXPECT_EQ(entry.scope, "GLOBAL");
  EXPECT_FALSE(entry.popup);

  const MacroRecord menu = Menu("Tools", "N31");
  entry = MakeChooserEntry(6, &menu);
  EXPECT_EQ(entry.name, "Tools");
  EXPECT_EQ(entry.scope, "Popup Menu");
  EXPECT_EQ(entry.text, "") << "a menu's text area holds numbers";
  EXPECT_TRUE(entry.popup);

  const MacroRecord window = Scoped("Pad", storage::ScopeWindow, "Notepad");
  EXPECT_EQ(MakeChooserEntry(7, &window).scope, "Notepad");
  const ChooserEntry lost = MakeChooserEntry(8, nullptr);
  EXPECT_EQ(lost.n, 8);
  EXPECT_EQ(lost.name, "");
}

TEST_F(PopupMenusTest, TrayIconsStandForTheMenusPlacedInTheTrayInMacroOrder) {
  Load({Menu("One", "Y31"), Scoped("Pad", storage::ScopeProgram, "notepad"), Menu("Two", "N31"),
        Menu("Three", "Y20", "SUN.ICO")});
  EXPECT_EQ(PopupTrayEntries(lock, store),
            (std::vector<PopupTrayEntry>{{1, "One", "MENU"}, {4, "Three", "SUN.ICO"}}));
}

TEST_F(PopupMenusTest, AtMostFifteenMenusGetATrayIcon) {
  Load(std::vector<MacroRecord>(17, Menu("M", "Y31")));
  const std::vector<PopupTrayEntry> entries = PopupTrayEntries(lock, store);
  ASSERT_EQ(entries.size(), 15u);
  EXPECT_EQ(entries.back().n, 15);
}

}  // namespace
}  // namespace quindle::app
