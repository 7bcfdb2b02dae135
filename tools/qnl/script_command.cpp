#include "qnl/script_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "editors/script_line.h"
#include "qnl/macro_text_input.h"
#include "storage/cp1252.h"

namespace quindle::tool {
namespace {

using storage::Cp1252ToUtf8;

constexpr const char* kScriptHelp =
    "Show a macro as the scripting editor lists it: one line per command, indented inside "
    "repeat, clipboard and held-key blocks. With --write-back, print instead the MacroText the "
    "editor writes back from those lines, followed by one line feed. The macro is macro N of "
    "FILE, or the text given with --text (UTF-8); the output is UTF-8.";

struct ScriptOptions {
  bool writeBack = false;
  MacroTextInput input;
};

int RunScript(const ScriptOptions& options, std::ostream& out, std::ostream& err) {
  const std::optional<ChosenMacro> chosen = ChooseMacroText(options.input, "script", err);
  if (!chosen) return 2;
  std::vector<editors::ScriptLine> lines = editors::BuildTheScript(chosen->text);
  if (options.writeBack) {
    out << Cp1252ToUtf8(editors::WriteBack(lines)) << '\n';
    return 0;
  }
  editors::SetIndents(lines);
  for (const editors::ScriptLine& line : lines) out << Cp1252ToUtf8(line.text) << '\n';
  return 0;
}

}  // namespace

Subcommand AddScriptCommand(CLI::App& parent) {
  auto options = std::make_shared<ScriptOptions>();
  CLI::App* app = parent.add_subcommand("script", kScriptHelp);
  app->add_flag("--write-back", options->writeBack, "Print the MacroText written back");
  auto* text = app->add_option("--text", options->input.text, "The macro text");
  auto* file = app->add_option("FILE", options->input.file, "Macro file");
  auto* number = app->add_option("N", options->input.number, "Macro number, 1 = first");
  text->excludes(file)->excludes(number);
  file->needs(number);
  number->needs(file);
  return {app, [options](std::ostream& out, std::ostream& err) {
            return RunScript(*options, out, err);
          }};
}

}  // namespace quindle::tool
