// `qnl lint`: reports macros that can never start as meant and records that point at nothing.
// Exit status 0 when nothing was found, 1 when something was, 2 for a bad argument.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddLintCommand(CLI::App& parent);

}  // namespace quindle::tool
