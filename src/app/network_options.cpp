#include "app/network_options.h"

#include <charconv>

namespace quindle::app {
namespace {

std::optional<int> MinutesOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 2) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value > kMaxDialogSyncMinutes) return std::nullopt;
  return value;
}

}  // namespace

NetworkForm FormOfNetwork(const Settings& settings) {
  return {settings.networkMode, settings.autoSync, std::to_string(settings.syncMinutes)};
}

NetworkResult AcceptNetworkForm(const NetworkForm& form) {
  const std::optional<int> minutes = MinutesOf(form.minutes);
  if (!minutes) return {std::nullopt, kSyncMinutesInvalid, NetworkField::Minutes};
  return {NetworkChoice{form.fileLocking, form.autoSync, *minutes}, {}, NetworkField::Minutes};
}

NetworkChoice ChoiceOnClose(const NetworkForm& form, const Settings& current) {
  return {form.fileLocking, form.autoSync, MinutesOf(form.minutes).value_or(current.syncMinutes)};
}

NetworkChanges ApplyNetworkChoice(const NetworkChoice& choice, Settings& settings) {
  const bool wasNetwork = settings.networkMode;
  const bool wasAutoSync = settings.autoSync;
  settings.networkMode = choice.networkMode;
  settings.syncMinutes = static_cast<std::uint16_t>(choice.minutes);
  settings.autoSync = choice.autoSync && choice.minutes != 0;
  NetworkChanges changes;
  changes.syncTimerOn = settings.networkMode && settings.autoSync;
  changes.resetSyncCount = settings.autoSync && !wasAutoSync;
  changes.prepareSync = settings.networkMode && !wasNetwork;
  return changes;
}

}  // namespace quindle::app
