// What "Keyboard Remapper" (`TDoSwapKeys`) and "Select Character" (`TDoSwapSpecial`) show and
// do, apart from their windows. The remapper lists the remappable characters in four groups,
// each character beside the one it types instead; a choice goes into the remap block at once,
// where the message-retrieval hook may already be reading it. "Select Character" lays out the
// characters 32 .. 255 in 8 rows of 28 and moves its selection by the keys a user expects.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "storage/macro_record.h"

namespace quindle::activation {

inline constexpr std::string_view kSwapKeysCaption = "Keyboard Remapper";
inline constexpr std::string_view kSwapSpecialCaption = "Select Character";
// A slot holding 0: the hook leaves the character as it is.
inline constexpr std::string_view kNoReplacementText = "none";
// The space would show as an empty cell, which reads like no character at all.
inline constexpr std::string_view kSpaceText = "Space";

// The remapper's grids, in the order the dialog shows them.
enum class RemapGroup { Upper, Lower, Punctuation, Numeric };
inline constexpr std::array<RemapGroup, 4> kRemapGroups{
    RemapGroup::Upper, RemapGroup::Lower, RemapGroup::Punctuation, RemapGroup::Numeric};

struct RemapGroupInfo {
  std::string_view title;
  std::size_t firstSlot;  // in the block's and the file's order
  int rows;
};
RemapGroupInfo InfoOf(RemapGroup group) noexcept;

// A character as a cell shows it.
std::string CharacterCellText(std::uint8_t character);

struct ReplacementCell {
  std::string text;
  bool bold = false;  // a character is bold, "none" is not
  bool operator==(const ReplacementCell&) const = default;
};

class SwapKeysModel {
 public:
  // In browse mode the mapping is only shown.
  SwapKeysModel(storage::RemapBlock& block, bool browse) : block_(block), browse_(browse) {}

  // Rows count from 0 within their group; a row the group lacks shows nothing.
  std::string KeyText(RemapGroup group, int row) const;
  ReplacementCell Replacement(RemapGroup group, int row) const;
  // The character the row's key types now (0: its own).
  std::uint8_t Current(RemapGroup group, int row) const;
  bool CanEdit() const { return !browse_; }
  // Writes `character` into the row's slot of the block and marks the mapping changed; false,
  // with nothing written, in browse mode or for a row the group lacks.
  bool Choose(RemapGroup group, int row, std::uint8_t character);
  bool Changed() const { return changed_; }
  // The row whose key is `typed`, -1 when the group has no such key.
  static int RowOf(RemapGroup group, char typed);

 private:
  static bool Valid(RemapGroup group, int row);
  static std::size_t SlotOf(RemapGroup group, int row);

  storage::RemapBlock& block_;
  bool browse_;
  bool changed_ = false;
};

// ---- "Select Character"
inline constexpr int kSpecialColumns = 28;
inline constexpr int kSpecialRows = 8;
inline constexpr int kSpecialCells = kSpecialColumns * kSpecialRows;
inline constexpr int kFirstSpecial = 32;

enum class SpecialMove { Left, Right, Up, Down, RowStart, RowEnd, ColumnTop, ColumnBottom };

// Cells count from 0, row by row: cell = row * 28 + column, character = cell + 32.
std::uint8_t SpecialCharacterAt(int cell) noexcept;
// The cell of `character`; a character below 32 (0 included, "none") starts on the first.
int SpecialCellOf(std::uint8_t character) noexcept;
// Where the selection goes from `cell`; it stops at the edges. Left and Right run on across the
// ends of the rows, in reading order.
int MovedSpecialCell(int cell, SpecialMove move) noexcept;
// The cell under the point (x, y) of a `width` x `height` area split evenly into the cells; -1
// outside it.
int SpecialCellAt(int x, int y, int width, int height) noexcept;
// What the line under the chart says of the selected character.
std::string SpecialCellCaption(std::uint8_t character);

struct ScreenBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};
// Where a `width` x `height` "Select Character" opens beside the remapper's `cell`: to its
// right, tops aligned; to its left when the right has no room in `work` (the work area); and
// always inside `work` as far as it fits.
ScreenPoint SpecialDialogPlace(const ScreenBox& cell, int width, int height,
                               const ScreenBox& work) noexcept;

}  // namespace quindle::activation
