#include "platform/text.h"

namespace quindle::platform {
namespace {

template <typename IsTrimmed>
std::string_view TrimIf(std::string_view text, IsTrimmed isTrimmed) noexcept {
  while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string UpperAToZ(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAToZ(c);
  return upper;
}

std::string_view Trim(std::string_view text, std::string_view characters) noexcept {
  return TrimIf(text,
                [characters](char c) { return characters.find(c) != std::string_view::npos; });
}

std::string_view TrimSpacesAndControls(std::string_view text) noexcept {
  return TrimIf(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace quindle::platform
