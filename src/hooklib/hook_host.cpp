#include "hooklib/hook_host.h"

#include <charconv>

namespace quindle::hooklib {
namespace {

bool IsBlank(char c) noexcept {
  return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::uint32_t> ParseHostProcessId(std::string_view arguments) noexcept {
  while (!arguments.empty() && IsBlank(arguments.front())) arguments.remove_prefix(1);
  while (!arguments.empty() && IsBlank(arguments.back())) arguments.remove_suffix(1);
  // from_chars would take a leading minus sign; an id has none.
  if (arguments.empty() || arguments.front() < '0' || arguments.front() > '9') return {};
  std::uint32_t id = 0;
  const char* end = arguments.data() + arguments.size();
  const auto [stop, error] = std::from_chars(arguments.data(), end, id);
  if (error != std::errc() || stop != end || id == 0) return {};
  return id;
}

std::string HostArguments(std::uint32_t processId) {
  return std::to_string(processId);
}

std::string HostStopEventName(std::uint32_t processId) {
  return "QNHK32STOP" + std::to_string(processId);
}

}  // namespace quindle::hooklib
