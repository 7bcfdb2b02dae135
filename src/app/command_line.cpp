#include "app/command_line.h"

#include <cstddef>
#include <utility>

#include "platform/text.h"

namespace quindle::app {
namespace {

constexpr int kMinSyncMinutes = 1;
constexpr int kMaxSyncMinutes = 98;

// Only a number that is all digits counts; "/SM5x" is as unknown as "/SMx".
std::optional<int> WholeNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kMaxSyncMinutes) return std::nullopt;  // also keeps long runs from overflowing
  }
  return value;
}

}  // namespace

std::string_view SkipProgramName(std::string_view commandLine) {
  std::size_t at = 0;
  while (at < commandLine.size() && platform::IsBlank(commandLine[at])) ++at;
  if (at < commandLine.size() && commandLine[at] == '"') {
    const std::size_t close = commandLine.find('"', at + 1);
    at = close == std::string_view::npos ? commandLine.size() : close + 1;
  }
  while (at < commandLine.size() && !platform::IsBlank(commandLine[at])) ++at;
  while (at < commandLine.size() && platform::IsBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine,
                                          bool startsWithProgramName) {
  if (startsWithProgramName) commandLine = SkipProgramName(commandLine);
  std::vector<std::string> arguments;
  std::size_t at = 0;
  const std::size_t size = commandLine.size();
  while (true) {
    while (at < size && platform::IsBlank(commandLine[at])) ++at;
    if (at >= size) break;
    std::string argument;
    bool quoted = false;
    while (at < size && (quoted || !platform::IsBlank(commandLine[at]))) {
      const char c = commandLine[at];
      if (c == '\\') {
        std::size_t count = 0;
        while (at < size && commandLine[at] == '\\') {
          ++count;
          ++at;
        }
        if (at < size && commandLine[at] == '"') {
          argument.append(count / 2, '\\');
          if (count % 2 == 1) {
            argument += '"';
            ++at;
          }
        } else {
          argument.append(count, '\\');
        }
      } else if (c == '"') {
        if (quoted && at + 1 < size && commandLine[at + 1] == '"') {
          argument += '"';
          at += 2;
        } else {
          quoted = !quoted;
          ++at;
        }
      } else {
        argument += c;
        ++at;
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

void ProcessParam(std::string_view argument, Settings& settings, StartOptions& options) {
  const std::string upper = platform::UpperAToZ(argument);
  const std::string_view text = upper;
  if (text == "/HIDE") {
    options.hide = true;
  } else if (text == "/B") {
    options.browse = true;
  } else if (text == "/BA") {
    options.browseAll = true;
  } else if (text == "/S") {
    settings.autoSync = true;
  } else if (text == "/N") {
    settings.networkMode = true;
  } else if (text.starts_with("/SM")) {
    const std::optional<int> minutes = WholeNumber(text.substr(3));
    if (minutes && *minutes >= kMinSyncMinutes) {
      settings.syncMinutes = static_cast<std::uint16_t>(*minutes);
    }
  } else if (text.starts_with("/F")) {
    const std::string_view path = platform::Trim(text.substr(2), platform::kBlanks);
    if (!path.empty()) options.file = std::string(path);
  }
}

void ProcessParams(const std::vector<std::string>& arguments, Settings& settings,
                   StartOptions& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = platform::Trim(arguments[i], platform::kBlanks);
    const bool fileAlone =
        argument.size() == 2 && argument[0] == '/' && (argument[1] == 'F' || argument[1] == 'f');
    if (fileAlone && i + 1 < arguments.size() && !arguments[i + 1].starts_with('/')) {
      ProcessParam("/F" + arguments[i + 1], settings, options);
      ++i;
    } else {
      ProcessParam(arguments[i], settings, options);
    }
  }
}

}  // namespace quindle::app
