#include "activation/typlet_options.h"

#include "platform/text.h"

namespace quindle::activation {

TypletOptionsForm FormOfTypletOptions(const TypletOptions& options) {
  return {options.solitaryUsage, options.caseSensitive, !options.useSuffix, options.prefixKeys};
}

std::optional<std::string_view> CheckPrefixKeys(std::string_view text) {
  for (const char c : platform::Trim(text, " ")) {
    if (!IsTypletCharacter(c)) return kInvalidPrefixMessage;
  }
  return std::nullopt;
}

TypletOptionsResult AcceptTypletOptions(const TypletOptionsForm& form) {
  TypletOptionsResult result;
  std::string prefix = form.prefixKeys;
  if (form.usePrefixKeys) {
    if (const std::optional<std::string_view> message = CheckPrefixKeys(prefix)) {
      result.message = *message;
      result.title = kTypletOptionsErrorTitle;
      return result;
    }
    prefix = std::string(platform::Trim(prefix, " "));
    if (prefix.size() > kTypletPrefixMax) prefix.resize(kTypletPrefixMax);
  }
  result.options =
      TypletOptions{form.solitaryUsage, form.caseSensitive, !form.usePrefixKeys, std::move(prefix)};
  return result;
}

}  // namespace quindle::activation
