// The read-only subcommands of qnl: `list` (one line per macro) and `show` (every field of one
// macro). Neither ever changes the macro file.
#pragma once

#include <functional>
#include <iosfwd>

namespace CLI {
class App;
}

namespace quindle::tool {

// A subcommand registered on the qnl command line and what to run once it has been parsed.
struct Subcommand {
  CLI::App* app = nullptr;
  std::function<int(std::ostream& out, std::ostream& err)> run;
};

Subcommand AddListCommand(CLI::App& parent);
Subcommand AddShowCommand(CLI::App& parent);

}  // namespace quindle::tool
