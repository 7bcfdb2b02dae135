// The editing core that the two direct editors share ("Enter Keystrokes" and "Modify Hot Key"):
// a memo holding MacroText, and buttons, menu entries and lists that insert key tags at the
// caret without ever letting the text pass 5000 characters.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quindle::editors {

inline constexpr std::string_view kTextTooLong = "Text exceeds maximum length.  Text not added.";

struct KeyButton {
  std::string_view button;     // the button's caption
  std::string_view menuEntry;  // the same key in the "&Keys" or "FKe&ys" menu
  std::string_view tag;
};

// The key buttons, in the order of the dialog; F1..F12 last.
extern const std::array<KeyButton, 30> kKeyButtons;

struct MiscKey {
  std::string_view name;
  std::string_view tag;
};

// The "Miscellaneous" list, in its order.
extern const std::array<MiscKey, 38> kMiscKeys;

// The memo's text and caret, and insertion at the caret.
class KeystrokeMemo {
 public:
  explicit KeystrokeMemo(std::string text = {}) : text_(std::move(text)) {}

  const std::string& Text() const noexcept { return text_; }
  std::size_t Caret() const noexcept { return caret_; }
  // What the memo control reports after the user typed or moved the caret.
  void Set(std::string text, std::size_t caret);

  // True when `added` more characters keep the text within 5000.
  bool CheckSize(std::size_t added) const noexcept;
  // Inserts `text` at the caret (a selection is not replaced) and puts the caret after it.
  // kTextTooLong, with nothing changed, when it would not fit.
  std::optional<std::string_view> SetIt(std::string_view text);

 private:
  std::string text_;
  std::size_t caret_ = 0;
};

// The memo text as stored on "&Update": every tab character becomes "<TAB>", and the text is
// cut to 5000 characters (`truncated` says so, for the message).
std::string StoredKeystrokes(std::string_view memo, bool& truncated);

}  // namespace quindle::editors
