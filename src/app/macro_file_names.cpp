#include "app/macro_file_names.h"

#include "platform/text.h"

namespace quindle::app {

bool IsMacroFileName(std::string_view path) noexcept {
  constexpr std::string_view kEnding = ".QNL";
  const std::size_t slash = path.find_last_of("\\/:");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (name.size() <= kEnding.size()) return false;
  const std::string_view ending = name.substr(name.size() - kEnding.size());
  for (std::size_t i = 0; i < kEnding.size(); ++i) {
    if (platform::UpperAToZ(ending[i]) != kEnding[i]) return false;
  }
  return true;
}

}  // namespace quindle::app
