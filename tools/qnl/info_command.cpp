#include "qnl/info_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/macro_info_file.h"
#include "app/macro_list.h"
#include "app/settings.h"
#include "platform/text.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

constexpr const char* kInfoHelp =
    "Print the macro information file that \"Output Macro Information\" writes for FILE: per "
    "macro its icon, activation, nickname, scope, schedule and text lines, each ended by CR LF, "
    "then an empty line, byte for byte as the program writes them. The macros come in the order "
    "of the main window's list, sorted by the \"Primary Sort\", \"Activation Sort\" and \"Scope "
    "Sort\" of --ini (the defaults without it). --fields chooses the parts; when the dialog would "
    "refuse the choice its message goes to standard error and the status is 2. Files are only "
    "read.";

struct Options {
  std::string file;
  std::string ini;
  std::string fields = "icon,hotkey,name,window,schedule,text";
};

// The settings file read as the system's profile functions read it: sections and keys in any
// case, blanks around names and values dropped. Read only.
class IniText final : public app::IProfile {
 public:
  explicit IniText(std::string_view text) {
    std::string section;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
      const std::string_view trimmed = platform::Trim(line, " \t\r");
      if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
        section = platform::UpperAToZ(trimmed.substr(1, trimmed.size() - 2));
        continue;
      }
      const std::size_t equals = trimmed.find('=');
      if (equals == std::string_view::npos || trimmed.front() == ';') continue;
      const std::string key =
          section + '\n' + platform::UpperAToZ(platform::Trim(trimmed.substr(0, equals), " \t"));
      values_.emplace(key, platform::Trim(trimmed.substr(equals + 1), " \t"));
    }
  }
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) override {
    const auto it = values_.find(platform::UpperAToZ(section) + '\n' + platform::UpperAToZ(key));
    return it == values_.end() ? std::string(fallback) : it->second;
  }
  void Write(std::string_view, std::string_view, std::string_view) override {}

 private:
  std::map<std::string, std::string> values_;  // the first of two equal keys counts
};

int Fail(std::ostream& err, const std::string& text) {
  err << "qnl info: " << text << '\n';
  return 2;
}

std::optional<app::InfoChoices> ParseFields(std::string_view list, std::string& bad) {
  app::InfoChoices choices{false, false, false, false, false, false};
  std::istringstream parts{std::string(list)};
  for (std::string part; std::getline(parts, part, ',');) {
    const std::string name(platform::Trim(part, " "));
    bool* choice = name == "icon"       ? &choices.icon
                   : name == "hotkey"   ? &choices.hotKey
                   : name == "name"     ? &choices.name
                   : name == "window"   ? &choices.window
                   : name == "schedule" ? &choices.schedule
                   : name == "text"     ? &choices.text
                                        : nullptr;
    if (choice == nullptr) {
      bad = name;
      return std::nullopt;
    }
    *choice = true;
  }
  return choices;
}

int RunInfo(const Options& o, std::ostream& out, std::ostream& err) {
  std::string bad;
  const std::optional<app::InfoChoices> choices = ParseFields(o.fields, bad);
  if (!choices)
    return Fail(
        err, "--fields takes icon, hotkey, name, window, schedule and text, not \"" + bad + "\"");
  app::Settings settings;
  if (!o.ini.empty()) {
    std::ifstream in(o.ini, std::ios::binary);
    if (!in) return Fail(err, "cannot read the settings file \"" + o.ini + "\"");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    IniText ini(text);
    settings = app::ReadSettings(ini);
  }
  const auto accepted = app::AcceptOutputChoices(*choices);
  if (!accepted.Accepted()) {
    err << accepted.message << '\n';
    return 2;
  }
  const storage::MacroFileContents contents = storage::ReadMacroFile(o.file);
  if (!contents.Ok()) return Fail(err, contents.error);
  const std::vector<int> order =
      app::SortIndex(app::SnapshotOfRecords(contents.records),
                     {settings.primarySort, settings.activationSort, settings.scopeSort});
  for (const int n : order)
    out << app::MacroInfoText(contents.records[static_cast<std::size_t>(n) - 1], *choices);
  return 0;
}

}  // namespace

Subcommand AddInfoCommand(CLI::App& parent) {
  auto o = std::make_shared<Options>();
  CLI::App* app = parent.add_subcommand("info", kInfoHelp);
  app->add_option("FILE", o->file, "the macro file (.QNL)")->required();
  app->add_option("--ini", o->ini, "the settings file (QUINX.INI) giving the sort order");
  app->add_option("--fields", o->fields,
                  "comma-separated parts: icon,hotkey,name,window,schedule,text (default: all)");
  return {app, [o](std::ostream& out, std::ostream& err) { return RunInfo(*o, out, err); }};
}

}  // namespace quindle::tool
