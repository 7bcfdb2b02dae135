#include "hooklib/hotkey_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "hooklib/hotkey_number.h"

namespace quindle::hooklib {
namespace {

TEST(HotkeyNamesTest, NamesOfTheNumberingExamples) {
  const struct {
    int code;
    const char* name;
  } cases[] = {
      {0, "Ctrl+A"},
      {73, "Alt+Z"},
      {122, "Ctrl+Shift+0"},
      {192, "Alt+Shift+A"},
      {262, "Ctrl+Alt+Shift+W"},
      {288, "F1"},
      {311, "Shift+F12"},
      {321, "Ctrl+Shift+Tab"},
      {330, "Ctrl+Alt+Shift+Backspace"},  // exactly 24: kept whole
      {336, "Ctrl+Alt+Space"},
      {364, "Ctrl+."},
      {394, "Ctrl+\\"},
      {463, "Delete"},
      {466, "Page Up"},
      {468, "Left Arrow"},
      {492, "Ctrl+Alt+Shift+Left Arro"},
      {499, "Ctrl+Alt+Shift+Right Arr"},
      {506, "Ctrl+Alt+Shift+Up Arrow"},
      {513, "Ctrl+Alt+Shift+Down Arro"},
      {554, "Win+A"},
      {638, "Win+Ctrl+F1"},
      {697, "Win+Alt+F12"},
      {698, "ESC"},
      {699, "LMouse"},
      {703, "Ctrl+Shift+LMouse"},
      {705, "Shift+Alt+LMouse"},
      {711, "Ctrl+Alt+RMouse"},
      {719, "Shift+Alt+MMouse"},
  };
  for (const auto& c : cases) EXPECT_EQ(HotkeyName(c.code), c.name) << c.code;
}

TEST(HotkeyNamesTest, KeypadIsSpelledKeyPadOnlyWithoutCtrlAndAlt) {
  EXPECT_EQ(HotkeyName(514), "KeyPad 0");
  EXPECT_EQ(HotkeyName(515), "Ctrl+Keypad 0");
  EXPECT_EQ(HotkeyName(553), "Ctrl+Alt+Keypad 9");
  EXPECT_EQ(HotkeyName(430), "KeyPad /");
  EXPECT_EQ(HotkeyName(431), "Ctrl+Keypad /");
  EXPECT_EQ(HotkeyName(433), "Shift+KeyPad /");
  EXPECT_EQ(HotkeyName(434), "Ctrl+Shift+Keypad /");
  EXPECT_EQ(HotkeyName(443), "Alt+Shift+Keypad *");
  EXPECT_EQ(HotkeyName(461), "Ctrl+Alt+Shift+Keypad +");
}

TEST(HotkeyNamesTest, AllNamesAreShortDistinctAndAgreeWithTheirModifiers) {
  std::set<std::string> names;
  for (int code = 0; code < 720; ++code) {
    const std::string name(HotkeyName(code));
    SCOPED_TRACE(name);
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), kHotkeyNameMax);
    names.insert(name);
    const hooklib::HotkeyKey key = hooklib::DecipherKey(code);
    EXPECT_EQ(name.starts_with("Ctrl+") || name.starts_with("Win+Ctrl+"), key.ctrl);
    EXPECT_EQ(name.find("Alt+") != std::string::npos, key.alt);
    EXPECT_EQ(name.find("Shift+") != std::string::npos, key.shift);
    EXPECT_EQ(name.starts_with("Win+"), key.win);
  }
  EXPECT_EQ(names.size(), 720u);
}

TEST(HotkeyNamesTest, CodesOutsideTheTableHaveNoName) {
  EXPECT_EQ(HotkeyName(-1), "");
  EXPECT_EQ(HotkeyName(720), "");
  EXPECT_EQ(HotkeyName(10000), "");
}

}  // namespace
}  // namespace quindle::hooklib
