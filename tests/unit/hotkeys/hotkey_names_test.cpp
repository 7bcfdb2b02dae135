#include "activation/hotkey_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "hooklib/hotkey_number.h"

namespace quindle::activation {
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

storage::MacroRecord Record(int hotkey, std::int16_t scope, std::string_view scopeText) {
  storage::MacroRecord r{};
  r.HotkeyNumber = static_cast<std::uint16_t>(hotkey);
  r.ScopeKind = scope;
  r.ScopeText.Assign(scopeText);
  return r;
}

TEST(HotkeyNamesTest, ActivationNameByKindOfActivation) {
  storage::MacroRecord r = Record(259, storage::ScopeGlobal, "");
  EXPECT_EQ(ActivationName(r), "Ctrl+Alt+Shift+T");
  r.HotkeyNumber = storage::kActivationTimed;
  EXPECT_EQ(ActivationName(r), "Timed Macro");
  r.HotkeyNumber = storage::kActivationTyplet;
  r.TypletName.Assign("addr");
  EXPECT_EQ(ActivationName(r), "addr");
  r.HotkeyNumber = 5000;  // damaged
  EXPECT_EQ(ActivationName(r), "");
}

TEST(HotkeyNamesTest, ScopeNameByScopeKind) {
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeGlobal, "ignored")), "GLOBAL");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeWindow, "Untitled - TESTPAD")),
            "Window: Untitled - TESTPAD");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeProgram, "TESTPAD.EXE")), "Program: TESTPAD.EXE");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopePopupMenu, "")), "Popup Menu");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeSystem, "1")), "SYSTEM");
  EXPECT_EQ(ScopeName(Record(0, 0, "")), "");
  EXPECT_EQ(ScopeName(Record(0, -1, "")), "");
}

TEST(HotkeyNamesTest, DamagedScopeTextLengthStaysInsideTheField) {
  storage::MacroRecord r = Record(0, storage::ScopeWindow, "");
  std::memset(&r.ScopeText, 'x', sizeof r.ScopeText);
  r.ScopeText.length = 255;
  EXPECT_EQ(ScopeName(r), "Window: " + std::string(30, 'x'));
  r.HotkeyNumber = storage::kActivationTyplet;
  r.TypletName.length = 200;
  EXPECT_EQ(ActivationName(r).size(), 10u);
}

}  // namespace
}  // namespace quindle::activation
