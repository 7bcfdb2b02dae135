#include "qnl/qnl_app.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace quindle::tool {

int RunQnl(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{"qnl: inspect Quindle 98 macro files and dry-run macros"};
  app.require_subcommand(1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? 0 : 2;
  }
  return 0;
}

}  // namespace quindle::tool
