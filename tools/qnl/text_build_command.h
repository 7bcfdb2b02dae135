// `qnl text FILE.QNL` prints a macro file as plain text, one block of named fields per macro, for
// reading and diffing; `qnl build TEXT OUT.QNL` makes the macro file back from such a text, byte
// for byte.
#pragma once

#include "qnl/list_show.h"

namespace quindle::tool {

Subcommand AddTextCommand(CLI::App& parent);
Subcommand AddBuildCommand(CLI::App& parent);

}  // namespace quindle::tool
