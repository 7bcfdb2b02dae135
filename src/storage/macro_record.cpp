#include "storage/macro_record.h"

#include <algorithm>
#include <cstring>

namespace quindle::storage {

std::string_view MacroRecord::MacroText() const noexcept {
  const void* zero = std::memchr(TextArea, 0, kMacroTextMax);
  const std::size_t n =
      zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - TextArea) : kMacroTextMax;
  return {TextArea, n};
}

void MacroRecord::SetMacroText(std::string_view text) noexcept {
  const std::size_t n = std::min(text.size(), kMacroTextMax);
  std::memcpy(TextArea, text.data(), n);
  TextArea[n] = '\0';
}

std::size_t MacroRecord::MemberCount() const noexcept {
  const std::size_t count = static_cast<std::uint8_t>(TextArea[0]) |
                            (static_cast<std::size_t>(static_cast<std::uint8_t>(TextArea[1])) << 8);
  return std::min(count, kMaxPopupMembers);
}

std::uint16_t MacroRecord::Member(std::size_t i) const noexcept {
  if (i >= MemberCount()) return 0;
  const std::size_t at = 2 + 2 * i;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(TextArea[at]) |
                                    (static_cast<std::uint8_t>(TextArea[at + 1]) << 8));
}

void MacroRecord::SetMembers(std::span<const std::uint16_t> members) noexcept {
  const std::size_t n = std::min(members.size(), kMaxPopupMembers);
  TextArea[0] = static_cast<char>(n & 0xFF);
  TextArea[1] = static_cast<char>(n >> 8);
  for (std::size_t i = 0; i < n; ++i) {
    TextArea[2 + 2 * i] = static_cast<char>(members[i] & 0xFF);
    TextArea[3 + 2 * i] = static_cast<char>(members[i] >> 8);
  }
}

MacroRecord NewMacro(std::string_view name, std::int16_t scopeKind, std::string_view scopeText,
                     std::uint16_t hotkeyNumber, std::string_view text) noexcept {
  MacroRecord record{};
  record.Name.Assign(name);
  record.ScopeKind = scopeKind;
  record.ScopeText.Assign(scopeText);
  record.HotkeyNumber = hotkeyNumber;
  record.Enabled = true;
  record.SetMacroText(text);
  record.IconName.Assign("MAIN");
  return record;
}

}  // namespace quindle::storage
