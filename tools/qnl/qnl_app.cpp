#include "qnl/qnl_app.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <vector>

#include "qnl/import_command.h"
#include "qnl/info_command.h"
#include "qnl/lint_command.h"
#include "qnl/list_show.h"
#include "qnl/play_command.h"
#include "qnl/schedule_command.h"
#include "qnl/script_command.h"
#include "qnl/text_build_command.h"

namespace quindle::tool {

int RunQnl(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"qnl: inspect Quindle 98 macro files and dry-run macros"};
  app.require_subcommand(1);
  // One line per error, so scripts can show it as it stands.
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    return "qnl: " + std::string(e.what()) + " (see --help)\n";
  });
  const std::vector<Subcommand> subcommands = {
      AddListCommand(app), AddShowCommand(app),   AddPlayCommand(app), AddScheduleCommand(app),
      AddLintCommand(app), AddScriptCommand(app), AddInfoCommand(app), AddImportCommand(app),
      AddTextCommand(app), AddBuildCommand(app)};
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? 0 : 2;
  }
  for (const Subcommand& subcommand : subcommands)
    if (subcommand.app->parsed()) return subcommand.run(out, err);
  return 2;
}

}  // namespace quindle::tool
