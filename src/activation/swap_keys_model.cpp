#include "activation/swap_keys_model.h"

#include "activation/key_remap.h"

namespace quindle::activation {

RemapGroupInfo InfoOf(RemapGroup group) noexcept {
  switch (group) {
    case RemapGroup::Upper:
      return {"Upper Case", 0, 26};
    case RemapGroup::Lower:
      return {"Lower Case", 26, 26};
    case RemapGroup::Punctuation:
      return {"Punctuation", 62, 31};
    case RemapGroup::Numeric:
      break;
  }
  return {"Numeric", 52, 10};
}

std::string CharacterCellText(std::uint8_t character) {
  if (character == ' ') return std::string(kSpaceText);
  return std::string(1, static_cast<char>(character));
}

bool SwapKeysModel::Valid(RemapGroup group, int row) {
  return row >= 0 && row < InfoOf(group).rows;
}

std::size_t SwapKeysModel::SlotOf(RemapGroup group, int row) {
  return InfoOf(group).firstSlot + static_cast<std::size_t>(row);
}

std::string SwapKeysModel::KeyText(RemapGroup group, int row) const {
  if (!Valid(group, row)) return {};
  return CharacterCellText(static_cast<std::uint8_t>(RemapSlotCharacter(SlotOf(group, row))));
}

ReplacementCell SwapKeysModel::Replacement(RemapGroup group, int row) const {
  if (!Valid(group, row)) return {};
  const std::uint8_t current = Current(group, row);
  if (current == 0) return {std::string(kNoReplacementText), false};
  return {CharacterCellText(current), true};
}

std::uint8_t SwapKeysModel::Current(RemapGroup group, int row) const {
  if (!Valid(group, row)) return 0;
  return RemapSlots(block_)[SlotOf(group, row)];
}

bool SwapKeysModel::Choose(RemapGroup group, int row, std::uint8_t character) {
  if (browse_ || !Valid(group, row)) return false;
  SetRemapSlot(block_, SlotOf(group, row), character);
  changed_ = true;
  return true;
}

int SwapKeysModel::RowOf(RemapGroup group, char typed) {
  const RemapGroupInfo info = InfoOf(group);
  for (int row = 0; row < info.rows; ++row) {
    if (RemapSlotCharacter(SlotOf(group, row)) == typed) return row;
  }
  return -1;
}

std::uint8_t SpecialCharacterAt(int cell) noexcept {
  if (cell < 0 || cell >= kSpecialCells) return 0;
  return static_cast<std::uint8_t>(cell + kFirstSpecial);
}

int SpecialCellOf(std::uint8_t character) noexcept {
  return character < kFirstSpecial ? 0 : character - kFirstSpecial;
}

int MovedSpecialCell(int cell, SpecialMove move) noexcept {
  if (cell < 0 || cell >= kSpecialCells) return 0;
  const int column = cell % kSpecialColumns;
  switch (move) {
    case SpecialMove::Left:
      return cell > 0 ? cell - 1 : cell;
    case SpecialMove::Right:
      return cell + 1 < kSpecialCells ? cell + 1 : cell;
    case SpecialMove::Up:
      return cell >= kSpecialColumns ? cell - kSpecialColumns : cell;
    case SpecialMove::Down:
      return cell + kSpecialColumns < kSpecialCells ? cell + kSpecialColumns : cell;
    case SpecialMove::RowStart:
      return cell - column;
    case SpecialMove::RowEnd:
      return cell - column + kSpecialColumns - 1;
    case SpecialMove::ColumnTop:
      return column;
    case SpecialMove::ColumnBottom:
      break;
  }
  return (kSpecialRows - 1) * kSpecialColumns + column;
}

int SpecialCellAt(int x, int y, int width, int height) noexcept {
  if (width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return -1;
  const int column = x * kSpecialColumns / width;
  const int row = y * kSpecialRows / height;
  return row * kSpecialColumns + column;
}

std::string SpecialCellCaption(std::uint8_t character) {
  return "Character " + std::to_string(character) + ": " + CharacterCellText(character);
}

ScreenPoint SpecialDialogPlace(const ScreenBox& cell, int width, int height,
                               const ScreenBox& work) noexcept {
  ScreenPoint place{cell.right, cell.top};
  if (place.x + width > work.right && cell.left - width >= work.left) place.x = cell.left - width;
  // Pushed back inside from the far edges first, so the near ones win on a small screen.
  if (place.x + width > work.right) place.x = work.right - width;
  if (place.y + height > work.bottom) place.y = work.bottom - height;
  if (place.x < work.left) place.x = work.left;
  if (place.y < work.top) place.y = work.top;
  return place;
}

}  // namespace quindle::activation
