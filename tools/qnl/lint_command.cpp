#include "qnl/lint_command.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/text.h"
#include "qnl/lint_checks.h"
#include "qnl/schedule_time.h"
#include "storage/record_reader.h"

namespace quindle::tool {
namespace {

constexpr const char* kLintHelp =
    "Check a macro file and print one line per finding, with the macro numbers involved: two "
    "enabled macros with one hotkey and the same scope (the second can never be chosen), a "
    "Typlet that fires while another is typed (prefix mode, with its \"Prefix Keys\"), a Typlet "
    "name or \"Prefix Keys\" with characters outside the Typlet set, a once-schedule in the past, "
    "a window or program scope with an "
    "empty text, a popup menu that lists a macro beyond the file. The Typlet options come from "
    "--settings (QUINX.INI) or are the defaults. Exit status 0: clean, 1: findings, 2: bad "
    "argument. The files are only read.";

struct Options {
  std::string file;
  std::string settings;
  std::string now;
};

int Fail(std::ostream& err, const std::string& text) {
  err << "qnl lint: " << text << '\n';
  return 2;
}

// The [Typlets] keys of a settings file; a key that is missing keeps its default, as the
// program reads it.
std::optional<TypletOptions> ReadTypletOptions(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  TypletOptions options;
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    const std::string text(platform::TrimSpacesAndControls(line));
    if (text.starts_with('[')) {
      inSection = platform::UpperAToZ(text) == "[TYPLETS]";
      continue;
    }
    const std::size_t equals = text.find('=');
    if (!inSection || equals == std::string::npos) continue;
    const std::string key = platform::UpperAToZ(
        platform::TrimSpacesAndControls(std::string_view(text).substr(0, equals)));
    const std::string_view value =
        platform::TrimSpacesAndControls(std::string_view(text).substr(equals + 1));
    const bool yes = platform::UpperAToZ(value) == "YES";
    // Held to what the program itself accepts: trimmed, at most two characters.
    if (key == "PREFIX KEYS") {
      options.prefixKeys = std::string(value);
      if (options.prefixKeys.size() > activation::kTypletPrefixMax)
        options.prefixKeys.resize(activation::kTypletPrefixMax);
    }
    if (key == "SOLITARY USAGE") options.solitaryUsage = yes;
    if (key == "CASE SENSATIVE") options.caseSensitive = yes;
    if (key == "USE SUFFIX") options.useSuffix = yes;
  }
  return options;
}

int RunLint(const Options& o, std::ostream& out, std::ostream& err) {
  double now = LocalNow();
  if (!o.now.empty()) {
    const std::optional<double> given = ParseIsoDateTime(o.now);
    if (!given)
      return Fail(err, "--now must be a date-time YYYY-MM-DDTHH:MM:SS, not \"" + o.now + "\"");
    now = *given;
  }
  TypletOptions typlets;
  if (!o.settings.empty()) {
    const std::optional<TypletOptions> read = ReadTypletOptions(o.settings);
    if (!read) return Fail(err, "the settings file \"" + o.settings + "\" cannot be read");
    typlets = *read;
  }
  const storage::MacroFileContents contents = storage::ReadMacroFile(o.file);
  if (!contents.Ok()) return Fail(err, contents.error);
  const std::vector<std::string> lines = LintMacros(contents.records, typlets, now);
  for (const std::string& line : lines) out << line << '\n';
  return lines.empty() ? 0 : 1;
}

}  // namespace

Subcommand AddLintCommand(CLI::App& parent) {
  auto o = std::make_shared<Options>();
  CLI::App* app = parent.add_subcommand("lint", kLintHelp);
  app->add_option("FILE", o->file, "the macro file (.QNL)")->required();
  app->add_option("--settings", o->settings, "settings file with the Typlet options");
  app->add_option("--now", o->now, "the present, YYYY-MM-DDTHH:MM:SS (default: the clock)");
  return {app, [o](std::ostream& out, std::ostream& err) { return RunLint(*o, out, err); }};
}

}  // namespace quindle::tool
