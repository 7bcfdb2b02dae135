// The main window's macro list apart from any window: which macro each display row shows, in the
// order the three sort settings give, and the text of every cell. The list is rebuilt from a
// snapshot of the macros taken under the table lock in one go, so it never holds the lock while
// it sorts or while the grid draws.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/macro_record.h"
#include "storage/macro_store.h"
#include "storage/table_lock.h"

namespace quindle::app {

// One macro as the list needs it.
struct MacroListEntry {
  std::uint16_t hotkeyNumber = 0;
  std::string typletName;
  std::string name;
  std::int16_t scopeKind = 0;
  std::string scopeText;
  bool enabled = false;
  bool topMostOnly = false;  // a window or program scope: only when it is in front
};

// The macros by MacroNumber: element n - 1 is macro n.
using MacroSnapshot = std::vector<MacroListEntry>;

// Copies every loaded macro out of the table and the index under one hold of the lock; nothing
// when the lock could not be taken.
std::optional<MacroSnapshot> TakeSnapshot(storage::TableLock& lock,
                                          const storage::MacroIndex& index);
// The same from whole records, for tools that read a macro file without a table.
MacroSnapshot SnapshotOfRecords(std::span<const storage::MacroRecord> records);

// The three sort settings as stored: "Primary Sort" (1 Activation, 2 Nickname, 3 Scope),
// "Activation Sort" (1 hot key, 2 Typlet, 3 timed) and "Scope Sort" (1 global, 2 window,
// 3 program, 4 popup menu, 5 system). A text that is not a permutation of its digits counts as
// the default order.
struct SortSettings {
  std::string_view primary = "123";
  std::string_view activation = "123";
  std::string_view scope = "12345";
};

// The full sort key of one macro: its activation, nickname and scope keys in the primary order.
// The components are kept apart by a byte below every character, so that a shorter nickname that
// begins a longer one always comes first, whatever follows it.
std::string SortKey(const MacroListEntry& entry, const SortSettings& sort);

// The MacroNumbers in display order: the recursive quicksort over the sort keys.
std::vector<int> SortIndex(const MacroSnapshot& macros, const SortSettings& sort);

inline constexpr int kListColumns = 4;

class MacroList {
 public:
  // Rebuilds the rows from `macros`.
  void Refill(MacroSnapshot macros, const SortSettings& sort);
  // FillList: takes the snapshot and rebuilds; false (the rows unchanged) when the table could not
  // be locked.
  bool Refill(storage::TableLock& lock, const storage::MacroIndex& index, const SortSettings& sort);

  int Count() const noexcept { return static_cast<int>(index_.size()); }
  // The grid's rows: the title row 0 and one row per macro.
  int RowCount() const noexcept { return Count() + 1; }
  // The MacroNumber shown in row `row` (1..Count()); 0 for any other row.
  int MacroAt(int row) const noexcept;
  // ReverseSort: the row showing macro `macroNumber`; -1 when it is not in the list.
  int ReverseSort(int macroNumber) const noexcept;
  // The macro of row `row`, nullptr outside 1..Count().
  const MacroListEntry* EntryAt(int row) const noexcept;
  // Row 0: "", "Activation", "Nickname", "Scope"; other rows the row number, the activation,
  // the nickname and the scope. "" outside the grid.
  std::string CellText(int row, int column) const;
  // The row's macro is deactivated (drawn in italic and grey).
  bool RowDisabled(int row) const noexcept;
  // What type-ahead compares with: the activation text upper-cased ("TIMED MACRO").
  std::string_view SearchText(int row) const noexcept;
  // The display order, MacroNumbers.
  const std::vector<int>& Order() const noexcept { return index_; }

 private:
  MacroSnapshot macros_;
  std::vector<int> index_;
  std::vector<std::string> search_;
};

}  // namespace quindle::app
