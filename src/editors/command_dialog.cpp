#include "editors/command_dialog.h"

#include <charconv>

#include "platform/text.h"

namespace quindle::editors {
namespace {

// Nine digits keep every value inside a 32-bit int and far beyond any field's width.
constexpr std::size_t kMostDigits = 9;
constexpr double kLargestReal = 999999999.0;

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

// The sign at the front of `text`, removed from it; true for "-".
bool TakeSign(std::string_view& text) noexcept {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
  const bool negative = text.front() == '-';
  text.remove_prefix(1);
  return negative;
}

// The digits at the front of `text`, removed from it.
std::string_view TakeDigits(std::string_view& text) noexcept {
  std::size_t count = 0;
  while (count < text.size() && IsDigit(text[count])) ++count;
  const std::string_view digits = text.substr(0, count);
  text.remove_prefix(count);
  return digits;
}

// "ddd.ddd" without its sign: whole and fraction digits, both possibly empty.
double DecimalValue(std::string_view whole, std::string_view fraction) {
  const std::string text = std::string(whole.empty() ? "0" : whole) + "." +
                           std::string(fraction.empty() ? "0" : fraction);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return value;
}

int DigitsValue(std::string_view digits) noexcept {
  int value = 0;
  for (const char c : digits.substr(0, kMostDigits)) value = value * 10 + (c - '0');
  return value;
}

}  // namespace

std::string Trimmed(std::string_view text) {
  return std::string(platform::Trim(text, platform::kBlanks));
}

std::string Limited(std::string_view text, std::size_t limit) {
  return Trimmed(text).substr(0, limit);
}

std::optional<int> ReadInteger(std::string_view text) {
  const bool negative = TakeSign(text);
  const std::string_view digits = TakeDigits(text);
  if (digits.empty() || !text.empty()) return std::nullopt;
  const std::size_t first = digits.find_first_not_of('0');
  if (first != std::string_view::npos && digits.size() - first > kMostDigits) return std::nullopt;
  const int value = DigitsValue(first == std::string_view::npos ? "0" : digits.substr(first));
  return negative ? -value : value;
}

std::optional<double> ReadReal(std::string_view text) {
  const bool negative = TakeSign(text);
  const std::string_view whole = TakeDigits(text);
  std::string_view fraction;
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    fraction = TakeDigits(text);
  }
  if ((whole.empty() && fraction.empty()) || !text.empty()) return std::nullopt;
  const double value = DecimalValue(whole, fraction);
  if (value > kLargestReal) return std::nullopt;
  return negative ? -value : value;
}

int LeadingInteger(std::string_view text) {
  const bool negative = TakeSign(text);
  std::string_view digits = TakeDigits(text);
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  const int value = DigitsValue(digits);
  return negative ? -value : value;
}

double LeadingReal(std::string_view text) {
  const bool negative = TakeSign(text);
  std::string_view whole = TakeDigits(text);
  while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
  std::string_view fraction;
  if (!text.empty() && text.front() == '.') {
    text.remove_prefix(1);
    fraction = TakeDigits(text);
  }
  const double value = DecimalValue(whole.substr(0, kMostDigits), fraction.substr(0, kMostDigits));
  return negative ? -value : value;
}

bool AllDigits(std::string_view text) noexcept {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

std::optional<std::string> ExistingShortPath(IPathChecks& checks, std::string_view path) {
  if (path.empty()) return std::nullopt;
  std::optional<std::string> shortPath = checks.ShortPath(path);
  if (!shortPath || shortPath->empty() || !checks.FileExists(*shortPath)) return std::nullopt;
  return shortPath;
}

bool HoldsTagEnd(std::string_view text) noexcept {
  return text.find('>') != std::string_view::npos;
}

CommandResult StringCommand(int command, std::string text) {
  CommandResult result;
  result.kind = 1;
  result.command = command;
  result.data = StringData{std::move(text)};
  result.text = CommandTag(result.command, result.data);
  return result;
}

std::string FieldText(int value) {
  return std::to_string(value);
}

}  // namespace quindle::editors
