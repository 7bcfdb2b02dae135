#include "hooklib/hotkey_number.h"

#include <gtest/gtest.h>

#include <set>

namespace quindle::hooklib {
namespace {

constexpr int kCtrl = 1, kAlt = 2, kShift = 4, kWin = 8;

int Key(int vk, int mods) {
  return EncodeHotkey(vk, (mods & kCtrl) != 0, (mods & kAlt) != 0, (mods & kShift) != 0,
                      (mods & kWin) != 0);
}
int Mouse(int button, int mods) {
  return EncodeMouseHotkey(button, (mods & kCtrl) != 0, (mods & kAlt) != 0, (mods & kShift) != 0);
}

bool IsKeypadDigit(int vk) {
  return vk >= 96 && vk <= 105;
}

TEST(HotkeyNumberTest, EveryCodeDecodesToACombinationThatEncodesBack) {
  for (int code = 0; code < kHotkeyCodeCount; ++code) {
    const HotkeyKey k = DecipherKey(code);
    SCOPED_TRACE(code);
    if (code >= kFirstMouseCode) {
      EXPECT_EQ(k.vk, 0);
      EXPECT_EQ(k.mouseButton, 1 + (code - kFirstMouseCode) / 7);
      EXPECT_FALSE(k.win);
      EXPECT_EQ(EncodeMouseHotkey(k.mouseButton, k.ctrl, k.alt, k.shift), code);
    } else {
      EXPECT_EQ(k.mouseButton, 0);
      EXPECT_NE(k.vk, 0);
      EXPECT_EQ(EncodeHotkey(k.vk, k.ctrl, k.alt, k.shift, k.win), code);
    }
  }
}

// No two keys share a number: every combination with a code decodes to its own key, with only the
// modifiers that the numbering ignores dropped.
TEST(HotkeyNumberTest, EveryKeyCombinationHasItsOwnCode) {
  std::set<int> seen;
  for (int vk = 0; vk < 256; ++vk) {
    for (int mods = 0; mods < 16; ++mods) {
      const int code = Key(vk, mods);
      if (code < 0) continue;
      SCOPED_TRACE(testing::Message() << "vk " << vk << " mods " << mods);
      ASSERT_LT(code, kFirstMouseCode);
      seen.insert(code);
      const HotkeyKey k = DecipherKey(code);
      const bool ctrl = mods & kCtrl, alt = mods & kAlt, shift = mods & kShift, win = mods & kWin;
      EXPECT_EQ(k.vk, vk);
      EXPECT_EQ(k.win, win);
      EXPECT_EQ(k.ctrl, ctrl);
      EXPECT_EQ(k.alt, win ? alt && !ctrl : alt);
      EXPECT_EQ(k.shift, shift && !win && !IsKeypadDigit(vk));
    }
  }
  EXPECT_EQ(seen.size(),
            static_cast<std::size_t>(kFirstMouseCode));  // 0..698, no gaps
  for (int button = 1; button <= 3; ++button) {
    for (int mods = 0; mods < 8; ++mods) {
      const int code = Mouse(button, mods);
      ASSERT_GE(code, kFirstMouseCode);
      seen.insert(code);
      const HotkeyKey k = DecipherKey(code);
      const bool ctrlAlt = (mods & (kCtrl | kAlt)) == (kCtrl | kAlt);
      EXPECT_EQ(k.mouseButton, button);
      EXPECT_EQ(k.ctrl, (mods & kCtrl) != 0);
      EXPECT_EQ(k.alt, (mods & kAlt) != 0);
      EXPECT_EQ(k.shift, (mods & kShift) != 0 && !ctrlAlt);
    }
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kHotkeyCodeCount));
}

TEST(HotkeyNumberTest, CodesFollowTheNumberingTables) {
  const struct {
    int vk, mods, code;
  } cases[] = {
      {'A', kCtrl, 0},
      {'Z', kAlt, 73},
      {'0', kCtrl | kShift, 122},
      {123, kCtrl | kAlt, 191},  // Ctrl+Alt+F12
      {'9', kAlt | kShift, 227},
      {'W', kCtrl | kAlt | kShift, 262},
      {'T', kCtrl | kAlt | kShift, 259},
      {112, 0, 288},       // F1
      {123, kShift, 311},  // Shift+F12
      {'A', kWin, 554},
      {'A', kWin | kShift, 554},
      {'5', kWin | kCtrl, 633},
      {112, kWin | kCtrl | kAlt | kShift, 638},  // Ctrl before Alt, Shift ignored
      {'9', kWin | kAlt, 685},
      {13, kCtrl, 312},
      {13, kCtrl | kAlt | kShift, 318},
      {32, kCtrl | kAlt, 336},
      {45, 0, 462},
      {46, 0, 463},
      {37, 0, 468},
      {40, 0, 471},
      {33, kAlt | kShift, 476},
      {40, kCtrl | kAlt | kShift, 513},
      {9, kCtrl, 319},
      {9, kShift, 320},
      {9, kCtrl | kShift, 321},
      {9, kCtrl | kAlt, 322},
      {9, kCtrl | kAlt | kShift, 323},
      {46, kCtrl, 345},
      {46, kAlt | kShift, 349},
      {190, kCtrl, 364},
      {188, kCtrl | kShift, 372},
      {192, kCtrl | kAlt | kShift, 429},
      {111, 0, 430},
      {111, kShift, 433},
      {107, kCtrl | kAlt | kShift, 461},
      {96, 0, 514},
      {101, kShift, 534},  // Shift does not count on keypad digits
      {105, kCtrl | kAlt | kShift, 553},
      {27, 0, 698},
  };
  for (const auto& c : cases) EXPECT_EQ(Key(c.vk, c.mods), c.code) << c.vk << " " << c.mods;
  EXPECT_EQ(Mouse(kMouseLeft, 0), 699);
  EXPECT_EQ(Mouse(kMouseLeft, kCtrl | kShift), 703);
  EXPECT_EQ(Mouse(kMouseLeft, kAlt | kShift), 705);
  EXPECT_EQ(Mouse(kMouseRight, kShift), 707);
  EXPECT_EQ(Mouse(kMouseMiddle, kCtrl | kAlt | kShift), 718);
  EXPECT_EQ(Mouse(kMouseMiddle, kAlt | kShift), 719);
}

TEST(HotkeyNumberTest, CombinationsThatBelongToTypingOrToWindowsHaveNoCode) {
  const struct {
    int vk, mods;
  } cases[] = {
      {46, kCtrl | kAlt},
      {46, kCtrl | kAlt | kShift},  // Ctrl+Alt+Delete
      {9, 0},
      {9, kAlt},
      {9, kAlt | kShift},
      {'A', 0},
      {'A', kShift},
      {'7', 0},
      {'7', kShift},
      {13, 0},
      {8, 0},
      {32, 0},
      {190, 0},
      {190, kShift},
      {27, kCtrl},
      {27, kAlt},
      {27, kShift},
      {27, kWin},
      {36, kWin},
      {96, kWin | kCtrl},  // only letters, digits, F keys take Win
      {111, kWin},
      {124, kCtrl},  // F13
      {16, kCtrl},
      {0, kCtrl},
      {-1, kCtrl},
      {300, kCtrl},
  };
  for (const auto& c : cases) EXPECT_EQ(Key(c.vk, c.mods), -1) << c.vk << " " << c.mods;
  EXPECT_EQ(Mouse(0, kCtrl), -1);
  EXPECT_EQ(Mouse(4, 0), -1);
}

TEST(HotkeyNumberTest, WinCodesDecodeWithShiftUpAndOneOfCtrlOrAlt) {
  for (int code = 554; code < 698; ++code) {
    const HotkeyKey k = DecipherKey(code);
    EXPECT_TRUE(k.win) << code;
    EXPECT_FALSE(k.shift) << code;
    EXPECT_EQ(k.ctrl, code >= 602 && code < 650) << code;
    EXPECT_EQ(k.alt, code >= 650) << code;
  }
}

TEST(HotkeyNumberTest, CodesOutsideTheTableDecodeToNothing) {
  for (const int code : {-1, 720, 10000, 20000}) {
    const HotkeyKey k = DecipherKey(code);
    EXPECT_EQ(k.vk, 0);
    EXPECT_EQ(k.mouseButton, 0);
    EXPECT_FALSE(k.ctrl || k.alt || k.shift || k.win);
  }
}

}  // namespace
}  // namespace quindle::hooklib
