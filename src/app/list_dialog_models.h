// The two dialogs of the macro list's look and order, apart from any window: "Sort Order"
// (TSortOrder), three lists put in order with up and down, and "Appearance" (TDoAppear), the
// column widths, the kind of buttons and the two list fonts.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "editors/command_dialog.h"

namespace quindle::app {

inline constexpr std::string_view kSortOrderCaption = "Sort Order";
inline constexpr std::string_view kAppearanceCaption = "Appearance";

enum class SortList { Primary, Activation, Scope };
inline constexpr std::size_t kSortListCount = 3;

// The entries of each list, by their digit - 1.
inline constexpr std::array<std::string_view, 3> kPrimarySortNames{"Activation", "Nickname",
                                                                   "Scope"};
inline constexpr std::array<std::string_view, 3> kActivationSortNames{"Hot Key", "Typlet",
                                                                      "Timed Macro"};
inline constexpr std::array<std::string_view, 5> kScopeSortNames{
    "Global", "Specific Window", "Specific Program", "PopUp Menu", "System"};

struct SortOrders {
  std::string primary;
  std::string activation;
  std::string scope;
  bool operator==(const SortOrders&) const = default;
};

class SortOrderModel {
 public:
  // Each list in the order its setting gives; a setting that is not a permutation of its digits
  // starts in the default order.
  explicit SortOrderModel(const SortOrders& current);

  // The entries of `list`, top first.
  std::vector<std::string_view> Names(SortList list) const;
  // Moves the entry at `row` one place up or down; returns the row it is at afterwards (the same
  // row at the top or bottom, or for a row outside the list).
  int MoveUp(SortList list, int row);
  int MoveDown(SortList list, int row);
  // What "&Ok" writes back: each list as the digit string of its entries, top first.
  SortOrders Result() const;

 private:
  std::string& Order(SortList list) { return orders_[static_cast<std::size_t>(list)]; }
  const std::string& Order(SortList list) const { return orders_[static_cast<std::size_t>(list)]; }
  std::array<std::string, kSortListCount> orders_;
};

// Stores "&Ok"'s orders into the settings.
void ApplySortOrders(const SortOrders& orders, Settings& settings);
SortOrders SortOrdersOf(const Settings& settings);

inline constexpr std::string_view kInvalidWidth = "Invalid width specified.";
// A column is at most this wide; the fields take four digits.
inline constexpr int kMaxColumnWidth = 9999;
inline constexpr std::size_t kColumnWidthDigits = 4;

enum class AppearanceField { Col1Width, Col2Width, Col3Width };

struct AppearanceForm {
  std::array<std::string, 3> widths;  // as typed, columns 1..3
  bool useSpeed = false;
  FontSetting titleFont;
  FontSetting rowFont;
};

struct AppearanceChoice {
  std::array<int, 3> widths{};
  bool useSpeed = false;
  FontSetting titleFont;
  FontSetting rowFont;
  bool operator==(const AppearanceChoice&) const = default;
};

AppearanceForm AppearanceFormOf(const Settings& settings);
// "&Ok": each width a whole number above 0, else "Invalid width specified." (title "Error") on
// the first wrong field.
editors::DialogOutcome<AppearanceField, AppearanceChoice> AcceptAppearance(
    const AppearanceForm& form);
void ApplyAppearance(const AppearanceChoice& choice, Settings& settings);

}  // namespace quindle::app
