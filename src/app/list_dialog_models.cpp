#include "app/list_dialog_models.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "platform/text.h"

namespace quindle::app {
namespace {

constexpr std::array<std::size_t, kSortListCount> kListSizes{3, 3, 5};
constexpr std::array<std::string_view, kSortListCount> kDefaultOrders{"123", "123", "12345"};

std::string_view NameOf(SortList list, char digit) {
  const auto i = static_cast<std::size_t>(digit - '1');
  switch (list) {
    case SortList::Primary:
      return kPrimarySortNames[i];
    case SortList::Activation:
      return kActivationSortNames[i];
    default:
      return kScopeSortNames[i];
  }
}

std::optional<int> WholeNumberAboveZero(std::string_view typed) {
  const std::string_view text = platform::Trim(typed, platform::kBlanks);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value <= 0 || value > kMaxColumnWidth) return std::nullopt;
  return value;
}

}  // namespace

SortOrderModel::SortOrderModel(const SortOrders& current) {
  const std::array<const std::string*, kSortListCount> given{&current.primary, &current.activation,
                                                             &current.scope};
  for (std::size_t i = 0; i < kSortListCount; ++i)
    orders_[i] = IsPermutationOfDigits(*given[i], kListSizes[i]) ? *given[i]
                                                                 : std::string(kDefaultOrders[i]);
}

std::vector<std::string_view> SortOrderModel::Names(SortList list) const {
  std::vector<std::string_view> names;
  for (const char digit : Order(list)) names.push_back(NameOf(list, digit));
  return names;
}

int SortOrderModel::MoveUp(SortList list, int row) {
  std::string& order = Order(list);
  if (row < 1 || row >= static_cast<int>(order.size())) return row;
  std::swap(order[static_cast<std::size_t>(row)], order[static_cast<std::size_t>(row) - 1]);
  return row - 1;
}

int SortOrderModel::MoveDown(SortList list, int row) {
  std::string& order = Order(list);
  if (row < 0 || row + 1 >= static_cast<int>(order.size())) return row;
  std::swap(order[static_cast<std::size_t>(row)], order[static_cast<std::size_t>(row) + 1]);
  return row + 1;
}

SortOrders SortOrderModel::Result() const {
  return {orders_[0], orders_[1], orders_[2]};
}

void ApplySortOrders(const SortOrders& orders, Settings& settings) {
  settings.primarySort = orders.primary;
  settings.activationSort = orders.activation;
  settings.scopeSort = orders.scope;
}

SortOrders SortOrdersOf(const Settings& settings) {
  return {settings.primarySort, settings.activationSort, settings.scopeSort};
}

AppearanceForm AppearanceFormOf(const Settings& settings) {
  AppearanceForm form;
  form.widths = {std::to_string(settings.col1Width), std::to_string(settings.col2Width),
                 std::to_string(settings.col3Width)};
  form.useSpeed = settings.useSpeed;
  form.titleFont = settings.gridTitleFont;
  form.rowFont = settings.gridFont;
  return form;
}

editors::DialogOutcome<AppearanceField, AppearanceChoice> AcceptAppearance(
    const AppearanceForm& form) {
  AppearanceChoice choice;
  for (std::size_t i = 0; i < form.widths.size(); ++i) {
    const std::optional<int> width = WholeNumberAboveZero(form.widths[i]);
    if (!width)
      return editors::Refusal<AppearanceField, AppearanceChoice>(kInvalidWidth,
                                                                 static_cast<AppearanceField>(i));
    choice.widths[i] = *width;
  }
  choice.useSpeed = form.useSpeed;
  choice.titleFont = form.titleFont;
  choice.rowFont = form.rowFont;
  editors::DialogOutcome<AppearanceField, AppearanceChoice> outcome;
  outcome.result = choice;
  return outcome;
}

void ApplyAppearance(const AppearanceChoice& choice, Settings& settings) {
  settings.col1Width = choice.widths[0];
  settings.col2Width = choice.widths[1];
  settings.col3Width = choice.widths[2];
  settings.useSpeed = choice.useSpeed;
  settings.gridTitleFont = choice.titleFont;
  settings.gridFont = choice.rowFont;
}

}  // namespace quindle::app
