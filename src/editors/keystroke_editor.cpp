#include "editors/keystroke_editor.h"

#include <algorithm>

#include "storage/macro_record.h"

namespace quindle::editors {

const std::array<KeyButton, 30> kKeyButtons = {{
    {"S&hift", "S&hift", "<SHIFT>"},
    {"C&trl", "Con&trol", "<CTRL>"},
    {"Alt", "&Alt", "<ALT>"},
    {"Space", "Spa&ce", "<SPACE>"},
    {"Ta&b", "Ta&b", "<TAB>"},
    {"Backspace", "Bac&kspace", "<BACKSPACE>"},
    {"E&nter", "E&nter", "<ENTER>"},
    {"E&sc", "E&sc", "<ESC>"},
    {"Pa&ge Up", "Pa&ge Up", "<PAGE UP>"},
    {"Page Do&wn", "Page Do&wn", "<PAGE DOWN>"},
    {"&Insert", "&Insert", "<INSERT>"},
    {"&Delete", "&Delete", "<DELETE>"},
    {"Ho&me", "Ho&me", "<HOME>"},
    {"End", "&End", "<END>"},
    {"U&p Arrow", "U&p Arrow", "<UP ARROW>"},
    {"D&own Arrow", "D&own Arrow", "<DOWN ARROW>"},
    {"&Left Arrow", "&Left Arrow", "<LEFT ARROW>"},
    {"&Right Arrow", "&Right Arrow", "<RIGHT ARROW>"},
    {"F1", "F&1", "<F1>"},
    {"F2", "F&2", "<F2>"},
    {"F3", "F&3", "<F3>"},
    {"F4", "F&4", "<F4>"},
    {"F5", "F&5", "<F5>"},
    {"F6", "F&6", "<F6>"},
    {"F7", "F&7", "<F7>"},
    {"F8", "F&8", "<F8>"},
    {"F9", "F&9", "<F9>"},
    {"F10", "&F10", "<F10>"},
    {"F11", "F11", "<F11>"},
    {"F12", "F12", "<F12>"},
}};

const std::array<MiscKey, 38> kMiscKeys = {{
    {"Left Window", "<LEFTWIN>"},
    {"Right Window", "<RIGHTWIN>"},
    {"Application", "<APP>"},
    {"F13", "<F13>"},
    {"F14", "<F14>"},
    {"F15", "<F15>"},
    {"F16", "<F16>"},
    {"F17", "<F17>"},
    {"F18", "<F18>"},
    {"F19", "<F19>"},
    {"F20", "<F20>"},
    {"F21", "<F21>"},
    {"F22", "<F22>"},
    {"F23", "<F23>"},
    {"F24", "<F24>"},
    {"Attn", "<ATTN>"},
    {"CrSel", "<CRSEL>"},
    {"ExSel", "<EXSEL>"},
    {"Erase EOF", "<EREOF>"},
    {"Play", "<PLAY>"},
    {"Zoom", "<ZOOM>"},
    {"PA1", "<PA1>"},
    {"Keypad 0", "<KEYP0>"},
    {"Keypad 1", "<KEYP1>"},
    {"Keypad 2", "<KEYP2>"},
    {"Keypad 3", "<KEYP3>"},
    {"Keypad 4", "<KEYP4>"},
    {"Keypad 5", "<KEYP5>"},
    {"Keypad 6", "<KEYP6>"},
    {"Keypad 7", "<KEYP7>"},
    {"Keypad 8", "<KEYP8>"},
    {"Keypad 9", "<KEYP9>"},
    {"Keypad .", "<KEYP.>"},
    {"Keypad /", "<KEYP/>"},
    {"Keypad *", "<KEYP*>"},
    {"Keypad -", "<KEYP->"},
    {"Keypad +", "<KEYP+>"},
    {"Print Screen", "<PRTSCR>"},
}};

void KeystrokeMemo::Set(std::string text, std::size_t caret) {
  text_ = std::move(text);
  caret_ = std::min(caret, text_.size());
}

bool KeystrokeMemo::CheckSize(std::size_t added) const noexcept {
  return text_.size() <= storage::kMacroTextMax && added <= storage::kMacroTextMax - text_.size();
}

std::optional<std::string_view> KeystrokeMemo::SetIt(std::string_view text) {
  if (!CheckSize(text.size())) return kTextTooLong;
  text_.insert(caret_, text);
  caret_ += text.size();
  return std::nullopt;
}

std::string StoredKeystrokes(std::string_view memo, bool& truncated) {
  std::string stored;
  stored.reserve(memo.size());
  for (const char c : memo) {
    if (c == '\t') {
      stored += "<TAB>";
    } else {
      stored += c;
    }
  }
  truncated = stored.size() > storage::kMacroTextMax;
  if (truncated) stored.resize(storage::kMacroTextMax);
  return stored;
}

}  // namespace quindle::editors
