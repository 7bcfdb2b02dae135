#include "platform/file_filter.h"

#include <cstddef>

namespace quindle::platform {

std::optional<std::string> MakeFileFilter(std::string_view text) {
  if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
  std::string filter;
  filter.reserve(text.size() + 2);
  std::size_t parts = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = text.find('|', start);
    const std::string_view part =
        text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
    if (part.empty()) return std::nullopt;
    filter.append(part);
    filter.push_back('\0');
    ++parts;
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  if (parts % 2 != 0) return std::nullopt;
  filter.push_back('\0');
  return filter;
}

}  // namespace quindle::platform
