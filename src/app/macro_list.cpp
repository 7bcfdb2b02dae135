#include "app/macro_list.h"

#include <algorithm>
#include <array>
#include <utility>

#include "activation/macro_names.h"
#include "app/settings.h"
#include "hooklib/hotkey_names.h"
#include "platform/text.h"

namespace quindle::app {
namespace {

constexpr char kComponentEnd = '\x01';
constexpr std::size_t kScopeKeyChars = 20;

constexpr std::array<std::string_view, 3> kActivationPrefix{"AAAA", "AAAz", "AAz"};
constexpr std::array<std::string_view, 5> kScopePrefix{"AAAAAA", "AAAAAz", "AAAAz", "AAAz", "AAz"};

// The 1-based rank of `kind` (1..n) in `order`; a kind outside 1..n ranks last.
std::size_t Rank(std::string_view order, int kind, std::size_t n) {
  if (kind < 1 || kind > static_cast<int>(n)) return n;
  if (!IsPermutationOfDigits(order, n)) return static_cast<std::size_t>(kind);
  return order.find(static_cast<char>('0' + kind)) + 1;
}

int ActivationKind(std::uint16_t hotkeyNumber) {
  if (hotkeyNumber == storage::kActivationTyplet) return 2;
  if (hotkeyNumber == storage::kActivationTimed) return 3;
  return 1;
}

std::string ActivationKey(const MacroListEntry& e, std::string_view order) {
  const int kind = ActivationKind(e.hotkeyNumber);
  std::string key(kActivationPrefix[Rank(order, kind, kActivationPrefix.size()) - 1]);
  if (kind == 1) key += hooklib::HotkeyName(e.hotkeyNumber);
  if (kind == 2) key += platform::UpperAToZ(e.typletName);
  return key;
}

std::string ScopeKey(const MacroListEntry& e, std::string_view order) {
  std::string key(kScopePrefix[Rank(order, e.scopeKind, kScopePrefix.size()) - 1]);
  if (e.scopeKind == storage::ScopeWindow || e.scopeKind == storage::ScopeProgram)
    key += platform::UpperAToZ(std::string_view(e.scopeText).substr(0, kScopeKeyChars));
  return key;
}

// Rows low..high by their keys; the index moves with the keys.
void QuickSort(std::vector<std::string>& keys, std::vector<int>& index, int low, int high) {
  int i = low;
  int j = high;
  const std::string pivot = keys[static_cast<std::size_t>((low + high) / 2)];
  do {
    while (keys[static_cast<std::size_t>(i)] < pivot) ++i;
    while (pivot < keys[static_cast<std::size_t>(j)]) --j;
    if (i <= j) {
      std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)]);
      std::swap(index[static_cast<std::size_t>(i)], index[static_cast<std::size_t>(j)]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (low < j) QuickSort(keys, index, low, j);
  if (i < high) QuickSort(keys, index, i, high);
}

}  // namespace

std::optional<MacroSnapshot> TakeSnapshot(storage::TableLock& lock,
                                          const storage::MacroIndex& index) {
  const storage::TableGuard guard(lock);
  if (!guard) return std::nullopt;
  const storage::SharedMacroTable& table = guard.Table();
  const std::size_t count = table.SafeCount();
  MacroSnapshot macros(count);
  for (std::size_t slot = 0; slot < count; ++slot) {
    const int n = static_cast<int>(slot) + 1;
    MacroListEntry& e = macros[slot];
    e.hotkeyNumber = table.HotkeyNumber[slot];
    e.typletName = index.TypletName(n);
    e.name = index.Name(n);
    e.scopeKind = table.ScopeKind[slot];
    e.scopeText = table.ScopeText[slot].View();
    e.enabled = table.Enabled[slot];
    e.topMostOnly = table.TopMostOnly[slot];
  }
  return macros;
}

MacroSnapshot SnapshotOfRecords(std::span<const storage::MacroRecord> records) {
  MacroSnapshot macros;
  macros.reserve(records.size());
  for (const storage::MacroRecord& r : records)
    macros.push_back({r.HotkeyNumber.Get(), std::string(r.TypletName.View()),
                      std::string(r.Name.View()), r.ScopeKind.Get(),
                      std::string(r.ScopeText.View()), r.Enabled, r.TopMostOnly});
  return macros;
}

std::string SortKey(const MacroListEntry& entry, const SortSettings& sort) {
  const std::string_view primary = IsPermutationOfDigits(sort.primary, 3) ? sort.primary : "123";
  std::string key;
  for (const char component : primary) {
    if (component == '1') key += ActivationKey(entry, sort.activation);
    if (component == '2') key += platform::UpperAToZ(entry.name);
    if (component == '3') key += ScopeKey(entry, sort.scope);
    key += kComponentEnd;
  }
  return key;
}

std::vector<int> SortIndex(const MacroSnapshot& macros, const SortSettings& sort) {
  std::vector<int> index(macros.size());
  for (std::size_t i = 0; i < index.size(); ++i) index[i] = static_cast<int>(i) + 1;
  if (macros.size() > 1) {
    std::vector<std::string> keys;
    keys.reserve(macros.size());
    for (const MacroListEntry& e : macros) keys.push_back(SortKey(e, sort));
    QuickSort(keys, index, 0, static_cast<int>(macros.size()) - 1);
  }
  return index;
}

void MacroList::Refill(MacroSnapshot macros, const SortSettings& sort) {
  macros_ = std::move(macros);
  index_ = SortIndex(macros_, sort);
  search_.clear();
  search_.reserve(index_.size());
  for (const int n : index_) {
    const MacroListEntry& e = macros_[static_cast<std::size_t>(n) - 1];
    search_.push_back(
        platform::UpperAToZ(activation::ActivationName(e.hotkeyNumber, e.typletName)));
  }
}

bool MacroList::Refill(storage::TableLock& lock, const storage::MacroIndex& index,
                       const SortSettings& sort) {
  std::optional<MacroSnapshot> macros = TakeSnapshot(lock, index);
  if (!macros) return false;
  Refill(std::move(*macros), sort);
  return true;
}

int MacroList::MacroAt(int row) const noexcept {
  return row >= 1 && row <= Count() ? index_[static_cast<std::size_t>(row) - 1] : 0;
}

int MacroList::ReverseSort(int macroNumber) const noexcept {
  for (std::size_t i = 0; i < index_.size(); ++i)
    if (index_[i] == macroNumber) return static_cast<int>(i) + 1;
  return -1;
}

const MacroListEntry* MacroList::EntryAt(int row) const noexcept {
  const int n = MacroAt(row);
  return n == 0 ? nullptr : &macros_[static_cast<std::size_t>(n) - 1];
}

std::string MacroList::CellText(int row, int column) const {
  static constexpr std::array<std::string_view, kListColumns> kTitles{"", "Activation", "Nickname",
                                                                      "Scope"};
  if (column < 0 || column >= kListColumns) return {};
  if (row == 0) return std::string(kTitles[static_cast<std::size_t>(column)]);
  const MacroListEntry* e = EntryAt(row);
  if (e == nullptr) return {};
  switch (column) {
    case 0:
      return std::to_string(row);
    case 1:
      return activation::ActivationName(e->hotkeyNumber, e->typletName);
    case 2:
      return e->name;
    default:
      return activation::ScopeName(e->scopeKind, e->scopeText);
  }
}

bool MacroList::RowDisabled(int row) const noexcept {
  const MacroListEntry* e = EntryAt(row);
  return e != nullptr && !e->enabled;
}

std::string_view MacroList::SearchText(int row) const noexcept {
  return row >= 1 && row <= Count() ? std::string_view(search_[static_cast<std::size_t>(row) - 1])
                                    : std::string_view();
}

}  // namespace quindle::app
