#include "activation/macro_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace quindle::activation {
namespace {

storage::MacroRecord Record(int hotkey, std::int16_t scope, std::string_view scopeText) {
  storage::MacroRecord r{};
  r.HotkeyNumber = static_cast<std::uint16_t>(hotkey);
  r.ScopeKind = scope;
  r.ScopeText.Assign(scopeText);
  return r;
}

TEST(MacroNamesTest, ActivationNameByKindOfActivation) {
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

TEST(MacroNamesTest, ScopeNameByScopeKind) {
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeGlobal, "ignored")), "GLOBAL");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeWindow, "Untitled - TESTPAD")),
            "Window: Untitled - TESTPAD");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeProgram, "TESTPAD.EXE")), "Program: TESTPAD.EXE");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopePopupMenu, "")), "Popup Menu");
  EXPECT_EQ(ScopeName(Record(0, storage::ScopeSystem, "1")), "SYSTEM");
  EXPECT_EQ(ScopeName(Record(0, 0, "")), "");
  EXPECT_EQ(ScopeName(Record(0, -1, "")), "");
}

TEST(MacroNamesTest, DamagedScopeTextLengthStaysInsideTheField) {
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
